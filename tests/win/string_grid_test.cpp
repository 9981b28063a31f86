// The string grid in a form of its own, laid out as the settings dialog's
// StringGrid1 (4 x 21 cells, 20/118/297/20 pixels wide, rows of 18, in a
// 481 x 137 box) between an edit box and a button, so Tab can leave it both
// ways. Every input passes the program's own dispatch, the form's dialog
// keys included, and each check waits for the queue to be empty or for its
// condition, never for a fixed time.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/application.h"
#include "ui/dialog_keys.h"
#include "win/fonts.h"
#include "ui/form.h"
#include "win/handles.h"
#include "win/object_count.h"
#include "ui/string_grid.h"
#include "support/pump_messages.h"
#include "support/wait_until.h"

namespace velk {
namespace {

StringGridArgs SettingsGridArgs(HFONT font) {
    StringGridArgs args;
    args.id = 110;
    args.bounds = RECT{8, 36, 8 + 481, 36 + 137};
    args.columnWidths = {20, 118, 297, 20};
    args.font = font;
    return args;
}

// The grid straight on the form, or on a page of its own (a child window
// with WS_EX_CONTROLPARENT, as the settings dialog's tab pages are) with the
// edit box, the button staying on the form.
class GridForm : public Form {
public:
    explicit GridForm(bool onPage) : onPage_(onPage) {}
    bool Create() override {
        FormArgs args;
        args.className = L"VelkStringGridTest";
        args.caption = L"Siatka";
        args.left = 200;
        args.top = 200;
        args.clientWidth = 500;
        args.clientHeight = 220;
        if (!Form::Create(args)) return false;
        font_ = MakeFont(11, FW_NORMAL, false, EASTEUROPE_CHARSET, L"Arial");
        HWND parent = hwnd();
        if (onPage_) {
            parent = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 500, 180, hwnd(),
                                     nullptr, nullptr, nullptr);
            if (!parent) return false;
        }
        before = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 8, 200, 22,
                                 parent, nullptr, nullptr, nullptr);
        if (!before || !grid.Create(parent, SettingsGridArgs(font_.get()))) return false;
        after = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 8, 184, 75,
                                25, hwnd(), reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
        return after != nullptr;
    }
    HFONT FontHandle() const { return font_.get(); }

    HWND before = nullptr;
    StringGrid grid;
    HWND after = nullptr;
    std::vector<int> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (keys_.Handle(hwnd(), message, wParam, lParam, &result)) return result;
        if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }

private:
    bool onPage_;
    Font font_;
    DialogKeys keys_{IDOK};
};

void Drain() { test::DispatchPending(); }

// Pumps until the condition holds or two seconds have passed.
template <typename Condition>
bool WaitFor(Condition condition) {
    return test::PumpUntil(condition, 2000);
}

// The thread's key state with Shift or Ctrl held, for the keys posted while
// it lasts.
class HeldKeys {
public:
    HeldKeys(bool shift, bool control) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        if (shift) state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
        if (control) state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }

