#pragma once

#include "Controls.h"
#include "GridCells.h"
#include "Window.h"
#include "app/presenters/FittedText.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class GridAccessible;

struct GridCell {
    int Column;
    int Row;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A rectangle of cells, both ends included.
struct GridRange {
    int Left;
    int Top;
    int Right;
    int Bottom;
    friend bool operator==(const GridRange&, const GridRange&) = default;
};

struct GridLayout {
    int FixedColumns = 0;
    int FixedRows = 1;
    int RowHeight = 24;            // px, the grid line below each row not included
    std::vector<int> ColumnWidths; // px, the grid line right of each column not included
    COLORREF TextColor = RGB(0, 0, 0);
    bool Editable = false; // the cells outside the fixed ones are edited in place
};

// What a screen reader hears of a grid (GridAccessible.h); without it the table has no name, a
// row is named by its first cell and a cell by its text.
struct GridSpeech {
    std::function<std::string()> TableName;
    std::function<std::string()> TableDescription; // what the table holds, beyond its name
    std::function<std::string(int row)> RowName;
    std::function<std::string(int column, int row)> CellName;  // the cell with its text
    std::function<std::string(int column, int row)> CellLabel; // what the cell stands for
};

// A string grid: fixed heading rows and columns in the button-face colour, the other cells in the
// window colour with grid lines between all cells, scroll bars when the cells outgrow the control
// (whole rows vertically, pixels horizontally), a focused cell and a selected range of cells, and
// optionally an in-place editor that reports every change of a cell's text as it happens (typing
// or Ctrl+V on a cell opens it).
// Only the cells on screen are asked for their texts. Screen readers read it as a table of rows
// of cells, told of every move of the focus and every edit.
class Grid final : public Window {
  public:
    // Called on every change the in-place editor makes to a cell's text, after the cell holds it.
    using EditHandler = std::function<void(int column, int row, const std::string& text)>;

    Grid(HWND parent, int id, Bounds bounds, GridCells& cells, GridLayout layout, HFONT font);
    ~Grid() override;

    void SetEditHandler(EditHandler handler) { onEdit_ = std::move(handler); }
    // Offered every key pressed on the grid (not in its editor) first; true when it took the key.
    using KeyHandler = std::function<bool(WPARAM key)>;
    void SetKeyHandler(KeyHandler handler) { onKey_ = std::move(handler); }

    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    // A new font, row height and column widths, as the window takes at another DPI.
    void SetMetrics(HFONT font, int rowHeight, std::vector<int> columnWidths);

    // The number of rows or the texts of many cells have changed.
    void CellsChanged();
    // The program has written this cell; an editor open on it shows the new text.
    void CellChanged(int column, int row);

    GridCell Focus() const { return focus_; }
    GridRange Selection() const;
    // Every cell outside the fixed ones, the focus on the first of them.
    void SelectAll();
    // The selection shrinks to the focused cell.
    void CollapseSelection();
    int TopRow() const { return topRow_; }
    bool Editing() const { return editing_; }
    HWND Editor() const { return editor_; }

    // What screen readers read.
    void SetSpeech(GridSpeech speech) { speech_ = std::move(speech); }
    const GridSpeech& Speech() const { return speech_; }
    const GridCells& Cells() const { return cells_; }
    int FixedColumns() const { return layout_.FixedColumns; }
    int FixedRows() const { return layout_.FixedRows; }
    bool Editable() const { return layout_.Editable; }
    // The keyboard focus is on the grid or its editor.
    bool HasFocus() const;
    // Moves the focus to the cell, the selection with it, as a click does.
    void FocusCell(GridCell cell) { MoveFocus(cell, false); }
    GridCell CellAt(POINT point) const; // {-1, -1} outside the cells
    // A cell as painted: its text fitted to its column (FitCell), and the whole text of a cut one,
    // which a tooltip shows while the pointer rests on the cell.
    ShownCell Shown(int column, int row) const;
    // The text that tooltip shows now, "" when hidden.
    const std::string& CellTip() const { return cellTip_->Text(); }

    // Where a cell stands in the client area, grid lines not included; it may lie outside.
    RECT CellRect(int column, int row) const;
    // Draws the whole client area.
    void Paint(HDC dc) const;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static LRESULT CALLBACK EditorProcedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR grid);

    // Geometry.
    int RowPitch() const { return layout_.RowHeight + 1; }
    int ColumnOffset(int column) const; // left edge of the column with no scrolling
    int FixedWidth() const { return ColumnOffset(layout_.FixedColumns); }
    int FixedHeight() const { return layout_.FixedRows * RowPitch(); }
    int ContentWidth() const;
    int ContentHeight() const;
    SIZE ClientSize() const;
    int VisibleRows() const; // non-fixed rows wholly in view
    int MaxTopRow() const;
    int MaxScrollX() const;
    int RowAt(int y) const;    // -1 below the last row
    int ColumnAt(int x) const; // -1 right of the last column
    bool IsFixed(GridCell cell) const;
    bool Selected(int column, int row) const;

    // The height of a line of text in the grid's font.
    void MeasureFont();

    // Painting.
    void PaintBlock(HDC dc, RECT area, int firstColumn, int lastColumn, int firstRow,
                    int lastRow) const;
    void PaintCell(HDC dc, int column, int row) const;
    ShownCell ShownIn(HDC dc, int column, int row) const; // `dc` in the grid's font
    void ShowCellTip(POINT point);

    // Scrolling, selection and keys.
    void UpdateScrollBars();
    void ScrollTo(int topRow, int scrollX);
    void ScrollIntoView(GridCell cell);
    void Scroll(int bar, WORD request);
    void MoveFocus(GridCell to, bool extend);
    void KeyDown(WPARAM key);
    void MouseDown(POINT point, bool extend);
    void MouseDrag(POINT point);
    void InvalidateCell(GridCell cell);
    // Tells screen readers of a change to the cell: its focus, its value.
    void Announce(DWORD event, GridCell cell) const;

    // The in-place editor.
    bool CanEdit() const;
    void ShowEditor(bool selectAll);
    void PlaceEditor();
    void HideEditor(bool revert);
    void ApplyEdit(const std::string& text);
    void SetEditorText(const std::string& text);

    GridCells& cells_;
    GridLayout layout_;
    HFONT font_;
    int textHeight_ = 0;
    EditHandler onEdit_;
    KeyHandler onKey_;

    int topRow_;
    int scrollX_ = 0;
    GridCell focus_;
    GridCell anchor_;
    bool dragging_ = false;
    bool updatingBars_ = false;
    int wheelRemainder_ = 0;

    HWND editor_ = nullptr;
    bool editing_ = false;
    bool settingEditor_ = false; // the program, not the user, is changing the editor's text
    GridCell editingCell_ = {-1, -1};
    std::string originalText_;

    GridSpeech speech_;
    std::unique_ptr<GridAccessible> accessible_; // made when a reader first asks
    std::unique_ptr<TrackingTip> cellTip_;       // made with the window, its owner
    bool trackingLeave_ = false;
};
