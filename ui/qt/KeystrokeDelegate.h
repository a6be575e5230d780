#pragma once

#include <QStyledItemDelegate>

// An in-place cell editor that reports every change the user makes to its text, keystroke by
// keystroke, not only when editing ends.
class KeystrokeDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  signals:
    void EditTextChanged(int column, int row, const QString& text) const;
};
