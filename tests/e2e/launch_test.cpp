// Clicks on the panel's labels, seen through a program of ours that records
// every start: what is started, and what never is.
#include <gtest/gtest.h>

#include "driver.h"

namespace velk::e2e {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);  // the test panels' labels

class Launching : public ::testing::Test {
protected:
    void SetUp() override {
        run_.CopyProgram(L"record_args.exe");
        // Copies under the keywords' names: a keyword wrongly handed to the
        // shell as a relative name would start one of these and be recorded.
        for (const wchar_t* name : {L"_NIC.exe", L"_shutdown.exe", L"_ZEGAR.exe", L"_DATA.exe"})
            run_.CopyProgram(L"record_args.exe", name);
    }

    // The panel, in the foreground.
    HWND Start(const Settings& settings) {
        HWND panel = run_.StartWith(settings);
        if (!panel) return nullptr;
        SetForegroundWindow(panel);
        return WaitUntil([&] { return GetForegroundWindow() == panel; }, 2000) ? panel : nullptr;
    }

    void ClickSlot(HWND panel, int slot) {
        const RECT label = LabelOnScreen(panel, slot);
        ClickAt(POINT{label.left + 20, (label.top + label.bottom) / 2});
    }

    // The recorded command lines, one per start.
    std::vector<std::wstring> Recorded() const {
        const std::string bytes = run_.ReadFile(L"record_args.txt");
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        std::vector<std::wstring> lines;
        for (size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

    std::vector<std::wstring> WaitForRecords(size_t count) const {
        WaitUntil([&] { return Recorded().size() >= count; }, 8000);
        return Recorded();
    }

    // The panel handles clicks in order and starts a program within the
    // click: once a later click's record is there, whatever an earlier click
    // started has been started, and has written its record once it ended.
    bool StartedProgramsEnded() const {
        return WaitUntil([&] { return run_.RunningChildren() == 0; }, 8000);
    }

    VelkRun run_;
};

int VisibleTopLevelWindows() {
    int count = 0;
    EnumWindows(
        [](HWND hwnd, LPARAM counter) {
            *reinterpret_cast<int*>(counter) += IsWindowVisible(hwnd) ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

TEST_F(Launching, AClickHandsTheCommandWholeToTheShell) {
    const std::string program = std::string("record_args.exe");
    Settings settings = TestSettings();
    std::string folder(run_.Folder().begin(), run_.Folder().end());
    settings.Shortcuts[0] = {"Program", folder + program, "L"};
    settings.Shortcuts[1] = {"Nic jako polecenie", "_NIC", "L"};
    settings.Shortcuts[2] = {"Male litery", "_shutdown", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);

    ClickSlot(panel, 1);
    std::vector<std::wstring> records = WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(Lower(records[0]).find(Lower(run_.Folder()) + L"record_args.exe"), std::wstring::npos) << records[0];

    // "_NIC" is a keyword only as a slot's text; as a command it is a name.
    ClickSlot(panel, 2);
    records = WaitForRecords(2);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(Lower(records[1]).find(L"_nic"), std::wstring::npos) << records[1];

    // Keywords are exact: in small letters it is a name too.
    ClickSlot(panel, 3);
    records = WaitForRecords(3);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_NE(Lower(records[2]).find(L"_shutdown"), std::wstring::npos) << records[2];
}

TEST_F(Launching, AProgramAndItsArgumentInOneCommandReachTheShellAsOneText) {
    Settings settings = TestSettings();
    std::string folder(run_.Folder().begin(), run_.Folder().end());
    settings.Shortcuts[0] = {"Program", folder + "record_args.exe", "L"};
    settings.Shortcuts[1] = {"Z argumentem", folder + "record_args.exe argument", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);

    // The whole text names no file, so the shell opens nothing; split into
    // program and parameters it would have started the program.
    ClickSlot(panel, 2);
    ClickSlot(panel, 1);
    const std::vector<std::wstring> records = WaitForRecords(1);
    ASSERT_TRUE(StartedProgramsEnded());
    ASSERT_EQ(Recorded().size(), 1u);
    EXPECT_EQ(records[0].find(L"argument"), std::wstring::npos) << records[0];
}

TEST_F(Launching, ClockDateEmptyAndHiddenSlotsStartNothing) {
    Settings settings = TestSettings();
    std::string folder(run_.Folder().begin(), run_.Folder().end());
    settings.Shortcuts[0] = {"_ZEGAR", folder + "record_args.exe", "L"};
    settings.Shortcuts[1] = {"_DATA", folder + "record_args.exe", "L"};
    settings.Shortcuts[2] = {"Pusty", "", "L"};
    settings.Shortcuts[3] = {"_NIC", folder + "record_args.exe", "L"};
    settings.Shortcuts[4] = {"Ostatni", "", "L"};
    settings.Shortcuts[5] = {"Znacznik", folder + "record_args.exe", "L"};
    HWND panel = Start(settings);
    ASSERT_NE(panel, nullptr);

    const int windowsBefore = VisibleTopLevelWindows();
    // Before the first tick the clock and date labels are still blank.
    ClickSlot(panel, 1);
    ClickSlot(panel, 2);
    const auto shown = [&](int slot) { return CountColor(CapturePixels(LabelOnScreen(panel, slot)), kWhite) > 10; };
    ASSERT_TRUE(WaitUntil([&] { return shown(1) && shown(2); }, 3000)) << "the first tick wrote both";
    for (int slot : {1, 2, 3, 4}) ClickSlot(panel, slot);
    // The marker's click comes last: its start is the one record.
    ClickSlot(panel, 6);
    ASSERT_FALSE(WaitForRecords(1).empty());
    EXPECT_TRUE(StartedProgramsEnded()) << "a started program or folder window stays open";
    EXPECT_EQ(Recorded().size(), 1u) << "something was started";
    EXPECT_EQ(VisibleTopLevelWindows(), windowsBefore) << "a folder or program window opened";
}

}  // namespace
}  // namespace velk::e2e
