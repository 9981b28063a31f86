#pragma once
// Shell shortcuts (.lnk) through the shell's IShellLinkW, and the user's
// Startup folder. COM, shell32 and ole32 come at the first use.
#include <windows.h>

namespace velk {

// The user's Startup folder (FOLDERID_Startup) into room of MAX_PATH
// characters; false when the shell has none.
bool StartupFolder(wchar_t* folder);

// True when the shortcut can be read and starts that program (the paths
// compared in any letter case, as Windows compares them).
bool LinkStarts(const wchar_t* link, const wchar_t* program);

// Writes the shortcut anew: the program it starts and the folder it starts
// it in; false when it cannot be written.
bool SaveLink(const wchar_t* link, const wchar_t* program, const wchar_t* workingFolder);

}  // namespace velk
