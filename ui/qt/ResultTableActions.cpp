#include "ResultTableActions.h"

#include "FileDialog.h"
#include "GuardedAction.h"
#include "app/ExportTexts.h"
#include "app/TableExport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>
#include <filesystem>

ResultTableActions::ResultTableActions(QTableView& view, const ResultTable& table,
                                       MessageBoxes& boxes)
    : QObject(&view), view_(view), table_(table), boxes_(boxes), chooser_(&SaveDialog()) {
    const auto add = [&](const char* text, QKeySequence::StandardKey key,
                         void (ResultTableActions::*handler)()) {
        actions_.append(AddGuardedAction(view_, text, key, Qt::WidgetShortcut, boxes_,
                                         [this, handler] { (this->*handler)(); }));
    };
    add(kCopyCommand, QKeySequence::Copy, &ResultTableActions::Copy);
    add(kSelectAllCommand, QKeySequence::SelectAll, &ResultTableActions::SelectAll);
    add(kSaveTableCommand, QKeySequence::Save, &ResultTableActions::Save);
    view_.setContextMenuPolicy(Qt::ActionsContextMenu);
    view_.installEventFilter(this);
    connect(view_.model(), &QAbstractItemModel::modelReset, this, &ResultTableActions::FollowTable);
    FollowTable();
}

void ResultTableActions::FollowTable() {
    const bool results = table_.FilledRows() > 0;
    for (QAction* action : actions_)
        action->setEnabled(results);
}

bool ResultTableActions::eventFilter(QObject* watched, QEvent* event) {
    // A key of a disabled action reaches the grid itself, which would copy its current cell:
    // with no results there is nothing to copy, and the clipboard keeps what it holds.
    if (watched == &view_ && event->type() == QEvent::KeyPress) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions_)
            if (!action->isEnabled() && action->shortcut() == pressed)
                return true;
    }
    return QObject::eventFilter(watched, event);
}

void ResultTableActions::Copy() {
    const QItemSelection selection = view_.selectionModel()->selection();
    if (selection.isEmpty())
        return;
    // The grid allows one contiguous block; its model rows are the table's rows below the
    // heading.
    CellBlock block{ResultTable::kColumns, table_.RowCount(), -1, -1};
    for (const QItemSelectionRange& range : selection) {
        block.FirstColumn = std::min(block.FirstColumn, range.left());
        block.LastColumn = std::max(block.LastColumn, range.right());
        block.FirstRow = std::min(block.FirstRow, range.top() + 1);
        block.LastRow = std::max(block.LastRow, range.bottom() + 1);
    }
    const std::string text = CopyText(table_, block);
    if (!text.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void ResultTableActions::SelectAll() {
    view_.selectAll();
}

void ResultTableActions::Save() {
    const QString name = chooser_->SaveFileName(
        view_.window(), QString::fromUtf8(kSaveTableCaption), QString::fromUtf8(kCsvFilter),
        QString::fromUtf8(kSuggestedTableName));
    if (name.isEmpty())
        return;
    const std::string error = SaveTable(table_, std::filesystem::path(name.toStdU16String()));
    if (!error.empty())
        boxes_.ShowError(error);
}
