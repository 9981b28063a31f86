// The settings dialog of the real program, worked from outside with the mouse
// and the keyboard as a user works it: opening and leaving without a change,
// shortcuts typed into the grid, the panel's place, the background choices
// with their dialogs, the monitoring tab, saves that cannot be made, Polish
// letters.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "driver.h"
#include "support/held_file.h"
#include "settings/setup_ids.h"

namespace velk::e2e {
namespace {

constexpr wchar_t kTitle[] = L"Ustawienia programu VELK";
constexpr wchar_t kOpenTitle[] = L"Wybierz plik do otwarcia...";
constexpr wchar_t kSaveFailed[] = L"Nie mogę otworzyć pliku ustawień!";
enum Tab { kShortcutsTab, kLookTab, kMonitoringTab };

// The grid's columns, each width holding its one-pixel grid line, and its rows.
constexpr int kColumnWidths[] = {20, 118, 297, 20};
constexpr int kRowHeight = 18;

// Line n (from 1) of a file of CR LF lines, without its line end.
std::string Line(const std::string& file, int n) {
    size_t start = 0;
    for (int line = 1; line < n; ++line) {
        start = file.find("\r\n", start);
        if (start == std::string::npos) return "<missing>";
        start += 2;
    }
    const size_t end = file.find("\r\n", start);
    return end == std::string::npos ? "<missing>" : file.substr(start, end - start);
}


// A cell of the unscrolled grid, on the screen.
RECT CellOnScreen(HWND grid, int column, int row) {
    const RECT client = ClientRectOnScreen(grid);
    int left = client.left;
    for (int before = 0; before < column; ++before) left += kColumnWidths[before];
    const int top = client.top + row * kRowHeight;
    return RECT{left, top, left + kColumnWidths[column], top + kRowHeight};
}

std::vector<HWND> Descendants(HWND parent, const wchar_t* className) {
    struct Query {
        const wchar_t* className;
        std::vector<HWND> found;
    } query{className, {}};
    EnumChildWindows(
        parent,
        [](HWND hwnd, LPARAM lParam) {
            auto* query = reinterpret_cast<Query*>(lParam);
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (_wcsicmp(name, query->className) == 0) query->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

int CountVisible(const std::vector<HWND>& windows) {
    int visible = 0;
    for (HWND hwnd : windows) visible += IsWindowVisible(hwnd) != FALSE;
    return visible;
}

// The icon control of a message box; Wine keeps it, empty, in a box without
// an icon.
HWND IconControlOf(HWND box) {
    for (HWND hwnd : Descendants(box, L"Static"))
        if ((GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return hwnd;
    return nullptr;
}

bool ShowsAnIcon(HWND box) {
    HWND control = IconControlOf(box);
    return control && SendMessageW(control, STM_GETICON, 0, 0) != 0;
}

// The error icon is a red disc; the warning and information icons have no red.
bool ShowsTheErrorIcon(HWND box) {
    if (!ShowsAnIcon(box)) return false;
    const RECT icon = ClientRectOnScreen(IconControlOf(box));
    return WaitUntil(
        [&] {
            int red = 0;
            for (COLORREF pixel : CapturePixels(icon))
                red += GetRValue(pixel) > 180 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90;
            return red > 40;
        },
        2000);
}

class SetupDialog : public ::testing::Test {
protected:
    HWND StartWith(const Settings& settings) {
        run_.WriteSettings(settings);
        run_.Start();
        panel_ = run_.WaitForPanel();
        return panel_;
    }
    // Ctrl+K on the panel, as a user opens the dialog.
    HWND Open() {
        dialog_ = nullptr;
        if (!FocusPanel(panel_)) return nullptr;
        PressKeys({VK_CONTROL, 'K'});
        dialog_ = run_.WaitForWindow(L"Tf_setup", kTitle);
        return dialog_;
    }
    // "&Konfiguracja" of the panel's popup menu.
    HWND OpenByMenu() {
        dialog_ = nullptr;
        const RECT client = ClientRectOnScreen(panel_);
        ClickAt(POINT{client.left + 3, client.bottom - 3}, true);
        if (!run_.WaitForWindow(L"#32768", nullptr, 3000)) return nullptr;
        PressKeys({'K'});
        dialog_ = run_.WaitForWindow(L"Tf_setup", kTitle);
        return dialog_;
    }
    bool Closed() const { return WaitUntil([&] { return !IsWindowVisible(dialog_); }, 5000); }

    HWND Control(int id) const { return DescendantWithId(dialog_, id); }
    bool Checked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Shown(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
    void Click(int id) const { ClickAt(CentreOnScreen(Control(id))); }

    bool ShowTab(int tab) const {
        HWND tabs = Control(kPageControlId);
        RECT item = TabItemRect(tabs, tab);
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&item), 2);
        ClickAt(CentreOf(item));
        return WaitUntil([&] { return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == tab; }, 2000);
    }
    HWND Grid() const { return Control(kStringGrid1Id); }
    HWND Editor() const {
        const std::vector<HWND> editors = ChildWindows(Grid(), L"Edit");
        return editors.empty() ? nullptr : editors.front();
    }
    // Clicks the cell; true once the in-place editor stands over it.
    bool SelectCell(int column, int row) const {
        const RECT cell = CellOnScreen(Grid(), column, row);
        ClickAt(POINT{cell.left + 6, (cell.top + cell.bottom) / 2});
        return WaitUntil(
            [&] {
                HWND editor = Editor();
                if (!editor || !IsWindowVisible(editor)) return false;
                const POINT middle = CentreOf(WindowRect(editor));
                return PtInRect(&cell, middle) && GetForegroundWindow() == dialog_;
            },
            2000);
    }
    std::wstring CellText(int column, int row) const {
        return SelectCell(column, row) ? WindowText(Editor()) : L"<no editor over the cell>";
    }
    // Clicks into the box, deletes what it holds and types the text.
    void TypeInto(int editId, const std::wstring& text) const {
        Click(editId);
        PressKeys({VK_END});
        PressKeys({VK_SHIFT, VK_HOME});
        PressKeys({VK_DELETE});
        TypeText(text);
    }
    HWND WaitForBox(const wchar_t* title) const { return run_.WaitForWindow(L"#32770", title, 5000); }
    HWND WaitForColourDialog() const {
        HWND dialog = nullptr;
        WaitUntil([&] { return (dialog = run_.WaitForWindow(L"#32770", nullptr, 0)) && IsColourDialog(dialog); },
                  5000);
        return dialog;
    }
    bool BoxClosed(HWND box) const { return WaitUntil([&] { return !IsWindowVisible(box); }, 3000); }

    VelkRun run_;
    HWND panel_ = nullptr;
    HWND dialog_ = nullptr;
};

Settings FullSettings() {
    Settings settings = TestSettings();
    settings.PosX = 5000;  // off the screen: the panel comes up elsewhere
    settings.PosY = 4000;
    settings.HoverHighlight = true;
    settings.MonitorInfoSeconds = "12abc";
    settings.Shortcuts[0] = {"Notatnik", "notepad.exe", "L"};
    settings.Shortcuts[1] = {"_NIC", "calc.exe", "P"};  // unused, yet its command is kept
    settings.Shortcuts[2] = {"_ZEGAR", "", "P"};
    settings.Shortcuts[3] = {"", "cmd.exe", "x"};
    settings.ActiveColor = 0x0000FF;
    settings.InactiveColor = 0x00FF00;
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = 0x203040;
    settings.MonitorShutdowns = true;
    return settings;
}

TEST_F(SetupDialog, OpensOnThePanelsPlaceAndLeavingWithoutAChangeKeepsTheFile) {
    Settings settings = FullSettings();
    ASSERT_NE(StartWith(settings), nullptr);
    const std::string saved = run_.ReadFile(L"velk.ini");
    const RECT panelAt = WindowRect(panel_);
    ASSERT_NE(panelAt.left, settings.PosX) << "the panel stands elsewhere than the file says";

    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ClientSize(dialog_).cx, 517);
    EXPECT_EQ(ClientSize(dialog_).cy, 230);
    const LONG style = GetWindowLongW(dialog_, GWL_STYLE);
    // The gradient bar draws the close button: the system draws none of its own.
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    HWND tabs = Control(kPageControlId);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(TabItemText(tabs, kShortcutsTab), L"Skróty");
    EXPECT_EQ(TabItemText(tabs, kLookTab), L"Wygląd");
    EXPECT_EQ(TabItemText(tabs, kMonitoringTab), L"Monitoring");
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), kShortcutsTab);
    EXPECT_EQ(CountVisible(Descendants(dialog_, L"VelkPage")), 1);
    const struct {
        int id;
        const wchar_t* caption;
    } buttons[] = {{kAnulujButtonId, L"&Anuluj"}, {kHelpButtonId, L"&Pomoc"}, {kOKButtonId, L"&OK"}};
    for (const auto& button : buttons) {
        EXPECT_EQ(WindowText(Control(button.id)), button.caption);
        EXPECT_EQ(GetWindowLongW(Control(button.id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << button.id;
    }
    EXPECT_EQ(CellText(1, 1), L"Notatnik");
    EXPECT_EQ(CellText(2, 2), L"calc.exe");
    EXPECT_EQ(CellText(3, 4), L"x");
    EXPECT_EQ(WindowText(Control(kXEditId)), std::to_wstring(panelAt.left));
    EXPECT_EQ(WindowText(Control(kYEditId)), std::to_wstring(panelAt.top));

    // Edits abandoned by "&Anuluj" are neither saved nor shown again.
    ASSERT_TRUE(SelectCell(1, 1));
    TypeText(L"Zmieniony");
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Editor()).find(L"Zmieniony") != std::wstring::npos; }, 2000));
    ASSERT_TRUE(ShowTab(kLookTab));
    EXPECT_EQ(CountVisible(Descendants(dialog_, L"VelkPage")), 1);
    TypeInto(kXEditId, L"777");
    ASSERT_EQ(WindowText(Control(kXEditId)), L"777");
    ASSERT_TRUE(Checked(kKolBoxId));
    Click(kKolBoxId);
    ASSERT_TRUE(WaitUntil([&] { return !Checked(kKolBoxId); }, 2000));
    Click(kAnulujButtonId);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);
    EXPECT_EQ(WindowRect(panel_).left, panelAt.left);

