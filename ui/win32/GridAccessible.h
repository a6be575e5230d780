#pragma once

#include "Accessible.h"

#include <memory>

class Grid;
struct GridCell;

// What a screen reader sees of a grid: a table (ROLE_SYSTEM_TABLE) named by the heading above it,
// whose children are its rows (ROLE_SYSTEM_ROW, child 1 for row 0), whose children are its cells:
// column headings, row headings (the fixed column) and cells (ROLE_SYSTEM_CELL), each named as
// the grid's speech says, with its text as the value and its focus and selection as its state.
// The objects read the grid when asked, so a table of millions of rows costs nothing until a
// reader walks it.
//
// A cell is also the table's child by a number of its own, negative so that it never meets a
// row's (CellChildId): the focus and value events name a cell so, and AccessibleObjectFromEvent
// finds it through get_accChild.
LONG CellChildId(const Grid& grid, GridCell cell);

// The table object of one grid. Readers may hold it and its rows and cells after the grid has
// gone: then every call fails with CO_E_OBJNOTCONNECTED.
class GridAccessible final {
  public:
    explicit GridAccessible(Grid& grid);
    ~GridAccessible();
    GridAccessible(const GridAccessible&) = delete;
    GridAccessible& operator=(const GridAccessible&) = delete;

    // The answer to the grid's WM_GETOBJECT.
    LRESULT Answer(WPARAM wParam, LPARAM lParam);

  private:
    std::shared_ptr<Grid*> grid_;
    AccessibleObject* table_;
};
