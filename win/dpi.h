#pragma once
// The display's dots per inch. Per-monitor awareness and the per-dpi
// functions came with Windows 10; they are looked up at run time, so the
// program still starts on Windows 7, where the system's dpi holds for all.
#include <windows.h>

namespace velk {

// Asks to be shown unscaled at each monitor's own dpi; where that cannot be
// had, at the system's.
void DeclareDpiAwareness();

// The system's dpi, for what is made before it has a window.
int SystemDpi();
// The dpi the window is shown at.
int WindowDpi(HWND window);
// A system metric at a dpi.
int SystemMetricForDpi(int index, int dpi);
// The frame a window of these styles has around its client area at a dpi,
// as a rectangle around an empty client area at the origin.
RECT WindowFrame(DWORD style, DWORD exStyle, int dpi);

}  // namespace velk
