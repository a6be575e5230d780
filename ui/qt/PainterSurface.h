#pragma once

#include "plot/Surface.h"

#include <QColor>
#include <QList>
#include <QPainter>
#include <QPoint>

// The chart's drawing surface over a QPainter on a window. Lines are rasterised here, pixel by
// pixel, so that each leaves out its end pixel as the chart expects (QPainter's own lines leave
// out an end that depends on their direction), and a batch of segments sets exactly the pixels
// the same segments set one by one. Text stands on the window's background.
class PainterSurface final : public Surface {
  public:
    // `area` is the rectangle the chart is scaled into; `background` fills behind each text.
    PainterSurface(QPainter& painter, const QRect& area, const QColor& background);

    ClipRect Clip() const override;
    void SetPenStyle(PenStyle style) override { style_ = style; }
    void SetPenColor(Rgb color) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    void FillBackground(ClipRect box) override;
    void SetTextInk(Rgb ink) override { ink_ = QColor(ink.Red, ink.Green, ink.Blue); }
    TextBoxSize MeasureText(std::string_view text) const override;
    void Polyline(const Point* points, size_t count) override;

  private:
    // Adds the pixels of the line from `from` to `to`, `to` left out, to `pixels_`.
    void Rasterise(QPoint from, QPoint to);
    void DrawPixels();

    QPainter& painter_;
    QRect area_;
    QColor background_;
    QColor ink_ = Qt::black;
    PenStyle style_ = PenStyle::Solid;
    QColor color_ = Qt::black;
    QPoint current_;
    QList<QPoint> pixels_;
    QList<QRect> squares_; // the pixels as painted, kept to reuse its memory
};
