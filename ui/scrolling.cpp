#include "ui/scrolling.h"

namespace velk {

namespace {

// Where the thumb is being dragged to (or was dropped), in its 32 bits.
int TrackPosition(HWND hwnd, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(hwnd, bar, &info);
    return info.nTrackPos;
}

}  // namespace

std::optional<int> ScrollRequestTarget(HWND hwnd, int bar, UINT request, int first, int page, int last) {
    switch (request) {
    case SB_LINEUP: return first - 1;
    case SB_LINEDOWN: return first + 1;
    case SB_PAGEUP: return first - page;
    case SB_PAGEDOWN: return first + page;
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return TrackPosition(hwnd, bar);
    default: return std::nullopt;
    }
}

int WheelLines(WheelAccumulator& wheel, int delta, int page) {
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    return wheel.Lines(delta, linesPerNotch == WHEEL_PAGESCROLL ? page : static_cast<int>(linesPerNotch));
}

void SetScrollBar(HWND hwnd, int bar, int min, int max, int page, int position, UINT extraMask) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extraMask;
    info.nMin = min;
    info.nMax = max;
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    SetScrollInfo(hwnd, bar, &info, TRUE);
}

}  // namespace velk
