// The caption on forms made for the test: attaching and detaching put the
// window back exactly, the bar's pixels follow the gradient, a change of
// the form's style keeps WS_SYSMENU off and shows the bar again, bad input
// paints sanely, nothing leaks, and MulDiv rounds as the system's.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "caption/gradient.h"
#include "core/mul_div.h"
#include "caption/vora_caption.h"
#include "win/exception.h"
#include "ui/form.h"
#include "win/object_count.h"
#include "support/gradient_columns.h"

namespace velk {
namespace {

using namespace caption;

constexpr DWORD kToolWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBorderlessStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr COLORREF kNavy = RGB(0, 0, 128), kBlue = RGB(0, 0, 255), kGray = RGB(128, 128, 128),
                   kSilver = RGB(192, 192, 192);

class TestForm : public Form {
public:
    explicit TestForm(FormArgs args) : args_(std::move(args)) {}
    // Shown, not activated.
    bool Create() override {
        if (!Form::Create(args_)) return false;
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        return true;
    }

private:
    FormArgs args_;
};

// A tool window like the panel (a blank caption, close button only), or a
// single-bordered form with an icon like the settings dialog.
FormArgs PanelLike() {
    return {.className = L"CaptionPanelLike", .caption = L" ", .style = kToolWindowStyle,
            .exStyle = WS_EX_TOOLWINDOW, .left = 40, .top = 40, .clientWidth = 130, .clientHeight = 120};
}
FormArgs DialogLike() {
    return {.className = L"CaptionDialogLike", .caption = L"Ustawienia programu VELK", .left = 200, .top = 60,
            .clientWidth = 517, .clientHeight = 100, .iconResource = 1};
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

// The colour each column of the bar must have.
std::vector<COLORREF> Columns(COLORREF begin, COLORREF end, int32_t count, const Rect& bar) {
    return test::GradientColumns(begin, end, count, bar.Width());
}

// The bar's top pixel row, where no text, icon or button is drawn.
std::vector<COLORREF> TopRow(HWND window, const Rect& bar) {
    const WindowDc dc(window);
    std::vector<COLORREF> row;
    for (int32_t x = bar.left; x < bar.right; ++x) row.push_back(GetPixel(dc.get(), x, bar.top));
    return row;
}

// How many pixels of the area pass the test, given the pixel and the
// gradient's colour in its column.
template <typename Test>
int CountPixels(HWND window, const Rect& area, const std::vector<COLORREF>& columns, int32_t barLeft, Test&& test) {
    const WindowDc dc(window);
    int found = 0;
    for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x)
            found += test(GetPixel(dc.get(), x, y), columns[static_cast<size_t>(x - barLeft)]);
    return found;
}
const auto kOffGradient = [](COLORREF pixel, COLORREF gradient) { return pixel != gradient; };

TEST(CaptionAttach, AttachingAndDetachingPutTheProcedureAndTheStyleBackExactly) {
    for (const bool shown : {false, true}) {
        Final<TestForm> form(PanelLike());
        ASSERT_TRUE(form.Create());
        if (!shown) ShowWindow(form.hwnd(), SW_HIDE);
        const LONG_PTR procedure = GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC);
        const DWORD style = StyleOf(form.hwnd());
        {
            TVoraCaption mrsc(form);
            EXPECT_NE(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), procedure);
            EXPECT_EQ(StyleOf(form.hwnd()), style & ~WS_SYSMENU);
            EXPECT_EQ(Form::FromHandle(form.hwnd()), &form) << "the form is still found";
            // The window stays Unicode: Polish letters pass through unchanged.
            SetWindowTextW(form.hwnd(), L"Zażółć gęślą jaźń");
            wchar_t text[64] = {};
            GetWindowTextW(form.hwnd(), text, 64);
            EXPECT_STREQ(text, L"Zażółć gęślą jaźń");
        }
        EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), procedure);
        EXPECT_EQ(StyleOf(form.hwnd()), style) << (shown ? "shown" : "hidden") << ", visibility too";
    }
}

