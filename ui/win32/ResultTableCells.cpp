#include "ResultTableCells.h"

#include "Grid.h"

void ResultTableCells::ResultTableChanged() {
    if (grid_ != nullptr)
        grid_->CellsChanged();
}
