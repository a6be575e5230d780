#include "PainterSurface.h"

#include "plot/LinePixels.h"

#include <QPen>
#include <QString>

PainterSurface::PainterSurface(QPainter& painter, const QRect& area, const QColor& background)
    : painter_(painter), area_(area), background_(background) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

ClipRect PainterSurface::Clip() const {
    return {area_.left(), area_.top(), area_.left() + area_.width(), area_.top() + area_.height()};
}

void PainterSurface::SetPenColor(Rgb color) {
    color_ = QColor(color.Red, color.Green, color.Blue);
}

void PainterSurface::MoveTo(int32_t x, int32_t y) {
    current_ = QPoint(x, y);
}

void PainterSurface::LineTo(int32_t x, int32_t y) {
    const QPoint to(x, y);
    Rasterise(current_, to);
    current_ = to;
    DrawPixels();
}

void PainterSurface::Polyline(const Point* points, size_t count) {
    if (count == 0)
        return;
    current_ = QPoint(points[0].X, points[0].Y);
    for (size_t i = 1; i < count; ++i) {
        const QPoint to(points[i].X, points[i].Y);
        Rasterise(current_, to);
        current_ = to;
    }
    DrawPixels();
}

void PainterSurface::Rasterise(QPoint from, QPoint to) {
    LinePixels({from.x(), from.y()}, {to.x(), to.y()}, style_,
               [this](int32_t x, int32_t y) { pixels_.append(QPoint(x, y)); });
}

void PainterSurface::DrawPixels() {
    if (pixels_.isEmpty())
        return;
    // Each chart pixel fills its whole logical pixel, so that on a screen of higher density the
    // chart is the 96-dpi picture enlarged: a cosmetic point would set one device pixel of it and
    // leave the rest empty.
    squares_.resize(pixels_.size());
    for (qsizetype i = 0; i < pixels_.size(); ++i)
        squares_[i] = QRect(pixels_[i], QSize(1, 1));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(color_);
    painter_.drawRects(squares_.constData(), static_cast<int>(squares_.size()));
    pixels_.clear();
}

void PainterSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics = painter_.fontMetrics();
    const QRect box(x, y, metrics.horizontalAdvance(string), metrics.height());
    painter_.fillRect(box, background_);
    painter_.setPen(ink_);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, string);
}

void PainterSurface::FillBackground(ClipRect box) {
    painter_.fillRect(QRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top),
                      background_);
}

TextBoxSize PainterSurface::MeasureText(std::string_view text) const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return {metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
            metrics.height()};
}
