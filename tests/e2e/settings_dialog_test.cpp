// The settings dialog of the real program, driven from outside with real
// mouse and keyboard input: opening, cancelling, an unchanged save, a typed
// shortcut, a cancelled colour choice, a save that cannot be written.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "driver.h"
#include "support/find_control.h"
#include "settings/setup_ids.h"

namespace velk::e2e {
namespace {

// A control of the dialog, however deep in its pages and group boxes.
HWND Control(HWND dialog, int id) { return test::DescendantWithId(dialog, id); }

bool Checked(HWND dialog, int id) { return SendMessageW(Control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Ctrl+Tab until the control's page is in sight.
bool ShowPageOf(HWND dialog, int id) {
    for (int page = 0; page < 3 && !IsWindowVisible(Control(dialog, id)); ++page) PressKeys({VK_CONTROL, VK_TAB});
    return WaitUntil([&] { return IsWindowVisible(Control(dialog, id)) != FALSE; }, 2000);
}

SIZE ClientSize(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    return SIZE{client.right, client.bottom};
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        run_.WriteSettings(TestSettings());
        saved_ = run_.ReadFile(L"velk.ini");
        run_.Start();
        panel_ = run_.WaitForPanel();
        ASSERT_NE(panel_, nullptr);
    }
    // Ctrl+K on the panel, as a user opens it.
    HWND Open() {
        EXPECT_TRUE(FocusPanel(panel_));
        PressKeys({VK_CONTROL, 'K'});
        return run_.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    }
    bool Closed(HWND dialog) const {
        return WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000);
    }
    // A box or common dialog the program opened, other than the settings dialog.
    HWND WaitForBox(const wchar_t* title) const { return run_.WaitForWindow(L"#32770", title); }

    VelkRun run_;
    std::string saved_;
    HWND panel_ = nullptr;
};

TEST_F(SettingsDialog, OpensWithThePanelsPlaceAndCancelCloseAndAnUnchangedOkKeepTheFile) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(Control(dialog, kXEditId)), L"100");
    EXPECT_EQ(WindowText(Control(dialog, kYEditId)), L"50");

    ClickAt(CentreOnScreen(Control(dialog, kAnulujButtonId)));
    ASSERT_TRUE(Closed(dialog));
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved_);

    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ClickAt(CloseBoxOf(dialog));
    ASSERT_TRUE(Closed(dialog));
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved_);

    dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(Closed(dialog));
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved_) << "the panel stands where the file says: the same bytes";
}

TEST_F(SettingsDialog, AShortcutTypedIntoTheGridShowsOnThePanelAtOnce) {
    ASSERT_EQ(ClientSize(panel_).cy, 8) << "no slot used yet";
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    HWND grid = Control(dialog, kStringGrid1Id);
    ASSERT_NE(grid, nullptr);
    // Row 1, column 1 ("Tekst na pulpicie"): past the 20 pixels of the
    // numbers' column and the 18 of the header row.
    const RECT client = ClientRectOnScreen(grid);
    ClickAt(POINT{client.left + 20 + 30, client.top + 18 + 9});
    for (WORD key : {'N', 'O', 'T', 'E', 'S'}) PressKeys({key});
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(Closed(dialog));

    EXPECT_TRUE(WaitUntil([&] { return ClientSize(panel_).cy == 25; }, 3000)) << "slot 1 is used now";
    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_NE(file.find("\r\nnotes\r\n"), std::string::npos) << file.substr(0, 200);
}

TEST_F(SettingsDialog, ACancelledColourChoiceGoesBackToTheDesktopColour) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ShowPageOf(dialog, kTloColorId));
    ClickAt(CentreOnScreen(Control(dialog, kTloColorId)));
    HWND colours = WaitForBox(nullptr);
    ASSERT_NE(colours, nullptr) << "the colour dialog opened";
    PostMessageW(colours, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return Checked(dialog, kTloDesktopId); }, 3000));
    EXPECT_FALSE(Checked(dialog, kTloColorId));
    ClickAt(CentreOnScreen(Control(dialog, kAnulujButtonId)));
    ASSERT_TRUE(Closed(dialog));
}

