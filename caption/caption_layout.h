#pragma once
// Where everything of a painted caption bar lies, from the window's width,
// border style, border icons and the system metrics: the frame, the bar,
// the icon, the text area, the buttons' area and each button. Recomputed on
// every paint, never cached, so a change of metrics or size shows at once.
// No Windows header: tested natively.
#include <array>
#include <cstdint>

#include "core/geometry.h"
#include "caption/caption_kinds.h"

namespace velk::caption {

// The system metrics the layout reads (SM_CXDLGFRAME and so on).
struct CaptionMetrics {
    int32_t cxDlgFrame = 0;
    int32_t cyDlgFrame = 0;
    int32_t cxFrame = 0;
    int32_t cyFrame = 0;
    int32_t cyCaption = 0;
    int32_t cySmCaption = 0;
    int32_t cxSize = 0;
    int32_t cySize = 0;
    int32_t cxSmSize = 0;
};

struct LayoutInput {
    int32_t windowWidth = 0;
    TFormBorderStyle borderStyle = bsNone;
    bool iconic = false;
    TBorderIcons borderIcons = 0;  // as the form had them when the caption attached
    CaptionMetrics metrics;
};

struct ButtonPlace {
    bool visible = false;
    // Shown only because its partner is allowed (a maximise button beside a
    // minimise button): drawn inactive and deaf to presses, for good.
    bool disable = false;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const ButtonPlace&) const = default;
};

struct CaptionLayout {
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t captionHeight = 0;  // 0 for a form without a caption: nothing is painted
    Rect captionRect;
    Rect iconRect;     // empty (right = left) when no icon is shown
    Rect buttonsRect;  // empty at the caption's right when no button is shown
    Rect textRect;
    TBorderIcons visibleIcons = 0;
    std::array<ButtonPlace, kButtonKinds> buttons{};  // indexed by kind
    bool operator==(const CaptionLayout&) const = default;
};

CaptionLayout LayOutCaption(const LayoutInput& input);

// Where a press counts for a button: 2 pixels above and below it and, for
// the close button, 2 more to its right, up to the caption's end.
Rect ButtonHitRect(TSystemButtonKind kind, const ButtonPlace& place);

// The font height (negative: a character height in pixels) that fills a text
// area of the given height less 5 pixels; at least one pixel, so a tiny bar
// never asks for height 0, which would mean the font's default size.
int32_t AutoSizeFontHeight(int32_t textAreaHeight);

}  // namespace velk::caption
