// Wheel deltas to lines: whole notches, partial steps summed, the remainder
// dropped at a change of direction.
#include <gtest/gtest.h>

#include <vector>

#include "core/wheel.h"

namespace velk {
namespace {

TEST(Wheel, StepsAddUpToLinesAndKeepTheirRemainder) {
    const struct {
        std::vector<int> deltas;
        int linesPerNotch;
        int lines;  // summed over the deltas
    } cases[] = {
        {{120}, 3, 3},
        {{-240}, 3, -6},
        {{40, 40, 40}, 3, 3},            // three thirds of a notch
        {{24, 24, 24, 24, 24}, 3, 3},    // touchpad fifths
        {{10, 10, 10}, 3, 0},            // a quarter notch: not yet a line
        {{10, 10, 10, 10}, 3, 1},        // a third: one line
        {{60, -60}, 3, 0},               // a line each way: the turn drops the half line kept
        {{120}, 0, 0},
        {{120}, 1000, 100},              // an absurd setting is bounded
    };
    for (const auto& example : cases) {
        WheelAccumulator wheel;
        int lines = 0;
        for (int delta : example.deltas) lines += wheel.Lines(delta, example.linesPerNotch);
        EXPECT_EQ(lines, example.lines) << example.deltas.size() << " deltas, " << example.linesPerNotch;
    }
}

}  // namespace
}  // namespace velk
