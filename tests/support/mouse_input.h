#pragma once
// Mouse input as the hardware gives it, for SendInput.
#include <windows.h>

namespace velk::test {

// An event at a screen point: absolute coordinates are 0..65535 across the
// screen; the +1 keeps the rounding of the way back on the intended pixel.
inline INPUT MouseInput(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace velk::test
