// The launch log's steps and its two windows created in-process: a start
// recorded once per run, silent failures, the last-launch window's tick
// count, the launch list's loading.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form.h"
#include "win/text.h"
#include "core/launch_log.h"
#include "monitor/launch_steps.h"
#include "monitor/lista_form.h"
#include "monitor/monitor_form.h"
#include "ui/application.h"
#include "ui/form_layout.h"
#include "support/held_file.h"
#include "support/window_texts.h"
#include "win_test_support.h"

namespace velk {
namespace {

using test::BoxAnswerer;

// An empty folder of its own for the log files, removed with them.
class ScratchFolder {
public:
    ScratchFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        dir_ = std::wstring(temp) + L"velk-win-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(GetTickCount()) + L"\\";
        CreateDirectoryW(dir_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const wchar_t* name : {L"index.asc", L"ostatnio.asc"}) DeleteFileW(Path(name).c_str());
        RemoveDirectoryW(dir_.c_str());
    }
    const std::wstring& Dir() const { return dir_; }
    std::wstring Path(const wchar_t* name) const { return dir_ + name; }
    std::string Read(const wchar_t* name) const { return ReadWholeFile(Path(name)).value_or("(missing)"); }

private:
    std::wstring dir_;
};

class MonitorForms : public ::testing::Test {
protected:
    void SetUp() override {
        panel_.Monitoring.ProgramDir = folder_.Dir();
        ASSERT_TRUE(window_.Create());
    }
    bool Visible() const { return IsWindowVisible(window_.hwnd()) != FALSE; }
    std::vector<std::wstring> LabelTexts() const { return test::LabelTexts(window_.hwnd()); }
    // One tick of the window's one-second timer, as the timer sends it.
    void Tick() const { SendMessageW(window_.hwnd(), WM_TIMER, 1, 0); }