    ASSERT_NE(OpenByMenu(), nullptr);
    EXPECT_EQ(WindowText(Control(kXEditId)), std::to_wstring(panelAt.left));
    EXPECT_TRUE(Checked(kKolBoxId));
    ASSERT_TRUE(ShowTab(kShortcutsTab));
    EXPECT_EQ(CellText(1, 1), L"Notatnik");
    ClickAt(CloseBoxOf(dialog_));
    ASSERT_TRUE(Closed()) << "the close box";
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);

    // An unchanged OK writes the same file but for the panel's place.
    ASSERT_NE(Open(), nullptr);
    Click(kOKButtonId);
    ASSERT_TRUE(Closed());
    settings.PosX = panelAt.left;
    settings.PosY = panelAt.top;
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), FormatSettings(settings));
    EXPECT_EQ(WindowRect(panel_).left, panelAt.left);
    EXPECT_EQ(WindowRect(panel_).top, panelAt.top);
}

TEST_F(SetupDialog, ATypedShortcutShowsOnThePanelAtOnceAndADraggedPanelsPlaceIsSaved) {
    Settings settings = TestSettings();
    settings.Placement = PanelPlacement::ToolWindow;
    settings.PosX = 300;
    settings.PosY = 200;
    settings.BackgroundMode = BackgroundMode::OwnColor;
    settings.BackgroundColor = 0;  // white labels on black
    ASSERT_NE(StartWith(settings), nullptr);
    ASSERT_EQ(ClientSize(panel_).cy, 8) << "no slot used yet";

    // By the left of its caption, away from the close box.
    const RECT window = WindowRect(panel_);
    const RECT client = ClientRectOnScreen(panel_);
    const POINT caption{client.left + 20, (window.top + client.top) / 2};
    DragFromTo(caption, POINT{caption.x + 150, caption.y + 100});
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(panel_).left == 450 && WindowRect(panel_).top == 300; }, 3000))
        << WindowRect(panel_).left << "," << WindowRect(panel_).top;

    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(WindowText(Control(kXEditId)), L"450");
    EXPECT_EQ(WindowText(Control(kYEditId)), L"300");
    ASSERT_TRUE(SelectCell(1, 1));
    TypeText(L"Notatnik");
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Editor()) == L"Notatnik"; }, 2000));
    Click(kOKButtonId);
    ASSERT_TRUE(Closed());

    EXPECT_TRUE(WaitUntil([&] { return ClientSize(panel_).cy == 25; }, 3000)) << "slot 1 is used now";
    const RECT label = ClientRectOnScreen(panel_);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return CountColor(CapturePixels(RECT{label.left + 8, label.top + 8, label.right - 8, label.top + 22}),
                              RGB(255, 255, 255)) > 10;
        },
        3000))
        << "the label's text";
    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_EQ(Line(file, 3), "450");
    EXPECT_EQ(Line(file, 4), "300");
    EXPECT_EQ(Line(file, 10), "Notatnik");
    EXPECT_EQ(WindowRect(panel_).left, 450) << "the panel stays where it was dragged";
}

