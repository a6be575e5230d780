#pragma once

#include "app/presenters/TableCommands.h"

#include <QList>
#include <QObject>

class QAction;
class QTableView;

// Binds the result table's commands to SgResult: its context menu and keys, greyed while the
// table holds no results.
class ResultTableActions final : public QObject {
    Q_OBJECT

  public:
    ResultTableActions(QTableView& view, TableCommands& commands);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableView& view_;
    TableCommands& commands_;
    QList<QAction*> actions_;
};
