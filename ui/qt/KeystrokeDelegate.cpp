#include "KeystrokeDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>

namespace {

// The cell's text when its editor opened, for Escape to put back.
constexpr char kOriginalText[] = "originalText";

} // namespace

QWidget* KeystrokeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setProperty(kOriginalText, index.data(Qt::EditRole));
        const QPersistentModelIndex cell(index);
        connect(line, &QLineEdit::textEdited, this,
                [this, line, cell](const QString& text) { Typed(line, cell, text); });
    }
    return editor;
}

void KeystrokeDelegate::Typed(QLineEdit* line, const QModelIndex& cell, const QString& text) const {
    // The cell holds the text as it is typed, as a cell of the Win32 grid does: what the stage is
    // while the editor is open (the caption's mark, a save by its key) is what the user sees.
    emit const_cast<KeystrokeDelegate*>(this)->commitData(line);
    emit EditTextChanged(cell.column(), cell.row(), text);
}

bool KeystrokeDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* line = qobject_cast<QLineEdit*>(object);
    if (line != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Escape takes the edit back: the cell holds again what it held before.
        const QString original = line->property(kOriginalText).toString();
        line->setText(original);
        emit line->textEdited(original);
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
