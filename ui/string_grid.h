#pragma once
// A grid of strings, as the classic string grid with editing always on:
// fixed header rows and columns drawn as buttons, grid lines, an in-place
// editor (an EDIT child) that always sits on the current cell, Tab and the
// arrows from cell to cell, ranges by drag, Shift+click and Shift+arrows,
// the wheel and scroll bars, header lines dragged to size columns. The
// arithmetic is core/grid_geometry.h; this is the window over it, with its
// editor in string_grid_editor.cpp and its painting in string_grid_paint.cpp.
//
// The object stands on the window skeleton (ui/window.h); it must outlive
// its window or destroy it (its destructor does). The cells keep their
// texts after the window is gone.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "core/grid_geometry.h"
#include "core/wheel.h"
#include "ui/window.h"

namespace velk {

inline constexpr wchar_t kStringGridClass[] = L"VelkStringGrid";

struct StringGridArgs {
    int id = 0;      // control id (events are callbacks, not notifications)
    RECT bounds{};   // in the parent's client pixels, the client edge included
    int columns = 4, rows = 21, fixedColumns = 1, fixedRows = 1;
    std::vector<int> columnWidths;  // pixels, one per column (missing ones: 64)
    int rowHeight = 18;             // pixels
    HFONT font = nullptr;           // owned by the form, alive as long as the grid
    // A file dropped on a row (the first of several) goes into the row's
    // cell of fileColumn, and its name (core/dropped_name.h) into that of
    // nameColumn where that is empty; -1: the grid takes no files.
    int fileColumn = -1;
    int nameColumn = -1;
};

class StringGrid final : public WindowBase {
public:
    StringGrid() = default;
    ~StringGrid() override;  // destroys its window if it still exists

    // Creates the window and its editor, the current cell being the first
    // scrollable one; false when Windows refuses. A grid created again
    // starts with empty cells.
    bool Create(HWND parent, const StringGridArgs& args);
    HWND Editor() const { return editor_; }  // the in-place EDIT child

    int ColCount() const { return layout_.Columns(); }

    // A cell's text; for the current cell, what its editor holds now. Empty
    // for a cell that does not exist.
    const std::wstring& Cell(int column, int row) const;
    // The editor shows it when it is the current cell.
    void SetCell(int column, int row, std::wstring text);

    // The current cell.
    int Col() const { return current_.column; }
    int Row() const { return current_.row; }
    // As a click would: runs OnSelectCell, which may refuse; a fixed cell or
    // one that does not exist is not taken.
    void SetCurrent(int column, int row);

    // The selected range (the current cell alone unless a range is
    // dragged); the current cell is one of its corners.
    grid::Range Selection() const { return grid::Normalised(anchor_, current_); }
    // The first scrollable row in sight.
    int TopRow() const { return view_.firstRow; }
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    void SetRowHeight(int height);
    // The cell's area (lines excluded) in the grid's client pixels; empty
    // when it is scrolled out of view or does not exist.
    RECT CellBounds(int column, int row) const;

    std::function<bool(int column, int row)> OnSelectCell;  // a cell is about to become current; false refuses
    std::function<void()> OnDblClick;                        // double click in the grid or in its editor

private:
    enum class Drag { None, Select, Resize };
    // Where a cell's text starts inside its area, as the classic grid draws
    // it; the editor's text starts there too.
    static constexpr int kTextLeft = 2;
    static constexpr int kTextTop = 2;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUnbound() override;
    LRESULT HandleEditorMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateEditor();
    grid::Size ClientSize() const;
    std::wstring& Stored(grid::Cell cell) const { return cells_[layout_.StorageIndex(cell)]; }
    // The current cell keeps what its editor holds.
    void Commit() const;
    // Moves the current cell (OnSelectCell first), the anchor too unless
    // extending; scrolls it into view from the preferred view.
    bool MoveTo(grid::Cell cell, bool extend, const grid::View* preferred = nullptr);
    // Places the editor on the current cell, hidden while the cell is out of
    // sight; with loadText it takes the cell's text, all selected.
    void PlaceEditor(bool loadText);
    void ScrollTo(grid::View view);
    void ShowCurrent();
    void UpdateScrollBars();
    void InvalidateRange(const grid::Range& range);

    bool OnNavigationKey(UINT key, bool inEditor);
    void LeaveGrid(bool backwards);
    // The editor's selection and text length.
    struct EditorCaret {
        DWORD start = 0;
        DWORD end = 0;
        DWORD length = 0;
    };
    EditorCaret Caret() const;
    bool CaretAtLeft() const;
    bool CaretAtRight() const;
    LRESULT DialogCode(LRESULT code, const MSG* message) const;

    void OnMouseDown(POINT point, WPARAM keys, bool doubleClick);
    void OnMouseMove(POINT point);
    bool OnSetCursor();
    void OnScroll(int bar, UINT request);
    void OnWheel(int delta);
    void FireDblClick();
    void OnDropFiles(HDROP drop);
    void Paste();
    void Paint();

    HWND editor_ = nullptr;
    HFONT font_ = nullptr;
    grid::Layout layout_;
    grid::View view_;
    grid::Cell current_;
    grid::Cell anchor_;
    mutable std::vector<std::wstring> cells_;
    WheelAccumulator wheel_;
    bool updatingBars_ = false;
    int fileColumn_ = -1;
    int nameColumn_ = -1;

    Drag drag_ = Drag::None;
    int resizeColumn_ = 0;
    int resizeStartX_ = 0;
    int resizeStartWidth_ = 0;
    // A click that moved the editor under the pointer: the second click of
    // a double click then lands in the editor as a first one.
    bool clickMovedEditor_ = false;
    DWORD clickTime_ = 0;
    POINT clickPoint_{};  // screen
};

}  // namespace velk
