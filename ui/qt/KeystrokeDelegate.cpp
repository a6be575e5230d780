#include "KeystrokeDelegate.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

QWidget* KeystrokeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QPersistentModelIndex cell(index);
        connect(line, &QLineEdit::textEdited, this, [this, cell](const QString& text) {
            emit EditTextChanged(cell.column(), cell.row(), text);
        });
    }
    return editor;
}
