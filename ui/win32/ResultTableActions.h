#pragma once

#include "Grid.h"
#include "app/presenters/TableCommands.h"

// Binds the result table's commands to SgResult: its keys and its context menu, greyed while the
// table holds no results.
class ResultTableActions {
  public:
    ResultTableActions(Grid& grid, TableCommands& commands);

    // The context menu at a point on the screen; (-1, -1) when opened from the keyboard.
    void ContextMenu(POINT screen);

  private:
    Grid& grid_;
    TableCommands& commands_;
};