TEST_F(SetupDialog, ACancelledOrFailedBackgroundChoiceFallsBackAndAChosenColourReachesTheFileAndThePanel) {
    ASSERT_NE(StartWith(TestSettings()), nullptr);
    run_.WriteFile(L"zly.bmp", "BM this is no bitmap at all");
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(ShowTab(kLookTab));
    ASSERT_TRUE(Checked(kTloDesktopId));

    const struct {
        int item;
        bool colour;
    } choices[] = {{kTloColorId, true}, {kTloStretchId, false}, {kTloTextureId, false}};
    for (const auto& choice : choices) {
        SCOPED_TRACE(choice.item);
        Click(choice.item);
        HWND chooser = choice.colour ? WaitForColourDialog() : WaitForBox(kOpenTitle);
        ASSERT_NE(chooser, nullptr);
        ASSERT_TRUE(CancelCommonDialog(chooser));
        EXPECT_TRUE(WaitUntil([&] { return Checked(kTloDesktopId) && !Checked(choice.item); }, 3000));
    }

    // A picture that cannot be loaded is told, and the choice falls back.
    Click(kTloStretchId);
    HWND chooser = WaitForBox(kOpenTitle);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(ChooseFileInOpenDialog(chooser, run_.Folder() + L"zly.bmp"));
    HWND box = WaitForBox(L"=VELK=");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"Bitmap image is not valid.");
    EXPECT_TRUE(ShowsTheErrorIcon(box));
    PressOk(box);
    ASSERT_TRUE(BoxClosed(box));
    EXPECT_TRUE(WaitUntil([&] { return Checked(kTloDesktopId) && !Checked(kTloStretchId); }, 3000));

    const COLORREF chosen = RGB(12, 200, 34);
    Click(kTloColorId);
    chooser = WaitForColourDialog();
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(ChooseColourInColourDialog(chooser, chosen));
    EXPECT_TRUE(Checked(kTloColorId));
    const RECT preview = ClientRectOnScreen(Control(kDemoId));
    EXPECT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(preview), chosen) > 135 * 49 / 2; }, 3000))
        << "the preview shows the colour";
    Click(kOKButtonId);
    ASSERT_TRUE(Closed());

    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_EQ(Line(file, 72), "1");
    EXPECT_EQ(Line(file, 73), std::to_string(chosen));
    const RECT panel = ClientRectOnScreen(panel_);
    const int area = (panel.right - panel.left) * (panel.bottom - panel.top);
    EXPECT_TRUE(WaitUntil([&] { return CountColor(CapturePixels(panel), chosen) == area; }, 3000))
        << "the panel, without labels, is the colour";
    // Reopened, what Windows sends when the chosen item gets the focus opens no picker.
    ASSERT_NE(Open(), nullptr);
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(kTloColorId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(kTloColorId)));
    ASSERT_TRUE(run_.Settled());
    EXPECT_EQ(run_.AnyDialog(), nullptr);
    EXPECT_TRUE(Checked(kTloColorId));
}

