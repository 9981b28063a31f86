// One panel per program folder: a second start from the folder brings the
// running panel to the front and ends at once with code 0, writing nothing;
// a copy of the program in another folder is a panel of its own.
#include <gtest/gtest.h>

#include <string_view>

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

// Counted over one list of the top-level windows: a walk window by window
// met a panel twice, or missed one, while activation reordered them.
int VisiblePanels() {
    std::set<HWND> panels;
    EnumWindows(
        [](HWND window, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (IsWindowVisible(window) && std::wstring_view(name) == L"Tf_main")
                reinterpret_cast<std::set<HWND>*>(found)->insert(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&panels));
    return static_cast<int>(panels.size());
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
    EXPECT_EQ(VisiblePanels(), 2) << "no panel more, none gone";
    EXPECT_EQ(first.ReadFile(L"index.asc"), log);
    EXPECT_EQ(first.ReadFile(L"ostatnio.asc"), lastStart);
    EXPECT_FALSE(first.WaitForExit(0));
}

}  // namespace
}  // namespace velk::e2e
