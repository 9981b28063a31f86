// A message hook the e2e driver sets on a thread of the program under test;
// the system loads it into the program's process. A ping the driver posted
// sets the driver's named event for it when it comes off the thread's queue
// with no input and no other posted message behind it: everything given to
// the thread before the ping has then been taken off the queue, and all
// but the last message dispatched (the last one is being dispatched, or has
// opened the modal loop that took the ping). Input the system discards (a
// click on a disabled window) leaves the queue too, so it holds up no ping.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK BarrierHook(int code, WPARAM removal, LPARAM message) {
    static const UINT ping = RegisterWindowMessageW(L"velk-test-barrier");
    const MSG& taken = *reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && taken.message == ping &&
        HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0) {
        wchar_t name[64];
        wsprintfW(name, L"velk-barrier-%lx-%lx", static_cast<DWORD>(taken.wParam), static_cast<DWORD>(taken.lParam));
        if (const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
            SetEvent(event);
            CloseHandle(event);
        }
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
