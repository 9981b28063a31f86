#include "core/screen_fit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velk {

namespace {

int Overlap(int from, int to, int areaFrom, int areaTo) { return std::max(0, std::min(to, areaTo) - std::max(from, areaFrom)); }

// Squared distance between the two rectangles; 0 when they touch or overlap.
int64_t DistanceSquared(const Rect& a, const Rect& b) {
    const int64_t dx = std::max({0, b.left - a.right, a.left - b.right});
    const int64_t dy = std::max({0, b.top - a.bottom, a.top - b.bottom});
    return dx * dx + dy * dy;
}

// Moves [from, from + length) into [areaFrom, areaTo); the start edge wins
// when the area is too small.
int PlaceInside(int from, int length, int areaFrom, int areaTo) {
    return std::max(areaFrom, std::min(from, areaTo - length));
}

}  // namespace

Rect ReachablePlace(const Rect& window, std::span<const Rect> workAreas, int reach) {
    if (workAreas.empty()) return window;
    const int needWidth = std::min(reach, window.Width());
    const int needHeight = std::min(reach, window.Height());
    const Rect* nearest = nullptr;
    int64_t bestOverlap = -1;
    int64_t bestDistance = std::numeric_limits<int64_t>::max();
    for (const Rect& area : workAreas) {
        const int width = Overlap(window.left, window.right, area.left, area.right);
        const int height = Overlap(window.top, window.bottom, area.top, area.bottom);
        if (width >= needWidth && height >= needHeight && width > 0 && height > 0) return window;
        const int64_t overlap = int64_t{width} * height;
        const int64_t distance = DistanceSquared(window, area);
        if (overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
            nearest = &area;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    Rect placed = window;
    placed.left = PlaceInside(window.left, window.Width(), nearest->left, nearest->right);
    placed.top = PlaceInside(window.top, window.Height(), nearest->top, nearest->bottom);
    placed.right = placed.left + window.Width();
    placed.bottom = placed.top + window.Height();
    return placed;
}

}  // namespace velk
