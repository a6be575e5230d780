#include "ui/qt/HistogramView.h"

#include "plot/HistogramChart.h"
#include "tests/app/SampleSpread.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

// The view paints the picture at its size and is named by its reading; what the picture holds is
// tested in tests/app.
class HistogramViewTest : public QObject {
    Q_OBJECT

    static bool Holds(const QImage& image, Rgb color) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(color.Red, color.Green, color.Blue))
                    return true;
        return false;
    }

  private slots:
    void paintsThePictureNamedByItsReading() {
        const auto result = std::make_shared<const SpreadResult>(SampleSpreadResult(2500, 10));
        HistogramView view(SpreadHistogramKind::PeakGain, result);
        QCOMPARE(view.size(), QSize(kSpreadHistogramWidth, kSpreadHistogramHeight));
        QVERIFY(Holds(view.grab().toImage(), kBarColor));
        QVERIFY(Holds(view.grab().toImage(), kNominalMarkColor));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(&view)->text(QAccessible::Name),
            QString::fromStdString(SpreadHistogramText(*result, SpreadHistogramKind::PeakGain)));

        view.Show(nullptr);
        QVERIFY(!Holds(view.grab().toImage(), kBarColor));
        QCOMPARE(view.accessibleName(), QString());
    }
};

QTEST_MAIN(HistogramViewTest)
#include "HistogramViewTest.moc"
