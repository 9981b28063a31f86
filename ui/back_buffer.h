#pragma once
// An off-screen bitmap the size of the area being painted: everything is drawn
// into it and copied to the screen with one BitBlt, so nothing flickers.
#include <optional>

#include "ui/handles.h"

namespace velk {

class BackBuffer {
public:
    BackBuffer(HDC target, int width, int height)
        : dc_(CreateCompatibleDC(target)),
          bitmap_(dc_ ? CreateCompatibleBitmap(target, width, height) : nullptr) {
        if (bitmap_) select_.emplace(dc_.get(), bitmap_.get());
    }

    // False when the system had no memory context or bitmap to give; the
    // caller then skips this paint.
    explicit operator bool() const { return select_.has_value(); }
    HDC dc() const { return dc_.get(); }

    void CopyTo(HDC target, const RECT& area) const {
        BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
               dc_.get(), area.left, area.top, SRCCOPY);
    }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    std::optional<SelectGuard> select_;  // released first: the bitmap is deselected before deletion
};

}  // namespace velk