POINT Centre(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

class StringGridTest : public ::testing::Test {
protected:
    explicit StringGridTest(bool onPage = false) : form_(onPage) {}
    void SetUp() override {
        ASSERT_TRUE(form_.Create());
        form_.Show();
        SetForegroundWindow(form_.hwnd());
        SetFocus(grid().hwnd());
        ASSERT_TRUE(WaitFor([&] { return GetFocus() == grid().Editor(); })) << "the grid hands the focus to its editor";
    }

    StringGrid& grid() { return form_.grid; }
    HWND editor() { return form_.grid.Editor(); }

    // A key as the keyboard brings it: posted to the focused window and
    // dispatched through the form's dialog keys.
    void Key(WPARAM key, bool shift = false, bool control = false) {
        const HeldKeys held(shift, control);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        Drain();
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Drain();
    }
    void Type(const std::wstring& text) {
        for (wchar_t c : text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
        Drain();
    }
    std::wstring EditorText() {
        wchar_t buffer[256] = {};
        GetWindowTextW(editor(), buffer, 256);
        return buffer;
    }
    // Where the editor lies in the grid's client area.
    RECT EditorBounds() {
        RECT bounds;
        GetWindowRect(editor(), &bounds);
        MapWindowPoints(nullptr, grid().hwnd(), reinterpret_cast<POINT*>(&bounds), 2);
        return bounds;
    }
    bool EditorOn(int column, int row) {
        RECT cell = grid().CellBounds(column, row);
        RECT editorBounds = EditorBounds();
        RECT both;
        return IsWindowVisible(editor()) && IntersectRect(&both, &cell, &editorBounds) &&
               EqualRect(&both, &editorBounds);
    }
    void Click(UINT down, POINT point, WPARAM keys = 0) {
        SendMessageW(grid().hwnd(), down, MK_LBUTTON | keys, At(point));
        SendMessageW(grid().hwnd(), WM_LBUTTONUP, keys, At(point));
        Drain();
    }

    Final<GridForm> form_;
};

TEST_F(StringGridTest, CreatesWithItsEditorOnTheFirstCell) {
    wchar_t className[64] = {};
    GetClassNameW(grid().hwnd(), className, 64);
    EXPECT_STREQ(className, kStringGridClass);
    EXPECT_EQ(GetDlgCtrlID(grid().hwnd()), 110);
    EXPECT_EQ(GetParent(editor()), grid().hwnd());
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_TRUE(EditorOn(1, 1));
    EXPECT_TRUE(GetWindowLongPtrW(editor(), GWL_STYLE) & ES_AUTOHSCROLL);
    const RECT first = grid().CellBounds(1, 1);
    const RECT expected{21, 19, 139, 37};
    EXPECT_TRUE(EqualRect(&first, &expected));

    // 21 rows of 18 do not fit 137 pixels; the columns fit beside the bar.
    const LONG_PTR style = GetWindowLongPtrW(grid().hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & WS_HSCROLL);
    RECT client;
    GetClientRect(grid().hwnd(), &client);
    EXPECT_EQ(client.right, 481 - 2 * GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(client.bottom, 137 - 2 * GetSystemMetrics(SM_CYEDGE));
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(grid().hwnd(), SB_VERT, &info));
    EXPECT_EQ(info.nMin, 1);
    EXPECT_EQ(info.nMax, 20);
    EXPECT_EQ(info.nPage, 6u);
    EXPECT_EQ(info.nPos, 1);
}

TEST_F(StringGridTest, CellsKeepPolishTextAndTheEditorShowsTheCurrentOne) {
    const std::wstring text = L"Zażółć gęślą jaźń – \"C:\\Program Files\\Łódź\\start.exe\"";
    grid().SetCell(2, 3, text);
    EXPECT_EQ(grid().Cell(2, 3), text);
    grid().SetCell(1, 1, L"Łódź");
    EXPECT_EQ(EditorText(), L"Łódź");
    EXPECT_EQ(grid().Cell(1, 1), L"Łódź");

    // What is typed counts at once, without a move.
    Type(L"ść");
    EXPECT_EQ(grid().Cell(1, 1), L"ść") << "typing replaced the selected text";
    SetWindowTextW(editor(), L"żółw");
    EXPECT_EQ(grid().Cell(1, 1), L"żółw");

    EXPECT_EQ(grid().Cell(9, 9), L"");
    grid().SetCell(9, 9, L"nic");
    grid().SetCell(-1, 0, L"nic");
    EXPECT_EQ(grid().Cell(-1, 0), L"");
    grid().SetCell(0, 1, L"1");
    EXPECT_EQ(grid().Cell(0, 1), L"1") << "fixed cells hold text too";
}

TEST_F(StringGridTest, KeysMoveTheCurrentCellAndCommitTheText) {
    Type(L"pierwszy");
    Key(VK_TAB);
    EXPECT_EQ(grid().Col(), 2);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(GetFocus(), editor());
    EXPECT_TRUE(EditorOn(2, 1));
    EXPECT_EQ(grid().Cell(1, 1), L"pierwszy");
    EXPECT_EQ(EditorText(), L"");

    Type(L"drugi");
    Key(VK_TAB, true);
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().Cell(2, 1), L"drugi");
    EXPECT_EQ(EditorText(), L"pierwszy");
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 8u) << "entering a cell selects its text";

    Key(VK_DOWN);
    EXPECT_EQ(grid().Row(), 2);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(grid().Row(), 1) << "the fixed row is not reached";
    Key(VK_DOWN);
    Key(VK_NEXT);
    EXPECT_EQ(grid().Row(), 8) << "a page is the six rows in sight";
    EXPECT_EQ(grid().TopRow(), 7) << "the view turns the page too";
    EXPECT_TRUE(EditorOn(1, 8));
    Key(VK_PRIOR);
    EXPECT_EQ(grid().Row(), 2);
    Key(VK_END, false, true);
    EXPECT_EQ(grid().Col(), 3);
    EXPECT_EQ(grid().Row(), 20);
    EXPECT_EQ(grid().TopRow(), 15);
    EXPECT_TRUE(EditorOn(3, 20));
    Key(VK_HOME, false, true);
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(grid().Row(), 1);
    EXPECT_EQ(grid().TopRow(), 1);

    // Tab wraps to the next row; Shift+Tab back to the previous one's end.
    grid().SetCurrent(3, 4);
    Key(VK_TAB);
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(grid().Row(), 5);
    Key(VK_TAB, true);
    EXPECT_EQ(grid().Col(), 3);
    EXPECT_EQ(grid().Row(), 4);
}

