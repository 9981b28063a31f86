#pragma once
// A system DLL loaded when one of its functions is first needed, not at every
// start: the shell and the common dialogs are large and only a click uses
// them. Loaded once for the process and freed at its end.
#include <windows.h>
#include <shellapi.h>

namespace velk {

class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name) : module_(LoadLibraryW(name)) {}
    ~SystemLibrary() {
        if (module_) FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The function of that name and type, or null. GetProcAddress's type
    // says nothing of the function's: it goes through a plain function pointer.
    template <typename Function>
    Function* Find(const char* name) const {
        if (!module_) return nullptr;
        return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

// The shell's ShellExecuteW; its result as the shell's (a value of 32 or less
// is a failure), SE_ERR_DLLNOTFOUND when the shell cannot be loaded.
inline HINSTANCE ShellOpen(HWND owner, const wchar_t* file) {
    static const SystemLibrary shell(L"shell32.dll");
    static const auto execute = shell.Find<decltype(ShellExecuteW)>("ShellExecuteW");
    if (!execute) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return execute(owner, L"open", file, nullptr, nullptr, SW_SHOW);
}

}  // namespace velk
