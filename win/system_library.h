#pragma once
// A system DLL loaded when one of its functions is first needed, not at every
// start: the shell and the common dialogs are large and only a click uses
// them. Loaded once for the process and freed at its end, and only from
// System32: the program's own folder, which it writes to and where a
// download lands, may hold a DLL of the same name.
#include <windows.h>

namespace velk {

// The first step of the program: from then on every DLL loaded by a bare
// name, also by the system's DLLs on our behalf, comes from System32.
void LoadSystemDllsFromSystem32Only();

// The system DLL of that name, from System32; null when it cannot be loaded.
HMODULE LoadSystemDll(const wchar_t* name);

class SystemLibrary {
public:
    explicit SystemLibrary(const wchar_t* name) : module_(LoadSystemDll(name)) {}
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

// shell32, loaded at its first use and kept.
const SystemLibrary& Shell32();

// The shell's ShellExecuteW with the verb "open", in the thread's COM
// apartment; its result as the shell's (a value of 32 or less is a
// failure), SE_ERR_DLLNOTFOUND when the shell cannot be loaded. Null
// parameters: none; a null directory: the program's working folder.
HINSTANCE ShellOpen(HWND owner, const wchar_t* file, const wchar_t* parameters = nullptr,
                    const wchar_t* directory = nullptr);

}  // namespace velk
