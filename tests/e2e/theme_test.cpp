// The settings dialog under Wine's visual style, in a prefix of its own whose
// theme is active: a tab page shows the theme's page body behind its controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <map>

#include "driver.h"
#include "settings/setup_ids.h"
#include "win/handles.h"

namespace velk::e2e {
namespace {

// The theme's tab page body, drawn here over a page's area, at a point.
COLORREF TabBodyAt(HWND window, RECT page, POINT at) {
    const HTHEME theme = OpenThemeData(window, L"TAB");
    const ClientDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), page.right, page.bottom));
    const SelectGuard select(dc.get(), bitmap.get());
    DrawThemeBackground(theme, dc.get(), TABP_BODY, 0, &page, nullptr);
    CloseThemeData(theme);
    return GetPixel(dc.get(), at.x, at.y);
}

COLORREF PixelAt(POINT screen) { return CapturePixels({screen.x, screen.y, screen.x + 1, screen.y + 1})[0]; }

COLORREF MostCommonColour(HWND control) {
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : CapturePixels(WindowRect(control))) ++counts[pixel];
    return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

TEST(Theme, APageShowsTheTabBodyBehindItsControlsAndInsideItsGroupBoxes) {
    ASSERT_TRUE(IsThemeActive()) << "the prefix's theme";
    VelkRun run;
    HWND panel = run.StartWith(TestSettings());
    ASSERT_TRUE(panel && FocusPanel(panel));
    PressKeys({VK_CONTROL, 'K'});
    HWND dialog = run.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    ASSERT_NE(dialog, nullptr);
    // The "Wygląd" page: labels, check boxes and radio buttons in group boxes.
    PressKeys({VK_CONTROL, VK_TAB});
    HWND page = GetParent(DescendantWithId(dialog, kLabel2Id));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(page) != FALSE; }, 3000));

    const RECT onPage = ClientRectOnScreen(page);
    const POINT corner{2, onPage.bottom - onPage.top - 3};  // below the group boxes
    const COLORREF body = TabBodyAt(dialog, {0, 0, onPage.right - onPage.left, onPage.bottom - onPage.top}, corner);
    ASSERT_NE(body, GetSysColor(COLOR_BTNFACE)) << "the theme's page body differs from a plain window's";
    // Every control painted, then the page on the screen: Wine puts a
    // window's paint on the screen when its thread next waits.
    ASSERT_TRUE(run.Painted(dialog));
    EXPECT_TRUE(WaitUntil([&] { return PixelAt({onPage.left + corner.x, onPage.top + corner.y}) == body; }, 3000));
    for (int id : {kLabel2Id, kKolBoxId, kTloDesktopId})
        EXPECT_EQ(MostCommonColour(DescendantWithId(dialog, id)), body) << id;
    // Inside "Położenie na pulpicie", between its two labels.
    const RECT below = WindowRect(DescendantWithId(dialog, kLabel3Id));
    EXPECT_EQ(PixelAt({below.left + 2, below.top - 5}), body);
}

}  // namespace
}  // namespace velk::e2e
