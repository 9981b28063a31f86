#include "ui/string_grid.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "win/back_buffer.h"
#include "win/guarded_call.h"
#include "win/handles.h"
#include "win/object_count.h"

namespace velk {

namespace {

constexpr UINT_PTR kEditorSubclassId = 1;
constexpr int kDefaultColumnWidth = 64;
// Where a cell's text starts inside its area, as the classic grid draws it;
// the editor's text starts there too.
constexpr int kTextLeft = 2;
constexpr int kTextTop = 2;

bool KeyDown(int key) { return GetKeyState(key) < 0; }

RECT ToRect(const grid::Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
    // The clipboard's memory stays the clipboard's: only read here.
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const size_t capacity = GlobalSize(data) / sizeof(wchar_t);
            text.assign(chars, std::find(chars, chars + capacity, L'\0'));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

StringGrid::~StringGrid() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool StringGrid::Create(HWND parent, const StringGridArgs& args) {
    if (hwnd_) DestroyWindow(hwnd_);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kStringGridClass;
    RegisterClassExW(&windowClass);  // a second grid finds it registered

    const int columns = std::max(1, args.columns);
    layout_.columnWidths.assign(static_cast<size_t>(columns), kDefaultColumnWidth);
    for (int column = 0; column < columns && column < static_cast<int>(args.columnWidths.size()); ++column)
        layout_.columnWidths[static_cast<size_t>(column)] = std::max(0, args.columnWidths[static_cast<size_t>(column)]);
    layout_.rows = std::max(1, args.rows);
    layout_.rowHeight = std::max(1, args.rowHeight);
    layout_.fixedColumns = std::clamp(args.fixedColumns, 0, columns - 1);
    layout_.fixedRows = std::clamp(args.fixedRows, 0, layout_.rows - 1);
    cells_.assign(static_cast<size_t>(columns) * static_cast<size_t>(layout_.rows), std::wstring());
    current_ = anchor_ = grid::Cell{layout_.fixedColumns, layout_.fixedRows};
    view_ = grid::View{layout_.fixedColumns, layout_.fixedRows};
    font_ = args.font;
    drag_ = Drag::None;
    clickMovedEditor_ = false;

    const RECT& bounds = args.bounds;
    CreateWindowExW(WS_EX_CLIENTEDGE, kStringGridClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN,
                    bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), instance, this);
    if (!hwnd_) return false;
    UpdateScrollBars();
    PlaceEditor(true);
    return true;
}

LRESULT CALLBACK StringGrid::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall(hwnd, [&]() -> LRESULT {
        StringGrid* grid = nullptr;
        if (message == WM_NCCREATE) {
            grid = static_cast<StringGrid*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            grid->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(grid));
            NoteAcquired(ObjectKind::Window);
        } else {
            grid = reinterpret_cast<StringGrid*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!grid) return DefWindowProcW(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            grid->hwnd_ = nullptr;
            grid->editor_ = nullptr;
            NoteReleased(ObjectKind::Window);
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        return grid->HandleMessage(message, wParam, lParam);
    });
}

LRESULT CALLBACK StringGrid::EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
    StringGrid& grid = *reinterpret_cast<StringGrid*>(self);
    return GuardedCall(hwnd, [&] { return grid.HandleEditorMessage(message, wParam, lParam); });
}

