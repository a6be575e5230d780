#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// A Windows icon file (.ico) holding the given square images in the order given: each image
// below 256 pixels as a 32-bit bitmap with its transparency mask, a 256-pixel one as PNG, which
// Windows reads from Vista on. An empty array for an image that is
// not square or larger than 256 pixels.
QByteArray IconFile(const QList<QImage>& images);
