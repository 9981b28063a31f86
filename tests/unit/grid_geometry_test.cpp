// The string grid's arithmetic, on the settings dialog's grid: 4 columns of
// 20/118/297/20 pixels, 21 rows of 18, the first row and column fixed, in a
// client area of 460 x 133 (the 481 x 137 box less its edge and the
// vertical scroll bar).
#include "core/grid_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace velk {

void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << "}";
}

}  // namespace velk

namespace velk::grid {

void PrintTo(const Cell& cell, std::ostream* out) { *out << "(" << cell.column << "," << cell.row << ")"; }
void PrintTo(const View& view, std::ostream* out) {
    *out << "view(" << view.firstColumn << "," << view.firstRow << ")";
}

namespace {

Layout SettingsGrid() {
    Layout layout;
    layout.columnWidths = {20, 118, 297, 20};
    layout.rows = 21;
    layout.rowHeight = 18;
    return layout;
}

constexpr Size kClient{460, 133};

struct PointCase {
    View view;
    Point point;
    std::optional<Cell> cell;
    Size client = kClient;
};

TEST(GridCellAt, FindsTheCellUnderAPoint) {
    const PointCase cases[] = {
        {{1, 1}, {5, 5}, Cell{0, 0}},        // the corner header
        {{1, 1}, {20, 18}, Cell{0, 0}},      // its lines belong to it
        {{1, 1}, {21, 19}, Cell{1, 1}},      // the first pixel of the first cell
        {{1, 1}, {139, 37}, Cell{1, 1}},     // on its right and bottom lines
        {{1, 1}, {140, 38}, Cell{2, 2}},
        {{1, 1}, {80, 5}, Cell{1, 0}},       // a column header
        {{1, 1}, {5, 80}, Cell{0, 4}},       // a row header
        {{1, 1}, {458, 132}, Cell{3, 6}},    // the last pixel of the client area
        {{1, 1}, {459, 10}, std::nullopt},   // past the last column
        {{1, 1}, {-1, 5}, std::nullopt},     // outside
        {{1, 1}, {5, -1}, std::nullopt},
        {{1, 1}, {5, 133}, std::nullopt},    // below the client area
        {{1, 1}, {460, 5}, std::nullopt},
        // Scrolled down: the fixed row and column stay.
        {{1, 5}, {30, 25}, Cell{1, 5}},
        {{1, 5}, {30, 10}, Cell{1, 0}},
        {{1, 5}, {5, 25}, Cell{0, 5}},
        {{1, 5}, {30, 44}, Cell{1, 6}},
        // Scrolled right: column 2 follows the fixed column.
        {{2, 1}, {30, 25}, Cell{2, 1}},
        {{2, 1}, {318, 25}, Cell{2, 1}},
        {{2, 1}, {325, 25}, Cell{3, 1}},
        {{2, 1}, {345, 25}, std::nullopt},
        // Scrolled to the end in a taller area: below the last row is outside.
        {{1, 15}, {30, 130}, Cell{1, 20}, {460, 200}},
        {{1, 15}, {30, 140}, std::nullopt, {460, 200}},
    };
    for (const PointCase& test : cases)
        EXPECT_EQ(CellAt(SettingsGrid(), test.view, test.point, test.client), test.cell)
            << "at " << test.point.x << "," << test.point.y << " in view " << test.view.firstColumn << ","
            << test.view.firstRow;
}

struct RectCase {
    View view;
    Cell cell;
    std::optional<Rect> rect;
};

TEST(GridCellRect, LiesBetweenTheLines) {
    const RectCase cases[] = {
        {{1, 1}, {0, 0}, Rect{0, 0, 20, 18}},
        {{1, 1}, {1, 1}, Rect{21, 19, 139, 37}},
        {{1, 1}, {3, 20}, Rect{438, 380, 458, 398}},  // past the client area, still placed
        {{1, 5}, {1, 3}, std::nullopt},                // scrolled out above
        {{1, 5}, {0, 7}, Rect{0, 57, 20, 75}},
        {{1, 5}, {2, 0}, Rect{140, 0, 437, 18}},
        {{2, 1}, {2, 1}, Rect{21, 19, 318, 37}},
        {{2, 1}, {1, 1}, std::nullopt},                // scrolled out to the left
        {{1, 1}, {4, 1}, std::nullopt},                // no such cell
        {{1, 1}, {1, 21}, std::nullopt},
        {{1, 1}, {-1, 0}, std::nullopt},
    };
    for (const RectCase& test : cases) EXPECT_EQ(CellRect(SettingsGrid(), test.view, test.cell), test.rect);
}

TEST(GridCellRect, FullyVisibleCellsEndInsideTheClientArea) {
    const Layout layout = SettingsGrid();
    EXPECT_TRUE(FullyVisible(layout, {1, 1}, {1, 6}, kClient));
    EXPECT_FALSE(FullyVisible(layout, {1, 1}, {1, 7}, kClient));
    EXPECT_TRUE(FullyVisible(layout, {1, 1}, {3, 1}, kClient));
    EXPECT_FALSE(FullyVisible(layout, {1, 1}, {3, 1}, {458, 133}));
    EXPECT_FALSE(FullyVisible(layout, {1, 5}, {1, 4}, kClient));
    EXPECT_TRUE(FullyVisible(layout, {1, 5}, {0, 0}, kClient));
}

TEST(GridScrolling, TwentyOneRowsOfEighteenIn137Pixels) {
    const Layout layout = SettingsGrid();
    // 133 pixels inside the edge: the header row and six rows of 19.
    EXPECT_EQ(MaxFirstRow(layout, 133), 15);
    EXPECT_EQ(RowScrollRange(layout, 133), (ScrollRange{1, 20, 6}));
    EXPECT_EQ(RowScrollRange(layout, 133).MaxPosition(), 15);
    EXPECT_EQ(VisibleRows(layout, {1, 1}, 133), 6);
    EXPECT_EQ(VisibleRows(layout, {1, 15}, 133), 6);
    EXPECT_EQ(VisibleRows(layout, {1, 18}, 133), 3);
    // A horizontal bar of 17 leaves five rows.
    EXPECT_EQ(MaxFirstRow(layout, 116), 16);
    EXPECT_EQ(RowScrollRange(layout, 116), (ScrollRange{1, 20, 5}));
    // Everything fits: nothing to scroll.
    EXPECT_EQ(MaxFirstRow(layout, 500), 1);
    EXPECT_EQ(RowScrollRange(layout, 500), (ScrollRange{1, 20, 20}));
    // Too small for even one row: still the last one.
    EXPECT_EQ(MaxFirstRow(layout, 10), 20);
    EXPECT_EQ(VisibleRows(layout, {1, 1}, 10), 1);
}

TEST(GridScrolling, ColumnsOfDifferentWidths) {
    const Layout layout = SettingsGrid();
    EXPECT_EQ(TotalWidth(layout), 459);
    EXPECT_EQ(FixedWidth(layout), 21);
    EXPECT_EQ(MaxFirstColumn(layout, 460), 1);
    EXPECT_EQ(VisibleColumns(layout, {1, 1}, 460), 3);
    // 300 pixels: the wide column and the last one do not fit together.
    EXPECT_EQ(MaxFirstColumn(layout, 300), 3);
    EXPECT_EQ(ColumnScrollRange(layout, 300), (ScrollRange{1, 3, 1}));
    EXPECT_EQ(VisibleColumns(layout, {1, 1}, 300), 1);
    EXPECT_EQ(MaxFirstColumn(layout, 350), 2);
}

TEST(GridScrolling, ScrollBarsAsNeeded) {
    struct Case {
        int rows;
        std::vector<int> widths;
        Size area;
        ScrollBars bars;
    };
    const Case cases[] = {
        {21, {20, 118, 297, 20}, {477, 133}, {true, false}},  // the settings grid: 459 fits beside the bar
        {21, {20, 148, 297, 20}, {477, 133}, {true, true}},   // a column widened
        {3, {20, 118, 297, 20}, {477, 133}, {false, false}},
        {6, {20, 118, 320, 20}, {477, 133}, {false, true}},   // the bar still leaves room for six rows
        {7, {20, 118, 300, 20}, {477, 133}, {false, false}},  // seven rows fill 133 exactly
        {7, {20, 118, 320, 20}, {477, 133}, {true, true}},    // the horizontal bar brings the vertical one
    };
    for (const Case& test : cases) {
        Layout layout = SettingsGrid();
        layout.rows = test.rows;
        layout.columnWidths = test.widths;
        EXPECT_EQ(NeedScrollBars(layout, test.area, 17, 17), test.bars) << test.rows << " rows";
    }
}

TEST(GridScrolling, ViewsStayWithinLimitsAndShowTheCell) {
    const Layout layout = SettingsGrid();
    EXPECT_EQ(Clamped(layout, {0, 0}, kClient), (View{1, 1}));
    EXPECT_EQ(Clamped(layout, {5, 30}, kClient), (View{1, 15}));
    EXPECT_EQ(Showing(layout, {1, 1}, {1, 10}, kClient), (View{1, 5}));
    EXPECT_EQ(Showing(layout, {1, 5}, {1, 2}, kClient), (View{1, 2}));
    EXPECT_EQ(Showing(layout, {1, 5}, {1, 8}, kClient), (View{1, 5}));
    EXPECT_EQ(Showing(layout, {1, 1}, {1, 20}, kClient), (View{1, 15}));
    EXPECT_EQ(Showing(layout, {1, 5}, {0, 0}, kClient), (View{1, 5}));
    EXPECT_EQ(Showing(layout, {1, 1}, {3, 1}, {300, 133}), (View{3, 1}));
    EXPECT_EQ(Showing(layout, {3, 1}, {1, 1}, {300, 133}), (View{1, 1}));
}

struct ResizeCase {
    View view;
    Point point;
    std::optional<int> column;
};

TEST(GridColumnSizing, TheHeaderLineUnderThePointer) {
    const ResizeCase cases[] = {
        {{1, 1}, {20, 5}, 0},
        {{1, 1}, {139, 5}, 1},
        {{1, 1}, {141, 5}, 1},
        {{1, 1}, {142, 5}, 1},            // three pixels off
        {{1, 1}, {136, 5}, 1},
        {{1, 1}, {143, 5}, std::nullopt}, // four
        {{1, 1}, {437, 10}, 2},
        {{1, 1}, {458, 17}, 3},
        {{1, 1}, {139, 20}, std::nullopt}, // below the header row
        {{1, 1}, {80, 5}, std::nullopt},
        {{1, 1}, {139, -1}, std::nullopt},
        {{2, 1}, {318, 5}, 2},             // scrolled: column 2 follows the fixed one
        {{2, 1}, {139, 5}, std::nullopt},
        {{2, 1}, {339, 5}, 3},
    };
    for (const ResizeCase& test : cases)
        EXPECT_EQ(ResizeLineAt(SettingsGrid(), test.view, test.point, kClient), test.column)
            << "at " << test.point.x << "," << test.point.y;

    // Two lines near: the nearer; a tie goes to the left one.
    Layout narrow = SettingsGrid();
    narrow.columnWidths = {20, 5, 100};
    EXPECT_EQ(ResizeLineAt(narrow, {1, 1}, {23, 5}, kClient), 0);
    EXPECT_EQ(ResizeLineAt(narrow, {1, 1}, {24, 5}, kClient), 1);
}

TEST(GridColumnSizing, WidthsFollowThePointerDownToAMinimum) {
    struct Case {
        int start, from, to, min, width;
    };
    const Case cases[] = {
        {118, 139, 169, kMinColumnWidth, 148},
        {118, 139, 139, kMinColumnWidth, 118},
        {118, 139, 100, kMinColumnWidth, 79},
        {118, 139, 20, kMinColumnWidth, kMinColumnWidth},
        {20, 0, -50, 4, 4},
    };
    for (const Case& test : cases)
        EXPECT_EQ(ResizedWidth(test.start, test.from, test.to, test.min), test.width) << test.from << "->" << test.to;
}

TEST(GridSelection, RangesAreNormalised) {
    struct Case {
        Cell anchor, current;
        Range range;
    };
    const Case cases[] = {
        {{1, 1}, {3, 5}, {1, 1, 3, 5}},
        {{3, 5}, {1, 1}, {1, 1, 3, 5}},
        {{3, 1}, {1, 5}, {1, 1, 3, 5}},
        {{1, 5}, {3, 1}, {1, 1, 3, 5}},
        {{2, 2}, {2, 2}, {2, 2, 2, 2}},
    };
    for (const Case& test : cases) EXPECT_EQ(Normalised(test.anchor, test.current), test.range);

    const Range range = Normalised({3, 5}, {1, 2});
    EXPECT_TRUE(range.Contains({2, 3}));
    EXPECT_TRUE(range.Contains({1, 2}));
    EXPECT_TRUE(range.Contains({3, 5}));
    EXPECT_FALSE(range.Contains({0, 3}));
    EXPECT_FALSE(range.Contains({2, 6}));
    EXPECT_FALSE(range.IsSingle());
    EXPECT_TRUE(Normalised({2, 2}, {2, 2}).IsSingle());
}

struct MoveCase {
    Cell from;
    Move move;
    std::optional<Cell> to;
};

TEST(GridNavigation, TabWrapsAlongTheRowsAndLeavesAtTheEnds) {
    const MoveCase cases[] = {
        {{1, 1}, Move::Next, Cell{2, 1}},
        {{3, 1}, Move::Next, Cell{1, 2}},          // to the next row's first cell
        {{3, 19}, Move::Next, Cell{1, 20}},
        {{3, 20}, Move::Next, std::nullopt},       // past the last cell: out of the grid
        {{2, 1}, Move::Previous, Cell{1, 1}},
        {{1, 2}, Move::Previous, Cell{3, 1}},      // to the previous row's last cell
        {{1, 1}, Move::Previous, std::nullopt},    // before the first cell: out of the grid
        {{1, 1}, Move::Up, Cell{1, 1}},            // the fixed row is not reached
        {{2, 5}, Move::Up, Cell{2, 4}},
        {{2, 5}, Move::Down, Cell{2, 6}},
        {{2, 20}, Move::Down, Cell{2, 20}},
        {{1, 3}, Move::Left, Cell{1, 3}},          // arrows do not wrap
        {{2, 3}, Move::Left, Cell{1, 3}},
        {{3, 3}, Move::Right, Cell{3, 3}},
        {{1, 1}, Move::PageDown, Cell{1, 7}},
        {{1, 18}, Move::PageDown, Cell{1, 20}},
        {{2, 10}, Move::PageUp, Cell{2, 4}},
        {{1, 3}, Move::PageUp, Cell{1, 1}},
        {{3, 12}, Move::First, Cell{1, 1}},
        {{1, 2}, Move::Last, Cell{3, 20}},
        {{0, 0}, Move::Down, Cell{1, 2}},          // from outside: taken as the nearest cell first
    };
    for (const MoveCase& test : cases)
        EXPECT_EQ(Navigate(SettingsGrid(), test.from, test.move, 6), test.to)
            << "from " << test.from.column << "," << test.from.row << " move " << static_cast<int>(test.move);
}

TEST(GridNavigation, AGridWithoutScrollableCellsIsLeftAtOnce) {
    Layout headers = SettingsGrid();
    headers.columnWidths = {20};
    EXPECT_EQ(Navigate(headers, {0, 0}, Move::Next, 6), std::nullopt);
    EXPECT_EQ(Navigate(headers, {0, 0}, Move::Previous, 6), std::nullopt);
    EXPECT_EQ(Navigate(headers, {0, 0}, Move::Down, 6), (Cell{0, 0}));
}

TEST(GridNavigation, DraggingPastTheEdgesReachesTheNextCellOut) {
    const Layout layout = SettingsGrid();
    EXPECT_EQ(DragTarget(layout, {1, 1}, {200, 60}, kClient), (Cell{2, 3}));
    EXPECT_EQ(DragTarget(layout, {1, 1}, {30, 140}, kClient), (Cell{1, 7}));   // below: the row after the page
    EXPECT_EQ(DragTarget(layout, {1, 1}, {30, 5}, kClient), (Cell{1, 1}));     // over the header: no row above
    EXPECT_EQ(DragTarget(layout, {1, 5}, {30, 5}, kClient), (Cell{1, 4}));
    EXPECT_EQ(DragTarget(layout, {1, 1}, {470, 25}, kClient), (Cell{3, 1}));   // right: the last column
    EXPECT_EQ(DragTarget(layout, {1, 1}, {5, 25}, kClient), (Cell{1, 1}));
    EXPECT_EQ(DragTarget(layout, {1, 15}, {30, 300}, kClient), (Cell{1, 20}));
}

}  // namespace
}  // namespace velk::grid