TEST_F(SettingsDialog, ADoubleClickOnACommandCellPicksAFileAndCancelledPicturesGoBackToTheDesktopColour) {
    run_.WriteFile(L"program.exe", "MZ");
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const RECT grid = ClientRectOnScreen(Control(dialog, kStringGrid1Id));
    // Row 1 of "Polecenie": past the numbers (20) and the texts (118).
    const POINT command{grid.left + 20 + 118 + 40, grid.top + 18 + 9};
    ClickAt(command);
    ClickAt(command);  // the second click within the double-click time
    HWND files = WaitForBox(L"Wybierz plik do otwarcia...");
    ASSERT_NE(files, nullptr) << "the open dialog came with its title";
    // The file-name box of the open dialog, then its OK.
    const std::wstring chosen = run_.Folder() + L"program.exe";
    HWND name = test::DescendantWithId(files, 0x47C);  // cmb13, the name's combo box
    if (!name) name = test::DescendantWithId(files, 0x480);  // edt1, older dialogs
    ASSERT_NE(name, nullptr);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
    PostMessageW(files, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(files) || !IsWindowVisible(files); }, 5000));
    // A double click on a "Tekst na pulpicie" cell opens nothing.
    const POINT text{grid.left + 20 + 40, grid.top + 2 * 18 + 9};
    ClickAt(text);
    ClickAt(text);
    EXPECT_EQ(run_.WaitForWindow(L"#32770", nullptr, 1000), nullptr);

    ASSERT_TRUE(ShowPageOf(dialog, kTloStretchId));
    for (int item : {kTloStretchId, kTloTextureId}) {
        ClickAt(CentreOnScreen(Control(dialog, item)));
        HWND pictures = WaitForBox(L"Wybierz plik do otwarcia...");
        ASSERT_NE(pictures, nullptr) << item;
        PostMessageW(pictures, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return Checked(dialog, kTloDesktopId); }, 3000)) << item;
    }
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(Closed(dialog));
    const std::string file = run_.ReadFile(L"velk.ini");
    const std::string path(chosen.begin(), chosen.end());
    EXPECT_NE(file.find("\r\n" + path + "\r\n"), std::string::npos) << file.substr(0, 200);
}

// Presses the left button at one point and lets it go at another, moving
// between them as a hand does.
void DragMouse(POINT from, POINT to) {
    const auto input = [](POINT at, DWORD flags) {
        INPUT event{};
        event.type = INPUT_MOUSE;
        event.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        event.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        event.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
        return event;
    };
    std::vector<INPUT> events{input(from, MOUSEEVENTF_MOVE), input(from, MOUSEEVENTF_LEFTDOWN)};
    for (int step = 1; step <= 10; ++step)
        events.push_back(input({from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10},
                               MOUSEEVENTF_MOVE));
    events.push_back(input(to, MOUSEEVENTF_LEFTUP));
    for (INPUT& event : events) {
        SendInput(1, &event, sizeof event);
        Pause(20);  // a hand's pace: the system sees each step
    }
}

TEST(SettingsDialogPlace, ADraggedPanelsNewPlaceIsShownAndSavedByOk) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.Placement = 1;
    settings.Shortcuts[0] = {"Pierwszy", "", ""};
    run.WriteSettings(settings);
    run.Start();
    HWND panel = run.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    RECT window;
    GetWindowRect(panel, &window);
    const RECT client = ClientRectOnScreen(panel);
    const POINT caption{window.left + 30, (window.top + client.top) / 2};
    DragMouse(caption, {caption.x + 150, caption.y + 80});
    ASSERT_TRUE(WaitUntil([&] { GetWindowRect(panel, &window); return window.left == 250 && window.top == 130; }, 3000))
        << window.left << "," << window.top;

    ASSERT_TRUE(FocusPanel(panel));
    PressKeys({VK_CONTROL, 'K'});
    HWND dialog = run.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(Control(dialog, kXEditId)), L"250");
    EXPECT_EQ(WindowText(Control(dialog, kYEditId)), L"130");
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    EXPECT_NE(run.ReadFile(L"velk.ini").find("4\r\n1\r\n250\r\n130\r\n"), std::string::npos);
}

