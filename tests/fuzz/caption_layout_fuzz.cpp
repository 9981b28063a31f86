// The caption bar laid out from any window width, border style, border icons
// and system metrics: no overflow or other undefined arithmetic, and the
// bar's rules hold whatever the numbers.
//   input: width, style, iconic, icons (bytes), then the nine metrics, each
//   a little-endian 32-bit integer in the order of CaptionMetrics.
#include "caption/caption_layout.h"
#include "fuzz_support.h"

namespace {

using namespace velk::caption;
using velk::fuzz::Require;

LayoutInput Decode(velk::fuzz::Fields& fields) {
    LayoutInput input;
    input.windowWidth = fields.I32();
    input.borderStyle = static_cast<TFormBorderStyle>(fields.U8() % (bsSizeToolWin + 1));
    input.iconic = fields.U8() & 1;
    input.borderIcons = fields.U8();
    CaptionMetrics& m = input.metrics;
    for (int32_t* metric : {&m.cxDlgFrame, &m.cyDlgFrame, &m.cxFrame, &m.cyFrame, &m.cyCaption, &m.cySmCaption,
                            &m.cxSize, &m.cySize, &m.cxSmSize})
        *metric = fields.I32();
    return input;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velk::fuzz::Fields fields(data, size);
    const LayoutInput input = Decode(fields);
    const CaptionLayout layout = LayOutCaption(input);
    if (input.borderStyle == bsNone)
        Require(layout.captionHeight == 0 && layout.visibleIcons == 0, "no bar without a border");
    const bool withButtons = Has(layout.visibleIcons, biSystemMenu);
    Require(!withButtons || Has(input.borderIcons, biSystemMenu), "buttons only with a system menu");
    // Buttons at least as wide as their 2-pixel gaps stand right to left
    // in drawing order, none over another.
    const bool positiveButtons = input.metrics.cxSize >= 2 && input.metrics.cxSmSize >= 4;
    int32_t leftOfPrevious = layout.captionRect.right;
    for (TSystemButtonKind kind : kButtonOrder) {
        const ButtonPlace& place = layout.buttons[kind];
        Require(!place.visible || withButtons, "a button only on a bar with buttons");
        Require(!place.disable || place.visible, "only a shown button is disabled");
        if (!place.visible) continue;
        ButtonHitRect(kind, place);
        if (positiveButtons) Require(place.left + place.width <= leftOfPrevious, "no button over another");
        leftOfPrevious = place.left;
    }
    AutoSizeFontHeight(layout.textRect.Height());
    return 0;
}
