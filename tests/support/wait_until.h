#pragma once
// Waiting for what another thread or process brings about.
#include <windows.h>

namespace velk::test {

// Looks every 20 ms until the predicate holds or the time runs out; returns
// its last value.
template <typename Predicate>
bool WaitUntil(Predicate predicate, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!predicate()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

}  // namespace velk::test
