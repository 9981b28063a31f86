#pragma once
// Whether the desktop window manager (Windows Vista and later) draws a
// window's frame. A window that paints its own caption on WM_NCPAINT turns it
// off, or the manager's frame would be drawn over the caption or flicker
// with it. dwmapi is loaded on demand; where it or the function is missing
// (before Vista, or under Wine, which has no window manager of that kind)
// nothing happens.
#include <windows.h>

namespace velk {

enum class FrameDrawing {
    ByWindowStyle,  // the manager's own frame, as the window's style asks
    ByWindow,       // the window paints its frame itself
};

void SetFrameDrawing(HWND window, FrameDrawing drawing);

}  // namespace velk
