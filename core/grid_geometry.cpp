#include "core/grid_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace velk::grid {

namespace {

// One direction of the grid: the columns with their widths, or the rows of
// one height.
class Axis {
public:
    static Axis Columns(const Layout& layout) {
        return Axis(&layout.columnWidths, 0, layout.Columns(), layout.fixedColumns);
    }
    static Axis Rows(const Layout& layout) { return Axis(nullptr, layout.rowHeight, layout.rows, layout.fixedRows); }

    int Count() const { return count_; }
    int Fixed() const { return fixed_; }
    int Size(int index) const { return std::max(0, sizes_ ? (*sizes_)[static_cast<size_t>(index)] : uniform_); }
    int Extent(int index) const { return Size(index) + kLineWidth; }

    int FixedExtent() const {
        int extent = 0;
        for (int index = 0; index < fixed_; ++index) extent += Extent(index);
        return extent;
    }
    int TotalExtent() const {
        int extent = 0;
        for (int index = 0; index < count_; ++index) extent += Extent(index);
        return extent;
    }

    // Where the cell at index starts, with scrollable cells from first on.
    std::optional<int> Start(int first, int index) const {
        if (index < 0 || index >= count_) return std::nullopt;
        if (index < fixed_) {
            int at = 0;
            for (int i = 0; i < index; ++i) at += Extent(i);
            return at;
        }
        if (index < first) return std::nullopt;
        int at = FixedExtent();
        for (int i = first; i < index; ++i) at += Extent(i);
        return at;
    }

    std::optional<int> IndexAt(int first, int position) const {
        if (position < 0) return std::nullopt;
        int end = 0;
        for (int index = 0; index < fixed_; ++index) {
            end += Extent(index);
            if (position < end) return index;
        }
        for (int index = std::max(first, fixed_); index < count_; ++index) {
            end += Extent(index);
            if (position < end) return index;
        }
        return std::nullopt;
    }

    int MaxFirst(int client) const {
        if (count_ <= fixed_) return fixed_;
        const int available = client - FixedExtent();
        int first = count_ - 1;
        int used = Extent(first);
        while (first - 1 >= fixed_ && used + Extent(first - 1) <= available) used += Extent(--first);
        return first;
    }

    int Clamp(int first, int client) const { return std::clamp(first, fixed_, std::max(fixed_, MaxFirst(client))); }

    int VisibleFrom(int first, int client) const {
        int shown = 0;
        int end = FixedExtent();
        for (int index = std::max(first, fixed_); index < count_; ++index) {
            end += Extent(index);
            if (end > client) break;
            ++shown;
        }
        return std::max(1, shown);
    }

    bool Fits(int first, int index, int client) const {
        const std::optional<int> start = Start(first, index);
        return start && *start + Extent(index) <= client;
    }

    // The first scrollable index that shows index in full, moved the least.
    int Showing(int first, int index, int client) const {
        if (index < fixed_ || index >= count_) return Clamp(first, client);
        if (index < first) first = index;
        while (first < index && !Fits(first, index, client)) ++first;
        return Clamp(first, client);
    }

    ScrollRange Range(int client) const {
        if (count_ <= fixed_) return {fixed_, fixed_, 1};
        return {fixed_, count_ - 1, count_ - MaxFirst(client)};
    }

    // Dragging: the index the pointer leads to along this axis.
    int DragTarget(int first, int position, int client) const {
        const int last = count_ - 1;
        if (last < fixed_) return fixed_;
        if (position < FixedExtent()) return std::clamp(first - 1, fixed_, last);
        if (position >= client) return std::clamp(std::max(first, fixed_) + VisibleFrom(first, client), fixed_, last);
        const std::optional<int> index = IndexAt(first, position);
        return index ? std::clamp(*index, fixed_, last) : last;
    }

private:
    Axis(const std::vector<int>* sizes, int uniform, int count, int fixed)
        : sizes_(sizes), uniform_(uniform), count_(std::max(0, count)), fixed_(std::clamp(fixed, 0, count_)) {}

    const std::vector<int>* sizes_;
    int uniform_;
    int count_;
    int fixed_;
};

}  // namespace

bool Layout::IsCell(Cell cell) const {
    return cell.column >= 0 && cell.column < Columns() && cell.row >= 0 && cell.row < rows;
}

bool Layout::IsScrollable(Cell cell) const {
    return IsCell(cell) && cell.column >= fixedColumns && cell.row >= fixedRows;
}

int FixedWidth(const Layout& layout) { return Axis::Columns(layout).FixedExtent(); }
int FixedHeight(const Layout& layout) { return Axis::Rows(layout).FixedExtent(); }
int TotalWidth(const Layout& layout) { return Axis::Columns(layout).TotalExtent(); }
int TotalHeight(const Layout& layout) { return Axis::Rows(layout).TotalExtent(); }

std::optional<Cell> CellAt(const Layout& layout, const View& view, Point point, Size client) {
    if (point.x < 0 || point.y < 0 || point.x >= client.width || point.y >= client.height) return std::nullopt;
    const std::optional<int> column = Axis::Columns(layout).IndexAt(view.firstColumn, point.x);
    const std::optional<int> row = Axis::Rows(layout).IndexAt(view.firstRow, point.y);
    if (!column || !row) return std::nullopt;
    return Cell{*column, *row};
}

std::optional<Rect> CellRect(const Layout& layout, const View& view, Cell cell) {
    const Axis columns = Axis::Columns(layout);
    const Axis rows = Axis::Rows(layout);
    const std::optional<int> left = columns.Start(view.firstColumn, cell.column);
    const std::optional<int> top = rows.Start(view.firstRow, cell.row);
    if (!left || !top) return std::nullopt;
    return Rect{*left, *top, *left + columns.Size(cell.column), *top + rows.Size(cell.row)};
}

