// render-svg in.svg out.png WIDTH HEIGHT
// render-svg in.svg out.bmp WIDTH HEIGHT
// render-svg in.svg out.ico SIZE[,SIZE…]
// Draws an SVG picture at build time, so that every raster copy of an icon or a picture comes from
// its one SVG and looks as the program draws it. The output's extension chooses the format: PNG
// keeps the transparency; BMP, for Windows resources, is 24-bit on white; ICO holds one square
// image per size (16,32,48,256 for the Windows shell).
#include "IconFile.h"
#include "RenderSvg.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

int ToPixels(const QString& text) {
    bool ok = false;
    const int pixels = text.toInt(&ok);
    return ok && pixels > 0 ? pixels : 0;
}

int Usage() {
    std::fprintf(stderr, "usage: render-svg in.svg out.png|out.bmp WIDTH HEIGHT\n"
                         "       render-svg in.svg out.ico SIZE[,SIZE...]\n");
    return 2;
}

QImage OnWhite(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5)
        return Usage();
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString format = QFileInfo(out).suffix().toLower();
    QList<QSize> sizes;
    if (format == "ico" && argc == 4) {
        for (const QString& side : QString::fromLocal8Bit(argv[3]).split(','))
            sizes.append(QSize(ToPixels(side), ToPixels(side)));
    } else if ((format == "png" || format == "bmp") && argc == 5) {
        sizes.append(QSize(ToPixels(QString::fromLocal8Bit(argv[3])),
                           ToPixels(QString::fromLocal8Bit(argv[4]))));
    } else {
        return Usage();
    }
    for (const QSize& size : sizes) {
        if (size.isEmpty()) {
            std::fprintf(stderr, "render-svg: the sizes must be whole numbers above 0\n");
            return 2;
        }
    }
    // Text in a picture needs the font database, hence an application; it never shows a window,
    // and what it says of the build machine's session while starting is of no interest here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(nullptr);

    QList<QImage> images;
    for (const QSize& size : sizes) {
        images.append(RenderSvg(svg, size));
        if (images.back().isNull()) {
            std::fprintf(stderr, "render-svg: %s is not a picture in SVG\n", argv[1]);
            return 1;
        }
    }
    bool written = false;
    if (format == "ico")
        written = WriteFile(out, IconFile(images));
    else if (format == "bmp")
        written = OnWhite(images.front()).save(out, "BMP");
    else
        written = images.front().save(out, "PNG");
    if (!written) {
        std::fprintf(stderr, "render-svg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
