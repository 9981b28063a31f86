// The caption bar's geometry for every border style, with the classic
// metrics: the two worked examples, the other styles, a minimised window, a
// form without a system menu; the buttons' hit rectangles and the AutoSize
// font height.
#include <gtest/gtest.h>

#include "caption/caption_layout.h"

namespace velk::caption {

// Rectangles read as (left,top,right,bottom) in failure messages.
void PrintTo(const Rect& r, std::ostream* out) {
    *out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

constexpr CaptionMetrics kClassic{.cxDlgFrame = 3,
                                  .cyDlgFrame = 3,
                                  .cxFrame = 4,
                                  .cyFrame = 4,
                                  .cyCaption = 19,
                                  .cySmCaption = 16,
                                  .cxSize = 18,
                                  .cySize = 18,
                                  .cxSmSize = 15};

constexpr ButtonPlace None{};
constexpr ButtonPlace Shown(int32_t left, int32_t top, int32_t width, int32_t height, bool disable = false) {
    return {true, disable, left, top, width, height};
}

TEST(CaptionLayout, EveryBorderStyleLaysOutItsBarIconTextAndButtons) {
    const TBorderIcons all = biSystemMenu | biMinimize | biMaximize | biHelp;
    const struct {
        const char* name;
        LayoutInput input;
        CaptionLayout expected;
    } cases[] = {
        {"bsSingle 523, system menu only (the settings dialog)",
         {523, bsSingle, false, biSystemMenu, kClassic},
         {3, 3, 18, {3, 3, 520, 21}, {3, 3, 21, 21}, {502, 5, 520, 19}, {23, 5, 500, 19}, biSystemMenu,
          {Shown(502, 5, 16, 14), None, None, None}}},
        {"bsToolWindow 136, system menu only (the panel)",
         {136, bsToolWindow, false, biSystemMenu, kClassic},
         {3, 3, 15, {3, 3, 133, 18}, {3, 3, 3, 18}, {116, 5, 133, 16}, {5, 5, 114, 16}, biSystemMenu,
          {Shown(118, 5, 13, 11), None, None, None}}},
        {"bsSingle drops help",
         {523, bsSingle, false, biSystemMenu | biHelp, kClassic},
         {3, 3, 18, {3, 3, 520, 21}, {3, 3, 21, 21}, {502, 5, 520, 19}, {23, 5, 500, 19}, biSystemMenu,
          {Shown(502, 5, 16, 14), None, None, None}}},
        {"bsSizeable with minimise and maximise",
         {400, bsSizeable, false, biSystemMenu | biMinimize | biMaximize, kClassic},
         {4, 4, 18, {4, 4, 396, 22}, {4, 4, 22, 22}, {346, 6, 396, 20}, {24, 6, 344, 20},
          biSystemMenu | biMinimize | biMaximize,
          {Shown(378, 6, 16, 14), Shown(344, 6, 16, 14), Shown(360, 6, 16, 14), None}}},
        {"bsSizeable with minimise alone shows maximise disabled",
         {400, bsSizeable, false, biSystemMenu | biMinimize, kClassic},
         {4, 4, 18, {4, 4, 396, 22}, {4, 4, 22, 22}, {346, 6, 396, 20}, {24, 6, 344, 20},
          biSystemMenu | biMinimize | biMaximize,
          {Shown(378, 6, 16, 14), Shown(344, 6, 16, 14), Shown(360, 6, 16, 14, true), None}}},
        {"bsSizeable with maximise alone shows minimise disabled",
         {400, bsSizeable, false, biSystemMenu | biMaximize | biHelp, kClassic},
         {4, 4, 18, {4, 4, 396, 22}, {4, 4, 22, 22}, {346, 6, 396, 20}, {24, 6, 344, 20},
          biSystemMenu | biMinimize | biMaximize,
          {Shown(378, 6, 16, 14), Shown(344, 6, 16, 14, true), Shown(360, 6, 16, 14), None}}},
        {"bsDialog: no icon, help, never minimise or maximise",
         {300, bsDialog, false, all, kClassic},
         {3, 3, 18, {3, 3, 297, 21}, {3, 3, 3, 21}, {263, 5, 297, 19}, {5, 5, 261, 19}, biSystemMenu | biHelp,
          {Shown(279, 5, 16, 14), None, None, Shown(261, 5, 16, 14)}}},
        {"bsSizeToolWin: the sizing frame, close only",
         {200, bsSizeToolWin, false, all, kClassic},
         {4, 4, 15, {4, 4, 196, 19}, {4, 4, 4, 19}, {179, 6, 196, 17}, {6, 6, 177, 17}, biSystemMenu,
          {Shown(181, 6, 13, 11), None, None, None}}},
        {"bsNone: no bar, no buttons",
         {200, bsNone, false, all, kClassic},
         {0, 0, 0, {0, 0, 200, 0}, {0, 0, 0, 0}, {200, 2, 200, -2}, {2, 2, 198, -2}, 0, {None, None, None, None}}},
        {"no system menu: no icon and no buttons",
         {523, bsSingle, false, biMinimize | biMaximize, kClassic},
         {3, 3, 18, {3, 3, 520, 21}, {3, 3, 3, 21}, {520, 5, 520, 19}, {5, 5, 518, 19}, 0, {None, None, None, None}}},
        {"minimised sizeable window: the dialog frame",
         {160, bsSizeable, true, biSystemMenu | biMinimize | biMaximize, kClassic},
         {3, 3, 18, {3, 3, 157, 21}, {3, 3, 21, 21}, {107, 5, 157, 19}, {23, 5, 105, 19},
          biSystemMenu | biMinimize | biMaximize,
          {Shown(139, 5, 16, 14), Shown(105, 5, 16, 14), Shown(121, 5, 16, 14), None}}},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.name);
        const CaptionLayout layout = LayOutCaption(example.input);
        EXPECT_EQ(layout.captionRect, example.expected.captionRect);
        EXPECT_EQ(layout.iconRect, example.expected.iconRect);
        EXPECT_EQ(layout.buttonsRect, example.expected.buttonsRect);
        EXPECT_EQ(layout.textRect, example.expected.textRect);
        EXPECT_EQ(layout, example.expected);  // frame, height, icons and the buttons too
    }
}

TEST(CaptionLayout, HitRectanglesReachTwoPixelsAboveAndBelowTheCloseButtonTwoMoreRightAndAutoSizeFits) {
    const struct {
        TSystemButtonKind kind;
        ButtonPlace place;
        Rect expected;
    } cases[] = {
        {sbClose, Shown(502, 5, 16, 14), {502, 3, 520, 21}},  // to the caption's right end
        {sbClose, Shown(118, 5, 13, 11), {118, 3, 133, 18}},
        {sbMaximize, Shown(360, 6, 16, 14), {360, 4, 376, 22}},
        {sbMinimize, Shown(344, 6, 16, 14), {344, 4, 360, 22}},
        {sbHelp, Shown(261, 5, 16, 14), {261, 3, 277, 21}},
    };
    for (const auto& example : cases) EXPECT_EQ(ButtonHitRect(example.kind, example.place), example.expected);
    const Rect close = ButtonHitRect(sbClose, Shown(502, 5, 16, 14));
    EXPECT_TRUE(close.Contains({502, 3}));
    EXPECT_TRUE(close.Contains({519, 20}));
    EXPECT_FALSE(close.Contains({520, 20}));
    EXPECT_FALSE(close.Contains({510, 2}));
    EXPECT_FALSE(close.Contains({510, 21}));
    // AutoSize: the text area less 5 pixels, never the default height.
    const struct {
        int32_t area;
        int32_t height;
    } heights[] = {{14, -9}, {11, -6}, {7, -2}, {6, -1}, {5, -1}, {3, -1}, {0, -1}, {-4, -1}};
    for (const auto& example : heights) EXPECT_EQ(AutoSizeFontHeight(example.area), example.height) << example.area;
}

}  // namespace
}  // namespace velk::caption