TEST_F(StringGridTest, LeftAndRightLeaveTheTextOnlyAtItsEdge) {
    grid().SetCell(1, 1, L"abc");
    grid().SetCell(2, 1, L"xyz");
    grid().SetCurrent(1, 1);
    SendMessageW(editor(), EM_SETSEL, 1, 1);
    Key(VK_RIGHT);
    EXPECT_EQ(grid().Col(), 1);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u) << "the caret moved within the text";
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(grid().Col(), 2) << "at the text's end Right goes on to the next cell";
    Key(VK_RIGHT);  // all of "xyz" selected: on again
    EXPECT_EQ(grid().Col(), 3);
    Key(VK_RIGHT);
    EXPECT_EQ(grid().Col(), 3) << "arrows do not wrap";
    Key(VK_LEFT);
    EXPECT_EQ(grid().Col(), 2);
    SendMessageW(editor(), EM_SETSEL, 2, 2);
    Key(VK_HOME);
    EXPECT_EQ(grid().Col(), 2) << "Home stays within the text";
    Key(VK_LEFT);
    EXPECT_EQ(grid().Col(), 1);
}

TEST_F(StringGridTest, TabLeavesTheGridAtItsEndsAndTheDialogKeepsItsKeys) {
    grid().SetCurrent(3, 20);
    Key(VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == form_.after; })) << "Tab at the last cell goes on to the button";
    EXPECT_EQ(grid().Col(), 3);
    EXPECT_EQ(grid().Row(), 20);

    Key(VK_TAB, true);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == editor(); })) << "Shift+Tab comes back to the editor";
    grid().SetCurrent(1, 1);
    Key(VK_TAB, true);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == form_.before; })) << "Shift+Tab at the first cell goes back";

    SetFocus(grid().hwnd());
    ASSERT_TRUE(WaitFor([&] { return GetFocus() == editor(); }));
    const auto code = [&](WPARAM key, bool control = false) {
        const HeldKeys held(false, control);
        MSG msg{editor(), WM_KEYDOWN, key, 1, 0, {}};
        return SendMessageW(editor(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&msg));
    };
    EXPECT_TRUE(code(VK_TAB) & DLGC_WANTTAB);
    EXPECT_FALSE(code(VK_TAB, true) & DLGC_WANTTAB) << "Ctrl+Tab is the dialog's";
    EXPECT_TRUE(code(VK_DOWN) & DLGC_WANTARROWS);
    EXPECT_FALSE(code(VK_RETURN) & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE));
    EXPECT_FALSE(code(VK_ESCAPE) & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE));

    // Enter still presses the dialog's default button, Escape cancels.
    const int row = grid().Row();
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(form_.commands, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(GetFocus(), editor());
    EXPECT_EQ(grid().Row(), row) << "neither moves in the grid";
}

