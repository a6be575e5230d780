#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap RenderArtwork(const QString& resource) {
    QSvgRenderer renderer(resource);
    QPixmap pixmap(renderer.defaultSize());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon ArtworkIcon(const QString& resource) {
    return QIcon(RenderArtwork(resource));
}
