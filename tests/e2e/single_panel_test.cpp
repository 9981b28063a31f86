// One panel per program folder: a second start from the folder brings the
// running panel to the front and ends at once with code 0, writing nothing;
// a copy of the program in another folder is a panel of its own.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

const std::string kStart = "w\xB3. ";

int StartRecords(const std::string& log) {
    int count = 0;
    for (size_t at = log.find(kStart); at != std::string::npos; at = log.find(kStart, at + 1)) ++count;
    return count;
}

// velk.exe of the folder started once more; its exit code, or STILL_ACTIVE
// when it still runs after the time.
DWORD StartAgainAndWait(const std::wstring& folder, DWORD timeoutMs) {
    std::wstring commandLine = L"\"" + folder + L"velk.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return static_cast<DWORD>(-1);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

int VisiblePanels() {
    int count = 0;
    for (HWND window = FindWindowExW(nullptr, nullptr, L"Tf_main", nullptr); window;
         window = FindWindowExW(nullptr, window, L"Tf_main", nullptr))
        count += IsWindowVisible(window) ? 1 : 0;
    return count;
}

TEST(SinglePanel, ASecondStartFromTheFolderOnlyBringsThePanelForwardWhileACopyElsewhereRunsBeside) {
    Settings settings = TestSettings();
    settings.MonitorStarts = true;
    VelkRun first;
    const HWND panel = first.StartWith(settings);
    ASSERT_NE(panel, nullptr);
    VelkRun elsewhere;
    const HWND otherPanel = elsewhere.StartWith(settings);
    ASSERT_NE(otherPanel, nullptr);
    EXPECT_NE(otherPanel, panel);
    EXPECT_EQ(VisiblePanels(), 2);
    EXPECT_EQ(StartRecords(elsewhere.ReadFile(L"index.asc")), 1);

    const std::string log = first.ReadFile(L"index.asc");
    const std::string lastStart = first.ReadFile(L"ostatnio.asc");
    ASSERT_EQ(StartRecords(log), 1);
    SetForegroundWindow(otherPanel);
    EXPECT_EQ(StartAgainAndWait(first.Folder(), 10000), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == panel; }, 3000));
    EXPECT_TRUE(IsWindowVisible(panel));
    EXPECT_LE(VisiblePanels(), 2) << "no panel more";
    EXPECT_EQ(first.ReadFile(L"index.asc"), log);
    EXPECT_EQ(first.ReadFile(L"ostatnio.asc"), lastStart);
    EXPECT_FALSE(first.WaitForExit(0));
}

}  // namespace
}  // namespace velk::e2e
