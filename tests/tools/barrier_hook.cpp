// A message hook the e2e driver sets on a thread of the program under test;
// the system loads it into the program's process. When a ping the driver
// posted, or an input event it tagged, comes off that thread's queue, it sets
// the driver's named event for it. Messages come off in order: everything
// posted before a ping has then been dispatched, and an input event's own
// message is dispatched before the next ping posted behind it.
#include <windows.h>

namespace {

constexpr ULONG_PTR kTagMark = 0x7E57;

void Arrived(DWORD driver, DWORD number) {
    wchar_t name[64];
    wsprintfW(name, L"velk-barrier-%lx-%lx", driver, number);
    if (const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name)) {
        SetEvent(event);
        CloseHandle(event);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK BarrierHook(int code, WPARAM removal, LPARAM message) {
    static const UINT ping = RegisterWindowMessageW(L"velk-test-barrier");
    if (code == HC_ACTION && removal == PM_REMOVE) {
        const MSG& taken = *reinterpret_cast<const MSG*>(message);
        const auto extra = static_cast<ULONG_PTR>(GetMessageExtraInfo());
        if (taken.message == ping)
            Arrived(static_cast<DWORD>(taken.wParam), static_cast<DWORD>(taken.lParam));
        else if (extra >> 48 == kTagMark)
            Arrived(static_cast<DWORD>(extra >> 32 & 0xFFFF), static_cast<DWORD>(extra));
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