TEST_F(SetupDialog, ADoubleClickOnACommandCellChoosesAFileAndOnATextCellDoesNothing) {
    Settings settings = TestSettings();
    settings.Shortcuts[1] = {"Drugi", "notepad.exe", ""};
    ASSERT_NE(StartWith(settings), nullptr);
    // A name that code page 1250 cannot hold: stored by the system's short name.
    run_.WriteFile(L"Блокнот.txt", "notatki\r\n");
    const std::wstring chosenPath = run_.Folder() + L"Блокнот.txt";
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_GT(GetShortPathNameW(chosenPath.c_str(), shortPath, MAX_PATH), 0u);  // Wine makes one for every file
    ASSERT_NE(Open(), nullptr);

    // The text and "$" cells first: had either opened the file dialog, it
    // would hold the focus and the next cell could not be selected.
    for (const int column : {1, 3}) {
        ASSERT_TRUE(SelectCell(column, 2)) << column;
        DoubleClickAt(CentreOf(CellOnScreen(Grid(), column, 2)));
    }
    ASSERT_TRUE(SelectCell(2, 1));
    DoubleClickAt(CentreOf(CellOnScreen(Grid(), 2, 1)));
    HWND chooser = WaitForBox(kOpenTitle);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(ChooseFileInOpenDialog(chooser, chosenPath));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(Editor()) == shortPath; }, 2000)) << "the cell shows the name";

    // Cancelled, the cell keeps its command.
    ASSERT_TRUE(SelectCell(2, 2));
    DoubleClickAt(CentreOf(CellOnScreen(Grid(), 2, 2)));
    chooser = WaitForBox(kOpenTitle);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(CancelCommonDialog(chooser));

    Click(kOKButtonId);
    ASSERT_TRUE(Closed());
    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_EQ(Line(file, 10), "");
    EXPECT_EQ(FromCodePage1250(Line(file, 11)), shortPath);
    EXPECT_EQ(Line(file, 13), "Drugi");
    EXPECT_EQ(Line(file, 14), "notepad.exe");
    EXPECT_EQ(Line(file, 15), "");
}

