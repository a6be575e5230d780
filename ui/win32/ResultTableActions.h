#pragma once

#include "Grid.h"
#include "app/MessageBoxes.h"
#include "app/ResultTable.h"

class FileChooser;

// What SgResult offers besides showing the results: "Копировать" (Ctrl+C), "Выделить всё"
// (Ctrl+A) and "Сохранить таблицу…" (Ctrl+S), as keys on the grid and its context menu. With no
// results the menu's commands are greyed and the keys do nothing.
class ResultTableActions {
  public:
    ResultTableActions(Grid& grid, const ResultTable& table, MessageBoxes& boxes);

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // The context menu at a point on the screen; (-1, -1) when opened from the keyboard.
    void ContextMenu(POINT screen);

    void Copy();
    void SelectAll();
    void Save();

  private:
    bool KeyDown(WPARAM key);
    bool HasResults() const { return table_.FilledRows() > 0; }

    Grid& grid_;
    const ResultTable& table_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
};
