#pragma once

#include <string>
#include <vector>

// What a grid shows: cell texts by column and row, asked for only when a cell is painted, so a
// grid of millions of rows formats no more than a screenful. Rows and columns from 0, the fixed
// heading cells included.
class GridCells {
  public:
    virtual ~GridCells() = default;
    virtual int ColumnCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string Text(int column, int row) const = 0;
    // Written by the grid's in-place editor, for the cells it lets the user edit.
    virtual void SetText(int /*column*/, int /*row*/, const std::string& /*text*/) {}
};

// Cells that hold their texts: a grid of a fixed size that the user and the program write.
class StoredCells final : public GridCells {
  public:
    StoredCells(int columns, int rows)
        : columns_(columns), texts_(static_cast<size_t>(columns * rows)) {}

    int ColumnCount() const override { return columns_; }
    int RowCount() const override { return static_cast<int>(texts_.size()) / columns_; }
    std::string Text(int column, int row) const override {
        return Inside(column, row) ? texts_[Index(column, row)] : std::string();
    }
    void SetText(int column, int row, const std::string& text) override {
        if (Inside(column, row))
            texts_[Index(column, row)] = text;
    }

  private:
    bool Inside(int column, int row) const {
        return column >= 0 && column < columns_ && row >= 0 && row < RowCount();
    }
    size_t Index(int column, int row) const { return static_cast<size_t>(row * columns_ + column); }

    int columns_;
    std::vector<std::string> texts_;
};