bool FullyVisible(const Layout& layout, const View& view, Cell cell, Size client) {
    return Axis::Columns(layout).Fits(view.firstColumn, cell.column, client.width) &&
           Axis::Rows(layout).Fits(view.firstRow, cell.row, client.height);
}

int MaxFirstRow(const Layout& layout, int clientHeight) { return Axis::Rows(layout).MaxFirst(clientHeight); }
int MaxFirstColumn(const Layout& layout, int clientWidth) { return Axis::Columns(layout).MaxFirst(clientWidth); }

int VisibleRows(const Layout& layout, const View& view, int clientHeight) {
    return Axis::Rows(layout).VisibleFrom(view.firstRow, clientHeight);
}
int VisibleColumns(const Layout& layout, const View& view, int clientWidth) {
    return Axis::Columns(layout).VisibleFrom(view.firstColumn, clientWidth);
}

ScrollRange RowScrollRange(const Layout& layout, int clientHeight) { return Axis::Rows(layout).Range(clientHeight); }
ScrollRange ColumnScrollRange(const Layout& layout, int clientWidth) {
    return Axis::Columns(layout).Range(clientWidth);
}

ScrollBars NeedScrollBars(const Layout& layout, Size area, int verticalBarWidth, int horizontalBarHeight) {
    const int width = TotalWidth(layout);
    const int height = TotalHeight(layout);
    ScrollBars bars;
    bars.vertical = height > area.height;
    bars.horizontal = width > area.width - (bars.vertical ? verticalBarWidth : 0);
    // A horizontal bar may leave too little height; that bar then stays.
    bars.vertical = height > area.height - (bars.horizontal ? horizontalBarHeight : 0);
    bars.horizontal = width > area.width - (bars.vertical ? verticalBarWidth : 0);
    return bars;
}

View Clamped(const Layout& layout, View view, Size client) {
    return View{Axis::Columns(layout).Clamp(view.firstColumn, client.width),
                Axis::Rows(layout).Clamp(view.firstRow, client.height)};
}

View Showing(const Layout& layout, View view, Cell cell, Size client) {
    return View{Axis::Columns(layout).Showing(view.firstColumn, cell.column, client.width),
                Axis::Rows(layout).Showing(view.firstRow, cell.row, client.height)};
}

std::optional<int> ResizeLineAt(const Layout& layout, const View& view, Point point, Size client) {
    if (point.y < 0 || point.y >= FixedHeight(layout) || point.y >= client.height) return std::nullopt;
    const Axis columns = Axis::Columns(layout);
    std::optional<int> nearest;
    int nearestDistance = kResizeTolerance + 1;
    for (int column = 0; column < columns.Count(); ++column) {
        const std::optional<int> start = columns.Start(view.firstColumn, column);
        if (!start) continue;
        if (*start >= client.width) break;
        const int distance = std::abs(point.x - (*start + columns.Size(column)));
        if (distance < nearestDistance) {
            nearest = column;
            nearestDistance = distance;
        }
    }
    return nearest;
}

int ResizedWidth(int startWidth, int startX, int currentX, int minWidth) {
    return std::max(minWidth, startWidth + currentX - startX);
}

bool Range::Contains(Cell cell) const {
    return cell.column >= left && cell.column <= right && cell.row >= top && cell.row <= bottom;
}

Range Normalised(Cell anchor, Cell current) {
    return Range{std::min(anchor.column, current.column), std::min(anchor.row, current.row),
                 std::max(anchor.column, current.column), std::max(anchor.row, current.row)};
}

std::optional<Cell> Navigate(const Layout& layout, Cell current, Move move, int pageRows) {
    const int firstColumn = std::max(0, layout.fixedColumns);
    const int firstRow = std::max(0, layout.fixedRows);
    const int lastColumn = layout.Columns() - 1;
    const int lastRow = layout.rows - 1;
    if (firstColumn > lastColumn || firstRow > lastRow) {
        if (move == Move::Next || move == Move::Previous) return std::nullopt;
        return current;
    }
    const int column = std::clamp(current.column, firstColumn, lastColumn);
    const int row = std::clamp(current.row, firstRow, lastRow);
    const int page = std::max(1, pageRows);
    switch (move) {
    case Move::Next:
        if (column < lastColumn) return Cell{column + 1, row};
        if (row < lastRow) return Cell{firstColumn, row + 1};
        return std::nullopt;
    case Move::Previous:
        if (column > firstColumn) return Cell{column - 1, row};
        if (row > firstRow) return Cell{lastColumn, row - 1};
        return std::nullopt;
    case Move::Up: return Cell{column, std::max(firstRow, row - 1)};
    case Move::Down: return Cell{column, std::min(lastRow, row + 1)};
    case Move::Left: return Cell{std::max(firstColumn, column - 1), row};
    case Move::Right: return Cell{std::min(lastColumn, column + 1), row};
    case Move::PageUp: return Cell{column, std::max(firstRow, row - page)};
    case Move::PageDown: return Cell{column, std::min(lastRow, row + page)};
    case Move::First: return Cell{firstColumn, firstRow};
    case Move::Last: return Cell{lastColumn, lastRow};
    }
    return current;
}

Cell DragTarget(const Layout& layout, const View& view, Point point, Size client) {
    return Cell{Axis::Columns(layout).DragTarget(view.firstColumn, point.x, client.width),
                Axis::Rows(layout).DragTarget(view.firstRow, point.y, client.height)};
}

}  // namespace velk::grid
