#include "barrier.h"

#include <string>

namespace velk::e2e {

namespace {

// What the hook shares with this side (tools/barrier_hook.cpp).
constexpr wchar_t kPingName[] = L"velk-test-barrier";
// A program that takes nothing for this long hangs.
constexpr DWORD kTakenWithinMs = 10000;
// How often a ping is posted again while the thread still has messages
// queued behind the last one.
constexpr DWORD kPingEveryMs = 20;

HOOKPROC HookProcedure(HMODULE* module) {
    static HMODULE loaded = [] {
        wchar_t path[MAX_PATH];
        std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        folder.resize(folder.find_last_of(L'\\') + 1);
        return LoadLibraryW((folder + L"barrier_hook.dll").c_str());
    }();
    *module = loaded;
    return loaded ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(loaded, "BarrierHook"))) : nullptr;
}

// A fresh named event for one barrier, and its number; the hook names it
// from the driver's process id and the number the ping carries.
class ArrivalEvent {
public:
    ArrivalEvent() {
        static DWORD count = 0;
        number_ = ++count;
        wchar_t name[64];
        wsprintfW(name, L"velk-barrier-%lx-%lx", GetCurrentProcessId(), number_);
        event_ = CreateEventW(nullptr, TRUE, FALSE, name);
    }
    ~ArrivalEvent() {
        if (event_) CloseHandle(event_);
    }
    ArrivalEvent(const ArrivalEvent&) = delete;
    ArrivalEvent& operator=(const ArrivalEvent&) = delete;

    DWORD Number() const { return number_; }
    HANDLE Handle() const { return event_; }

private:
    DWORD number_;
    HANDLE event_;
};

}  // namespace

ThreadBarrier::ThreadBarrier(DWORD thread, HANDLE process) : thread_(thread), process_(process) {
    HMODULE module = nullptr;
    if (const HOOKPROC procedure = HookProcedure(&module))
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, procedure, module, thread);
}

ThreadBarrier::~ThreadBarrier() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

bool ThreadBarrier::Ping() const {
    static const UINT ping = RegisterWindowMessageW(kPingName);
    const ArrivalEvent arrival;
    if (!hook_ || !arrival.Handle()) return false;
    const HANDLE either[] = {arrival.Handle(), process_};
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kTakenWithinMs) {
        if (!PostThreadMessageW(thread_, ping, GetCurrentProcessId(), arrival.Number())) return false;
        const DWORD got = WaitForMultipleObjects(2, either, FALSE, kPingEveryMs);
        if (got == WAIT_OBJECT_0) return true;
        if (got != WAIT_TIMEOUT) return false;
    }
    return false;
}

bool ThreadBarrier::Give(std::vector<INPUT> inputs) const {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return Ping() || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

}  // namespace velk::e2e
