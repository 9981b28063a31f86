#include "ui/string_grid.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/scrolling.h"
#include "win/dpi.h"
#include "win/dropped_files.h"
#include "win/object_count.h"
#include "win/rect.h"

namespace velk {

namespace {

constexpr int kDefaultColumnWidth = 64;

}  // namespace

StringGrid::~StringGrid() {
    if (hwnd()) DestroyWindow(hwnd());
}

bool StringGrid::Create(HWND parent, const StringGridArgs& args) {
    if (hwnd()) DestroyWindow(hwnd());
    RegisterWindowClass({kStringGridClass, CS_DBLCLKS});

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
    fileColumn_ = args.fileColumn;
    nameColumn_ = args.nameColumn;

    const DWORD exStyle = WS_EX_CLIENTEDGE | (fileColumn_ >= 0 ? WS_EX_ACCEPTFILES : 0);
    if (!CreateBound(exStyle, kStringGridClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, args.bounds,
                     parent, args.id))
        return false;
    UpdateScrollBars();
    PlaceEditor(true);
    return true;
}

LRESULT StringGrid::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        NoteAcquired(ObjectKind::Window);
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    case WM_CREATE: return CreateEditor() ? 0 : -1;
    case WM_SIZE:
        UpdateScrollBars();
        PlaceEditor(false);
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (editor_) SendMessageW(editor_, WM_SETFONT, wParam, lParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd(), nullptr, FALSE);
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
        if (GetCapture() == hwnd()) ReleaseCapture();
        drag_ = Drag::None;
        return 0;
    case WM_CAPTURECHANGED: drag_ = Drag::None; return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd() && LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_COMMAND: return 0;  // the editor's notifications
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    default: return DefWindowProcW(hwnd(), message, wParam, lParam);
    }
}

grid::Size StringGrid::ClientSize() const {
    RECT client{};
    if (hwnd()) GetClientRect(hwnd(), &client);
    return grid::Size{client.right, client.bottom};
}

const std::wstring& StringGrid::Cell(int column, int row) const {
    static const std::wstring empty;
    if (!layout_.IsCell({column, row})) return empty;
    if (grid::Cell{column, row} == current_) Commit();
    return Stored({column, row});
}

void StringGrid::SetCell(int column, int row, std::wstring text) {
    if (!layout_.IsCell({column, row})) return;
    Stored({column, row}) = std::move(text);
    if (grid::Cell{column, row} == current_) {
        PlaceEditor(true);
    } else if (hwnd()) {
        const RECT bounds = CellBounds(column, row);
        InvalidateRect(hwnd(), &bounds, FALSE);
    }
}

void StringGrid::SetCurrent(int column, int row) { MoveTo(grid::Cell{column, row}, false); }

int StringGrid::ColumnWidth(int column) const {
    return column >= 0 && column < layout_.Columns() ? layout_.columnWidths[static_cast<size_t>(column)] : 0;
}

