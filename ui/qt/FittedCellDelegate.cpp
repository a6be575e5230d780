#include "FittedCellDelegate.h"

#include "app/presenters/FittedText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace {

ShownCell Fit(const QStyleOptionViewItem& option, const QString& text) {
    const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
    // The item view's text margin on each side, as Qt's styles lay out an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QFontMetrics& metrics = option.fontMetrics;
    return FitCell(text.toStdString(), option.rect.width() - 2 * margin,
                   [&](std::string_view part) {
                       return metrics.horizontalAdvance(
                           QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())));
                   });
}

} // namespace

void FittedCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->features & QStyleOptionViewItem::HasDisplay)
        option->text = QString::fromStdString(Fit(*option, option->text).Text);
}

bool FittedCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem fitted = option;
    QStyledItemDelegate::initStyleOption(&fitted, index);
    const std::string tooltip = Fit(fitted, fitted.text).Tooltip;
    if (tooltip.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), QString::fromStdString(tooltip), view);
    return true;
}