TEST_F(SettingsDialog, AChosenColourReachesTheFileAndThePanel) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ShowPageOf(dialog, kTloColorId));
    ClickAt(CentreOnScreen(Control(dialog, kTloColorId)));
    HWND colours = WaitForBox(nullptr);
    ASSERT_NE(colours, nullptr);
    // The colour dialog's red, green and blue boxes.
    const int values[] = {10, 200, 30};
    for (int box = 0; box < 3; ++box) {
        HWND edit = test::DescendantWithId(colours, 706 + box);
        ASSERT_NE(edit, nullptr) << box;
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(values[box]).c_str()));
    }
    PostMessageW(colours, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(colours) || !IsWindowVisible(colours); }, 5000));
    EXPECT_TRUE(Checked(dialog, kTloColorId));
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(Closed(dialog));
    const std::string chosen = "\r\n1\r\n" + std::to_string(RGB(10, 200, 30)) + "\r\n";
    EXPECT_NE(run_.ReadFile(L"velk.ini").find(chosen), std::string::npos);
    const RECT client = ClientRectOnScreen(panel_);
    EXPECT_TRUE(WaitUntil([&] { return CapturePixels({client.left + 2, client.top + 2, client.left + 3, client.top + 3})[0] ==
                                       RGB(10, 200, 30); }, 3000));
}

TEST_F(SettingsDialog, ASaveThatCannotBeWrittenKeepsTheFileWholeAndTheDialogOpen) {
    HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    const std::wstring path = run_.Folder() + L"velk.ini";
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    SendMessageW(Control(dialog, kXEditId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"300"));
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    HWND box = WaitForBox(L"Błąd!");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Nie mogę otworzyć pliku ustawień!");
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open with its edits";
    EXPECT_EQ(WindowText(Control(dialog, kXEditId)), L"300");
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved_);

    // Writable again: the same OK now saves.
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ClickAt(CentreOnScreen(Control(dialog, kOKButtonId)));
    ASSERT_TRUE(Closed(dialog));
    EXPECT_NE(run_.ReadFile(L"velk.ini").find("\r\n300\r\n"), std::string::npos);
    EXPECT_TRUE(WaitUntil([&] { RECT window; GetWindowRect(panel_, &window); return window.left == 300; }, 3000));
}

TEST(SettingsDialogMonitoring, TheListClosesTheDialogAfterItAndTheLastLaunchAtOnce) {
    VelkRun run;
    Settings settings = TestSettings();
    settings.MonitorStarts = true;
    run.WriteSettings(settings);
    run.WriteFile(L"index.asc", "w\xB3. 1.2.2000 o 7:8:9\r\n");
    run.Start();
    HWND panel = run.WaitForPanel();
    ASSERT_NE(panel, nullptr);
    const std::string saved = run.ReadFile(L"velk.ini");
    const auto open = [&] {
        EXPECT_TRUE(FocusPanel(panel));
        PressKeys({VK_CONTROL, 'K'});
        return run.WaitForWindow(L"Tf_setup", L"Ustawienia programu VELK");
    };

    HWND dialog = open();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ShowPageOf(dialog, kBtnListaId));
    ClickAt(CentreOnScreen(Control(dialog, kBtnListaId)));
    HWND list = run.WaitForWindow(L"Tf_lista", L"Lista uruchomień");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "open until the list closes";
    ClickAt(CentreOnScreen(ChildWithText(list, L"&OK")));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list) && !IsWindowVisible(dialog); }, 5000));
    EXPECT_EQ(run.ReadFile(L"velk.ini"), saved) << "nothing saved";

    dialog = open();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(ShowPageOf(dialog, kBtnLastId));
    ClickAt(CentreOnScreen(Control(dialog, kBtnLastId)));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    EXPECT_NE(run.WaitForWindow(L"Tf_monitor", nullptr), nullptr) << "the last-launch window stays open";
    EXPECT_EQ(run.ReadFile(L"velk.ini"), saved);
}

}  // namespace
}  // namespace velk::e2e
