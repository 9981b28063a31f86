// The panel seen from outside: placement, height, the missing-file box, the
// clock, hover colouring, the three ways of closing, bad settings files.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr int kSettingsRed = 0x0000FF;  // colours are stored as 0x00BBGGRR
constexpr int kSettingsGreen = 0x00FF00;


Settings PlacedAt(int placement, int x, int y) {
    Settings settings = TestSettings();
    settings.Placement = PanelPlacement{placement};
    settings.PosX = x;
    settings.PosY = y;
    return settings;
}

// The window's top left corner at the place, the client area the panel's
// width and the height.
void ExpectPlaceAndSize(HWND panel, POINT place, int height) {
    RECT window;
    GetWindowRect(panel, &window);
    EXPECT_EQ(window.left, place.x);
    EXPECT_EQ(window.top, place.y);
    EXPECT_EQ(ClientSize(panel).cx, 130);
    EXPECT_EQ(ClientSize(panel).cy, height);
}

TEST(Placement, BorderlessPanelAtItsPositionWithTheHeightOfItsSlots) {
    VelkRun run;
    Settings settings = PlacedAt(0, 140, 70);
    UseSlot(settings, 1, "Pierwszy");
    UseSlot(settings, 2, "_ZEGAR");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);

    ExpectPlaceAndSize(panel, {140, 70}, 43);
    EXPECT_EQ(GetWindowLongW(panel, GWL_STYLE) & WS_CAPTION, 0);
    wchar_t caption[16] = {};
    GetWindowTextW(panel, caption, 16);
    EXPECT_STREQ(caption, L" ");
    // The taskbar button carries the application's title.
    EXPECT_NE(run.WaitForWindow(L"TApplication", L"=VELK=", 1000), nullptr);
}

TEST(Placement, MovableToolWindowWithOnlyACloseBox) {
    VelkRun run;
    Settings settings = PlacedAt(1, 300, 120);
    UseSlot(settings, 20, "Ostatni");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);

    ExpectPlaceAndSize(panel, {300, 120}, 362);
    const LONG style = GetWindowLongW(panel, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_NE(GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

TEST(Placement, AllSlotsUnusedLeavesTheTopMarginOnly) {
    VelkRun run;
    Settings settings = TestSettings();
    UseSlot(settings, 3, "_NIC", "notepad.exe");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(ClientSize(panel).cy, 8);
}

TEST(SettingsFile, MissingFileIsReportedAndThePanelRunsOnAtItsDesignPlace) {
    VelkRun run;
    run.Start();
    HWND box = run.WaitForWindow(L"#32770", L"Błąd!");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Nie mogę otworzyć pliku ustawień " + run.Folder() + L"velk.ini !");
    PressOk(box);

    HWND panel = run.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    ExpectPlaceAndSize(panel, {662, 0}, 362);
    EXPECT_TRUE(run.Settled()) << "the panel runs on";

    // The Monitoring submenu stays enabled, and its items do what they say.
    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'O'});
    EXPECT_NE(run.WaitForWindow(L"Tf_monitor", nullptr, 3000), nullptr) << "the last-launch window";
    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'L'});
    // No log yet: the list says so, then opens.
    const HWND noLog = run.WaitForWindow(L"#32770", L"=VELK=", 3000);
    ASSERT_NE(noLog, nullptr);
    EXPECT_EQ(MessageBoxText(noLog), L"Cannot open file " + run.Folder() + L"index.asc.");
    PressOk(noLog);
    const HWND list = run.WaitForWindow(L"Tf_lista", nullptr, 3000);
    ASSERT_NE(list, nullptr) << "the launch list";
    PostMessageW(list, WM_CLOSE, 0, 0);
}

TEST(SettingsFile, BadFilesNeverStopThePanel) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    Settings longLine = TestSettings();
    UseSlot(longLine, 1, "");
    longLine.Shortcuts[0].Text.assign(1 << 20, 'A');
    UseSlot(longLine, 2, "Drugi");
    const std::string files[] = {
        junk,
        std::string("4\r\n0\r\n10\0\0\r\n20\r\n", 16),
        "4\r\n1\r\n\x1A" "100\r\n",
        "4\r1\r100\r100\r",
        "4\n0\n99999999999999999999\n-99999999999999999999\n",
        FormatSettings(longLine),
    };
    for (const std::string& file : files) {
        VelkRun run;
        run.WriteFile(L"velk.ini", file);
        run.Start();
        HWND panel = run.WaitForPanel();
        ASSERT_NE(panel, nullptr) << file.substr(0, 40);
        ASSERT_TRUE(WaitUntil([&] { return !GetUpdateRect(panel, nullptr, FALSE); }, 3000));
        ASSERT_TRUE(run.Settled()) << "the panel runs on";
        EXPECT_EQ(run.AnyDialog(), nullptr);
        if (&file == &files[5]) {
            // The 1 MB line is one line: the slot after it keeps its place.
            EXPECT_EQ(ClientSize(panel).cy, 43);
        }
    }
}

