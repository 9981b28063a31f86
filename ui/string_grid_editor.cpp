// The grid's in-place editor: an EDIT child subclassed by the grid, always
// on the current cell; the keys that move from cell to cell and out of the
// grid; the clipboard's text pasted as one line.
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "ui/string_grid.h"
#include "ui/subclass.h"
#include "win/clipboard.h"
#include "win/window_text.h"

namespace velk {

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool StringGrid::CreateEditor() {
    editor_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!editor_) return false;
    Subclass<StringGrid, &StringGrid::HandleEditorMessage>::Attach(editor_, *this);
    SendMessageW(editor_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageW(editor_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    SendMessageW(editor_, EM_SETLIMITTEXT, 0, 0);  // commands of any length, not the default 32767
    return true;
}

LRESULT StringGrid::HandleEditorMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND editor = editor_;
    switch (message) {
    case WM_GETDLGCODE:
        return DialogCode(DefaultSubclassProcedure(editor, message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTCHARS,
                          reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        if (OnNavigationKey(static_cast<UINT>(wParam), true)) return 0;
        return DefaultSubclassProcedure(editor, message, wParam, lParam);
    case WM_CHAR:
        switch (wParam) {
        // Moves and the dialog's keys, not text; an EDIT would beep.
        case L'\t':
        case L'\r':
        case L'\n':
        case 0x1B: return 0;
        case 0x01:  // Ctrl+A
            SendMessageW(editor, EM_SETSEL, 0, -1);
            return 0;
        default: return DefaultSubclassProcedure(editor, message, wParam, lParam);
        }
    case WM_PASTE: Paste(); return 0;
    case WM_COPY: {
        // Nothing selected: the whole cell.
        const EditorCaret caret = Caret();
        if (caret.start != caret.end) return DefaultSubclassProcedure(editor, message, wParam, lParam);
        DefaultSubclassProcedure(editor, EM_SETSEL, 0, -1);
        const LRESULT result = DefaultSubclassProcedure(editor, message, wParam, lParam);
        DefaultSubclassProcedure(editor, EM_SETSEL, caret.start, caret.end);
        return result;
    }
    case WM_LBUTTONDOWN: {
        POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(editor, &point);
        const DWORD elapsed = static_cast<DWORD>(GetMessageTime()) - clickTime_;
        const bool second = clickMovedEditor_ && elapsed < GetDoubleClickTime() &&
                            std::abs(point.x - clickPoint_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                            std::abs(point.y - clickPoint_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        clickMovedEditor_ = false;
        if (!second) return DefaultSubclassProcedure(editor, message, wParam, lParam);
        [[fallthrough]];
    }
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefaultSubclassProcedure(editor, WM_LBUTTONDBLCLK, wParam, lParam);
        // The handler may open a window of its own (a file dialog): the
        // editor must not keep the mouse meanwhile.
        if (GetCapture() == editor) ReleaseCapture();
        FireDblClick();
        return result;
    }
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_DESTROY:
        Commit();  // the cells keep what was typed
        return DefaultSubclassProcedure(editor, message, wParam, lParam);
    case WM_NCDESTROY:
        editor_ = nullptr;
        return DefaultSubclassProcedure(editor, message, wParam, lParam);
    default: return DefaultSubclassProcedure(editor, message, wParam, lParam);
    }
}

// The keys the grid and its editor take from a dialog's keyboard: the
// arrows and characters always, Tab unless with Ctrl or Alt (Ctrl+Tab turns
// the dialog's pages); Enter and Escape stay the dialog's.
LRESULT StringGrid::DialogCode(LRESULT code, const MSG* message) const {
    if (!message) return code;
    if (message->message == WM_KEYDOWN || message->message == WM_CHAR) {
        switch (message->wParam) {
        case VK_TAB:
            if (!KeyDown(VK_CONTROL) && !KeyDown(VK_MENU)) code |= DLGC_WANTTAB;
            break;
        case VK_RETURN:
        case VK_ESCAPE: code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE); break;
        default: break;
        }
    }
    return code;
}

void StringGrid::Commit() const {
    if (editor_ && layout_.IsCell(current_))
        Stored(current_) = WindowText(editor_);
}

void StringGrid::PlaceEditor(bool loadText) {
    if (!editor_ || !hwnd()) return;
    if (loadText) {
        SetWindowTextW(editor_, Stored(current_).c_str());
        SendMessageW(editor_, EM_SETSEL, 0, -1);
    }
    const std::optional<Rect> cell = grid::CellRect(layout_, view_, current_);
    const grid::Size client = ClientSize();
    const bool visible = cell && cell->left < client.width && cell->top < client.height &&
                         cell->Width() > kTextLeft && cell->Height() > kTextTop;
    if (!visible) {
        if (GetFocus() == editor_) SetFocus(hwnd());
        ShowWindow(editor_, SW_HIDE);
        return;
    }
    // The cell's own background shows around the editor, which starts
    // where the cell's text does.
    SetWindowPos(editor_, nullptr, cell->left + kTextLeft, cell->top + kTextTop, cell->Width() - kTextLeft,
                 cell->Height() - kTextTop, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (GetFocus() == hwnd()) SetFocus(editor_);
}

StringGrid::EditorCaret StringGrid::Caret() const {
    EditorCaret caret;
    SendMessageW(editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&caret.start), reinterpret_cast<LPARAM>(&caret.end));
    caret.length = static_cast<DWORD>(GetWindowTextLengthW(editor_));
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

bool StringGrid::OnNavigationKey(UINT key, bool inEditor) {
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);
    grid::Move move;
    switch (key) {
    case VK_TAB:
        if (control || KeyDown(VK_MENU)) return false;
        move = shift ? grid::Move::Previous : grid::Move::Next;
        break;
    case VK_UP: move = grid::Move::Up; break;
    case VK_DOWN: move = grid::Move::Down; break;
    case VK_PRIOR: move = grid::Move::PageUp; break;
    case VK_NEXT: move = grid::Move::PageDown; break;
    case VK_HOME:
    case VK_END:
        if (!control) return false;  // within the text
        move = key == VK_HOME ? grid::Move::First : grid::Move::Last;
        break;
    case VK_LEFT:
        if (inEditor && editor_ && !CaretAtLeft()) return false;
        move = grid::Move::Left;
        break;
    case VK_RIGHT:
        if (inEditor && editor_ && !CaretAtRight()) return false;
        move = grid::Move::Right;
        break;
    default: return false;
    }
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
    if (!next || next == hwnd() || next == editor_) return;
    // A dialog (or a form answering for one) moves the focus its own way,
    // keeping its default button right; any other window is told directly.
    SendMessageW(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    const HWND focus = GetFocus();
    if (hwnd() && (focus == hwnd() || (editor_ && focus == editor_))) SetFocus(next);
}

void StringGrid::FireDblClick() {
    if (OnDblClick) OnDblClick();
}

void StringGrid::Paste() {
    if (!editor_ || (GetWindowLongPtrW(editor_, GWL_STYLE) & ES_READONLY)) return;
    std::wstring text = ReadClipboardText(editor_);
    // A cell holds one line: the first.
    text.resize(std::min(text.size(), text.find_first_of(L"\r\n")));
    SendMessageW(editor_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace velk
