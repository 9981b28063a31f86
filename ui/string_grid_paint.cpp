// The grid's painting: the cells in sight, composed off-screen and copied
// once, in the classic grid's colours and lines.
#include <algorithm>
#include <vector>

#include "ui/string_grid.h"
#include "win/back_buffer.h"
#include "win/handles.h"
#include "win/rect.h"

namespace velk {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

void StringGrid::Paint() {
    PaintDc paint(hwnd());
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

    const auto paintCell = [&](grid::Cell cell, const Rect& rect) {
        const RECT bounds = ToRECT(rect);
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
        if (cell == current_ && Editor() && IsWindowVisible(Editor())) return;
        const std::wstring& value = Stored(cell);
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
        const std::optional<Rect> rect = grid::CellRect(layout_, view_, {column, probeRow});
        if (!rect || rect->left >= client.width) break;
        columns.push_back(column);
    }
    for (int row = 0; row < layout_.rows; ++row) {
        if (row >= layout_.fixedRows && row < view_.firstRow) continue;
        const std::optional<Rect> rect = grid::CellRect(layout_, view_, {probeColumn, row});
        if (!rect || rect->top >= client.height) break;
        rows.push_back(row);
    }
    for (int row : rows)
        for (int column : columns)
            if (const std::optional<Rect> rect = grid::CellRect(layout_, view_, {column, row}))
                paintCell({column, row}, *rect);
    buffer.CopyTo(paint.get());
}

}  // namespace velk
