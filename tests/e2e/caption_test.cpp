// The gradient caption bars of the real program, seen on the screen and
// worked with the real mouse: the panel's and the dialog's bars column by
// column against the gradient, their own close buttons, a press taken off a
// button, the system menu at the pointer and under the icon, the icon's
// double click, and the panel's bar back after a change of placement.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "caption/caption_layout.h"
#include "caption/gradient.h"
#include "caption/system_metrics.h"
#include "driver.h"
#include "support/gradient_columns.h"
#include "settings/setup_ids.h"

namespace velk::e2e {
namespace {

constexpr wchar_t kTitle[] = L"Ustawienia programu VELK";
constexpr COLORREF kNavy = RGB(0, 0, 128), kBlue = RGB(0, 0, 255), kGray = RGB(128, 128, 128),
                   kSilver = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The bars worked out by hand, in window coordinates, from the forms' design
// sizes and Wine's metrics at 96 dpi: SM_CXDLGFRAME = SM_CYDLGFRAME 3,
// SM_CYCAPTION 19, SM_CYSMCAPTION 16, SM_CXSIZE = SM_CYSIZE 18, SM_CXSMSIZE
// 15. A bar lies inside the 3-pixel frame and is one pixel less high than
// the caption (its last row is the frame's line); buttons and text keep 2
// pixels from the bar's top and bottom.
struct Bar {
    int windowWidth;
    Rect bar, icon, text, close;
};
// The panel: client 130 wide, the window 136; a small caption, 15 high; no
// icon; the close button's place SM_CXSMSIZE wide 2 pixels left of the
// bar's end, the button 2 pixels in from each side of it.
constexpr Bar kPanelBar{136, {3, 3, 133, 18}, {3, 3, 3, 18}, {5, 5, 114, 16}, {118, 5, 131, 16}};
// The dialog: client 517 wide, the window 523; a caption 18 high; the icon
// SM_CXSIZE wide at the left; one button, SM_CXSIZE - 2 wide and
// SM_CYSIZE - 4 high, 2 pixels left of the bar's end; the text between,
// 2 pixels from each.
constexpr Bar kDialogBar{523, {3, 3, 520, 21}, {3, 3, 21, 21}, {23, 5, 500, 19}, {502, 5, 518, 19}};
constexpr int kFrame = 3;

RECT OnScreen(HWND form, const Rect& area) {
    const RECT window = WindowRect(form);
    return RECT{window.left + area.left, window.top + area.top, window.left + area.right, window.top + area.bottom};
}

bool HasWidthOf(HWND form, const Bar& bar) {
    const RECT window = WindowRect(form);
    return window.right - window.left == bar.windowWidth;
}

// The colour each column of the bar must show: 255 bands.
std::vector<COLORREF> GradientColumns(COLORREF begin, COLORREF end, const Rect& bar) {
    return test::GradientColumns(begin, end, 255, bar.Width());
}

// The bar's top pixel row, where no icon, text or button is drawn, equals the
// gradient column by column.
bool TopRowFollows(HWND form, const Bar& layout, COLORREF begin, COLORREF end) {
    const Rect& bar = layout.bar;
    if (!HasWidthOf(form, layout)) return false;
    const std::vector<COLORREF> expected = GradientColumns(begin, end, bar);
    return WaitUntil([&] { return CapturePixels(OnScreen(form, {bar.left, bar.top, bar.right, bar.top + 1})) == expected; },
                     3000);
}

int CountOffGradient(HWND form, const Bar& layout, const Rect& area) {
    const std::vector<COLORREF> columns = GradientColumns(kNavy, kBlue, layout.bar);
    const std::vector<COLORREF> pixels = CapturePixels(OnScreen(form, area));
    int off = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const auto column = static_cast<size_t>(area.left - layout.bar.left) + i % static_cast<size_t>(area.Width());
        off += pixels[i] != columns[column];
    }
    return off;
}

HWND VisibleMenu(const VelkRun& run) { return run.WaitForWindow(L"#32768", nullptr, 3000); }

bool MenuClosed(const VelkRun& run) {
    return WaitUntil([&] { return run.WaitForWindow(L"#32768", nullptr, 0) == nullptr; }, 3000);
}

class Caption : public ::testing::Test {
protected:
    HWND StartPanel() {
        Settings settings = TestSettings();
        settings.Placement = PanelPlacement::ToolWindow;
        settings.PosX = 40;
        settings.PosY = 40;
        settings.MonitorShutdowns = true;
        UseSlot(settings, 1, "Pierwszy");
        panel_ = run_.StartWith(settings);
        return panel_;
    }
    HWND OpenDialog() {
        if (!FocusPanel(panel_)) return nullptr;
        PressKeys({VK_CONTROL, 'K'});
        dialog_ = run_.WaitForWindow(L"Tf_setup", kTitle);
        return dialog_;
    }
    // Still shown once the program has handled all it was given.
    bool StaysVisible(HWND hwnd) const { return run_.Settled() && IsWindowVisible(hwnd); }
    bool DialogClosed() const { return WaitUntil([&] { return !IsWindowVisible(dialog_); }, 5000); }
    // "stałe miejsce" or "przesuwalne okienko" on the "Wygląd" tab, then OK.
    bool ChoosePlacement(int radioId) {
        if (!OpenDialog()) return false;
        HWND tabs = DescendantWithId(dialog_, kPageControlId);
        RECT item = TabItemRect(tabs, 1);
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
        ClickAt(CentreOf(item));
        HWND radio = DescendantWithId(dialog_, radioId);
        if (!WaitUntil([&] { return IsWindowVisible(radio) != FALSE; }, 2000)) return false;
        ClickAt(CentreOnScreen(radio));
        if (!WaitUntil([&] { return SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 2000)) return false;
        ClickAt(CentreOnScreen(DescendantWithId(dialog_, kOKButtonId)));
        return DialogClosed();
    }
    void ExpectCleanExitAfterClosing() {
        ClickAt(CentreOf(OnScreen(panel_, kPanelBar.close)));
        DWORD code = 1234;
        ASSERT_TRUE(run_.WaitForExit(5000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_TRUE(run_.ReadFile(L"index.asc").starts_with("wy\xB3. ")) << "the shutdown is recorded";
    }

    VelkRun run_;
    HWND panel_ = nullptr;
    HWND dialog_ = nullptr;
};

TEST_F(Caption, BothBarsFollowTheGradientAndAnswerTheMouseAsACaptionShould) {
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(FocusPanel(panel_));
    EXPECT_EQ(GetWindowLongW(panel_, GWL_STYLE) & WS_SYSMENU, 0) << "the system draws no close box of its own";
    EXPECT_TRUE(TopRowFollows(panel_, kPanelBar, kNavy, kBlue)) << "the active panel";

    ASSERT_NE(OpenDialog(), nullptr);
    EXPECT_TRUE(TopRowFollows(dialog_, kDialogBar, kNavy, kBlue)) << "the active dialog";
    EXPECT_TRUE(TopRowFollows(panel_, kPanelBar, kGray, kSilver)) << "the panel behind it";
    const Bar& layout = kDialogBar;
    const Rect& icon = layout.icon;
    EXPECT_GT(CountOffGradient(dialog_, layout, {icon.left + 2, icon.top + 1, icon.right, icon.bottom - 1}), 40)
        << "the icon";
    EXPECT_GT(CountColor(CapturePixels(OnScreen(dialog_, layout.text)), kWhite), 40) << "the white caption text";

    // A press on the close button taken off it and released elsewhere.
    const RECT closeButton = OnScreen(dialog_, kDialogBar.close);
    DragFromTo(CentreOf(closeButton), CentreOnScreen(dialog_));
    EXPECT_TRUE(StaysVisible(dialog_));
    // A double click on the text: the dialog cannot be maximised.
    const RECT text = OnScreen(dialog_, layout.text);
    const RECT before = WindowRect(dialog_);
    DoubleClickAt(POINT{text.left + 150, CentreOf(text).y});
    EXPECT_TRUE(StaysVisible(dialog_));
    const RECT after = WindowRect(dialog_);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_FALSE(IsZoomed(dialog_));

    // A right click on the caption opens the system menu at the pointer.
    const POINT pointer{text.left + 100, CentreOf(text).y};
    ClickAt(pointer, true);
    HWND menu = VisibleMenu(run_);
    ASSERT_NE(menu, nullptr) << "the menu at the pointer";
    EXPECT_LE(std::abs(WindowRect(menu).left - pointer.x), 2);
    EXPECT_LE(std::abs(WindowRect(menu).top - pointer.y), 2);
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(MenuClosed(run_));

    // A click on the icon opens it under the icon; a second one at once closes the dialog.
    const RECT iconOnScreen = OnScreen(dialog_, icon);
    ClickAt(CentreOf(iconOnScreen));
    menu = VisibleMenu(run_);
    ASSERT_NE(menu, nullptr) << "the menu under the icon";
    EXPECT_LE(std::abs(WindowRect(menu).left - (WindowRect(dialog_).left + kFrame)), 2);
    EXPECT_LE(std::abs(WindowRect(menu).top - iconOnScreen.bottom), 3);
    ClickAt(CentreOf(iconOnScreen));
    EXPECT_TRUE(DialogClosed()) << "the icon's double click";
    EXPECT_TRUE(MenuClosed(run_));

    // The close buttons: the dialog's hides it, the panel's ends the program.
    ASSERT_NE(OpenDialog(), nullptr);
    ClickAt(CentreOf(OnScreen(dialog_, kDialogBar.close)));
    EXPECT_TRUE(DialogClosed()) << "the dialog's close button";
    ExpectCleanExitAfterClosing();
}

TEST_F(Caption, ThePanelsBarComesBackWithOnlyItsOwnCloseButtonAfterAFixedPlacement) {
    ASSERT_NE(StartPanel(), nullptr);
    ASSERT_TRUE(ChoosePlacement(kPlacementFixedId));
    ASSERT_TRUE(WaitUntil([&] { return (GetWindowLongW(panel_, GWL_STYLE) & WS_CAPTION) == 0; }, 3000))
        << "the fixed panel has no caption";
    ASSERT_TRUE(ChoosePlacement(kPlacementMovableId));
    ASSERT_TRUE(WaitUntil([&] { return (GetWindowLongW(panel_, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }, 3000));
    EXPECT_EQ(GetWindowLongW(panel_, GWL_STYLE) & WS_SYSMENU, 0);
    ASSERT_TRUE(FocusPanel(panel_));
    EXPECT_TRUE(TopRowFollows(panel_, kPanelBar, kNavy, kBlue));
    ExpectCleanExitAfterClosing();
}

}  // namespace
}  // namespace velk::e2e
