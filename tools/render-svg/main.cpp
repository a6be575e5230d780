// render-svg in.svg out.png WIDTH HEIGHT
// Draws an SVG picture into a PNG of the given size at build time, so that every raster copy of
// an icon or a picture comes from its one SVG and looks as the program draws it.
#include "RenderSvg.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

int ToPixels(const char* text) {
    bool ok = false;
    const int pixels = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && pixels > 0 ? pixels : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: render-svg in.svg out.png WIDTH HEIGHT\n");
        return 2;
    }
    const QSize size(ToPixels(argv[3]), ToPixels(argv[4]));
    if (size.isEmpty()) {
        std::fprintf(stderr, "render-svg: the width and height must be whole numbers above 0\n");
        return 2;
    }
    // Text in a picture needs the font database, hence an application; it never shows a window,
    // and what it says of the build machine's session while starting is of no interest here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(nullptr);

    const QImage image = RenderSvg(QString::fromLocal8Bit(argv[1]), size);
    if (image.isNull()) {
        std::fprintf(stderr, "render-svg: %s is not a picture in SVG\n", argv[1]);
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render-svg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