class StringGridOnPageTest : public StringGridTest {
protected:
    StringGridOnPageTest() : StringGridTest(true) {}
};

TEST_F(StringGridOnPageTest, TabLeavesTheGridOnAPageBothWays) {
    EXPECT_EQ(GetParent(form_.before), GetParent(grid().hwnd()));
    EXPECT_NE(GetParent(form_.after), GetParent(grid().hwnd()));
    Key(VK_TAB);
    EXPECT_EQ(grid().Col(), 2) << "Tab inside the grid stays inside";
    grid().SetCurrent(3, 20);
    Key(VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == form_.after; }));
    Key(VK_TAB, true);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == editor(); }));
    grid().SetCurrent(1, 1);
    Key(VK_TAB, true);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == form_.before; }));
    Key(VK_TAB);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == editor(); })) << "Tab from the page's edit box enters the grid";
    EXPECT_EQ(grid().Col(), 1);
    EXPECT_EQ(grid().Row(), 1);
}

TEST_F(StringGridTest, OnSelectCellIsAskedFirstAndMayRefuse) {
    std::vector<std::pair<int, int>> asked;
    grid().OnSelectCell = [&](int column, int row) {
        asked.emplace_back(column, row);
        return column != 3;
    };
    Key(VK_TAB);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(grid().Col(), 2);
    Type(L"zostaje");
    Key(VK_TAB);
    EXPECT_EQ(asked.back(), std::make_pair(3, 1));
    EXPECT_EQ(grid().Col(), 2) << "refused: the cell stays";
    EXPECT_TRUE(EditorOn(2, 1));
    EXPECT_EQ(EditorText(), L"zostaje") << "and so does its text";

    grid().SetCurrent(1, 4);
    EXPECT_EQ(asked.back(), std::make_pair(1, 4));
    EXPECT_EQ(grid().Row(), 4);
    grid().SetCurrent(3, 5);
    EXPECT_EQ(grid().Row(), 4);

    Click(WM_LBUTTONDOWN, Centre(grid().CellBounds(2, 2)));
    EXPECT_EQ(asked.back(), std::make_pair(2, 2));
    EXPECT_EQ(grid().Col(), 2);
    EXPECT_EQ(grid().Row(), 2);
    EXPECT_TRUE(EditorOn(2, 2));

    // The fixed cells are not selectable.
    const size_t count = asked.size();
    Click(WM_LBUTTONDOWN, Centre(grid().CellBounds(0, 3)));
    Click(WM_LBUTTONDOWN, Centre(grid().CellBounds(2, 0)));
    grid().SetCurrent(0, 5);
    EXPECT_EQ(asked.size(), count);
    EXPECT_EQ(grid().Col(), 2);
    EXPECT_EQ(grid().Row(), 2);
}

