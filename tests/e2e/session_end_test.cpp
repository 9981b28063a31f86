// A log-off from the panel's own label ends the session and the panel with
// it, without its close handling. Under Wine a log-off kills every process
// with a window on the server, so this runs in a prefix and server of its own.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

TEST(SessionEnd, LogoffEndsThePanelWithoutItsCloseHandling) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.MonitorStarts = true;
    settings.MonitorShutdowns = true;
    settings.Shortcuts[0] = {"Wyloguj", "_LOGOFF", "L"};
    run.WriteSettings(settings);
    run.Start();
    HWND panel = run.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return run.ReadFile(L"index.asc").starts_with("w\xB3. "); }, 5000))
        << "the start was recorded";

    // The click is repeated while the panel stands: a first click can be
    // lost while this server's input is still settling after a long idle.
    const RECT client = ClientRectOnScreen(panel);
    int clicks = 0;
    do {
        SetForegroundWindow(panel);
        ClickAt(POINT{client.left + 30, client.top + 15});
        ++clicks;
    } while (!run.WaitForExit(4000) && clicks < 4);
    EXPECT_TRUE(run.WaitForExit(10000)) << "the session's end ended the panel; clicks: " << clicks;
    EXPECT_EQ(run.ReadFile(L"index.asc").find("wy\xB3. "), std::string::npos) << "no shutdown was recorded";
}

}  // namespace
}  // namespace velk::e2e