TEST(CaptionAttach, OnlyAFormWithItsWindowOwnsACaptionAndTheWindowMayGoFirst) {
    Window plain(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    const LONG_PTR procedure = GetWindowLongPtrW(plain.get(), GWLP_WNDPROC);
    Final<TestForm> notCreated(PanelLike());
    TVoraCaption mrsc;
    for (HWND owner : {plain.get(), notCreated.hwnd()}) {
        try {
            mrsc.Attach(owner);
            ADD_FAILURE() << "attached to a window that is no form's";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), L"The VoraCaption's owner must be a Form!");
        }
    }
    EXPECT_EQ(GetWindowLongPtrW(plain.get(), GWLP_WNDPROC), procedure) << "nothing was attached";
    const long live = LiveObjects();
    {
        Final<TestForm> form(PanelLike());
        ASSERT_TRUE(form.Create());
        mrsc.Attach(form);
        TVoraCaption second;
        EXPECT_THROW(second.Attach(form), Exception) << "one caption to a form";
        EXPECT_EQ(second.FormHandle(), nullptr);
    }
    EXPECT_EQ(mrsc.FormHandle(), nullptr) << "the window's end detached the caption";
    EXPECT_EQ(LiveObjects(), live);
}

TEST(CaptionPaint, TheBarsFollowTheGradientWithTheIconTextAndCloseButton) {
    Final<TestForm> panel(PanelLike());
    ASSERT_TRUE(panel.Create());
    TVoraCaption panelCaption(panel);
    panelCaption.SetNumColors(255);
    const Rect bar = panelCaption.Layout().captionRect;
    panelCaption.PaintCaption(true);
    EXPECT_EQ(TopRow(panel.hwnd(), bar), Columns(kNavy, kBlue, 255, bar));
    panelCaption.PaintCaption(false);
    EXPECT_EQ(TopRow(panel.hwnd(), bar), Columns(kGray, kSilver, 255, bar));

    Final<TestForm> dialog(DialogLike());
    ASSERT_TRUE(dialog.Create());
    TVoraCaption mrsc(dialog);
    mrsc.SetNumColors(255);
    mrsc.PaintCaption(true);
    const CaptionLayout& layout = mrsc.Layout();
    const std::vector<COLORREF> columns = Columns(kNavy, kBlue, 255, layout.captionRect);
    const auto count = [&](const Rect& area, auto&& test) {
        return CountPixels(dialog.hwnd(), area, columns, layout.captionRect.left, test);
    };
    const Rect& icon = layout.iconRect;
    EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXSIZE));
    EXPECT_GT(count({icon.left + 2, icon.top + 1, icon.right, icon.bottom - 1}, kOffGradient), 40) << "the icon";
    EXPECT_EQ(count({icon.left, icon.top, icon.left + 2, icon.bottom}, kOffGradient), 0) << "a margin left of it";
    EXPECT_GT(count(layout.textRect, [](COLORREF pixel, COLORREF) { return pixel == RGB(255, 255, 255); }), 40)
        << "white text";
    const TVoraCaptionSystemButton& close = mrsc.Button(sbClose);
    const Rect face{close.ButtonLeft, close.ButtonTop, close.ButtonLeft + close.ButtonWidth,
                    close.ButtonTop + close.ButtonHeight};
    EXPECT_GT(count(face, [](COLORREF pixel, COLORREF) { return pixel == GetSysColor(COLOR_BTNFACE); }), 40);
    EXPECT_EQ(TopRow(dialog.hwnd(), layout.captionRect), columns);
}

// What the panel does at every change of placement: the style and the
// extended style set anew, then (or not) the frame recalculated.
void ApplyPlacement(HWND window, bool toolWindow, bool frameChanged) {
    const DWORD style = (toolWindow ? kToolWindowStyle : kBorderlessStyle) | (StyleOf(window) & WS_VISIBLE);
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowLongPtrW(window, GWL_EXSTYLE, toolWindow ? WS_EX_TOOLWINDOW : 0);
    if (frameChanged)
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST(CaptionStyle, AChangeOfPlacementKeepsTheSystemMenuOffAndShowsTheBarAgainAtOnce) {
    Final<TestForm> form(PanelLike());
    ASSERT_TRUE(form.Create());
    TVoraCaption mrsc(form);
    mrsc.SetNumColors(255);
    const HWND window = form.hwnd();
    for (const bool frameChanged : {true, false}) {
        SCOPED_TRACE(frameChanged ? "the form recalculates its frame" : "the form only sets its styles");
        ApplyPlacement(window, false, frameChanged);
        EXPECT_EQ(mrsc.Layout().captionHeight, 0) << "borderless: no bar";
        EXPECT_FALSE(mrsc.Button(sbClose).Visible());
        ApplyPlacement(window, true, frameChanged);
        EXPECT_EQ(StyleOf(window) & WS_SYSMENU, 0u) << "the system must draw no icon or close box of its own";
        const Rect bar = mrsc.Layout().captionRect;
        ASSERT_EQ(bar.Height(), GetSystemMetrics(SM_CYSMCAPTION) - 1);
        EXPECT_TRUE(mrsc.Button(sbClose).Visible());
        // Repainted already; the system's own painting of the frame leaves
        // the bar alone, and over the close button it sees caption.
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(TopRow(window, bar), mrsc.IsFormActive() ? Columns(kNavy, kBlue, 255, bar)
                                                           : Columns(kGray, kSilver, 255, bar));
        RECT frame;
        GetWindowRect(window, &frame);
        const TVoraCaptionSystemButton& close = mrsc.Button(sbClose);
        const LPARAM where = MAKELPARAM(frame.left + close.ButtonLeft + 3, frame.top + close.ButtonTop + 3);
        EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, where), HTCAPTION);
    }
    const DWORD attached = StyleOf(window);
    mrsc.Detach();
    EXPECT_EQ(StyleOf(window), attached | WS_SYSMENU) << "detached, the form has the WS_SYSMENU it asked for";
}

