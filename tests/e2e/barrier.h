#pragma once
// Proof from outside that a thread of the program has handled what it was
// given, through a message hook the system loads into the program's process
// (tools/barrier_hook.cpp): the program itself knows nothing of it.
//
// A ping posted to the thread comes off its queue before input still queued
// (posted messages come first), so one ping proves nothing about input; a
// ping that comes off with nothing queued behind it, no input and no posted
// message, does: every message given before it has been taken and
// dispatched (or has opened the modal loop that took the ping). The driver
// posts pings until one comes off so. (A sent WM_NULL is handled before
// posted and input messages and proves nothing about them; WaitForInputIdle
// waits only once per process.)
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

    // True once a ping has come off the thread's queue with nothing queued
    // behind it; false when the process ended first, or the thread took no
    // such ping within the time a program that runs takes.
    bool Ping() const;
    // Gives the input; true once the thread has handled all of it (or the
    // process ended while it did).
    bool Give(std::vector<INPUT> inputs) const;

private:
    DWORD thread_;
    HANDLE process_;
    HHOOK hook_ = nullptr;
};

}  // namespace velk::e2e