TEST(Clock, TheClockLabelChangesEverySecond) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.ClockSeconds = true;
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = 0;
    UseSlot(settings, 1, "_ZEGAR");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);
    const RECT label = LabelOnScreen(panel, 1);
    std::vector<COLORREF> shown;
    ASSERT_TRUE(WaitUntil([&] { return CountColor(shown = CapturePixels(label), RGB(255, 255, 255)) > 10; }, 3000))
        << "the clock shows text";
    // Two changes in a row, each within a little more than its second.
    for (int change = 0; change < 2; ++change) {
        const std::vector<COLORREF> before = shown;
        EXPECT_TRUE(WaitUntil([&] { return (shown = CapturePixels(label)) != before; }, 2500)) << change;
    }
}

TEST(Hover, TheLabelUnderThePointerTakesTheActiveColour) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.HoverHighlight = true;
    settings.ActiveColor = kSettingsRed;
    settings.InactiveColor = kSettingsGreen;
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = 0;
    UseSlot(settings, 1, "Pierwszy");
    UseSlot(settings, 2, "Drugi");
    UseSlot(settings, 3, "Trzeci");
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);

    const RECT first = LabelOnScreen(panel, 1);
    const RECT second = LabelOnScreen(panel, 2);
    MoveMouseTo(CentreOf(first));
    ASSERT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(first), kRed) > 5; }, 2000));
    EXPECT_EQ(CountColor(CapturePixels(second), kRed), 0);

    MoveMouseTo(CentreOf(second));
    ASSERT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(second), kRed) > 5; }, 2000));
    EXPECT_EQ(CountColor(CapturePixels(first), kRed), 0);
    EXPECT_GT(CountColor(CapturePixels(first), kGreen), 5);

    // Between the labels every label returns to the inactive colour.
    MoveMouseTo(POINT{second.left + 2, second.bottom + 2});
    ASSERT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(second), kRed) == 0; }, 2000));
    EXPECT_GT(CountColor(CapturePixels(second), kGreen), 5);
}

class Closing : public ::testing::Test {
protected:
    HWND StartPanel(int placement) {
        Settings settings = TestSettings();
        settings.Placement = PanelPlacement{placement};
        UseSlot(settings, 1, "Pierwszy");
        return run_.StartWith(settings);
    }
    void ExpectCleanExit() {
        DWORD code = 1234;
        ASSERT_TRUE(run_.WaitForExit(5000, &code));
        EXPECT_EQ(code, 0u);
    }
    VelkRun run_;
};

TEST_F(Closing, ByTheMenuCommand) {
    HWND panel = StartPanel(0);
    ASSERT_NE(panel, nullptr);
    const RECT client = ClientRectOnScreen(panel);
    ClickAt(POINT{client.left + 4, client.bottom - 4}, true);
    ASSERT_NE(run_.WaitForWindow(L"#32768", nullptr, 3000), nullptr) << "the popup menu opens";
    PressKeys({'Z'});
    ExpectCleanExit();
}

TEST_F(Closing, ByAltF4) {
    HWND panel = StartPanel(0);
    ASSERT_NE(panel, nullptr);
    const RECT client = ClientRectOnScreen(panel);
    ClickAt(POINT{client.left + 3, client.bottom - 3});
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel; }, 2000));
    PressKeys({VK_MENU, VK_F4});
    ExpectCleanExit();
}

TEST_F(Closing, ByTheCloseBoxOfTheToolWindow) {
    HWND panel = StartPanel(1);
    ASSERT_NE(panel, nullptr);
    RECT window;
    GetWindowRect(panel, &window);
    const RECT client = ClientRectOnScreen(panel);
    // The close box sits at the right end of the small caption.
    const int frame = client.left - window.left;
    const POINT closeBox{window.right - frame - GetSystemMetrics(SM_CXSMSIZE) / 2 - 1, (window.top + client.top) / 2};
    ClickAt(closeBox);
    ExpectCleanExit();
}

}  // namespace
}  // namespace velk::e2e
