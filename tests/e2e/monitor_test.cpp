// Start and shutdown monitoring from outside: the two files after starts and
// closes, the last-launch window with its texts and its timer, the launch
// list with its log, its clearing and its failures.
#include <gtest/gtest.h>

#include "driver.h"
#include "core/launch_log.h"
#include "support/held_file.h"

namespace velk::e2e {
namespace {

const std::string kStart = "w\xB3. ";
const std::string kShutdown = "wy\xB3. ";
constexpr UINT_PTR kMonitorTimer = 1;  // the last-launch window's count

Settings MonitoredSettings(bool infoWindow, const char* seconds) {
    Settings settings = TestSettings();
    settings.MonitorStarts = true;
    settings.MonitorInfoWindow = infoWindow;
    settings.MonitorInfoSeconds = seconds;
    return settings;
}

// Seconds since 1601 of a local time, or -1 when it names no real moment.
long long SecondsOf(const RecordTime& time) {
    const SYSTEMTIME local{static_cast<WORD>(time.Year), static_cast<WORD>(time.Month), 0, static_cast<WORD>(time.Day),
                           static_cast<WORD>(time.Hour), static_cast<WORD>(time.Minute),
                           static_cast<WORD>(time.Second), 0};
    FILETIME file;
    if (!SystemTimeToFileTime(&local, &file)) return -1;
    return static_cast<long long>((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime) /
           10'000'000;
}

// The start the program wrote to ostatnio.asc, checked to be this moment:
// a whole date and time, so a start just before midnight (or the year's
// end) still counts as seconds ago.
RecordTime RecordedStart(const VelkRun& run) {
    const std::optional<RecordTime> start = ParseLastStart(run.ReadFile(L"ostatnio.asc"));
    EXPECT_TRUE(start.has_value());
    if (!start) return {};
    SYSTEMTIME now;
    GetLocalTime(&now);
    const long long age = SecondsOf({now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond}) -
                          SecondsOf(*start);
    EXPECT_TRUE(SecondsOf(*start) >= 0 && age >= 0 && age < 30) << age;
    return *start;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

void CloseByMenu(VelkRun& run, HWND panel) {
    const RECT client = ClientRectOnScreen(panel);
    ClickAt(POINT{client.left + 3, client.bottom - 3}, true);
    ASSERT_NE(run.WaitForWindow(L"#32768", nullptr, 3000), nullptr) << "the popup menu opens";
    PressKeys({'Z'});
    ASSERT_TRUE(run.WaitForExit(5000));
}

TEST(LaunchLog, AFirstStartIsRecordedAndShownUntilTheWindowsSecondsHavePassed) {
    VelkRun run;
    ASSERT_NE(run.StartWith(MonitoredSettings(true, "2")), nullptr);
    HWND window = run.WaitForWindow(L"Tf_monitor", L" ", 3000);
    ASSERT_NE(window, nullptr);
    const DWORD shownAt = GetTickCount();

    const RecordTime start = RecordedStart(run);
    EXPECT_EQ(run.ReadFile(L"ostatnio.asc"), LastStartFileText(start));
    EXPECT_EQ(run.ReadFile(L"index.asc"), StartRecordLine(start));
    const std::vector<std::wstring> expected{L"Ostatnie uruchomienie:", L"Brak danych", L"Aktualny czas:",
                                             Widen(WindowTimeText(start))};
    EXPECT_EQ(LabelTexts(window), expected);

    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
    const DWORD shownFor = GetTickCount() - shownAt;
    EXPECT_GT(shownFor, 1200u);
    EXPECT_TRUE(IsWindow(window)) << "hidden, not destroyed";
    EXPECT_TRUE(run.Settled()) << "the program runs on";
}

TEST(LaunchLog, TheWindowShowsThePreviousStartWhenOstatnioHoldsSixNumbers) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"1 2 2000 7 8 9\r\n", L"1.2.2000 godzina 7:8:9"},
        {"1 2 2000 7 8\r\n", L"Brak danych"},
        {"", L"Brak danych"},
    };
    for (const auto& [file, shown] : cases) {
        VelkRun run;
        run.WriteSettings(MonitoredSettings(true, "30"));
        run.WriteFile(L"ostatnio.asc", file);
        run.Start();
        HWND window = run.WaitForWindow(L"Tf_monitor", L" ", 10000);
        ASSERT_NE(window, nullptr) << file;
        EXPECT_EQ(LabelTexts(window).at(1), shown) << file;
        const RecordTime start = RecordedStart(run);
        EXPECT_EQ(run.ReadFile(L"ostatnio.asc"), LastStartFileText(start)) << "now holds this start";
        EXPECT_EQ(LabelTexts(window).at(3), Widen(WindowTimeText(start)));
    }
}

TEST(LaunchLog, ALogWithoutAFinalLineEndGetsTheNextRecordOnItsLastLine) {
    VelkRun run;
    run.WriteSettings(MonitoredSettings(false, "10"));
    const std::string edited = "w\xB3. 1.1.2001 o 8:4:9";
    run.WriteFile(L"index.asc", edited);
    run.Start();
    ASSERT_NE(run.WaitForPanel(), nullptr);
    ASSERT_TRUE(WaitUntil([&] { return run.FileExists(L"ostatnio.asc"); }, 3000));
    EXPECT_EQ(run.ReadFile(L"index.asc"), edited + StartRecordLine(RecordedStart(run)));
    EXPECT_EQ(run.WaitForWindow(L"Tf_monitor", nullptr, 300), nullptr) << "the window is not asked for";
}

TEST(LaunchLog, ClosingByTheMenuRecordsOneShutdownAndNoStart) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.MonitorShutdowns = true;
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(run.FileExists(L"index.asc"));
    CloseByMenu(run, panel);

