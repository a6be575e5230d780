#include "ui/qt/HistogramView.h"

#include "plot/HistogramChart.h"
#include "tests/app/SampleSpread.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <memory>

namespace {

std::shared_ptr<const SpreadResult> Result() {
    return std::make_shared<SpreadResult>(SampleSpreadResult(2500, 10));
}

bool Holds(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

const QColor kBar(kBarColor.Red, kBarColor.Green, kBarColor.Blue);
const QColor kNominal(kNominalMarkColor.Red, kNominalMarkColor.Green, kNominalMarkColor.Blue);

} // namespace

// The view paints the picture at its size and reads it in its accessible name; what the picture
// holds is tested in tests/app.
class HistogramViewTest : public QObject {
    Q_OBJECT

  private slots:
    void paintsTheBarsAndMarksAtThePicturesSize_data() {
        QTest::addColumn<SpreadHistogramKind>("kind");
        QTest::newRow("upper edge") << SpreadHistogramKind::UpperEdge;
        QTest::newRow("peak gain") << SpreadHistogramKind::PeakGain;
    }
    void paintsTheBarsAndMarksAtThePicturesSize() {
        QFETCH(SpreadHistogramKind, kind);
        HistogramView view(kind, Result());
        QCOMPARE(view.size(), QSize(kSpreadHistogramWidth, kSpreadHistogramHeight));
        const QImage image = view.grab().toImage();
        QVERIFY(Holds(image, kBar));
        QVERIFY(Holds(image, kNominal));
        QCOMPARE(QAccessible::queryAccessibleInterface(&view)->text(QAccessible::Name),
                 QString::fromStdString(SpreadHistogramText(*Result(), kind)));
    }

    void withoutAResultIsBlankAndUnnamed() {
        HistogramView view(SpreadHistogramKind::UpperEdge, Result());
        view.Show(nullptr);
        QVERIFY(!Holds(view.grab().toImage(), kBar));
        QCOMPARE(view.accessibleName(), QString());
    }
};

QTEST_MAIN(HistogramViewTest)
#include "HistogramViewTest.moc"
