#pragma once
// A shortcut's command as a user types it, turned into what the shell is
// given: the file, its parameters and the folder it starts in.
//
// The command's %VARIABLES% are expanded first. A URL or shell name (a
// colon, not a drive letter's, before any separator, blank or quote:
// "https:", "mailto:", "shell:startup", "::{CLSID}"), or a text that names
// an existing file or folder, is opened whole. Otherwise a quoted first part
// is the file; else the LONGEST leading part ending at a blank that names an
// existing file: the shortest would let a planted "D:\My.exe" win over
// "D:\My Tools\x.exe". No extension is ever added to a part that ends at a
// blank: of those only a bare first word with its extension ("notepad.exe
// x.txt") is left to the shell, to look up on the search path and in App
// Paths. A text without blanks that names nothing here is the shell's to look
// up too; any other that names nothing goes to the shell as typed, which then
// opens nothing.
//
// A relative path starts at the program's folder, never at the working
// folder; a bare name only when it is there. A file that exists starts in
// its own folder, as Explorer starts it; a link, folder, URL or name the
// shell looks up gets none, so that a link keeps its own.
#include <string>
#include <string_view>

namespace velk {

// The program's folder, without its trailing backslash, in the process's
// environment: "%VELK_DIR%\..\Programy\x.exe".
inline constexpr wchar_t kProgramFolderVariable[] = L"VELK_DIR";

enum class PathKind { Missing, File, Folder };

struct CommandSystem {
    std::wstring_view programDir;  // with its trailing backslash
    std::wstring (*expandVariables)(const std::wstring& text);
    PathKind (*kindOf)(const std::wstring& fullPath);
};

struct ShellCommand {
    std::wstring file{};        // empty: nothing to open
    std::wstring parameters{};  // empty: none
    std::wstring directory{};   // empty: none given
    bool operator==(const ShellCommand&) const = default;
};

ShellCommand ResolveCommand(const std::wstring& command, const CommandSystem& system);

}  // namespace velk
