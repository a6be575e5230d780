#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The SVG artwork of the resources, rendered at its own pixel size.
QPixmap RenderArtwork(const QString& resource);
QIcon ArtworkIcon(const QString& resource);
