#pragma once

#include "app/MessageBoxes.h"
#include "app/ResultTable.h"

#include <QKeySequence>
#include <QList>
#include <QObject>

class FileChooser;
class QAction;
class QTableView;

// What SgResult offers besides showing the results: "Копировать" (Ctrl+C), "Выделить всё"
// (Ctrl+A) and "Сохранить таблицу…" (Ctrl+S), as shortcuts on the grid and its context menu.
// With no results they are disabled, and Ctrl+C leaves the clipboard alone.
class ResultTableActions final : public QObject {
    Q_OBJECT

  public:
    ResultTableActions(QTableView& view, const ResultTable& table, MessageBoxes& boxes);

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    void Copy();
    void SelectAll();
    void Save();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowTable();

    QTableView& view_;
    const ResultTable& table_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    QList<QAction*> actions_;
};
