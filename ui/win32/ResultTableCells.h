#pragma once

#include "GridCells.h"
#include "app/presenters/ResultTable.h"

class Grid;

// The result table as the cells of the grid SgResult: every text read from the table when the
// grid paints it, and the grid told of every change of the table.
class ResultTableCells final : public GridCells, public ResultTableObserver {
  public:
    explicit ResultTableCells(ResultTable& table) : table_(table) { table_.SetObserver(this); }
    ~ResultTableCells() override { table_.SetObserver(nullptr); }
    ResultTableCells(const ResultTableCells&) = delete;
    ResultTableCells& operator=(const ResultTableCells&) = delete;

    void SetGrid(Grid* grid) { grid_ = grid; }

    int ColumnCount() const override { return ResultTable::kColumns; }
    int RowCount() const override { return table_.RowCount(); }
    std::string Text(int column, int row) const override { return table_.Cell(column, row); }

    void ResultTableAboutToChange() override {}
    void ResultTableChanged() override;

  private:
    ResultTable& table_;
    Grid* grid_ = nullptr;
};
