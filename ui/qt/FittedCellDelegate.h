#pragma once

#include <QStyledItemDelegate>

// Draws each cell of a grid fitted to its column as FitCell decides: a text too long for it
// ends in "…", and its whole text shows as a tooltip. The model keeps the whole text, so copying
// takes it.
class FittedCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