    ScratchFolder folder_;
    Final<Tf_main> panel_;
    Final<Tf_monitor> window_{panel_.Monitoring};
};

TEST_F(MonitorForms, AStartIsRecordedOncePerRun) {
    panel_.Monitoring.MonitorStarts = true;
    panel_.Monitoring.MonitorInfoWindow = true;
    RecordStart(panel_.Monitoring, window_);
    const std::string log = folder_.Read(L"index.asc");
    const std::string lastStart = folder_.Read(L"ostatnio.asc");
    ASSERT_TRUE(ParseLastStart(lastStart).has_value());
    EXPECT_EQ(LabelTexts().at(1), L"Brak danych");
    EXPECT_TRUE(Visible());

    // The panel shown again in the same run, as after a rebuild of its window.
    // An earlier start in ostatnio.asc: a second record would overwrite it
    // and show it, even within the same second.
    const std::string earlier = "1 2 2000 7 8 9\r\n";
    ASSERT_NE(lastStart, earlier);
    WriteWholeFile(folder_.Path(L"ostatnio.asc"), earlier);
    window_.Hide();
    RecordStart(panel_.Monitoring, window_);
    EXPECT_EQ(folder_.Read(L"index.asc"), log);
    EXPECT_EQ(folder_.Read(L"ostatnio.asc"), earlier);
    EXPECT_EQ(LabelTexts().at(1), L"Brak danych");
    EXPECT_FALSE(Visible());
}

TEST_F(MonitorForms, AStartIsRecordedWithoutItsWindowWhichShowsTheTextsWhenMadeLater) {
    panel_.Monitoring.MonitorStarts = panel_.Monitoring.MonitorInfoWindow = true;
    Final<Tf_monitor> unmade{panel_.Monitoring};
    RecordStart(panel_.Monitoring, unmade);
    EXPECT_TRUE(ParseLastStart(folder_.Read(L"ostatnio.asc")).has_value());
    ASSERT_TRUE(unmade.Create());
    EXPECT_EQ(test::LabelTexts(unmade.hwnd()).at(1), L"Brak danych");
}

TEST_F(MonitorForms, FilesThatCannotBeWrittenAreSkippedWithoutAWord) {
    WriteWholeFile(folder_.Path(L"index.asc"), "w\xB3. 1.2.2000 o 7:8:9\r\n");
    WriteWholeFile(folder_.Path(L"ostatnio.asc"), "1 2 2000 7 8 9\r\n");
    // Held open for reading only, as another program may hold them.
    const test::HeldFile lockLog(folder_.Path(L"index.asc"), FILE_SHARE_READ);
    const test::HeldFile lockLast(folder_.Path(L"ostatnio.asc"), FILE_SHARE_READ);
    ASSERT_TRUE(lockLog.Held() && lockLast.Held());
    panel_.Monitoring.MonitorStarts = true;
    panel_.Monitoring.MonitorInfoWindow = true;
    panel_.Monitoring.MonitorShutdowns = true;
    const auto nowText = [](const SYSTEMTIME& t) {
        return FromCp1250(WindowTimeText({t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond}));
    };
    SYSTEMTIME before, after;
    {
        BoxAnswerer answerer;
        GetLocalTime(&before);
        RecordStart(panel_.Monitoring, window_);
        GetLocalTime(&after);
        RecordShutdown(panel_.Monitoring);
        EXPECT_FALSE(answerer.Answered());
    }
    EXPECT_EQ(LabelTexts().at(1), L"1.2.2000 godzina 7:8:9");
    // The present time, read before or after the step (a second may pass).
    const std::wstring now = LabelTexts().at(3);
    EXPECT_TRUE(now == nowText(before) || now == nowText(after)) << ToCp1250(now);
    EXPECT_TRUE(Visible());
    EXPECT_EQ(folder_.Read(L"index.asc"), "w\xB3. 1.2.2000 o 7:8:9\r\n");
    EXPECT_EQ(folder_.Read(L"ostatnio.asc"), "1 2 2000 7 8 9\r\n");
}

TEST_F(MonitorForms, EachSwitchGuardsItsOwnStep) {
    panel_.Monitoring.MonitorInfoWindow = true;
    RecordStart(panel_.Monitoring, window_);
    RecordShutdown(panel_.Monitoring);
    EXPECT_EQ(folder_.Read(L"index.asc"), "(missing)");
    EXPECT_EQ(folder_.Read(L"ostatnio.asc"), "(missing)");
    EXPECT_EQ(LabelTexts().at(1), L"12.01.2000 o godzinie 13:24:12");
    EXPECT_FALSE(Visible());

    panel_.Monitoring.MonitorShutdowns = true;
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    RecordShutdown(panel_.Monitoring);
    GetLocalTime(&after);
    const std::string line = folder_.Read(L"index.asc");
    auto shutdownAt = [](const SYSTEMTIME& t) {
        return ShutdownRecordLine({t.wDay, t.wMonth, t.wYear, t.wHour, t.wMinute, t.wSecond});
    };
    EXPECT_TRUE(line == shutdownAt(before) || line == shutdownAt(after)) << line;
    EXPECT_EQ(folder_.Read(L"ostatnio.asc"), "(missing)") << "a shutdown never names the last start";
}

TEST_F(MonitorForms, TheWindowHidesAtTheTickThatEqualsThePanelsPresentSeconds) {
    panel_.Monitoring.MonitorInfoSeconds = 100;
    window_.Show();
    Tick();
    EXPECT_TRUE(Visible());
    // Read at every tick, not when shown: the second tick ends it.
    panel_.Monitoring.MonitorInfoSeconds = 2;
    Tick();
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(IsWindow(window_.hwnd()));
}

TEST_F(MonitorForms, ClosingOnlyHidesAndEachShowingCountsFromZero) {
    panel_.Monitoring.MonitorInfoSeconds = 2;
    window_.Show();
    Tick();
    window_.Close();
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(IsWindow(window_.hwnd()));
    window_.Show();
    Tick();  // the first of this showing
    EXPECT_TRUE(Visible());
    Tick();
    EXPECT_FALSE(Visible());
}

class LaunchListForm : public MonitorForms {
protected:
    void SetUp() override {
        MonitorForms::SetUp();
        ASSERT_TRUE(list_.Create());
        memo_ = FindWindowExW(list_.hwnd(), nullptr, L"VelkLogView", nullptr);
        ASSERT_NE(memo_, nullptr);
    }
    Final<Tf_lista> list_{panel_.Monitoring.ProgramDir};
    HWND memo_ = nullptr;
};

TEST_F(LaunchListForm, TheWholeLogIsLoadedAtEveryShowing) {
    std::string log;
    for (int i = 0; i < 5000; ++i) log += StartRecordLine({1 + i % 28, 1, 2000 + i, 8, 4, 9});
    WriteWholeFile(folder_.Path(L"index.asc"), log);
    list_.Show();
    const std::wstring text = ControlText(memo_);
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 4999) << "one line per record, none cut off";
    EXPECT_EQ(text.substr(text.rfind(L'\n') + 1), L"wł. 16.1.6999 o 8:4:9");
    list_.Hide();

    WriteWholeFile(folder_.Path(L"index.asc"), "wy\xB3. 1.2.2000 o 9:0:0");
    list_.Show();
    EXPECT_EQ(ControlText(memo_), L"wył. 1.2.2000 o 9:0:0");
}

// The object outlives Destroy(): created again, its window shows the log
// as the first one did.
TEST_F(LaunchListForm, AListCreatedAgainAfterDestroyShowsTheLog) {
    list_.Destroy();
    ASSERT_TRUE(list_.Create());
    memo_ = FindWindowExW(list_.hwnd(), nullptr, L"VelkLogView", nullptr);
    ASSERT_NE(memo_, nullptr);
    WriteWholeFile(folder_.Path(L"index.asc"), "wy\xB3. 1.2.2000 o 9:0:0");
    list_.Show();
    EXPECT_EQ(ControlText(memo_), L"wył. 1.2.2000 o 9:0:0");
}

}  // namespace
}  // namespace velk
