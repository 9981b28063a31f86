// The grid's in-place editor: an EDIT child on the skeleton's subclass form,
// always on the current cell; the keys that move from cell to cell and out of the
// grid; the clipboard's text pasted as one line.
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "ui/string_grid.h"
#include "win/clipboard.h"
#include "win/window_text.h"

namespace velk {

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool StringGrid::InPlaceEditor::Create(HWND grid, HFONT font) {
    if (!CreateSubclassed(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, RECT{}, grid)) return false;
    SendMessageW(hwnd(), WM_SETFONT,
                 reinterpret_cast<WPARAM>(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageW(hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);  // commands of any length, not the default 32767
    return true;
}

LRESULT StringGrid::InPlaceEditor::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: return OnGetDlgCode(wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(wParam, lParam);
    case WM_CHAR: return OnChar(wParam, lParam);
    case WM_PASTE: grid_.Paste(); return 0;
    case WM_COPY: return OnCopy(wParam, lParam);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnDoubleClick(wParam, lParam);
    case WM_MOUSEWHEEL: grid_.OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_DESTROY: return OnDestroy(wParam, lParam);
    default: return Default(message, wParam, lParam);
    }
}

// The handlers below are called from the switch alone: inline, they cost
// no call of their own.
inline LRESULT StringGrid::InPlaceEditor::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
    return grid_.DialogCode(Default(WM_GETDLGCODE, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTCHARS,
                            reinterpret_cast<const MSG*>(lParam));
}

inline LRESULT StringGrid::InPlaceEditor::OnKeyDown(WPARAM key, LPARAM lParam) {
    if (grid_.OnNavigationKey(static_cast<UINT>(key), true)) return 0;
    return Default(WM_KEYDOWN, key, lParam);
}

inline LRESULT StringGrid::InPlaceEditor::OnChar(WPARAM character, LPARAM lParam) {
    switch (character) {
    // Moves and the dialog's keys, not text; an EDIT would beep.
    case L'\t':
    case L'\r':
    case L'\n':
    case 0x1B: return 0;
    case 0x01: SendMessageW(hwnd(), EM_SETSEL, 0, -1); return 0;  // Ctrl+A
    default: return Default(WM_CHAR, character, lParam);
    }
}

inline LRESULT StringGrid::InPlaceEditor::OnCopy(WPARAM wParam, LPARAM lParam) {
    // Nothing selected: the whole cell.
    const EditorCaret caret = grid_.Caret();
    if (caret.start != caret.end) return Default(WM_COPY, wParam, lParam);
    Default(EM_SETSEL, 0, -1);
    const LRESULT result = Default(WM_COPY, wParam, lParam);
    Default(EM_SETSEL, caret.start, caret.end);
    return result;
}

inline bool StringGrid::InPlaceEditor::IsSecondClick(LPARAM lParam) const {
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd(), &point);
    const DWORD elapsed = static_cast<DWORD>(GetMessageTime()) - grid_.clickTime_;
    return grid_.clickMovedEditor_ && elapsed < GetDoubleClickTime() &&
           std::abs(point.x - grid_.clickPoint_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(point.y - grid_.clickPoint_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

inline LRESULT StringGrid::InPlaceEditor::OnLeftButtonDown(WPARAM keys, LPARAM lParam) {
    const bool second = IsSecondClick(lParam);
    grid_.clickMovedEditor_ = false;
    return second ? OnDoubleClick(keys, lParam) : Default(WM_LBUTTONDOWN, keys, lParam);
}

inline LRESULT StringGrid::InPlaceEditor::OnDoubleClick(WPARAM keys, LPARAM lParam) {
    const LRESULT result = Default(WM_LBUTTONDBLCLK, keys, lParam);
    // The handler may open a window of its own (a file dialog): the editor
    // must not keep the mouse meanwhile.
    if (GetCapture() == hwnd()) ReleaseCapture();
    grid_.FireDblClick();
    return result;
}

inline LRESULT StringGrid::InPlaceEditor::OnDestroy(WPARAM wParam, LPARAM lParam) {
    grid_.Commit();  // the cells keep what was typed
    return Default(WM_DESTROY, wParam, lParam);
}

// The keys the grid and its editor take from a dialog's keyboard: the
// arrows and characters always, Tab unless with Ctrl or Alt (Ctrl+Tab turns
// the dialog's pages); Enter and Escape stay the dialog's.
LRESULT StringGrid::DialogCode(LRESULT code, const MSG* message) const {
    if (!message) return code;
    if (message->message == WM_KEYDOWN || message->message == WM_CHAR) {
        switch (message->wParam) {
        case VK_TAB: if (!KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) code |= DLGC_WANTTAB; break;
        case VK_RETURN:
        case VK_ESCAPE: code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE); break;
        default: break;
        }
    }
    return code;
}

void StringGrid::Commit() const {
    if (Editor() && layout_.IsCell(current_))
        Stored(current_) = WindowText(Editor());
}

void StringGrid::PlaceEditor(bool loadText) {
    if (!Editor() || !hwnd()) return;
    if (loadText) {
        SetWindowTextW(Editor(), Stored(current_).c_str());
        SendMessageW(Editor(), EM_SETSEL, 0, -1);
    }
    const std::optional<Rect> cell = grid::CellRect(layout_, view_, current_);
    const grid::Size client = ClientSize();
    const bool visible = cell && cell->left < client.width && cell->top < client.height &&
                         cell->Width() > kTextLeft && cell->Height() > kTextTop;
    if (!visible) {
        if (GetFocus() == Editor()) SetFocus(hwnd());
        ShowWindow(Editor(), SW_HIDE);
        return;
    }
    // The cell's own background shows around the editor, which starts
    // where the cell's text does.
    SetWindowPos(Editor(), nullptr, cell->left + kTextLeft, cell->top + kTextTop, cell->Width() - kTextLeft,
                 cell->Height() - kTextTop, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (GetFocus() == hwnd()) SetFocus(Editor());
}

StringGrid::EditorCaret StringGrid::Caret() const {
    EditorCaret caret;
    SendMessageW(Editor(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret.start), reinterpret_cast<LPARAM>(&caret.end));
    caret.length = static_cast<DWORD>(GetWindowTextLengthW(Editor()));
    return caret;
}

bool StringGrid::CaretAtLeft() const {
    const EditorCaret caret = Caret();
    return caret.start == 0 && (caret.end == 0 || caret.end == caret.length);
}

bool StringGrid::CaretAtRight() const {
    const EditorCaret caret = Caret();
    return (caret.start == 0 || caret.start == caret.end) && caret.end == caret.length;
}

// The move a key asks for, or none where the key stays the editor's: Home
// and End without Ctrl and the arrows within the text move its caret.
inline std::optional<grid::Move> StringGrid::MoveOfKey(UINT key, bool inEditor) const {
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);
    const bool editing = inEditor && Editor();
    switch (key) {
    case VK_TAB: return control || KeyDown(VK_MENU) ? kNoMove : shift ? grid::Move::Previous : grid::Move::Next;
    case VK_UP: return grid::Move::Up;
    case VK_DOWN: return grid::Move::Down;
    case VK_PRIOR: return grid::Move::PageUp;
    case VK_NEXT: return grid::Move::PageDown;
    case VK_HOME: return control ? grid::Move::First : kNoMove;
    case VK_END: return control ? grid::Move::Last : kNoMove;
    case VK_LEFT: return editing && !CaretAtLeft() ? kNoMove : grid::Move::Left;
    case VK_RIGHT: return editing && !CaretAtRight() ? kNoMove : grid::Move::Right;
    default: return kNoMove;
    }
}

bool StringGrid::OnNavigationKey(UINT key, bool inEditor) {
    const std::optional<grid::Move> asked = MoveOfKey(key, inEditor);
    if (!asked) return false;
    const grid::Move move = *asked;
    const bool shift = KeyDown(VK_SHIFT);
    const bool tab = move == grid::Move::Next || move == grid::Move::Previous;
    const grid::Size client = ClientSize();
    const int page = grid::VisibleRows(layout_, view_, client.height);
    const std::optional<grid::Cell> target = grid::Navigate(layout_, current_, move, page);
    if (!target) {
        LeaveGrid(move == grid::Move::Previous);
        return true;
    }
    if (move == grid::Move::PageUp || move == grid::Move::PageDown) {
        // The view turns the page with the cell.
        grid::View view = view_;
        view.firstRow += target->row - current_.row;
        MoveTo(*target, shift, &view);
    } else {
        MoveTo(*target, shift && !tab);
    }
    return true;
}

void StringGrid::LeaveGrid(bool backwards) {
    Commit();
    const HWND root = GetAncestor(hwnd(), GA_ROOT);
    const HWND next = root ? GetNextDlgTabItem(root, hwnd(), backwards) : nullptr;
    if (!next || next == hwnd() || next == Editor()) return;
    // A dialog (or a form answering for one) moves the focus its own way,
    // keeping its default button right; any other window is told directly.
    SendMessageW(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    const HWND focus = GetFocus();
    if (hwnd() && (focus == hwnd() || (Editor() && focus == Editor()))) SetFocus(next);
}

void StringGrid::FireDblClick() {
    if (OnDblClick) OnDblClick();
}

void StringGrid::Paste() {
    if (!Editor() || (GetWindowLongPtrW(Editor(), GWL_STYLE) & ES_READONLY)) return;
    std::wstring text = ReadClipboardText(Editor());
    // A cell holds one line: the first.
    text.resize(std::min(text.size(), text.find_first_of(L"\r\n")));
    SendMessageW(Editor(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace velk
