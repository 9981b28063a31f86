#pragma once
// A window's timer, switched on and off by what it is wanted for. A running
// timer keeps its rhythm: switching it on again does not restart its period.
#include <windows.h>

namespace velk {

class WindowTimer {
public:
    WindowTimer(UINT_PTR id, UINT periodMs) : id_(id), periodMs_(periodMs) {}

    UINT_PTR Id() const { return id_; }
    void Run(HWND window, bool running) {
        if (running == running_) return;
        running_ = running;
        if (running)
            SetTimer(window, id_, periodMs_, nullptr);
        else
            KillTimer(window, id_);
    }

private:
    UINT_PTR id_;
    UINT periodMs_;
    bool running_ = false;
};

}  // namespace velk
