#pragma once
// Where a window must stand so that the user can reach it: after a monitor
// is unplugged or the resolution changes, a saved place may lie off every
// screen. No Windows header: tested natively.
#include <span>

namespace velk {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

// The window's place, unchanged while at least reach × reach pixels of it
// (or all of it, when it is smaller) lie on one work area; otherwise moved,
// at its size, fully into the work area nearest to it (the one it overlaps
// most, else the closest). No work areas: unchanged.
ScreenRect ReachablePlace(const ScreenRect& window, std::span<const ScreenRect> workAreas, int reach);

}  // namespace velk
