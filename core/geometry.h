#pragma once
// Points, sizes and rectangles of the program's arithmetic (the caption bar, the
// string grid, the screen places), in whole pixels. No Windows header:
// tested natively; ui/ turns them into the system's RECT and POINT.
namespace velk {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Left and top inside, right and bottom outside, as the system's rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

}  // namespace velk
