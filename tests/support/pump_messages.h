#pragma once
// The program's message loop, run by tests, soaks and benchmarks that
// create its windows in their own process.
#include <windows.h>

#include <algorithm>

#include "ui/application.h"

namespace velk::test {

// Dispatches every message waiting now as the program's loop does (a form's
// dialog keys and accelerators first). Posted messages are all handled when
// it returns.
inline void DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) Application::DispatchOne(msg);
}

// Pumps messages until the predicate holds or the time runs out; returns its
// last value. Between rounds it waits for the next message, at most a short
// while, since the condition may also change without one (another thread).
template <typename Predicate>
bool PumpUntil(Predicate predicate, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DispatchPending();
        if (predicate()) return true;
        const DWORD waited = GetTickCount() - start;
        if (waited >= deadlineMs) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, std::min<DWORD>(deadlineMs - waited, 20), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

}  // namespace velk::test
