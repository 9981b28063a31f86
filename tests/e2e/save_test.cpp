// The settings dialog's save keeps velk.ini's identity: a hidden file is
// still hidden after OK, with the new content, and no temporary file is
// left in the folder.
#include <gtest/gtest.h>

#include "driver.h"
#include "settings/setup_ids.h"

namespace velk::e2e {
namespace {

TEST(SettingsSave, AHiddenSettingsFileStaysHiddenWithItsNewContent) {
    VelkRun run;
    Settings settings = TestSettings();
    run.WriteSettings(settings);
    const std::wstring path = run.Folder() + L"velk.ini";
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    run.Start();
    const HWND panel = run.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    // Moved, so that OK has a new place to write.
    SetWindowPos(panel, nullptr, 120, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'K'});
    const HWND dialog = run.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    ASSERT_NE(dialog, nullptr);
    ClickAt(CentreOnScreen(DescendantWithId(dialog, kOKButtonId)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));

    settings.PosX = 120;
    settings.PosY = 60;
    EXPECT_EQ(run.ReadFile(L"velk.ini"), FormatSettings(settings));
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(FilesIn(run.Folder()), (std::set<std::wstring>{L"velk.exe", L"velk.ini"}));
}

}  // namespace
}  // namespace velk::e2e
