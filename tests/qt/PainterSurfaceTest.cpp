#include "ui/qt/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <random>
#include <vector>

namespace {

const QColor kPaper(255, 255, 255);
const QColor kBackground(192, 192, 192);

QImage Blank() {
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

template <class Draw> QImage Drawn(Draw draw) {
    QImage image = Blank();
    QPainter painter(&image);
    PainterSurface surface(painter, image.rect(), kBackground);
    surface.SetPenColor({0, 128, 0});
    draw(surface);
    painter.end();
    return image;
}

} // namespace

class PainterSurfaceTest : public QObject {
    Q_OBJECT

  private slots:
    void clipIsTheWholeArea() {
        QImage image = Blank();
        QPainter painter(&image);
        const PainterSurface surface(painter, QRect(0, 0, 763, 534), kBackground);
        QCOMPARE(surface.Clip(), (ClipRect{0, 0, 763, 534}));
    }

    void lineLeavesOutItsEndPixel() {
        const QImage image = Drawn([](Surface& s) {
            s.MoveTo(10, 10);
            s.LineTo(20, 10);
            s.MoveTo(30, 5);
            s.LineTo(30, 15);
        });
        QCOMPARE(QColor(image.pixel(10, 10)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(19, 10)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(20, 10)), kPaper);
        QCOMPARE(QColor(image.pixel(30, 14)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(30, 15)), kPaper);
    }

    void lineLeavesOutItsEndPixelInEveryDirection() {
        // Upwards and leftwards the end left out is still the end, not the start.
        const QImage image = Drawn([](Surface& s) {
            s.MoveTo(61, 117);
            s.LineTo(52, 64);
            s.MoveTo(150, 20);
            s.LineTo(120, 20);
        });
        QCOMPARE(QColor(image.pixel(61, 117)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(52, 64)), kPaper);
        QCOMPARE(QColor(image.pixel(150, 20)), QColor(0, 128, 0));
        QCOMPARE(QColor(image.pixel(120, 20)), kPaper);
        QCOMPARE(QColor(image.pixel(121, 20)), QColor(0, 128, 0));
    }

    void dottedPenSetsEveryOtherPixel() {
        const QImage image = Drawn([](Surface& s) {
            s.SetPenStyle(PenStyle::Dotted);
            s.MoveTo(10, 50);
            s.LineTo(30, 50);
        });
        for (int x = 10; x < 30; ++x)
            QCOMPARE(QColor(image.pixel(x, 50)) == kPaper, (x - 10) % 2 == 1);
    }

    void polylineHasThePixelsOfItsSegments() {
        std::mt19937 random(7);
        std::uniform_int_distribution<int> x(0, 199), y(0, 119), repeat(0, 3);
        std::vector<Point> points;
        for (int i = 0; i < 400; ++i) {
            points.push_back({x(random), y(random)});
            if (repeat(random) == 0)
                points.push_back(points.back()); // a long sweep repeats pixels
        }
        const QImage batched = Drawn([&](Surface& s) { s.Polyline(points.data(), points.size()); });
        const QImage segments = Drawn([&](Surface& s) {
            s.MoveTo(points[0].X, points[0].Y);
            for (size_t i = 1; i < points.size(); ++i)
                s.LineTo(points[i].X, points[i].Y);
        });
        QCOMPARE(batched, segments);
    }

    void textStandsOnTheBackground() {
        const QImage image = Drawn([](Surface& s) { s.TextOut(40, 60, "0,5"); });
        QCOMPARE(QColor(image.pixel(40, 60)), kBackground);
        bool ink = false;
        for (int yy = 60; yy < 72; ++yy)
            for (int xx = 40; xx < 60; ++xx)
                ink = ink || QColor(image.pixel(xx, yy)).lightness() < 60;
        QVERIFY(ink);
        QCOMPARE(QColor(image.pixel(39, 60)), kPaper);
    }
};

QTEST_MAIN(PainterSurfaceTest)
#include "PainterSurfaceTest.moc"
