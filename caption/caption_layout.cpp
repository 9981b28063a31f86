#include "caption/caption_layout.h"

#include <algorithm>

namespace velk::caption {

namespace {

bool IsToolWindow(TFormBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }

bool IsSizeable(TFormBorderStyle style) { return style == bsSizeable || style == bsSizeToolWin; }

// Single and sizeable forms show the icon; help goes only with a dialog frame.
bool ShowsIcon(TFormBorderStyle style) { return style == bsSingle || style == bsSizeable; }

TBorderIcons VisibleIcons(TFormBorderStyle style, TBorderIcons icons) {
    if (style == bsNone || !Has(icons, biSystemMenu)) return 0;
    if (IsToolWindow(style)) return biSystemMenu;
    if (ShowsIcon(style)) icons &= static_cast<TBorderIcons>(~biHelp);
    if (style == bsDialog) icons &= static_cast<TBorderIcons>(~(biMinimize | biMaximize));
    // The system shows minimise and maximise as a pair.
    if (icons & (biMinimize | biMaximize)) icons |= biMinimize | biMaximize;
    return icons;
}

int32_t ButtonCount(TBorderIcons visible) {
    return 1 + Has(visible, biMinimize) + Has(visible, biMaximize) + Has(visible, biHelp);
}

// Real metrics and window widths lie far inside these bounds; holding the
// inputs there keeps every sum of the layout within 32 bits whatever the
// caller passes (a width and a frame from a broken window must not overflow).
constexpr int32_t kMetricBound = 0x7FFF;
constexpr int32_t kWidthBound = 1 << 30;

CaptionMetrics Bounded(CaptionMetrics metrics) {
    for (int32_t* metric : {&metrics.cxDlgFrame, &metrics.cyDlgFrame, &metrics.cxFrame, &metrics.cyFrame,
                            &metrics.cyCaption, &metrics.cySmCaption, &metrics.cxSize, &metrics.cySize,
                            &metrics.cxSmSize})
        *metric = std::clamp(*metric, -kMetricBound, kMetricBound);
    return metrics;
}

}  // namespace

CaptionLayout LayOutCaption(const LayoutInput& input) {
    const CaptionMetrics metrics = Bounded(input.metrics);
    const int32_t windowWidth = std::clamp(input.windowWidth, -kWidthBound, kWidthBound);
    const TFormBorderStyle style = input.borderStyle;
    CaptionLayout layout;

    if (input.iconic || (style != bsNone && !IsSizeable(style))) {
        layout.frameWidth = metrics.cxDlgFrame;
        layout.frameHeight = metrics.cyDlgFrame;
    } else if (IsSizeable(style)) {
        layout.frameWidth = metrics.cxFrame;
        layout.frameHeight = metrics.cyFrame;
    }
    if (style != bsNone) layout.captionHeight = (IsToolWindow(style) ? metrics.cySmCaption : metrics.cyCaption) - 1;

    const Rect caption{layout.frameWidth, layout.frameHeight, windowWidth - layout.frameWidth,
                       layout.frameHeight + layout.captionHeight};
    layout.captionRect = caption;
    layout.visibleIcons = VisibleIcons(style, input.borderIcons);
    const bool withButtons = Has(layout.visibleIcons, biSystemMenu);

    layout.iconRect = {caption.left, caption.top, caption.left, caption.bottom};
    if (withButtons && ShowsIcon(style)) layout.iconRect.right = caption.left + metrics.cxSize;

    layout.buttonsRect = {caption.right, caption.top + 2, caption.right, caption.bottom - 2};
    if (withButtons) {
        const int32_t width = IsToolWindow(style) ? metrics.cxSmSize
                                                  : ButtonCount(layout.visibleIcons) * (metrics.cxSize - 2);
        layout.buttonsRect.left = caption.right - width - 2;
    }
    const Rect& buttons = layout.buttonsRect;
    layout.textRect = {layout.iconRect.right + 2, caption.top + 2, buttons.left - 2, caption.bottom - 2};

    if (!withButtons) return layout;
    if (IsToolWindow(style)) {
        layout.buttons[sbClose] = {true, false, buttons.left + 2, buttons.top, buttons.Width() - 4, buttons.Height()};
        return layout;
    }
    const int32_t width = metrics.cxSize - 2;
    const int32_t height = metrics.cySize - 4;
    const int32_t closeLeft = buttons.right - width - 2;
    layout.buttons[sbClose] = {true, false, closeLeft, buttons.top, width, height};
    // The others stand side by side, 2 pixels left of the close button.
    int32_t x = closeLeft - 2;
    const auto placeNext = [&](TSystemButtonKind kind, TBorderIcon icon, bool mayDisable) {
        if (!Has(layout.visibleIcons, icon)) return;
        x -= width;
        layout.buttons[kind] = {true, mayDisable && !Has(input.borderIcons, icon), x, buttons.top, width, height};
    };
    placeNext(sbMaximize, biMaximize, true);
    placeNext(sbMinimize, biMinimize, true);
    placeNext(sbHelp, biHelp, false);
    return layout;
}

Rect ButtonHitRect(TSystemButtonKind kind, const ButtonPlace& place) {
    const int32_t reachRight = kind == sbClose ? 2 : 0;
    return {place.left, place.top - 2, place.left + place.width + reachRight, place.top + place.height + 2};
}

// The bound is taken before subtracting, so no height can overflow.
int32_t AutoSizeFontHeight(int32_t textAreaHeight) { return -(std::max(textAreaHeight, 6) - 5); }

}  // namespace velk::caption
