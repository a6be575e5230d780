#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// An SVG picture drawn into a transparent width × height image, as large as fits and centred:
// the picture keeps its aspect ratio, and a target of another shape gets transparent margins.
// A null image when the file cannot be read as SVG or the size is empty.
QImage RenderSvg(const QString& svgPath, QSize size);
