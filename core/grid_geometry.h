#pragma once
// The arithmetic of a string grid: where its cells lie for given column
// widths, row height, fixed counts and scroll position, which cell a point
// falls in, how far it scrolls, which header line a pointer may drag, the
// selected range and the cell each navigation key leads to. No Windows
// header: tested natively; ui/string_grid.cpp is the window over it.
//
// A grid line of kLineWidth pixels follows every cell on its right and at
// its bottom, as in the classic grid: a cell's extent is its size plus the
// line, and a point on that line belongs to the cell. Fixed rows and columns
// stay at the top and left; the scrollable ones start at the view's first
// row and column.
#include <cstddef>
#include <optional>
#include <vector>

#include "core/geometry.h"

namespace velk::grid {

inline constexpr int kLineWidth = 1;
// How near a header line the pointer must be to drag it, either side.
inline constexpr int kResizeTolerance = 3;
inline constexpr int kMinColumnWidth = 8;

struct Size {
    int width = 0;
    int height = 0;
};

struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

struct Layout {
    std::vector<int> columnWidths;  // one per column, in pixels
    int rows = 0;
    int rowHeight = 18;
    int fixedColumns = 1;
    int fixedRows = 1;

    int Columns() const { return static_cast<int>(columnWidths.size()); }
    bool IsCell(Cell cell) const;
    // Where a cell's text is kept among the cells stored row by row.
    size_t StorageIndex(Cell cell) const {
        return static_cast<size_t>(cell.row) * columnWidths.size() + static_cast<size_t>(cell.column);
    }
    // Not fixed: may become current.
    bool IsScrollable(Cell cell) const;
};

// The first scrollable column and row in sight.
struct View {
    int firstColumn = 1;
    int firstRow = 1;
    bool operator==(const View&) const = default;
};

// Extents along each axis, lines included.
int FixedWidth(const Layout& layout);
int FixedHeight(const Layout& layout);
int TotalWidth(const Layout& layout);
int TotalHeight(const Layout& layout);

// The cell under a point of the client area (of the given size); none for
// points outside the client area or past the last column or row.
std::optional<Cell> CellAt(const Layout& layout, const View& view, Point point, Size client);

// The cell's own area, without its lines, in client coordinates (it may lie
// partly or wholly past the client area's right or bottom); none for a cell
// that does not exist or is scrolled out of view to the left or top.
std::optional<Rect> CellRect(const Layout& layout, const View& view, Cell cell);
// Wholly inside a client area of this size.
bool FullyVisible(const Layout& layout, const View& view, Cell cell, Size client);

// Scrolling: the largest first row (column) that still shows the last one
// in full; at least the first scrollable one.
int MaxFirstRow(const Layout& layout, int clientHeight);
int MaxFirstColumn(const Layout& layout, int clientWidth);
// Scrollable rows (columns) shown in full from the view's first one; at
// least 1. Page Up / Page Down move by the rows'.
int VisibleRows(const Layout& layout, const View& view, int clientHeight);
int VisibleColumns(const Layout& layout, const View& view, int clientWidth);

// A scroll bar's settings: positions min..max with a thumb of page, so the
// furthest position (max - page + 1) is the largest first row or column.
struct ScrollRange {
    int min = 0;
    int max = 0;
    int page = 1;
    int MaxPosition() const { return max - page + 1; }
    bool operator==(const ScrollRange&) const = default;
};
ScrollRange RowScrollRange(const Layout& layout, int clientHeight);
ScrollRange ColumnScrollRange(const Layout& layout, int clientWidth);

// Which scroll bars the grid needs in an area of this size without bars
// (each bar narrows the other direction by its thickness).
struct ScrollBars {
    bool vertical = false;
    bool horizontal = false;
    bool operator==(const ScrollBars&) const = default;
};
ScrollBars NeedScrollBars(const Layout& layout, Size area, int verticalBarWidth, int horizontalBarHeight);

// The view kept within its limits for a client area of this size.
View Clamped(const Layout& layout, View view, Size client);
// The view moved the least that shows the cell in full (as far as it fits).
View Showing(const Layout& layout, View view, Cell cell, Size client);

// Column sizing: the column whose right-hand line lies within
// kResizeTolerance of the point, when the point is in the fixed rows;
// the nearest one when two are near.
std::optional<int> ResizeLineAt(const Layout& layout, const View& view, Point point, Size client);
int ResizedWidth(int startWidth, int startX, int currentX, int minWidth = kMinColumnWidth);

// An inclusive range of cells.
struct Range {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(Cell cell) const;
    bool IsSingle() const { return left == right && top == bottom; }
    bool operator==(const Range&) const = default;
};
Range Normalised(Cell anchor, Cell current);

// Navigation from the current cell among the scrollable ones.
enum class Move {
    Next,      // Tab: along the row, then the next row's first
    Previous,  // Shift+Tab
    Up,
    Down,
    Left,
    Right,
    PageUp,    // by pageRows
    PageDown,
    First,     // Ctrl+Home
    Last,      // Ctrl+End
};
// The cell the move leads to (the same one at an edge); none when Tab from
// the last cell or Shift+Tab from the first leaves the grid.
std::optional<Cell> Navigate(const Layout& layout, Cell current, Move move, int pageRows);

// While a range is dragged: the scrollable cell the pointer points at, or
// for a point beyond the scrollable area the next cell out that way, so the
// view scrolls towards it.
Cell DragTarget(const Layout& layout, const View& view, Point point, Size client);

}  // namespace velk::grid