TEST(CaptionPaint, BadInputPaintsSanely) {
    Final<TestForm> form(PanelLike());
    ASSERT_TRUE(form.Create());
    TVoraCaption mrsc(form);
    mrsc.SetNumColors(255);
    const HWND window = form.hwnd();
    // The fonts the caption keeps are made at the first paint of each text.
    mrsc.SetApplicationName(L"VELK");
    mrsc.PaintCaption(true);
    mrsc.SetApplicationName(L"");
    const long live = LiveObjects();
    const Rect bar = mrsc.Layout().captionRect;
    const Rect text = mrsc.Layout().textRect;
    const auto offGradient = [&](const Rect& area, int32_t count) {
        mrsc.PaintCaption(true);
        return CountPixels(window, area, Columns(kNavy, kBlue, count, bar), bar.left, kOffGradient);
    };
    SetWindowTextW(window, std::wstring(10000, L'W').c_str());
    EXPECT_GT(offGradient(text, 255), 0) << "a 10,000-character caption is drawn, cut";
    EXPECT_EQ(offGradient({text.right, text.top, mrsc.Layout().buttonsRect.left, text.bottom}, 255), 0)
        << "and stays inside its area";
    SetWindowTextW(window, L"");
    EXPECT_EQ(offGradient(text, 255), 0) << "an empty caption draws nothing";
    mrsc.SetNumColors(100000);
    const Rect topRow{bar.left, bar.top, bar.right, bar.top + 1};
    EXPECT_EQ(offGradient(topRow, 100000), 0) << "zero-width bands by the thousand";
    mrsc.SetNumColors(1);
    EXPECT_EQ(offGradient(topRow, 1), 0) << "one colour: a flat bar";
    for (const int32_t none : {0, -5}) {
        mrsc.SetNumColors(none);
        mrsc.PaintCaption(true);
        // No bands: the fresh bitmap's own black shows.
        EXPECT_EQ(TopRow(window, bar), std::vector<COLORREF>(static_cast<size_t>(bar.Width()), 0)) << none;
    }
    mrsc.SetNumColors(255);
    mrsc.SetApplicationName(L"VELK");
    mrsc.SetAutoSize(true);
    EXPECT_GT(offGradient(text, 255), 0) << "AutoSize draws the name";
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    mrsc.PaintCaption(false);
    EXPECT_EQ(mrsc.Layout().frameWidth, GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(TopRow(window, mrsc.Layout().captionRect), Columns(kGray, kSilver, 255, mrsc.Layout().captionRect))
        << "minimised";
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetWindowPos(window, nullptr, 0, 0, 1, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    mrsc.PaintCaption(true);
    EXPECT_TRUE(mrsc.Layout().captionRect.IsEmpty()) << "a window 1 pixel wide has no bar to paint";
    EXPECT_EQ(LiveObjects(), live);
}

// GetGuiResources is a stub under Wine (always 0): the live objects are
// counted through the owners of ui/handles.h instead, exactly, so one object
// left per paint shows after a few hundred paints. A leak of an object taken
// past the owners exhausts the system's table in the soak's 100,000 paints
// (make soak).
void ExpectPaintsOfThePanelsBarLeaveNothing(bool active) {
    Final<TestForm> form(PanelLike());
    ASSERT_TRUE(form.Create());
    TVoraCaption mrsc(form);
    mrsc.SetNumColors(255);
    mrsc.SetApplicationName(L"VELK");
    mrsc.SetApplicationNameFont({L"Arial", -11, EASTEUROPE_CHARSET, 0, clWhite});
    mrsc.SetCaptionFont({L"Arial", -16, EASTEUROPE_CHARSET, 0, clWhite});
    const long live = LiveObjects();
    for (int paint = 0; paint < 300; ++paint) mrsc.PaintCaption(active);
    EXPECT_EQ(LiveObjects(), live);
    const Rect bar = mrsc.Layout().captionRect;
    EXPECT_EQ(TopRow(form.hwnd(), bar), active ? Columns(kNavy, kBlue, 255, bar) : Columns(kGray, kSilver, 255, bar));
}

TEST(CaptionLeaks, ActivePaintsOfThePanelsBarLeaveNoObjectAlive) {
    ExpectPaintsOfThePanelsBarLeaveNothing(true);
}

TEST(CaptionLeaks, InactivePaintsOfThePanelsBarLeaveNoObjectAlive) {
    ExpectPaintsOfThePanelsBarLeaveNothing(false);
}

TEST(CaptionLeaks, ActivationChangesAndTheDialogsIconLeaveNoObjectAlive) {
    Final<TestForm> panel(PanelLike());
    Final<TestForm> dialog(DialogLike());
    ASSERT_TRUE(panel.Create() && dialog.Create());
    TVoraCaption panelCaption(panel);
    TVoraCaption dialogCaption(dialog);
    std::vector<long> live;
    for (int kind = 0; kind < static_cast<int>(ObjectKind::Count); ++kind)
        live.push_back(LiveObjects(static_cast<ObjectKind>(kind)));
    int changes = 0;
    for (int change = 0; change < 200; ++change) {
        const HWND next = change % 2 ? panel.hwnd() : dialog.hwnd();
        SetActiveWindow(next);
        changes += GetActiveWindow() == next;
    }
    EXPECT_EQ(changes, 200);
    for (int paint = 0; paint < 300; ++paint) dialogCaption.PaintCaption(paint % 2 == 0);
    for (int kind = 0; kind < static_cast<int>(ObjectKind::Count); ++kind)
        EXPECT_EQ(LiveObjects(static_cast<ObjectKind>(kind)), live[static_cast<size_t>(kind)]) << "kind " << kind;
}

TEST(CaptionMulDiv, RoundsAsTheSystemsOverMillionsOfValues) {
    int64_t compared = 0;
    int64_t differing = 0;
    const auto compare = [&](int32_t a, int32_t b, int32_t c) {
        ++compared;
        if (velk::MulDiv(a, b, c) != ::MulDiv(a, b, c) && ++differing <= 5)
            ADD_FAILURE() << "MulDiv(" << a << ", " << b << ", " << c << "): " << velk::MulDiv(a, b, c)
                          << ", the system's " << ::MulDiv(a, b, c);
    };
    // Every small case, halves of every sign among them.
    for (int32_t a = -64; a <= 64; ++a)
        for (int32_t b = -64; b <= 64; ++b)
            for (int32_t c = -64; c <= 64; ++c) compare(a, b, c);
    // The whole range, and that of pixels and colours. INT32_MIN is left
    // out: the system's own negation of it wraps.
    std::mt19937 random(20240508);
    std::uniform_int_distribution<int32_t> any(-INT32_MAX, INT32_MAX);
    std::uniform_int_distribution<int32_t> small(-70000, 70000);
    for (int i = 0; i < 1000000; ++i) compare(any(random), any(random), any(random));
    for (int i = 0; i < 1000000; ++i) compare(small(random), small(random), small(random));
    EXPECT_EQ(differing, 0) << "of " << compared;
    // Worked out by hand: the exact quotient rounded half away from zero; -1
    // for a zero divisor or a quotient beyond 32 bits; the product in between
    // may pass 32 bits.
    EXPECT_EQ(velk::MulDiv(3, 5, 2), 8);     // 7.5
    EXPECT_EQ(velk::MulDiv(-3, 5, 2), -8);   // -7.5
    EXPECT_EQ(velk::MulDiv(3, -5, -2), 8);   // 7.5
    EXPECT_EQ(velk::MulDiv(7, 1, 3), 2);     // 2.33
    EXPECT_EQ(velk::MulDiv(5, 1, 0), -1);
    EXPECT_EQ(velk::MulDiv(INT32_MAX, 2, 1), -1);
    EXPECT_EQ(velk::MulDiv(65536, 65536, 65536), 65536);
}

}  // namespace
}  // namespace velk
