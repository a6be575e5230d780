#pragma once

#include <QStyledItemDelegate>

class QLineEdit;

// An in-place cell editor that reports every change the user makes to its text, keystroke by
// keystroke, not only when editing ends, and writes it into the cell as it goes; Escape puts
// back the text the cell held.
class KeystrokeDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;

  signals:
    void EditTextChanged(int column, int row, const QString& text) const;

  private:
    void Typed(QLineEdit* line, const QModelIndex& cell, const QString& text) const;
};
