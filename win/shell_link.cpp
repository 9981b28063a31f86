#include "win/shell_link.h"

#include <windows.h>
#include <shlobj.h>

#include "win/com_apartment.h"
#include "win/com_ptr.h"
#include "win/system_library.h"

namespace velk {

namespace {

// The shell's shortcut object, {00021401-0000-0000-C000-000000000046}.
constexpr CLSID kShellLinkServer = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct ShellLink {
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;

    bool Create() {
        return UseCom() &&
               SUCCEEDED(CreateComObject(kShellLinkServer, __uuidof(IShellLinkW), reinterpret_cast<void**>(link.put()))) &&
               SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(file.put())));
    }
};

}  // namespace

bool StartupFolder(wchar_t* folder) {
    // SHGetFolderPathW answers from FOLDERID_Startup, into the caller's room.
    static const auto folderPath = Shell32().Find<decltype(SHGetFolderPathW)>("SHGetFolderPathW");
    return folderPath && SUCCEEDED(folderPath(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder));
}

bool LinkStarts(const wchar_t* link, const wchar_t* program) {
    ShellLink shortcut;
    wchar_t target[MAX_PATH];
    return shortcut.Create() && SUCCEEDED(shortcut.file->Load(link, STGM_READ)) &&
           shortcut.link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK &&
           CompareStringOrdinal(target, -1, program, -1, TRUE) == CSTR_EQUAL;
}

bool SaveLink(const wchar_t* link, const wchar_t* program, const wchar_t* workingFolder) {
    ShellLink shortcut;
    return shortcut.Create() && SUCCEEDED(shortcut.link->SetPath(program)) &&
           SUCCEEDED(shortcut.link->SetWorkingDirectory(workingFolder)) &&
           SUCCEEDED(shortcut.file->Save(link, TRUE));
}

}  // namespace velk
