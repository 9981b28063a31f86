// The panel created in-process: what LoadSettings does to its labels, size,
// menu and members, the clock, hover colouring.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "app/main_form.h"
#include "app/panel_text.h"
#include "win/file_io.h"
#include "win/text.h"
#include "ui/application.h"
#include "win_test_support.h"

namespace velk {
namespace {

using test::BoxAnswerer;
using test::ScratchSettings;

// The slots given fill the first ones, in order.
Settings BaseSettings(std::initializer_list<ShortcutEntry> slots = {}) {
    Settings settings;
    settings.MonitorInfoSeconds = "10";
    settings.ActiveColor = 0x0000FF;
    settings.InactiveColor = 0x00FF00;
    std::copy(slots.begin(), slots.end(), settings.Shortcuts.begin());
    return settings;
}

class PanelTest : public ::testing::Test {
protected:

    void Create(const Settings& settings) {
        file_.Write(settings);
        ASSERT_TRUE(panel_.Create());
    }
    const PanelLabel& Label(int slot) const { return panel_.Labels()[slot - 1]; }
    SIZE ClientSize() const {
        RECT client;
        GetClientRect(panel_.hwnd(), &client);
        return SIZE{client.right, client.bottom};
    }
    bool MonitoringEnabled() const {
        return !(GetMenuState(panel_.PopupMenuHandle(), 4, MF_BYPOSITION) & MF_GRAYED);
    }
    void MoveOver(POINT client) {
        SendMessageW(panel_.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    }

    ScratchSettings file_;
    Tf_main panel_;
};

TEST_F(PanelTest, SlotsBecomeLabelsWithTheirTextsCommandsAndAlignment) {
    Settings settings = BaseSettings({
        {"Notatnik", "notepad.exe", "L"},
        {"Dysk \xB3\xF3\xBF", "C:\\", "P"},  // "Dysk łóż"
        {"_ZEGAR", "ignored", "L"},
        {"", "notepad.exe", "L"},
        {"_nic", "", "l"},
        {"_DATA", "", ""},
    });
    Create(settings);

    EXPECT_TRUE(Label(1).View.Visible);
    EXPECT_EQ(Label(1).View.Caption, L"Notatnik");
    EXPECT_EQ(Label(1).Command, "notepad.exe");
    EXPECT_EQ(Label(1).View.Align, Alignment::Left);
    EXPECT_EQ(Label(2).View.Caption, L"Dysk łóż");
    EXPECT_EQ(Label(2).View.Align, Alignment::Right);
    EXPECT_TRUE(Label(3).View.Visible);
    EXPECT_EQ(Label(3).Command, "_ZEGAR");
    EXPECT_EQ(Label(3).View.Align, Alignment::Centre);
    EXPECT_FALSE(Label(4).View.Visible);
    EXPECT_EQ(Label(4).Command, "");
    EXPECT_EQ(Label(5).View.Caption, L"_nic");
    EXPECT_EQ(Label(5).View.Align, Alignment::Centre);
    EXPECT_EQ(Label(6).Command, "_DATA");
    EXPECT_EQ(ClientSize().cx, 130);
    EXPECT_EQ(ClientSize().cy, kLabelTops[6]);
    EXPECT_EQ(Label(1).View.Bounds.top, 8);
    EXPECT_EQ(Label(20).View.Bounds.top, 338);
    EXPECT_EQ(Label(20).View.Bounds.right - Label(20).View.Bounds.left, 115);
}

TEST_F(PanelTest, AMoveToAMonitorOfAnotherDpiScalesThePanelAndKeepsItsCorner) {
    Settings settings = BaseSettings({{"Jeden", "a", "L"}, {"Dwa", "b", "L"}});
    settings.Placement = PanelPlacement::ToolWindow;
    settings.PosX = 100;
    settings.PosY = 50;
    Create(settings);
    const auto moveTo = [&](int dpi) {
        // The rectangle the system suggests lies elsewhere; the panel stays.
        RECT suggested{400, 300, 400 + 195, 300 + 90};
        SendMessageW(panel_.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    };
    moveTo(144);
    EXPECT_EQ(panel_.Dpi(), 144);
    EXPECT_EQ(ClientSize().cx, 195);
    EXPECT_EQ(ClientSize().cy, 65);
    EXPECT_EQ(panel_.Position().x, 100);
    EXPECT_EQ(panel_.Position().y, 50);
    const RECT second = Label(2).View.Bounds;
    EXPECT_EQ(second.left, 12);
    EXPECT_EQ(second.top, 38);
    EXPECT_EQ(second.right, 185);
    EXPECT_EQ(second.bottom, 59);
    moveTo(96);
    EXPECT_EQ(ClientSize().cx, 130);
    EXPECT_EQ(ClientSize().cy, 43);
    EXPECT_EQ(Label(2).View.Bounds.top, 25);
    EXPECT_EQ(panel_.Position().x, 100);
}

TEST_F(PanelTest, TheClockAndDateAreWrittenByTheTimerAndOnlyTheLastClockSlotTicks) {
    Settings settings = BaseSettings({
        {"_ZEGAR", "", ""},
        {"_ZEGAR", "", ""},
        {"_DATA", "", ""},
    });
    settings.ClockSeconds = true;
    Create(settings);
    EXPECT_EQ(Label(2).View.Caption, L"") << "blank until the first tick";

    // The tick, sent as the timer sends it, between two readings of the
    // time: the texts match one of them also across a second, an hour or a
    // day boundary.
    const auto texts = [](const SYSTEMTIME& t, bool seconds) {
        return std::pair{FromCp1250(ClockText(t.wHour, t.wMinute, t.wSecond, seconds)),
                         FromCp1250(DateText(t.wDay, t.wMonth, t.wYear))};
    };
    const auto tick = [&](bool seconds) {
        SYSTEMTIME before, after;
        GetLocalTime(&before);
        SendMessageW(panel_.hwnd(), WM_TIMER, 1, 0);
        GetLocalTime(&after);
        const std::pair shown{Label(2).View.Caption, Label(3).View.Caption};
        EXPECT_TRUE(shown == texts(before, seconds) || shown == texts(after, seconds))
            << ToCp1250(shown.first) << " / " << ToCp1250(shown.second);
    };
    tick(true);
    EXPECT_EQ(Label(1).View.Caption, L"") << "only the last clock slot ticks";
    EXPECT_EQ(std::count(Label(2).View.Caption.begin(), Label(2).View.Caption.end(), L':'), 2);

    // A reload without seconds drops them at the next tick.
    settings.ClockSeconds = false;
    file_.Write(settings);
    panel_.LoadSettings();
    tick(false);
    EXPECT_EQ(std::count(Label(2).View.Caption.begin(), Label(2).View.Caption.end(), L':'), 1);
}

TEST_F(PanelTest, MonitoringFlagsAndTheMonitoringMenu) {
    Settings settings = BaseSettings();
    settings.MonitorStarts = true;
    settings.MonitorInfoWindow = true;
    settings.MonitorInfoSeconds = "12abc";
    settings.MonitorShutdowns = true;
    Create(settings);
    EXPECT_TRUE(panel_.Monitoring.MonitorStarts);
    EXPECT_TRUE(panel_.Monitoring.MonitorInfoWindow);
    EXPECT_TRUE(panel_.Monitoring.MonitorShutdowns);
    EXPECT_EQ(panel_.Monitoring.MonitorInfoSeconds, 12);
    EXPECT_TRUE(MonitoringEnabled());

    settings.MonitorStarts = false;
    settings.MonitorInfoSeconds = "";
    file_.Write(settings);
    panel_.LoadSettings();
    EXPECT_FALSE(panel_.Monitoring.MonitorStarts);
    EXPECT_EQ(panel_.Monitoring.MonitorInfoSeconds, 0);
    EXPECT_FALSE(MonitoringEnabled());

    // Only the number 1 switches shutdown monitoring on.
    std::string bytes = FormatSettings(settings);
    bytes.replace(bytes.size() - 3, 3, "2\r\n");
    file_.WriteBytes(bytes);
    panel_.LoadSettings();
    EXPECT_FALSE(panel_.Monitoring.MonitorShutdowns);
}

TEST_F(PanelTest, AFileThatCannotBeOpenedIsReportedAndStopsTheLoadAfterItsReset) {
    Settings settings = BaseSettings({
        {"_ZEGAR", "", ""},
        {"Notatnik", "notepad.exe", "L"},
    });
    settings.MonitorStarts = true;
    settings.MonitorInfoSeconds = "30";
    Create(settings);
    SendMessageW(panel_.hwnd(), WM_TIMER, 1, 0);
    const std::wstring clockBefore = Label(1).View.Caption;
    ASSERT_FALSE(clockBefore.empty());

    file_.Remove();
    {
        BoxAnswerer answerer;
        panel_.LoadSettings();
        ASSERT_TRUE(answerer.Answered());
        EXPECT_EQ(answerer.Title(), L"Błąd!");
        EXPECT_EQ(answerer.Text(), L"Nie mogę otworzyć pliku ustawień " + file_.Path() + L" !");
    }
    EXPECT_FALSE(panel_.Monitoring.MonitorStarts);
    EXPECT_EQ(panel_.Monitoring.MonitorInfoSeconds, 10);
    EXPECT_TRUE(MonitoringEnabled()) << "the menu keeps its state";
    EXPECT_EQ(Label(2).View.Caption, L"Notatnik") << "labels keep theirs";
    // The clock stops: its timer is gone, and a late tick writes nothing.
    EXPECT_FALSE(KillTimer(panel_.hwnd(), 1));
    SendMessageW(panel_.hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(Label(1).View.Caption, clockBefore);
}

TEST_F(PanelTest, HoverColouringFollowsThePointer) {
    Settings settings = BaseSettings({
        {"Pierwszy", "a.exe", "L"},
        {"_ZEGAR", "", ""},
        {"Trzeci", "_DATA", "L"},
    });
    settings.HoverHighlight = true;
    Create(settings);
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_EQ(Label(1).View.Color, white) << "the first load leaves the design colour";

    MoveOver(POINT{20, 12});
    EXPECT_EQ(Label(1).View.Color, red);
    EXPECT_EQ(Label(2).View.Color, green);
    // Straight onto the clock: the first label stays active.
    MoveOver(POINT{20, 29});
    EXPECT_EQ(Label(1).View.Color, red);
    // A shortcut whose command is a clock marker is never highlighted.
    MoveOver(POINT{20, 47});
    EXPECT_EQ(Label(3).View.Color, green);
    EXPECT_EQ(Label(1).View.Color, red);
    // The background resets every label.
    MoveOver(POINT{125, 4});
    for (const PanelLabel& label : panel_.Labels()) EXPECT_EQ(label.View.Color, green);
}

TEST_F(PanelTest, WithoutHoverEveryLoadGivesTheInactiveColourAndMovesChangeNothing) {
    Settings settings = BaseSettings({{"Pierwszy", "a.exe", "L"}});
    Create(settings);
    for (const PanelLabel& label : panel_.Labels()) EXPECT_EQ(label.View.Color, RGB(0, 255, 0));
    MoveOver(POINT{20, 12});
    EXPECT_EQ(Label(1).View.Color, RGB(0, 255, 0));
}

TEST_F(PanelTest, PlacementChangesTheFrameAndKeepsTheClientWidth) {
    Settings settings = BaseSettings();
    settings.Placement = PanelPlacement::ToolWindow;
    settings.PosX = 210;
    settings.PosY = 33;
    settings.Shortcuts[19] = {"Ostatni", "", ""};
    Create(settings);
    EXPECT_NE(GetWindowLongW(panel_.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(panel_.Position().x, 210);
    EXPECT_EQ(panel_.Position().y, 33);

    settings.Placement = PanelPlacement::FixedPanel;
    file_.Write(settings);
    panel_.LoadSettings();
    EXPECT_EQ(GetWindowLongW(panel_.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(ClientSize().cx, 130);
    EXPECT_EQ(ClientSize().cy, 362);

    EnableWindow(panel_.hwnd(), FALSE);  // as the settings dialog's modal loop does: a load keeps it so
    for (const auto placement : {PanelPlacement::FixedPanel, PanelPlacement::ToolWindow, PanelPlacement::FixedPanel}) {
        settings.Placement = placement;
        file_.Write(settings);
        panel_.LoadSettings();
        EXPECT_FALSE(IsWindowEnabled(panel_.hwnd()));
    }
    EnableWindow(panel_.hwnd(), TRUE);

    // Any other value leaves the frame as it is.
    settings.Placement = PanelPlacement{7};
    file_.Write(settings);
    panel_.LoadSettings();
    EXPECT_EQ(GetWindowLongW(panel_.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(ClientSize().cx, 130);
}

TEST_F(PanelTest, DroppedFilesFillUnusedSlotsFromTheirLineAndAreSavedAtOnce) {
    Settings settings = BaseSettings();
    for (ShortcutEntry& slot : settings.Shortcuts) slot = {"x", "x.exe", ""};
    settings.Shortcuts[1].Text = settings.Shortcuts[3].Text = "";
    Create(settings);
    EXPECT_NE(GetWindowLongW(panel_.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0) << "borderless, it still takes files";
    SetWindowPos(panel_.hwnd(), nullptr, 150, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Three files on line 3; the file after them is what drop() gives.
    const auto drop = [&](const std::wstring& box) {
        test::BoxAnswerer answerer;
        SendMessageW(panel_.hwnd(), WM_DROPFILES,
                     test::DropOf({20, 45}, {L"C:\\Gry\\Łódź.exe", L"C:\\Menu\\Notatnik.lnk", L"C:\\x.txt"}), 0);
        EXPECT_EQ(answerer.Opened() ? answerer.Title() + L" " + answerer.Text() : L"", box);
        return ReadWholeFile(file_.Path()).value_or("");
    };
    // Line 4, then from the top line 2; the third finds no room. The place is the panel's.
    const std::string written = drop(L"Informacja Brak wolnych wierszy. Nie dodano plików: 1.");
    settings.PosX = 150, settings.PosY = 60;
    settings.Shortcuts[3] = {"\xA3\xF3\x64\x9F.exe", "C:\\Gry\\\xA3\xF3\x64\x9F.exe", "L"};  // "Łódź"
    settings.Shortcuts[1] = {"Notatnik", "C:\\Menu\\Notatnik.lnk", "L"};
    EXPECT_EQ(written, FormatSettings(settings));
    EXPECT_EQ(Label(4).View.Caption, L"Łódź.exe") << "loaded at once";
    // Nothing is written: with no room; while disabled, as under the settings
    // dialog; after a load that could not read the file, even once it is back.
    settings.PosX = 7;
    const auto expectKept = [&](const std::wstring& box) {
        file_.Write(settings);
        EXPECT_EQ(drop(box), FormatSettings(settings));
    };
    expectKept(L"Informacja Brak wolnych wierszy. Nie dodano plików: 3.");
    settings.Shortcuts[1].Text = "";
    EnableWindow(panel_.hwnd(), FALSE);
    expectKept(L"");
    EnableWindow(panel_.hwnd(), TRUE);
    file_.Remove();
    {
        test::BoxAnswerer answerer;
        panel_.LoadSettings();
    }
    expectKept(L"Błąd! Nie mogę otworzyć pliku ustawień " + file_.Path() + L" !");
}

TEST_F(PanelTest, AShortFileReadsAsZerosAndEmptyTexts) {
    file_.WriteBytes("4\r\n");
    ASSERT_TRUE(panel_.Create());
    EXPECT_EQ(GetWindowLongW(panel_.hwnd(), GWL_STYLE) & WS_CAPTION, 0) << "placement 0";
    EXPECT_EQ(panel_.Monitoring.MonitorInfoSeconds, 0);
    EXPECT_EQ(ClientSize().cy, 8);
    for (const PanelLabel& label : panel_.Labels()) {
        EXPECT_FALSE(label.View.Visible);
        EXPECT_EQ(label.View.Color, RGB(0, 0, 0));
    }
}

}  // namespace
}  // namespace velk
