// The panel and the settings dialog on a display of 144 dpi (150 %): every
// design value scaled, the text drawn in a font of the scaled height. Runs
// in a Wine prefix of its own whose display is set to 144 dpi.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/panel_text.h"
#include "driver.h"
#include "settings/setup_ids.h"
#include "support/find_control.h"
#include "win/dpi.h"
#include "win/fonts.h"
#include "win/handles.h"

namespace velk::e2e {
namespace {

constexpr int kDpi = 144;
constexpr COLORREF kPanelColour = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The rows in which a text has ink of the colour.
int InkRows(const std::vector<COLORREF>& pixels, int width, COLORREF ink) {
    int rows = 0;
    for (size_t row = 0; row * static_cast<size_t>(width) < pixels.size(); ++row) {
        bool any = false;
        for (int x = 0; x < width; ++x) any = any || pixels[row * static_cast<size_t>(width) + static_cast<size_t>(x)] == ink;
        rows += any ? 1 : 0;
    }
    return rows;
}

// The same text drawn here in the bold Arial of a height: how many rows its
// ink takes.
int InkRowsOfFont(int height, const wchar_t* text) {
    const ClientDc screen(nullptr);
    const MemoryDc dc(CreateCompatibleDC(screen.get()));
    const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), 200, 100));
    const Font font = MakeFont(height, FW_BOLD, false, EASTEUROPE_CHARSET, L"Arial");
    const SelectGuard selectBitmap(dc.get(), bitmap.get());
    const SelectGuard selectFont(dc.get(), font.get());
    RECT all{0, 0, 200, 100};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(dc.get(), kWhite);
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutW(dc.get(), 4, 4, text, lstrlenW(text));
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
    return InkRows(pixels, 200, kWhite);
}

TEST(Dpi144, ThePanelItsTextItsCaptionAndTheDialogAreScaled) {
    ASSERT_EQ(SystemDpi(), kDpi) << "the prefix's display";

    VelkRun run;
    Settings settings = TestSettings();
    settings.Placement = PanelPlacement::ToolWindow;  // the tool window with the caption bar
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = static_cast<int32_t>(kPanelColour);
    settings.InactiveColor = static_cast<int32_t>(kWhite);
    UseSlot(settings, 1, "HHHH");
    UseSlot(settings, 2, "Drugi");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);

    const SIZE client = ClientSize(panel);
    EXPECT_EQ(client.cx, 195);
    EXPECT_EQ(client.cy, 65);  // two slots used: the third line's top, 43, times 1.5 (64.5) rounded up

    // The caption bar above the client area: the small caption at this dpi.
    const RECT window = WindowRect(panel);
    const RECT onScreen = ClientRectOnScreen(panel);
    EXPECT_EQ(onScreen.top - window.top, GetSystemMetrics(SM_CYSMCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME));
    EXPECT_GT(GetSystemMetrics(SM_CYSMCAPTION), 16) << "the metric itself is scaled";

    // The first label's text, measured from its pixels, has the ink of the
    // scaled font, not of the font at 96 dpi.
    const RECT label = LabelOnScreen(panel, 1);
    ASSERT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(label), kWhite) > 0; }, 3000));
    const int rows = InkRows(CapturePixels(label), label.right - label.left, kWhite);
    EXPECT_EQ(rows, InkRowsOfFont(17, L"HHHH"));  // the 11-pixel font times 1.5 (16.5) rounded up
    EXPECT_NE(rows, InkRowsOfFont(11, L"HHHH"));

    // The dialog: its client size and its buttons at their scaled places.
    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'K'});
    HWND dialog = run.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClientSize(dialog).cx, 776);  // 517 scaled
    EXPECT_EQ(ClientSize(dialog).cy, 345);  // 230 scaled
    HWND ok = test::DescendantWithId(dialog, kOKButtonId);
    ASSERT_NE(ok, nullptr);
    RECT button = WindowRect(ok);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, 660);
    EXPECT_EQ(button.top, 300);
    EXPECT_EQ(button.right - button.left, 110);  // 73 * 1.5 = 109.5
    EXPECT_EQ(button.bottom - button.top, 38);   // 25 * 1.5 = 37.5
    // A stretched picture fills the scaled preview: its bottom rows, below the samples, edge to edge.
    constexpr COLORREF kPicture = RGB(0, 160, 80);
    run.WriteFile(L"zielony.bmp", MakeBitmapFile(4, 4, [](int, int) { return kPicture; }));
    PressKeys({VK_CONTROL, VK_TAB});  // to the "Wygląd" tab
    HWND stretched = test::DescendantWithId(dialog, kTloStretchId);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(stretched) != FALSE; }, 2000));
    ClickAt(CentreOnScreen(stretched));
    ASSERT_TRUE(ChooseFileInOpenDialog(run.WaitForWindow(L"#32770", nullptr, 5000), run.Folder() + L"zielony.bmp"));
    const RECT preview = ClientRectOnScreen(test::DescendantWithId(dialog, kDemoId));
    const RECT bottom{preview.left, preview.bottom - 8, preview.right, preview.bottom};  // 202.5 wide
    EXPECT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(bottom), kPicture) == 203 * 8; }, 3000));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace velk::e2e
