// A log-off from the panel's own label ends the session and the panel with
// it, and the end of the session is recorded as a shutdown, once. Under Wine
// a log-off kills every process with a window on the server, so this runs in
// a prefix and server of its own.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

TEST(SessionEnd, ALogoffEndsThePanelAndIsRecordedAsOneShutdown) {
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
    const std::string log = run.ReadFile(L"index.asc");
    const size_t shutdown = log.find("\r\nwy\xB3. ");
    ASSERT_NE(shutdown, std::string::npos) << log;
    EXPECT_EQ(log.find("wy\xB3. ", shutdown + 3), std::string::npos) << "one shutdown record: " << log;
    EXPECT_TRUE(log.ends_with("\r\n")) << log;
}

}  // namespace
}  // namespace velk::e2e