    const std::string log = run.ReadFile(L"index.asc");
    EXPECT_TRUE(log.starts_with(kShutdown)) << log;
    EXPECT_TRUE(log.ends_with("\r\n"));
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1);
    EXPECT_FALSE(run.FileExists(L"ostatnio.asc"));
}

TEST(LaunchLog, WithMonitoringOffNoFileIsTouched) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.MonitorInfoWindow = true;  // asks for nothing without MonitorStarts
    HWND panel = run.StartWith(settings);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(run.WaitForWindow(L"Tf_monitor", nullptr, 500), nullptr);
    CloseByMenu(run, panel);
    EXPECT_FALSE(run.FileExists(L"index.asc"));
    EXPECT_FALSE(run.FileExists(L"ostatnio.asc"));
}

TEST(LastLaunchWindow, ZeroSecondsKeepItOpenUntilItsCloseBoxAndTheMenuShowsItAgain) {
    VelkRun run;
    HWND panel = run.StartWith(MonitoredSettings(true, "0"));
    ASSERT_NE(panel, nullptr);
    HWND window = run.WaitForWindow(L"Tf_monitor", L" ", 3000);
    ASSERT_NE(window, nullptr);
    // Ticks of its one-second timer, sent as the timer sends them.
    for (int tick = 0; tick < 3; ++tick) SendMessageW(window, WM_TIMER, kMonitorTimer, 0);
    EXPECT_TRUE(IsWindowVisible(window));

    ClickAt(CloseBoxOf(window));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 2000));
    EXPECT_TRUE(run.Settled()) << "closing it only hides it";

    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'O'});
    ASSERT_EQ(run.WaitForWindow(L"Tf_monitor", L" ", 3000), window);
    EXPECT_EQ(LabelTexts(window).at(1), L"Brak danych") << "the texts of this run's start stay";
}

TEST(LastLaunchWindow, OpenedFromTheMenuItHidesAfterItsSeconds) {
    VelkRun run;
    HWND panel = run.StartWith(MonitoredSettings(false, "2"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(run.WaitForWindow(L"Tf_monitor", nullptr, 300), nullptr);

    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'O'});
    HWND window = run.WaitForWindow(L"Tf_monitor", L" ", 3000);
    ASSERT_NE(window, nullptr);
    const RecordTime start = RecordedStart(run);
    EXPECT_EQ(LabelTexts(window).at(3), Widen(WindowTimeText(start)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 5000));
}

class LaunchList : public ::testing::Test {
protected:
    // A monitored panel without the last-launch window: the list's menu
    // item is enabled, and this start is the log's last line.
    HWND StartPanel() {
        HWND panel = run_.StartWith(MonitoredSettings(false, "10"));
        if (panel) WaitUntil([&] { return run_.FileExists(L"ostatnio.asc"); }, 3000);
        return panel;
    }
    HWND OpenList(HWND panel) {
        if (!FocusPanel(panel)) return nullptr;
        PressKeys({VK_CONTROL, 'L'});
        return run_.WaitForWindow(L"Tf_lista", L"Lista uruchomień", 3000);
    }
    static HWND MemoOf(HWND list) {
        const std::vector<HWND> memos = ChildWindows(list, L"VelkLogView");
        return memos.empty() ? nullptr : memos.front();
    }
    std::wstring LogAsMemo() const { return FromCodePage1250(LogToMemoText(run_.ReadFile(L"index.asc"))); }

