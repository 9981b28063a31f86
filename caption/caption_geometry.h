#pragma once
// Points and rectangles of the caption arithmetic, in window coordinates:
// the origin is the top-left corner of the form's whole window, frame
// included. No Windows header: tested natively.
#include <cstdint>

namespace velk::caption {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// Left and top inside, right and bottom outside, as the system's rectangles.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

}  // namespace velk::caption
