#include "ResultTableActions.h"

#include "CommandActions.h"

#include <QKeyEvent>
#include <QTableView>

ResultTableActions::ResultTableActions(QTableView& view, TableCommands& commands)
    : QObject(&view), view_(view), commands_(commands),
      actions_(AddCommandActions(view, commands, Qt::WidgetShortcut)) {
    view_.installEventFilter(this);
    connect(view_.model(), &QAbstractItemModel::modelReset, this,
            [this] { FollowEnabling(actions_, commands_); });
    FollowEnabling(actions_, commands_);
}

bool ResultTableActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::KeyPress &&
        IsKeyOfDisabledAction(actions_,
                              QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination())))
        return true;
    return QObject::eventFilter(watched, event);
}