    VelkRun run_;
};

TEST_F(LaunchList, ShowsTheLogLineByLineInOrderAndEnterClosesIt) {
    const std::string earlier = "w\xB3. 1.2.2000 o 7:8:9\r\nwy\xB3. 1.2.2000 o 9:0:0\r\nw\xB3. 2.2.2000 o 7:0:1\r\n";
    run_.WriteFile(L"index.asc", earlier);
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    HWND list = OpenList(panel);
    ASSERT_NE(list, nullptr);

    // The memo has no line end after its last line, this run's start.
    std::string thisStart = StartRecordLine(RecordedStart(run_));
    thisStart.resize(thisStart.size() - 2);
    EXPECT_EQ(WindowText(MemoOf(list)),
              L"wł. 1.2.2000 o 7:8:9\r\nwył. 1.2.2000 o 9:0:0\r\nwł. 2.2.2000 o 7:0:1\r\n" + FromCodePage1250(thisStart));
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 2000)) << "the default button";
    EXPECT_EQ(run_.ReadFile(L"index.asc").substr(0, earlier.size()), earlier);
}

TEST_F(LaunchList, ClearingEmptiesTheFileAndTheNextShowingIsEmptyWithoutError) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    HWND list = OpenList(panel);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(WindowText(MemoOf(list)), LogAsMemo());
    ASSERT_FALSE(WindowText(MemoOf(list)).empty());

    HWND clear = ChildWithText(list, L"&Wyczyść");
    ASSERT_NE(clear, nullptr);
    ClickAt(CentreOnScreen(clear));
    HWND box = run_.WaitForWindow(L"#32770", L"Informacja", 3000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Lista uruchomień wyczyszczona!");
    EXPECT_TRUE(run_.FileExists(L"index.asc"));
    EXPECT_EQ(run_.ReadFile(L"index.asc"), "");
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 2000)) << "the abort kind closes the window";

    ASSERT_EQ(OpenList(panel), list);
    EXPECT_EQ(run_.WaitForWindow(L"#32770", nullptr, 300), nullptr);
    EXPECT_EQ(WindowText(MemoOf(list)), L"");
    PressKeys({VK_MENU, 'O'});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 2000)) << "Alt+O is the OK button";
    EXPECT_TRUE(ParseLastStart(run_.ReadFile(L"ostatnio.asc")).has_value()) << "clearing leaves ostatnio.asc";
}

TEST_F(LaunchList, AMissingLogIsReportedThenTheWindowOpensAndClearingCreatesIt) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(DeleteFileW((run_.Folder() + L"index.asc").c_str()));
    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'L'});

    HWND box = run_.WaitForWindow(L"#32770", L"=VELK=", 3000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Cannot open file " + run_.Folder() + L"index.asc.");
    PressOk(box);
    HWND list = run_.WaitForWindow(L"Tf_lista", L"Lista uruchomień", 3000);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(WindowText(MemoOf(list)), L"");

    PressKeys({VK_MENU, 'W'});
    box = run_.WaitForWindow(L"#32770", L"Informacja", 3000);
    ASSERT_NE(box, nullptr);
    PressOk(box);
    EXPECT_TRUE(run_.FileExists(L"index.asc"));
    EXPECT_EQ(run_.ReadFile(L"index.asc"), "");
}

TEST_F(LaunchList, ALogThatCannotBeWrittenIsNotClearedAndTheFailureIsSaid) {
    HWND panel = StartPanel();
    ASSERT_NE(panel, nullptr);
    const std::string log = run_.ReadFile(L"index.asc");
    const test::HeldFile lock(run_.Folder() + L"index.asc", FILE_SHARE_READ);
    ASSERT_TRUE(lock.Held());
    HWND list = OpenList(panel);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(WindowText(MemoOf(list)), LogAsMemo());

    PressKeys({VK_MENU, 'W'});
    HWND box = run_.WaitForWindow(L"#32770", L"Błąd!", 3000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Nie mogę wyczyścić listy uruchomień!" +
                                       FileFailure(run_.Folder() + L"index.asc", ERROR_SHARING_VIOLATION));
    EXPECT_EQ(WindowText(MemoOf(list)), LogAsMemo()) << "the memo keeps the log";
    EXPECT_EQ(run_.WaitForWindow(L"#32770", L"Informacja", 0), nullptr);
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 2000));
    EXPECT_EQ(run_.ReadFile(L"index.asc"), log);
}

}  // namespace
}  // namespace velk::e2e
