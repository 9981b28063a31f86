#pragma once
// The scroll bar's requests and the mouse wheel for a window that scrolls
// by whole lines (rows, columns): both come to a new first line in sight,
// which the window clamps to its own range.
#include <windows.h>

#include <optional>

#include "core/wheel.h"

namespace velk {

// The first line a request of the bar (SB_VERT or SB_HORZ) asks for, from
// first, a page being page lines and SB_BOTTOM asking for last; none for a
// request that moves nothing.
std::optional<int> ScrollRequestTarget(HWND hwnd, int bar, UINT request, int first, int page, int last);

// The lines one wheel message scrolls (positive: towards the top) at the
// user's lines a notch; a notch of a page (WHEEL_PAGESCROLL) is page lines.
int WheelLines(WheelAccumulator& wheel, int delta, int page);

// Sets the bar's range, page and position in one call.
void SetScrollBar(HWND hwnd, int bar, int min, int max, int page, int position, UINT extraMask = 0);

}  // namespace velk
