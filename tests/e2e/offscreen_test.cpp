// A saved place off every screen: the panel comes up where it can be
// reached, the file keeps what was saved; a panel only partly off-screen
// stays where the user put it.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

TEST(OffScreen, APanelSavedOffEveryScreenShowsFullyOnItAndThePartlyOffOneStays) {
    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    const struct {
        int x, y;
        bool staysPut;
    } places[] = {{5000, 4000, false}, {-3000, -3000, false}, {static_cast<int>(work.right) - 65, 100, true}};
    for (const auto& place : places) {
        VelkRun run;
        Settings settings = TestSettings();
        settings.Placement = PanelPlacement::ToolWindow;
        settings.PosX = place.x;
        settings.PosY = place.y;
        settings.Shortcuts[0] = {"Pierwszy", "", ""};
        settings.Shortcuts[19] = {"Ostatni", "", ""};
        run.WriteSettings(settings);
        const std::string saved = run.ReadFile(L"velk.ini");
        run.Start();
        HWND panel = run.WaitForPanel();
        ASSERT_NE(panel, nullptr) << place.x;
        RECT window;
        GetWindowRect(panel, &window);
        if (place.staysPut) {
            EXPECT_EQ(window.left, place.x);
            EXPECT_EQ(window.top, place.y);
        } else {
            EXPECT_GE(window.left, work.left) << place.x;
            EXPECT_GE(window.top, work.top) << place.y;
            EXPECT_LE(window.right, work.right) << place.x;
            EXPECT_LE(window.bottom, work.bottom) << place.y;
        }
        EXPECT_EQ(run.ReadFile(L"velk.ini"), saved) << "the file keeps the saved place";
    }
}

}  // namespace
}  // namespace velk::e2e
