#pragma once
// Ends the Windows session: shutdown, restart or log-off, with the shutdown
// privilege taken for the one call.
#include <windows.h>

namespace velk {

class TWinReboot {
public:
    // True when the privilege of the process's token was adjusted.
    bool SetPrivilege(const wchar_t* name, bool enable) const;
    // True when ExitWindowsEx accepted the request.
    bool ExitWin(UINT flags) const;
};

}  // namespace velk