TEST_F(SetupDialog, TheMonitoringTabHidesItsInfoBoxesAndItsButtonsCloseTheDialogWithoutSaving) {
    Settings settings = TestSettings();
    settings.MonitorStarts = true;
    settings.MonitorInfoSeconds = "10";
    ASSERT_NE(StartWith(settings), nullptr);
    // The start record is written at showing; the file checks come after it.
    ASSERT_TRUE(WaitUntil([&] { return run_.FileExists(L"ostatnio.asc"); }, 3000));
    const std::string saved = run_.ReadFile(L"velk.ini");
    const int infoControls[] = {kMonitWindowOnBoxId, kMLab1Id, kMLab2Id, kMonitSekEditId};

    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(ShowTab(kMonitoringTab));
    EXPECT_TRUE(Checked(kMonitOnBoxId));
    for (int id : infoControls) EXPECT_TRUE(Shown(id)) << id;
    Click(kMonitWindowOnBoxId);
    ASSERT_TRUE(WaitUntil([&] { return Checked(kMonitWindowOnBoxId); }, 2000));
    Click(kMonitOnBoxId);
    EXPECT_TRUE(WaitUntil([&] { return !Checked(kMonitOnBoxId) && !Checked(kMonitWindowOnBoxId); }, 2000));
    for (int id : infoControls) EXPECT_FALSE(Shown(id)) << id;
    Click(kMonitOnBoxId);
    EXPECT_TRUE(WaitUntil([&] { return Shown(kMonitWindowOnBoxId); }, 2000));
    for (int id : infoControls) EXPECT_TRUE(Shown(id)) << id;
    EXPECT_FALSE(Checked(kMonitWindowOnBoxId)) << "shown again, unticked";

    Click(kBtnListaId);
    HWND list = run_.WaitForWindow(L"Tf_lista", L"Lista uruchomień");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog_)) << "the dialog waits for the list";
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(list); }, 3000));
    ASSERT_TRUE(Closed()) << "and closes with it";
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);

    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(ShowTab(kMonitoringTab));
    Click(kMonitOnOffBoxId);
    Click(kBtnLastId);
    ASSERT_TRUE(Closed());
    HWND lastLaunch = run_.WaitForWindow(L"Tf_monitor", nullptr);
    ASSERT_NE(lastLaunch, nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog_)) << "the last-launch window stays open alone";
    EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);
}

