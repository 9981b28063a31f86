#pragma once
// Design values are pixels at 96 dpi; a window shows them at its own dpi,
// scaled once where they are applied. No Windows header.
#include "core/geometry.h"

namespace velk {

inline constexpr int kDesignDpi = 96;

// The design value at dpi, rounded as the system's MulDiv rounds.
int ScaleToDpi(int value, int dpi);

// The outer size at dpi of a window whose client area has the design size:
// the client area scaled, with the frame the window has at that dpi around
// it (the rectangle AdjustWindowRectExForDpi makes of an empty one).
Size WindowSizeAtDpi(Size designClient, const Rect& frame, int dpi);

}  // namespace velk