TEST_F(StringGridTest, DoubleClicksInTheGridAndInItsEditorReachOnDblClick) {
    int doubleClicks = 0;
    grid().OnDblClick = [&] { ++doubleClicks; };
    Click(WM_LBUTTONDBLCLK, Centre(grid().CellBounds(2, 0)));
    EXPECT_EQ(doubleClicks, 1);
    SendMessageW(editor(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(editor(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(doubleClicks, 2);

    // A quick second click on a cell the first one made current lands in
    // the editor moved under the pointer: a double click all the same.
    const RECT cell = grid().CellBounds(2, 3);
    const POINT point{cell.left + 10, cell.top + 8};
    Click(WM_LBUTTONDOWN, point);
    EXPECT_EQ(doubleClicks, 2);
    ASSERT_TRUE(EditorOn(2, 3));
    POINT inEditor = point;
    MapWindowPoints(grid().hwnd(), editor(), &inEditor, 1);
    SendMessageW(editor(), WM_LBUTTONDOWN, MK_LBUTTON, At(inEditor));
    SendMessageW(editor(), WM_LBUTTONUP, 0, At(inEditor));
    EXPECT_EQ(doubleClicks, 3);
    // A third one is a click again.
    SendMessageW(editor(), WM_LBUTTONDOWN, MK_LBUTTON, At(inEditor));
    SendMessageW(editor(), WM_LBUTTONUP, 0, At(inEditor));
    EXPECT_EQ(doubleClicks, 3);
}

TEST_F(StringGridTest, TheWheelKeepsPartialStepsAndScrollsANotchsWorth) {
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    ASSERT_GT(linesPerNotch, 0u);
    ASSERT_LT(linesPerNotch, 14u);
    EXPECT_EQ(grid().TopRow(), 1);
    const int notch = static_cast<int>(linesPerNotch);
    SendMessageW(grid().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -40), 0);
    EXPECT_EQ(grid().TopRow(), 1 + notch / 3) << "a third of a notch: whole lines of it, the rest kept";
    SendMessageW(grid().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -40), 0);
    EXPECT_EQ(grid().TopRow(), 1 + 2 * notch / 3);
    SendMessageW(grid().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -40), 0);
    EXPECT_EQ(grid().TopRow(), 1 + static_cast<int>(linesPerNotch));
    EXPECT_EQ(GetScrollPos(grid().hwnd(), SB_VERT), grid().TopRow());
    EXPECT_EQ(grid().Row(), 1) << "the wheel scrolls the view, not the current cell";
    EXPECT_FALSE(IsWindowVisible(editor())) << "its cell is out of sight";

    // The wheel over the editor (where the focus sends it) scrolls the grid.
    SendMessageW(grid().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    EXPECT_EQ(grid().TopRow(), 1);
    EXPECT_TRUE(EditorOn(1, 1));
    SendMessageW(editor(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(grid().TopRow(), 1 + static_cast<int>(linesPerNotch));

    // A key brings the current cell back into view.
    SetFocus(grid().hwnd());
    Key(VK_DOWN);
    EXPECT_EQ(grid().Row(), 2);
    EXPECT_EQ(grid().TopRow(), 1);
    EXPECT_TRUE(WaitFor([&] { return GetFocus() == editor(); }));

    // The scroll bar.
    SendMessageW(grid().hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(grid().TopRow(), 15);
    SendMessageW(grid().hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid().TopRow(), 15);
    SendMessageW(grid().hwnd(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(grid().TopRow(), 9);
    SendMessageW(grid().hwnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(grid().TopRow(), 1);

    // Steps far below a notch, as a touchpad sends: each too small alone,
    // four of them a notch all the same.
    for (int step = 0; step < 4; ++step) SendMessageW(editor(), WM_MOUSEWHEEL, MAKEWPARAM(0, -30), 0);
    EXPECT_EQ(grid().TopRow(), 1 + notch);
}

TEST_F(StringGridTest, DraggingAHeaderLineWidensAColumn) {
    const RECT header = grid().CellBounds(1, 0);
    const POINT line{header.right, 9};
    // The size cursor over the line, the arrow beside it.
    const auto cursorAt = [&](POINT point) {
        ClientToScreen(grid().hwnd(), &point);
        SetCursorPos(point.x, point.y);
        POINT now{};
        WaitFor([&] { return GetCursorPos(&now) && now.x == point.x && now.y == point.y; });
        SendMessageW(grid().hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(grid().hwnd()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(POINT{line.x + 2, line.y}), LoadCursorW(nullptr, IDC_SIZEWE));
    EXPECT_EQ(cursorAt(POINT{line.x - 30, line.y}), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(cursorAt(POINT{line.x, line.y + 40}), LoadCursorW(nullptr, IDC_ARROW)) << "below the header row";

    SendMessageW(grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(line));
    EXPECT_EQ(GetCapture(), grid().hwnd());
    SendMessageW(grid().hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(POINT{line.x + 15, line.y}));
    SendMessageW(grid().hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(POINT{line.x + 30, line.y}));
    SendMessageW(grid().hwnd(), WM_LBUTTONUP, 0, At(POINT{line.x + 30, line.y}));
    EXPECT_EQ(grid().ColumnWidth(1), 148);
    EXPECT_NE(GetCapture(), grid().hwnd());
    EXPECT_EQ(grid().CellBounds(2, 1).left, 21 + 148 + 1);
    EXPECT_TRUE(EditorOn(1, 1));
    EXPECT_EQ(EditorBounds().right, grid().CellBounds(1, 1).right) << "the editor widens with its cell";
    EXPECT_TRUE(GetWindowLongPtrW(grid().hwnd(), GWL_STYLE) & WS_HSCROLL)
        << "the columns no longer fit: a horizontal bar";
    EXPECT_EQ(grid().Col(), 1) << "sizing selects nothing";

    // Down to the minimum, and the bar goes again.
    SendMessageW(grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(POINT{21 + 148, 5}));
    SendMessageW(grid().hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(POINT{0, 5}));
    SendMessageW(grid().hwnd(), WM_LBUTTONUP, 0, At(POINT{0, 5}));
    EXPECT_EQ(grid().ColumnWidth(1), grid::kMinColumnWidth);
    EXPECT_FALSE(GetWindowLongPtrW(grid().hwnd(), GWL_STYLE) & WS_HSCROLL);

    // Off the header row a line drags nothing.
    const int width = grid().ColumnWidth(2);
    SendMessageW(grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(POINT{grid().CellBounds(2, 2).right, 45}));
    SendMessageW(grid().hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(POINT{grid().CellBounds(2, 2).right - 40, 45}));
    SendMessageW(grid().hwnd(), WM_LBUTTONUP, 0, At(POINT{grid().CellBounds(2, 2).right - 40, 45}));
    EXPECT_EQ(grid().ColumnWidth(2), width);
}

TEST_F(StringGridTest, RangesByShiftArrowsShiftClickAndDragAreDrawnHighlighted) {
    Key(VK_DOWN, true);
    Key(VK_DOWN, true);
    EXPECT_EQ(grid().Selection(), (grid::Range{1, 1, 1, 3}));
    EXPECT_EQ(grid().Row(), 3);
    Key(VK_DOWN);
    EXPECT_EQ(grid().Selection(), (grid::Range{1, 4, 1, 4})) << "a plain move ends the range";

    Click(WM_LBUTTONDOWN, Centre(grid().CellBounds(3, 6)), MK_SHIFT);
    EXPECT_EQ(grid().Selection(), (grid::Range{1, 4, 3, 6}));

    SendMessageW(grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(Centre(grid().CellBounds(2, 2))));
    SendMessageW(grid().hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(Centre(grid().CellBounds(3, 4))));
    SendMessageW(grid().hwnd(), WM_LBUTTONUP, 0, At(Centre(grid().CellBounds(3, 4))));
    EXPECT_EQ(grid().Selection(), (grid::Range{2, 2, 3, 4}));
    EXPECT_EQ(grid().Col(), 3);
    EXPECT_EQ(grid().Row(), 4);
    EXPECT_TRUE(EditorOn(3, 4)) << "the editor follows the moving corner";

    UpdateWindow(grid().hwnd());
    const ClientDc dc(grid().hwnd());
    const auto pixel = [&](int column, int row) {
        const RECT cell = grid().CellBounds(column, row);
        return GetPixel(dc.get(), cell.right - 3, cell.bottom - 3);
    };
    EXPECT_EQ(pixel(2, 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(2, 4), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pixel(1, 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixel(2, 5), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(pixel(2, 0), GetSysColor(COLOR_BTNFACE)) << "headers are drawn as buttons";
    EXPECT_EQ(pixel(0, 2), GetSysColor(COLOR_BTNFACE));
    const RECT cell = grid().CellBounds(1, 2);
    EXPECT_EQ(GetPixel(dc.get(), cell.right, cell.top + 5), RGB(192, 192, 192)) << "a grid line";
}

TEST_F(StringGridTest, CtrlCAndCtrlVCopyAndPasteTheCell) {
    grid().SetCell(1, 1, L"notatnik.exe");
    SendMessageW(editor(), EM_SETSEL, 3, 3);  // nothing selected: the whole cell
    SendMessageW(editor(), WM_CHAR, 0x03, 1);
    // Wine's clipboard manager opens the clipboard for a moment after a change.
    ASSERT_TRUE(test::WaitUntil([&] { return OpenClipboard(form_.hwnd()) != FALSE; }, 1000));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))), L"notatnik.exe");
    GlobalUnlock(data);

    // A text of two lines pastes its first.
    EmptyClipboard();
    const std::wstring lines = L"Kalkulator\r\ncalc.exe";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (lines.size() + 1) * sizeof(wchar_t));
    ASSERT_NE(memory, nullptr);
    std::copy_n(lines.c_str(), lines.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    CloseClipboard();
    SendMessageW(editor(), EM_SETSEL, 0, -1);
    SendMessageW(editor(), WM_CHAR, 0x16, 1);
    EXPECT_EQ(grid().Cell(1, 1), L"Kalkulator");
}

TEST_F(StringGridTest, LongTextScrollsInsideTheEditor) {
    const std::wstring command(200, L'ż');
    grid().SetCell(1, 1, command);
    EXPECT_EQ(EditorText(), command) << "nothing is cut";
    SendMessageW(editor(), EM_SETSEL, 200, 200);
    Type(L"!");
    EXPECT_EQ(grid().Cell(1, 1), command + L"!");
}

TEST(StringGridObjects, CreatingTwentyGridsLeavesNothingAlive) {
    Font font = MakeFont(11, FW_NORMAL, false, EASTEUROPE_CHARSET, L"Arial");
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 520, 200, nullptr, nullptr,
                                        nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    const long before = LiveObjects();
    for (int round = 0; round < 20; ++round) {
        if (round % 2 == 0) {
            StringGrid grid;
            ASSERT_TRUE(grid.Create(parent, SettingsGridArgs(font.get())));
            grid.SetCell(1, 1, L"ąę");
            grid.SetCell(2, 5, L"żółw");
            UpdateWindow(grid.hwnd());
            SendMessageW(grid.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
            UpdateWindow(grid.hwnd());
        } else {
            // The parent's window goes first; the grid's object after it.
            const HWND holder = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 500, 180, parent,
                                                nullptr, nullptr, nullptr);
            StringGrid grid;
            ASSERT_TRUE(grid.Create(holder, SettingsGridArgs(font.get())));
            grid.SetCell(3, 20, L"x");
            UpdateWindow(grid.hwnd());
            DestroyWindow(holder);
            EXPECT_EQ(grid.hwnd(), nullptr);
            EXPECT_EQ(grid.Editor(), nullptr);
            EXPECT_EQ(grid.Cell(3, 20), L"x") << "the cells outlive the window";
        }
    }
    Drain();
    EXPECT_EQ(LiveObjects(), before);
    DestroyWindow(parent);
}

TEST(StringGridObjects, TheCurrentCellsTextIsKeptWhenTheWindowGoes) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 520, 200, nullptr, nullptr, nullptr,
                                        nullptr);
    StringGrid grid;
    ASSERT_TRUE(grid.Create(parent, SettingsGridArgs(nullptr)));
    SetWindowTextW(grid.Editor(), L"wpisane");
    DestroyWindow(parent);
    EXPECT_EQ(grid.Cell(1, 1), L"wpisane");
}

}  // namespace
}  // namespace velk
