#pragma once
// Mouse-wheel deltas turned into whole lines, keeping what is left over: a
// touchpad sends steps far below one notch (WHEEL_DELTA, 120), and slow
// scrolling must move all the same. No Windows header: tested natively.
#include <algorithm>

namespace velk {

class WheelAccumulator {
public:
    static constexpr int kNotch = 120;

    // Lines to scroll for one wheel message (positive: towards the top) at
    // linesPerNotch lines a notch.
    int Lines(int delta, int linesPerNotch) {
        // A turn the other way starts afresh, as the system's own lists do.
        if ((delta > 0 && remainder_ < 0) || (delta < 0 && remainder_ > 0)) remainder_ = 0;
        remainder_ += delta * std::clamp(linesPerNotch, 0, 100);
        const int lines = remainder_ / kNotch;
        remainder_ -= lines * kNotch;
        return lines;
    }

private:
    int remainder_ = 0;
};

}  // namespace velk
