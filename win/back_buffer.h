#pragma once
// Off-screen bitmaps for painting without flicker: a back buffer the size of
// the area being painted, copied to the screen with one BitBlt, and a cached
// bitmap kept between paints for what changes seldom (a background).
#include <optional>

#include "win/handles.h"

namespace velk {

class BackBuffer {
public:
    // Drawing uses the target's coordinates: the buffer covers the area.
    BackBuffer(HDC target, const RECT& area)
        : area_(area),
          dc_(CreateCompatibleDC(target)),
          bitmap_(dc_ ? CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top) : nullptr) {
        if (!bitmap_) return;
        select_.emplace(dc_.get(), bitmap_.get());
        SetViewportOrgEx(dc_.get(), -area.left, -area.top, nullptr);
    }

    BackBuffer(HDC target, int width, int height) : BackBuffer(target, RECT{0, 0, width, height}) {}

    // False when the system had no memory context or bitmap to give; the
    // caller then skips this paint.
    explicit operator bool() const { return select_.has_value(); }
    HDC dc() const { return dc_.get(); }

    void CopyTo(HDC target) const {
        BitBlt(target, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_.get(),
               area_.left, area_.top, SRCCOPY);
    }

private:
    RECT area_;
    MemoryDc dc_;
    Bitmap bitmap_;
    std::optional<SelectGuard> select_;  // released first: the bitmap is deselected before deletion
};

// A bitmap of a given size that keeps what was rendered into it until it is
// invalidated or asked for another size.
class CachedBitmap {
public:
    // The DC holding the rendering, when it is valid at this size.
    HDC Current(int width, int height) const {
        return select_ && valid_ && width == width_ && height == height_ ? dc_.get() : nullptr;
    }
    // A DC to render into at this size, taken as valid from now on; null
    // when the system has no bitmap to give.
    HDC Renew(HDC target, int width, int height) {
        if (!select_ || width != width_ || height != height_) {
            select_.reset();
            bitmap_.reset();
            dc_.reset(CreateCompatibleDC(target));
            if (dc_) bitmap_.reset(CreateCompatibleBitmap(target, width, height));
            if (!bitmap_) return nullptr;
            select_.emplace(dc_.get(), bitmap_.get());
            width_ = width;
            height_ = height;
        }
        valid_ = true;
        return dc_.get();
    }
    void Invalidate() { valid_ = false; }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    std::optional<SelectGuard> select_;
    int width_ = 0;
    int height_ = 0;
    bool valid_ = false;
};

}  // namespace velk
