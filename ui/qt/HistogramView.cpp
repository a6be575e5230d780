#include "HistogramView.h"

#include "PainterSurface.h"

#include <QPainter>
#include <QString>

#include <utility>

HistogramView::HistogramView(SpreadHistogramKind kind, std::shared_ptr<const SpreadResult> result,
                             QWidget* parent)
    : QWidget(parent), kind_(kind) {
    // In Qt's device-independent pixels, which are the picture's 96-DPI ones.
    setFixedSize(kSpreadHistogramWidth, kSpreadHistogramHeight);
    Show(std::move(result));
}

void HistogramView::Show(std::shared_ptr<const SpreadResult> result) {
    result_ = std::move(result);
    setAccessibleName(result_ ? QString::fromStdString(SpreadHistogramText(*result_, kind_))
                              : QString());
    update();
}

void HistogramView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QColor paper = palette().color(QPalette::Base);
    painter.fillRect(rect(), paper);
    if (!result_)
        return;
    painter.setFont(font());
    PainterSurface surface(painter, rect(), paper);
    DrawSpreadHistogram(*result_, kind_, surface);
}
