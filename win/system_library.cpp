#include "win/system_library.h"

#include <shellapi.h>

#include <cstring>
#include <cwchar>

#include "win/com_apartment.h"

namespace velk {

namespace {

using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);

// Missing on Windows 7 and Vista without KB2533623, where LoadLibraryExW
// knows no LOAD_LIBRARY_SEARCH_* flag either (its documentation says so).
SetDefaultDllDirectoriesFunction* FindSetDefaultDllDirectories() {
    return reinterpret_cast<SetDefaultDllDirectoriesFunction*>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
}

}  // namespace

void LoadSystemDllsFromSystem32Only() {
    if (const auto setDirectories = FindSetDefaultDllDirectories()) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemDll(const wchar_t* name) {
    // The manifest's side-by-side redirection comes before any folder, so
    // comctl32 is still the version the manifest asks for.
    if (FindSetDefaultDllDirectories()) return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t path[MAX_PATH];
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    const size_t nameLength = wcslen(name);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH) return nullptr;
    path[length] = L'\\';
    memcpy(path + length + 1, name, (nameLength + 1) * sizeof(wchar_t));
    return LoadLibraryExW(path, nullptr, 0);
}

const SystemLibrary& Shell32() {
    static const SystemLibrary library(L"shell32.dll");
    return library;
}

HINSTANCE ShellOpen(HWND owner, const wchar_t* file, const wchar_t* parameters, const wchar_t* directory) {
    static const auto execute = Shell32().Find<decltype(ShellExecuteW)>("ShellExecuteW");
    if (!execute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    // The shell may hand the command to an extension that is a COM object:
    // ShellExecuteW's documentation asks for COM on the thread first.
    UseCom();
    return execute(owner, L"open", file, parameters, directory, SW_SHOW);
}

}  // namespace velk
