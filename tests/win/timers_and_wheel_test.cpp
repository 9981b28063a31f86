// Timers that run only while needed, and a wheel that moves at touchpad
// steps: the panel's clock tick, the last-launch window's count, the log
// view's scrolling.
#include <gtest/gtest.h>

#include "app/main_form.h"
#include "monitor/monitor_form.h"
#include "ui/log_view.h"
#include "win_test_support.h"

namespace velk {
namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr UINT_PTR kMonitorTimer = 1;

// KillTimer says whether the timer existed; the test then sets it again
// where the form expects it to run.
bool TimerRuns(HWND window, UINT_PTR id) {
    if (!KillTimer(window, id)) return false;
    SetTimer(window, id, 1000, nullptr);
    return true;
}

TEST(Timers, ThePanelTicksOnlyWhileAClockOrDateLineIsThere) {
    test::ScratchSettings file;
    Settings settings;
    settings.MonitorInfoSeconds = "10";
    settings.Shortcuts[0] = {"Notatnik", "notepad.exe", ""};
    file.Write(settings);
    Final<Tf_main> panel;
    ASSERT_TRUE(panel.Create());
    EXPECT_FALSE(TimerRuns(panel.hwnd(), kClockTimer)) << "no clock, no date: no tick";

    for (const char* keyword : {"_ZEGAR", "_DATA"}) {
        settings.Shortcuts[1] = {keyword, "", ""};
        file.Write(settings);
        panel.LoadSettings();
        EXPECT_TRUE(TimerRuns(panel.hwnd(), kClockTimer)) << keyword;
    }
    settings.Shortcuts[1] = {"", "", ""};
    file.Write(settings);
    panel.LoadSettings();
    EXPECT_FALSE(TimerRuns(panel.hwnd(), kClockTimer)) << "the clock line gone";
}

TEST(Timers, TheLastLaunchWindowStopsCountingWhenHiddenByAnyMeans) {
    Final<Tf_main> panel;
    panel.Monitoring.MonitorInfoSeconds = 10;
    Final<Tf_monitor> window(panel.Monitoring);
    ASSERT_TRUE(window.Create());
    window.Show();
    EXPECT_TRUE(TimerRuns(window.hwnd(), kMonitorTimer));
    // The close box hides it.
    SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    EXPECT_FALSE(TimerRuns(window.hwnd(), kMonitorTimer));

    window.Show();
    EXPECT_TRUE(TimerRuns(window.hwnd(), kMonitorTimer));
    SetWindowPos(window.hwnd(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_FALSE(TimerRuns(window.hwnd(), kMonitorTimer));
}

TEST(Wheel, TouchpadStepsBelowANotchScrollTheLogView) {
    RegisterLogView();
    HWND view = CreateWindowExW(0, kLogViewClass, L"", WS_POPUP | WS_VSCROLL, 0, 0, 170, 130, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(view, nullptr);
    std::wstring text;
    for (int line = 0; line < 100; ++line) text += std::to_wstring(line) + L"\r\n";
    SetWindowTextW(view, text.c_str());
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    ASSERT_GT(linesPerNotch, 0u);
    ASSERT_NE(linesPerNotch, static_cast<UINT>(WHEEL_PAGESCROLL));

    // Twelve steps of a tenth of a notch towards the user: one notch and a
    // fifth, so at least the notch's lines.
    const auto turn = [view](int delta) {
        SendMessageW(view, WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<WORD>(delta)) << 16, 0);
    };
    for (int step = 0; step < 12; ++step) turn(-WHEEL_DELTA / 10);
    EXPECT_EQ(GetScrollPos(view, SB_VERT), static_cast<int>(linesPerNotch * 12 / 10));
    // And back: the remainder of the other way does not hold the view.
    for (int step = 0; step < 12; ++step) turn(WHEEL_DELTA / 10);
    EXPECT_EQ(GetScrollPos(view, SB_VERT), 0);
    DestroyWindow(view);
}

}  // namespace
}  // namespace velk