bool StringGrid::CreateEditor() {
    editor_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!editor_) return false;
    SetWindowSubclass(editor_, EditorProc, kEditorSubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(editor_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SendMessageW(editor_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    SendMessageW(editor_, EM_SETLIMITTEXT, 0, 0);  // commands of any length, not the default 32767
    return true;
}

LRESULT StringGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    switch (message) {
    case WM_CREATE: return CreateEditor() ? 0 : -1;
    case WM_SIZE:
        UpdateScrollBars();
        PlaceEditor(false);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (editor_) SendMessageW(editor_, WM_SETFONT, wParam, lParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
        if (editor_ && IsWindowVisible(editor_)) SetFocus(editor_);
        return 0;
    case WM_GETDLGCODE: return DialogCode(DLGC_WANTARROWS | DLGC_WANTCHARS, reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        // The editor is hidden with its cell out of sight: a key brings both back.
        ShowCurrent();
        if (!OnNavigationKey(static_cast<UINT>(wParam), false) && editor_ && GetFocus() == editor_)
            SendMessageW(editor_, message, wParam, lParam);
        return 0;
    case WM_CHAR:
        ShowCurrent();
        if (editor_ && GetFocus() == editor_) SendMessageW(editor_, message, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam, message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) ReleaseCapture();
        drag_ = Drag::None;
        return 0;
    case WM_CAPTURECHANGED: drag_ = Drag::None; return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd && LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_COMMAND: return 0;  // the editor's notifications
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT StringGrid::HandleEditorMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND editor = editor_;
    switch (message) {
    case WM_GETDLGCODE:
        return DialogCode(DefSubclassProc(editor, message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTCHARS,
                          reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        if (OnNavigationKey(static_cast<UINT>(wParam), true)) return 0;
        return DefSubclassProc(editor, message, wParam, lParam);
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
        default: return DefSubclassProc(editor, message, wParam, lParam);
        }
    case WM_PASTE: Paste(); return 0;
    case WM_COPY: {
        // Nothing selected: the whole cell.
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        if (start != end) return DefSubclassProc(editor, message, wParam, lParam);
        DefSubclassProc(editor, EM_SETSEL, 0, -1);
        const LRESULT result = DefSubclassProc(editor, message, wParam, lParam);
        DefSubclassProc(editor, EM_SETSEL, start, end);
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
        if (!second) return DefSubclassProc(editor, message, wParam, lParam);
        [[fallthrough]];
    }
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefSubclassProc(editor, WM_LBUTTONDBLCLK, wParam, lParam);
        // The handler may open a window of its own (a file dialog): the
        // editor must not keep the mouse meanwhile.
        if (GetCapture() == editor) ReleaseCapture();
        FireDblClick();
        return result;
    }
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_DESTROY:
        Commit();  // the cells keep what was typed
        return DefSubclassProc(editor, message, wParam, lParam);
    case WM_NCDESTROY: {
        RemoveWindowSubclass(editor, EditorProc, kEditorSubclassId);
        editor_ = nullptr;
        return DefSubclassProc(editor, message, wParam, lParam);
    }
    default: return DefSubclassProc(editor, message, wParam, lParam);
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

grid::Size StringGrid::ClientSize() const {
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    return grid::Size{client.right, client.bottom};
}

std::wstring StringGrid::EditorText() const {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(editor_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(editor_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void StringGrid::Commit() const {
    if (editor_ && layout_.IsCell(current_))
        cells_[static_cast<size_t>(current_.row) * layout_.columnWidths.size() + current_.column] = EditorText();
}

const std::wstring& StringGrid::Cell(int column, int row) const {
    static const std::wstring empty;
    if (!layout_.IsCell({column, row})) return empty;
    if (grid::Cell{column, row} == current_) Commit();
    return cells_[static_cast<size_t>(row) * layout_.columnWidths.size() + column];
}

void StringGrid::SetCell(int column, int row, std::wstring text) {
    if (!layout_.IsCell({column, row})) return;
    cells_[static_cast<size_t>(row) * layout_.columnWidths.size() + column] = std::move(text);
    if (grid::Cell{column, row} == current_) {
        PlaceEditor(true);
    } else if (hwnd_) {
        const RECT bounds = CellBounds(column, row);
        InvalidateRect(hwnd_, &bounds, FALSE);
    }
}

void StringGrid::SetCurrent(int column, int row) { MoveTo(grid::Cell{column, row}, false); }

int StringGrid::ColumnWidth(int column) const {
    return column >= 0 && column < layout_.Columns() ? layout_.columnWidths[static_cast<size_t>(column)] : 0;
}

void StringGrid::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= layout_.Columns()) return;
    layout_.columnWidths[static_cast<size_t>(column)] = std::max(0, width);
    if (!hwnd_) return;
    UpdateScrollBars();
    PlaceEditor(false);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void StringGrid::SetRowHeight(int height) {
    layout_.rowHeight = std::max(1, height);
    if (!hwnd_) return;
    UpdateScrollBars();
    PlaceEditor(false);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT StringGrid::CellBounds(int column, int row) const {
    const std::optional<grid::Rect> rect = grid::CellRect(layout_, view_, grid::Cell{column, row});
    return rect ? ToRect(*rect) : RECT{};
}

void StringGrid::InvalidateRange(const grid::Range& range) {
    if (!hwnd_) return;
    const std::optional<grid::Rect> first = grid::CellRect(layout_, view_, {range.left, range.top});
    const std::optional<grid::Rect> last = grid::CellRect(layout_, view_, {range.right, range.bottom});
    const grid::Size client = ClientSize();
    // Cells scrolled out above or to the left: from the scrollable area's edge.
    const RECT area{first ? first->left : grid::FixedWidth(layout_), first ? first->top : grid::FixedHeight(layout_),
                    last ? last->right + grid::kLineWidth : client.width,
                    last ? last->bottom + grid::kLineWidth : client.height};
    InvalidateRect(hwnd_, &area, FALSE);
}

bool StringGrid::MoveTo(grid::Cell cell, bool extend, const grid::View* preferred) {
    if (!hwnd_ || !layout_.IsScrollable(cell)) return false;
    if (cell != current_ && OnSelectCell && !OnSelectCell(cell.column, cell.row)) return false;
    if (!hwnd_) return false;
    const grid::Range before = Selection();
    const bool moved = cell != current_;
    if (moved) Commit();
    current_ = cell;
    if (!extend) anchor_ = cell;
    if (before != Selection()) {
        InvalidateRange(before);
        InvalidateRange(Selection());
    }
    ScrollTo(grid::Showing(layout_, preferred ? *preferred : view_, current_, ClientSize()));
    PlaceEditor(moved);
    return true;
}

void StringGrid::PlaceEditor(bool loadText) {
    if (!editor_ || !hwnd_) return;
    if (loadText) {
        const size_t index = static_cast<size_t>(current_.row) * layout_.columnWidths.size() + current_.column;
        SetWindowTextW(editor_, cells_[index].c_str());
        SendMessageW(editor_, EM_SETSEL, 0, -1);
    }
    const std::optional<grid::Rect> cell = grid::CellRect(layout_, view_, current_);
    const grid::Size client = ClientSize();
    const bool visible = cell && cell->left < client.width && cell->top < client.height &&
                         cell->Width() > kTextLeft && cell->Height() > kTextTop;
    if (!visible) {
        if (GetFocus() == editor_) SetFocus(hwnd_);
        ShowWindow(editor_, SW_HIDE);
        return;
    }
    // The cell's own background shows around the editor, which starts
    // where the cell's text does.
    SetWindowPos(editor_, nullptr, cell->left + kTextLeft, cell->top + kTextTop, cell->Width() - kTextLeft,
                 cell->Height() - kTextTop, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (GetFocus() == hwnd_) SetFocus(editor_);
}

void StringGrid::ShowCurrent() {
    if (editor_ && !IsWindowVisible(editor_)) ScrollTo(grid::Showing(layout_, view_, current_, ClientSize()));
}

void StringGrid::ScrollTo(grid::View view) {
    view = grid::Clamped(layout_, view, ClientSize());
    if (view == view_) return;
    view_ = view;
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    if (style & WS_VSCROLL) SetScrollPos(hwnd_, SB_VERT, view_.firstRow, TRUE);
    if (style & WS_HSCROLL) SetScrollPos(hwnd_, SB_HORZ, view_.firstColumn, TRUE);
    InvalidateRect(hwnd_, nullptr, FALSE);
    PlaceEditor(false);
}

void StringGrid::UpdateScrollBars() {
    if (updatingBars_ || !hwnd_) return;
    updatingBars_ = true;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    // The area as it would be without bars.
    const grid::Size area{client.right + ((style & WS_VSCROLL) ? barWidth : 0),
                          client.bottom + ((style & WS_HSCROLL) ? barHeight : 0)};
    const grid::ScrollBars bars = grid::NeedScrollBars(layout_, area, barWidth, barHeight);
    if (bars.vertical != ((style & WS_VSCROLL) != 0)) ShowScrollBar(hwnd_, SB_VERT, bars.vertical);
    if (bars.horizontal != ((style & WS_HSCROLL) != 0)) ShowScrollBar(hwnd_, SB_HORZ, bars.horizontal);
    const grid::Size size = ClientSize();
    view_ = grid::Clamped(layout_, view_, size);
    const auto set = [&](int bar, const grid::ScrollRange& range, int position) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = range.min;
        info.nMax = range.max;
        info.nPage = static_cast<UINT>(range.page);
        info.nPos = position;
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    };
    if (bars.vertical) set(SB_VERT, grid::RowScrollRange(layout_, size.height), view_.firstRow);
    if (bars.horizontal) set(SB_HORZ, grid::ColumnScrollRange(layout_, size.width), view_.firstColumn);
    updatingBars_ = false;
}

bool StringGrid::CaretAtLeft() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(editor_));
    return start == 0 && (end == 0 || end == length);
}

bool StringGrid::CaretAtRight() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(editor_));
    return (start == 0 || start == end) && end == length;
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
    const HWND root = GetAncestor(hwnd_, GA_ROOT);
    const HWND next = root ? GetNextDlgTabItem(root, hwnd_, backwards) : nullptr;
    if (!next || next == hwnd_ || next == editor_) return;
    // A dialog (or a form answering for one) moves the focus its own way,
    // keeping its default button right; any other window is told directly.
    SendMessageW(root, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    const HWND focus = GetFocus();
    if (hwnd_ && (focus == hwnd_ || (editor_ && focus == editor_))) SetFocus(next);
}

void StringGrid::OnMouseDown(POINT point, WPARAM keys, bool doubleClick) {
    const HWND focus = GetFocus();
    if (focus != hwnd_ && focus != editor_) SetFocus(hwnd_);
    if (!hwnd_) return;
    const grid::Size client = ClientSize();
    const grid::Point at{point.x, point.y};
    if (const std::optional<int> line = grid::ResizeLineAt(layout_, view_, at, client); line && !doubleClick) {
        drag_ = Drag::Resize;
        resizeColumn_ = *line;
        resizeStartX_ = point.x;
        resizeStartWidth_ = ColumnWidth(*line);
        SetCapture(hwnd_);
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    } else if (const std::optional<grid::Cell> cell = grid::CellAt(layout_, view_, at, client);
               cell && layout_.IsScrollable(*cell)) {
        const bool moved = *cell != current_;
        if (MoveTo(*cell, (keys & MK_SHIFT) != 0) && hwnd_ && !doubleClick) {
            drag_ = Drag::Select;
            SetCapture(hwnd_);
        }
        clickMovedEditor_ = moved && !doubleClick && current_ == *cell;
        clickTime_ = static_cast<DWORD>(GetMessageTime());
        clickPoint_ = point;
        if (hwnd_) ClientToScreen(hwnd_, &clickPoint_);
    }
    if (doubleClick) FireDblClick();
}

void StringGrid::OnMouseMove(POINT point) {
    if (GetCapture() != hwnd_) drag_ = Drag::None;
    const grid::Point at{point.x, point.y};
    switch (drag_) {
    case Drag::Resize:
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
        SetColumnWidth(resizeColumn_, grid::ResizedWidth(resizeStartWidth_, resizeStartX_, point.x));
        break;
    case Drag::Select: {
        const grid::Cell target = grid::DragTarget(layout_, view_, at, ClientSize());
        if (target != current_) MoveTo(target, true);
        break;
    }
    case Drag::None: break;
    }
}

bool StringGrid::OnSetCursor() {
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(hwnd_, &point);
    if (drag_ != Drag::Resize && !grid::ResizeLineAt(layout_, view_, {point.x, point.y}, ClientSize())) return false;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
}

void StringGrid::OnScroll(int bar, UINT request) {
    const grid::Size client = ClientSize();
    const bool vertical = bar == SB_VERT;
    int first = vertical ? view_.firstRow : view_.firstColumn;
    const int page = vertical ? grid::VisibleRows(layout_, view_, client.height)
                              : grid::VisibleColumns(layout_, view_, client.width);
    switch (request) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_TOP: first = 0; break;
    case SB_BOTTOM: first = layout_.rows + layout_.Columns(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd_, bar, &info);
        first = info.nTrackPos;
        break;
    }
    default: return;
    }
    grid::View view = view_;
    (vertical ? view.firstRow : view.firstColumn) = first;
    ScrollTo(view);
}

void StringGrid::OnWheel(int delta) {
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    // WHEEL_PAGESCROLL: a notch is a page.
    const int lines = linesPerNotch == WHEEL_PAGESCROLL
                          ? grid::VisibleRows(layout_, view_, ClientSize().height)
                          : static_cast<int>(linesPerNotch);
    grid::View view = view_;
    view.firstRow -= wheel_.Lines(delta, lines);
    ScrollTo(view);
}

void StringGrid::FireDblClick() {
    if (OnDblClick) OnDblClick();
}

void StringGrid::Paste() {
    if (!editor_ || (GetWindowLongPtrW(editor_, GWL_STYLE) & ES_READONLY)) return;
    std::wstring text = ClipboardText(editor_);
    // A cell holds one line: the first.
    text.resize(std::min(text.size(), text.find_first_of(L"\r\n")));
    SendMessageW(editor_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void StringGrid::Paint() {
    PaintDc paint(hwnd_);
    BackBuffer buffer(paint.get(), paint.area());
    if (!buffer) return;
    const HDC dc = buffer.dc();
    const RECT& area = paint.area();
    const grid::Size client = ClientSize();
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    // The classic grid's lines: black between the headers, silver (grey on
    // a silver window) between the cells.
    const COLORREF fixedLine = GetSysColor(COLOR_WINDOWFRAME);
    const COLORREF line = window == RGB(192, 192, 192) ? RGB(128, 128, 128) : RGB(192, 192, 192);
    Fill(dc, area, window);
    const SelectGuard selectFont(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const grid::Range selection = Selection();

    const auto paintCell = [&](grid::Cell cell, const grid::Rect& rect) {
        const RECT bounds = ToRect(rect);
        const RECT outer{bounds.left, bounds.top, bounds.right + grid::kLineWidth, bounds.bottom + grid::kLineWidth};
        RECT overlap;
        if (!IntersectRect(&overlap, &outer, &area)) return;
        const bool fixed = cell.column < layout_.fixedColumns || cell.row < layout_.fixedRows;
        const bool selected = !fixed && !selection.IsSingle() && selection.Contains(cell) && cell != current_;
        COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
        if (fixed) {
            Fill(dc, bounds, GetSysColor(COLOR_BTNFACE));
            RECT edge = bounds;
            DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
            text = GetSysColor(COLOR_BTNTEXT);
        } else if (selected) {
            Fill(dc, bounds, GetSysColor(COLOR_HIGHLIGHT));
            text = GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else {
            Fill(dc, bounds, window);
        }
        Fill(dc, RECT{bounds.right, bounds.top, outer.right, outer.bottom}, fixed ? fixedLine : line);
        Fill(dc, RECT{bounds.left, bounds.bottom, outer.right, outer.bottom}, fixed ? fixedLine : line);
        // The current cell's text is its editor's.
        if (cell == current_ && editor_ && IsWindowVisible(editor_)) return;
        const std::wstring& value =
            cells_[static_cast<size_t>(cell.row) * layout_.columnWidths.size() + cell.column];
        if (value.empty()) return;
        SetTextColor(dc, text);
        // No character is narrower than a pixel: what lies past the cell's
        // width is never measured (a cell may hold a megabyte).
        const size_t shown = std::min(value.size(), static_cast<size_t>(std::max(0, rect.Width())) + 1);
        ExtTextOutW(dc, bounds.left + kTextLeft, bounds.top + kTextTop, ETO_CLIPPED, &bounds, value.c_str(),
                    static_cast<UINT>(shown), nullptr);
    };

    // Visible rows and columns: the fixed ones, then the scrollable ones
    // from the view's first while they start inside the client area.
    const int probeColumn = layout_.fixedColumns > 0 ? 0 : view_.firstColumn;
    const int probeRow = layout_.fixedRows > 0 ? 0 : view_.firstRow;
    std::vector<int> columns;
    std::vector<int> rows;
    for (int column = 0; column < layout_.Columns(); ++column) {
        if (column >= layout_.fixedColumns && column < view_.firstColumn) continue;
        const std::optional<grid::Rect> rect = grid::CellRect(layout_, view_, {column, probeRow});
        if (!rect || rect->left >= client.width) break;
        columns.push_back(column);
    }
    for (int row = 0; row < layout_.rows; ++row) {
        if (row >= layout_.fixedRows && row < view_.firstRow) continue;
        const std::optional<grid::Rect> rect = grid::CellRect(layout_, view_, {probeColumn, row});
        if (!rect || rect->top >= client.height) break;
        rows.push_back(row);
    }
    for (int row : rows)
        for (int column : columns)
            if (const std::optional<grid::Rect> rect = grid::CellRect(layout_, view_, {column, row}))
                paintCell({column, row}, *rect);
    buffer.CopyTo(paint.get());
}

}  // namespace velk