void StringGrid::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= layout_.Columns()) return;
    layout_.columnWidths[static_cast<size_t>(column)] = std::max(0, width);
    if (!hwnd()) return;
    UpdateScrollBars();
    PlaceEditor(false);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void StringGrid::SetRowHeight(int height) {
    layout_.rowHeight = std::max(1, height);
    if (!hwnd()) return;
    UpdateScrollBars();
    PlaceEditor(false);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT StringGrid::CellBounds(int column, int row) const {
    const std::optional<Rect> rect = grid::CellRect(layout_, view_, grid::Cell{column, row});
    return rect ? ToRECT(*rect) : RECT{};
}

void StringGrid::InvalidateRange(const grid::Range& range) {
    if (!hwnd()) return;
    const std::optional<Rect> first = grid::CellRect(layout_, view_, {range.left, range.top});
    const std::optional<Rect> last = grid::CellRect(layout_, view_, {range.right, range.bottom});
    const grid::Size client = ClientSize();
    // Cells scrolled out above or to the left: from the scrollable area's edge.
    const RECT area{first ? first->left : grid::FixedWidth(layout_), first ? first->top : grid::FixedHeight(layout_),
                    last ? last->right + grid::kLineWidth : client.width,
                    last ? last->bottom + grid::kLineWidth : client.height};
    InvalidateRect(hwnd(), &area, FALSE);
}

bool StringGrid::MoveTo(grid::Cell cell, bool extend, const grid::View* preferred) {
    if (!hwnd() || !layout_.IsScrollable(cell)) return false;
    if (cell != current_ && OnSelectCell && !OnSelectCell(cell.column, cell.row)) return false;
    if (!hwnd()) return false;
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

void StringGrid::ShowCurrent() {
    if (editor_ && !IsWindowVisible(editor_)) ScrollTo(grid::Showing(layout_, view_, current_, ClientSize()));
}

void StringGrid::ScrollTo(grid::View view) {
    view = grid::Clamped(layout_, view, ClientSize());
    if (view == view_) return;
    view_ = view;
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    if (style & WS_VSCROLL) SetScrollPos(hwnd(), SB_VERT, view_.firstRow, TRUE);
    if (style & WS_HSCROLL) SetScrollPos(hwnd(), SB_HORZ, view_.firstColumn, TRUE);
    InvalidateRect(hwnd(), nullptr, FALSE);
    PlaceEditor(false);
}

void StringGrid::UpdateScrollBars() {
    if (updatingBars_ || !hwnd()) return;
    updatingBars_ = true;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    // The bars are as wide as the window's dpi makes them.
    const int dpi = WindowDpi(hwnd());
    const int barWidth = SystemMetricForDpi(SM_CXVSCROLL, dpi);
    const int barHeight = SystemMetricForDpi(SM_CYHSCROLL, dpi);
    // The area as it would be without bars.
    const grid::Size area{client.right + ((style & WS_VSCROLL) ? barWidth : 0),
                          client.bottom + ((style & WS_HSCROLL) ? barHeight : 0)};
    const grid::ScrollBars bars = grid::NeedScrollBars(layout_, area, barWidth, barHeight);
    if (bars.vertical != ((style & WS_VSCROLL) != 0)) ShowScrollBar(hwnd(), SB_VERT, bars.vertical);
    if (bars.horizontal != ((style & WS_HSCROLL) != 0)) ShowScrollBar(hwnd(), SB_HORZ, bars.horizontal);
    const grid::Size size = ClientSize();
    view_ = grid::Clamped(layout_, view_, size);
    const auto set = [&](int bar, const grid::ScrollRange& range, int position) {
        SetScrollBar(hwnd(), bar, range.min, range.max, range.page, position);
    };
    if (bars.vertical) set(SB_VERT, grid::RowScrollRange(layout_, size.height), view_.firstRow);
    if (bars.horizontal) set(SB_HORZ, grid::ColumnScrollRange(layout_, size.width), view_.firstColumn);
    updatingBars_ = false;
}

void StringGrid::OnMouseDown(POINT point, WPARAM keys, bool doubleClick) {
    const HWND focus = GetFocus();
    if (focus != hwnd() && focus != editor_) SetFocus(hwnd());
    if (!hwnd()) return;
    const grid::Size client = ClientSize();
    const Point at{point.x, point.y};
    if (const std::optional<int> line = grid::ResizeLineAt(layout_, view_, at, client); line && !doubleClick) {
        drag_ = Drag::Resize;
        resizeColumn_ = *line;
        resizeStartX_ = point.x;
        resizeStartWidth_ = ColumnWidth(*line);
        SetCapture(hwnd());
        SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    } else if (const std::optional<grid::Cell> cell = grid::CellAt(layout_, view_, at, client);
               cell && layout_.IsScrollable(*cell)) {
        const bool moved = *cell != current_;
        if (MoveTo(*cell, (keys & MK_SHIFT) != 0) && hwnd() && !doubleClick) {
            drag_ = Drag::Select;
            SetCapture(hwnd());
        }
        clickMovedEditor_ = moved && !doubleClick && current_ == *cell;
        clickTime_ = static_cast<DWORD>(GetMessageTime());
        clickPoint_ = point;
        if (hwnd()) ClientToScreen(hwnd(), &clickPoint_);
    }
    if (doubleClick) FireDblClick();
}

void StringGrid::OnMouseMove(POINT point) {
    if (GetCapture() != hwnd()) drag_ = Drag::None;
    const Point at{point.x, point.y};
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
    ScreenToClient(hwnd(), &point);
    if (drag_ != Drag::Resize && !grid::ResizeLineAt(layout_, view_, {point.x, point.y}, ClientSize())) return false;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
}

void StringGrid::OnScroll(int bar, UINT request) {
    const grid::Size client = ClientSize();
    const bool vertical = bar == SB_VERT;
    const int page = vertical ? grid::VisibleRows(layout_, view_, client.height)
                              : grid::VisibleColumns(layout_, view_, client.width);
    grid::View view = view_;
    int& first = vertical ? view.firstRow : view.firstColumn;
    // SB_BOTTOM: past the end, where the view stops.
    const std::optional<int> target =
        ScrollRequestTarget(hwnd(), bar, request, first, page, layout_.rows + layout_.Columns());
    if (!target) return;
    first = *target;
    ScrollTo(view);
}

void StringGrid::OnWheel(int delta) {
    grid::View view = view_;
    view.firstRow -= WheelLines(wheel_, delta, grid::VisibleRows(layout_, view_, ClientSize().height));
    ScrollTo(view);
}

void StringGrid::OnDropFiles(HDROP drop) {
    const DroppedFiles files(drop);
    const POINT at = files.Point();
    const std::optional<grid::Cell> cell = grid::CellAt(layout_, view_, Point{at.x, at.y}, ClientSize());
    if (!cell || cell->row < layout_.fixedRows || !files.Count()) return;
    Commit();
    std::wstring& path = Stored({fileColumn_, cell->row});
    path = files.Path(0);
    std::wstring& name = Stored({nameColumn_, cell->row});
    if (name.empty()) name = DisplayName(path);
    if (current_.row == cell->row) PlaceEditor(true);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void StringGrid::OnUnbound() {
    editor_ = nullptr;
    NoteReleased(ObjectKind::Window);
}

}  // namespace velk
