#include "app/win_reboot.h"

#include "win/handles.h"

namespace velk {

bool TWinReboot::SetPrivilege(const wchar_t* name, bool enable) const {
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken)) return false;
    const KernelHandle token(rawToken);

    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) return false;
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous{};
    DWORD returnedLength = 0;
    return AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof privileges, &previous, &returnedLength) != 0;
}

bool TWinReboot::ExitWin(UINT flags) const {
    // Asked for even when the privilege cannot be taken: the system decides.
    SetPrivilege(SE_SHUTDOWN_NAME, true);
    // A planned end: ExitWindowsEx's documentation says a reason of 0 is
    // logged as unplanned, which may make Windows save its state and delay.
    const BOOL accepted =
        ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED);
    SetPrivilege(SE_SHUTDOWN_NAME, false);
    return accepted != 0;
}

}  // namespace velk