TEST_F(SetupDialog, ASaveThatCannotBeMadeOrABadPlaceKeepsTheFileWholeAndTheDialogOpen) {
    ASSERT_NE(StartWith(TestSettings()), nullptr);
    const std::string saved = run_.ReadFile(L"velk.ini");
    const std::set<std::wstring> files = FilesIn(run_.Folder());
    const std::wstring path = run_.Folder() + L"velk.ini";
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(ShowTab(kLookTab));
    TypeInto(kXEditId, L"300");
    ASSERT_EQ(WindowText(Control(kXEditId)), L"300");

    const auto expectRefusedWhole = [&](const char* why, DWORD error) {
        SCOPED_TRACE(why);
        Click(kOKButtonId);
        HWND box = WaitForBox(L"Błąd!");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), kSaveFailed + FileFailure(path, error)) << "the file and the reason";
        EXPECT_FALSE(ShowsAnIcon(box)) << "a plain box";
        PressOk(box);
        ASSERT_TRUE(BoxClosed(box));
        ASSERT_TRUE(run_.Settled()) << "what followed the box is done";
        EXPECT_TRUE(IsWindowVisible(dialog_)) << "the dialog stays open with its edits";
        EXPECT_EQ(WindowText(Control(kXEditId)), L"300");
        EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);
        EXPECT_EQ(FilesIn(run_.Folder()), files) << "no temporary file is left";
    };
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    expectRefusedWhole("read-only", ERROR_ACCESS_DENIED);
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    {
        // Open in another program that lets others read and write it: the
        // save cannot put a new file in its place.
        const test::HeldFile reader(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_TRUE(reader.Held());
        expectRefusedWhole("open in another program", ERROR_SHARING_VIOLATION);
    }

    // A place that is no whole number is refused before anything is written.
    const struct {
        int box;
        const wchar_t* text;
    } badPlaces[] = {{kXEditId, L"12a"}, {kYEditId, L""}};
    for (const auto& bad : badPlaces) {
        SCOPED_TRACE(testing::Message() << bad.box);
        TypeInto(kXEditId, L"300");
        TypeInto(bad.box, bad.text);
        ASSERT_EQ(WindowText(Control(bad.box)), bad.text);
        Click(kOKButtonId);
        HWND box = WaitForBox(L"=VELK=");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), L"'" + std::wstring(bad.text) + L"' is not a valid integer value.");
        EXPECT_TRUE(ShowsTheErrorIcon(box));
        PressOk(box);
        ASSERT_TRUE(BoxClosed(box));
        ASSERT_TRUE(run_.Settled());
        EXPECT_TRUE(IsWindowVisible(dialog_));
        EXPECT_EQ(WindowText(Control(bad.box)), bad.text);
        EXPECT_EQ(run_.ReadFile(L"velk.ini"), saved);
    }

    TypeInto(kYEditId, L"60");
    Click(kOKButtonId);
    ASSERT_TRUE(Closed()) << "writable again, the same dialog saves";
    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_EQ(Line(file, 3), "300");
    EXPECT_EQ(Line(file, 4), "60");
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(panel_).left == 300 && WindowRect(panel_).top == 60; }, 3000));
}

TEST_F(SetupDialog, PolishLettersAreSavedInCodePage1250AndReadBackAlike) {
    ASSERT_NE(StartWith(TestSettings()), nullptr);
    const std::wstring text = L"Zażółć gęślą jaźń";
    const std::wstring command = L"C:\\Łódź\\Ćma ŚĘ.exe";
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(SelectCell(1, 1));
    TypeText(text);
    ASSERT_TRUE(SelectCell(2, 1));
    TypeText(command);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Editor()) == command; }, 2000));
    Click(kOKButtonId);
    ASSERT_TRUE(Closed());

    const std::string file = run_.ReadFile(L"velk.ini");
    EXPECT_EQ(Line(file, 10), "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1");
    EXPECT_EQ(Line(file, 11), "C:\\\xA3\xF3" "d\x9F\\\xC6ma \x8C\xCA.exe");
    EXPECT_TRUE(WaitUntil([&] { return ClientSize(panel_).cy == 25; }, 3000));

    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(CellText(1, 1), text);
    EXPECT_EQ(CellText(2, 1), command);
}

}  // namespace
}  // namespace velk::e2e
