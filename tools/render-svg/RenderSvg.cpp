#include "RenderSvg.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// The renderer smooths every shape's edges on its own, so where two shapes meet inside a pixel
// each covers it only partly and a faint seam shows through (pixel art drawn at 1.5 times its
// size turns striped). So the picture is drawn at least this many times larger and at a whole
// number of pixels per unit, where the edges of shapes laid on whole units fall between pixels;
// scaling down then averages each pixel's area once for all shapes together.
constexpr double kSupersampling = 4;

} // namespace

QImage RenderSvg(const QString& svgPath, QSize size) {
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    const QSizeF picture = renderer.viewBoxF().size();
    if (picture.isEmpty())
        return {};
    const QSizeF exact = picture.scaled(QSizeF(size), Qt::KeepAspectRatio);
    const QSize fitted(std::max(1, qRound(exact.width())), std::max(1, qRound(exact.height())));

    double perUnit = exact.width() / picture.width() * kSupersampling;
    if (perUnit >= 1)
        perUnit = std::ceil(perUnit);
    const QSizeF drawn = picture * perUnit;
    QImage large(drawn.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::transparent);
    QPainter painter(&large);
    renderer.render(&painter, QRectF(QPointF(0, 0), drawn));
    painter.end();

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.drawImage(
        QPoint((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
        large.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
