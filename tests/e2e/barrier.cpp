#include "barrier.h"

#include <string>

namespace velk::e2e {

namespace {

// What the hook shares with this side (tools/barrier_hook.cpp).
constexpr wchar_t kPingName[] = L"velk-test-barrier";
constexpr ULONG_PTR kTagMark = 0x7E57;
// A program that takes nothing for this long hangs.
constexpr DWORD kTakenWithinMs = 10000;

HOOKPROC HookProcedure(HMODULE* module) {
    static HMODULE loaded = [] {
        wchar_t path[MAX_PATH];
        std::wstring folder(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        folder.resize(folder.find_last_of(L'\\') + 1);
        return LoadLibraryW((folder + L"barrier_hook.dll").c_str());
    }();
    *module = loaded;
    return loaded ? reinterpret_cast<HOOKPROC>(GetProcAddress(loaded, "BarrierHook")) : nullptr;
}

// The driver's part of the names, in the bits the input's tag has room for.
DWORD DriverKey() { return GetCurrentProcessId() & 0xFFFF; }

// A fresh named event for one barrier, and its number.
class ArrivalEvent {
public:
    ArrivalEvent() {
        static DWORD count = 0;
        number_ = ++count;
        wchar_t name[64];
        wsprintfW(name, L"velk-barrier-%lx-%lx", DriverKey(), number_);
        event_ = CreateEventW(nullptr, TRUE, FALSE, name);
    }
    ~ArrivalEvent() {
        if (event_) CloseHandle(event_);
    }
    ArrivalEvent(const ArrivalEvent&) = delete;
    ArrivalEvent& operator=(const ArrivalEvent&) = delete;

    DWORD Number() const { return number_; }
    HANDLE Handle() const { return event_; }
    ULONG_PTR Tag() const { return kTagMark << 48 | ULONG_PTR{DriverKey()} << 32 | number_; }

private:
    DWORD number_;
    HANDLE event_;
};

void Tag(INPUT& input, ULONG_PTR tag) {
    if (input.type == INPUT_MOUSE)
        input.mi.dwExtraInfo = tag;
    else
        input.ki.dwExtraInfo = tag;
}

}  // namespace

ThreadBarrier::ThreadBarrier(DWORD thread, HANDLE process) : thread_(thread), process_(process) {
    HMODULE module = nullptr;
    if (const HOOKPROC procedure = HookProcedure(&module))
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, procedure, module, thread);
}

ThreadBarrier::~ThreadBarrier() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

bool ThreadBarrier::Arrived(HANDLE event, bool* ended) const {
    const HANDLE either[] = {event, process_};
    const DWORD got = WaitForMultipleObjects(2, either, FALSE, kTakenWithinMs);
    *ended = got == WAIT_OBJECT_0 + 1;
    return got == WAIT_OBJECT_0 || *ended;
}

bool ThreadBarrier::Ping() const {
    static const UINT ping = RegisterWindowMessageW(kPingName);
    const ArrivalEvent arrival;
    bool ended = false;
    return hook_ && arrival.Handle() && PostThreadMessageW(thread_, ping, DriverKey(), arrival.Number()) &&
           Arrived(arrival.Handle(), &ended) && !ended;
}

bool ThreadBarrier::Give(std::vector<INPUT> inputs) const {
    const ArrivalEvent arrival;
    if (!inputs.empty()) Tag(inputs.back(), arrival.Tag());
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    bool ended = false;
    if (!hook_ || !arrival.Handle() || !Arrived(arrival.Handle(), &ended)) return false;
    return ended || Ping() || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
}

}  // namespace velk::e2e
