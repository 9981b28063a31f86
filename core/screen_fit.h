#pragma once
// Where a window must stand so that the user can reach it: after a monitor
// is unplugged or the resolution changes, a saved place may lie off every
// screen. No Windows header: tested natively.
#include <span>

#include "core/geometry.h"

namespace velk {

// The window's place, unchanged while at least reach × reach pixels of it
// (or all of it, when it is smaller) lie on one work area; otherwise moved,
// at its size, fully into the work area nearest to it (the one it overlaps
// most, else the closest). No work areas: unchanged.
Rect ReachablePlace(const Rect& window, std::span<const Rect> workAreas, int reach);

// The top-left corner that centres the window on the work area.
inline Point CentredIn(const Rect& workArea, const Rect& window) {
    return {workArea.left + (workArea.Width() - window.Width()) / 2,
            workArea.top + (workArea.Height() - window.Height()) / 2};
}

}  // namespace velk
