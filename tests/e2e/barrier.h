#pragma once
// Proof from outside that a thread of the program has handled what it was
// given, through a message hook the system loads into the program's process
// (tools/barrier_hook.cpp): the program itself knows nothing of it.
//
// A ping posted to the thread comes off its queue after every message
// posted before it has been dispatched (or inside a modal loop that one of
// them opened). Input comes off after posted messages, so a ping says
// nothing about input still queued: input gets its last event tagged, and
// once that event has come off the queue a ping posted behind it shows that
// it was handled. (A sent WM_NULL is handled before all of them and proves
// nothing about them; WaitForInputIdle waits only once per process.)
#include <windows.h>

#include <vector>

namespace velk::e2e {

class ThreadBarrier {
public:
    // Hooks the thread of the process.
    ThreadBarrier(DWORD thread, HANDLE process);
    ~ThreadBarrier();
    ThreadBarrier(const ThreadBarrier&) = delete;
    ThreadBarrier& operator=(const ThreadBarrier&) = delete;

    // True once a ping posted now has come off the thread's queue; false
    // when the process ended first, or its thread never took it.
    bool Ping() const;
    // Gives the input; true once the thread has handled all of it (or the
    // process ended while it did), false when it never took its last event.
    bool Give(std::vector<INPUT> inputs) const;

private:
    // Waits for the event the hook sets: true when it was set or the process
    // ended; *ended says which.
    bool Arrived(HANDLE event, bool* ended) const;

    DWORD thread_;
    HANDLE process_;
    HHOOK hook_ = nullptr;
};

}  // namespace velk::e2e
