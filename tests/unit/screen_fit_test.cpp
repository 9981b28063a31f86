// A window's place against one, two and three monitors' work areas: left
// alone while reachable, moved fully onto the nearest screen when not.
#include <gtest/gtest.h>

#include <vector>

#include "core/dpi_scale.h"
#include "core/screen_fit.h"

namespace velk {
namespace {

TEST(ScreenFit, AWindowOffEveryScreenMovesFullyOntoTheNearestAndAReachableOneStays) {
    const std::vector<Rect> one = {{0, 0, 1280, 994}};
    // A second monitor left of the first, taller, its top above 0.
    const std::vector<Rect> two = {{0, 0, 1920, 1040}, {-1280, -200, 0, 824}};
    // A third above the first.
    const std::vector<Rect> three = {{0, 0, 1920, 1040}, {-1280, -200, 0, 824}, {0, -1080, 1920, 0}};
    const Rect panel{0, 0, 136, 381};
    const auto at = [&panel](int x, int y) {
        return Rect{x, y, x + panel.Width(), y + panel.Height()};
    };
    const struct {
        const std::vector<Rect>* areas;
        Rect window;
        Rect expected;
    } cases[] = {
        {&one, at(100, 50), at(100, 50)},
        {&one, at(1200, 50), at(1200, 50)},       // half off the right edge, 80 px on: stays
        {&one, at(1249, 50), at(1144, 50)},       // 31 px on: not reachable
        {&one, at(1248, 50), at(1248, 50)},       // exactly 32 px on: stays
        {&one, at(5000, 4000), at(1144, 613)},    // far off right and below
        {&one, at(-3000, -3000), at(0, 0)},       // far off left and above
        {&one, at(100, 980), at(100, 613)},       // 14 px above the taskbar's edge
        {&two, at(-3000, 100), at(-1280, 100)},   // left of the left monitor
        {&two, at(-500, -600), at(-500, -200)},   // above the left monitor
        {&two, at(-60, 900), at(-60, 900)},       // across both, 60 px on the first only
        {&two, at(1900, 2000), at(1784, 659)},
        {&three, at(200, -1000), at(200, -1000)}, // on the third
        {&three, at(200, -3000), at(200, -1080)},
        {&three, at(-2000, -2000), at(-1280, -200)},
    };
    for (const auto& example : cases) {
        const Rect placed = ReachablePlace(example.window, *example.areas, 32);
        EXPECT_EQ(placed, example.expected) << example.areas->size() << " monitors, window at " << example.window.left
                                            << "," << example.window.top << " placed at " << placed.left << ","
                                            << placed.top;
    }
}

TEST(ScreenFit, SmallWindowsLargeWindowsAndNoScreens) {
    const std::vector<Rect> one = {{0, 0, 800, 600}};
    // A panel 8 px high needs all of its height on the screen, not 32.
    EXPECT_EQ(ReachablePlace({10, 596, 140, 604}, one, 32), (Rect{10, 592, 140, 600}));
    EXPECT_EQ(ReachablePlace({10, 500, 140, 508}, one, 32), (Rect{10, 500, 140, 508}));
    // Larger than the screen: its top-left corner goes to the screen's.
    EXPECT_EQ(ReachablePlace({-2000, 5000, -1000, 5700}, one, 32), (Rect{0, 0, 1000, 700}));
    EXPECT_EQ(ReachablePlace({5, 5, 50, 50}, {}, 32), (Rect{5, 5, 50, 50}));
}

// Worked by hand: the design scaled (halves up) in the frame; centred, the odd pixel goes right.
TEST(ScreenFit, AWindowsSizeAtADpiAndItsPlaceCentredOnAWorkArea) {
    const Rect frame96{-3, -19, 3, 3}, frame144{-4, -27, 4, 4};
    EXPECT_EQ(WindowSizeAtDpi({130, 95}, frame96, 96), (Size{136, 117}));
    EXPECT_EQ(WindowSizeAtDpi({130, 95}, frame144, 144), (Size{203, 174}));  // 195 + 8, 142.5 + 31
    EXPECT_EQ(WindowSizeAtDpi({130, 95}, frame144, 120), (Size{171, 150}));  // 162.5 + 8, 118.75 + 31
    EXPECT_EQ(CentredIn({-1920, -200, 0, 880}, {0, 0, 437, 206}), (Point{-1179, 237}));
}

}  // namespace
}  // namespace velk
