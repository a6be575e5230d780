#include "ui/qt/GraphWindow.h"

#include "FakeMessageBoxes.h"
#include "app/session/StagePresenters.h"
#include "plot/Chart.h"
#include "tests/driver/ChartRecorder.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

const QColor kGrey(128, 128, 128);
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);

// A result as a calculation makes it, for a sweep fmin … fmax step df, with gain g(f).
template <class Gain> SharedResult Filled(double fmin, double fmax, double df, Gain g) {
    auto s = std::make_shared<SweepResult>();
    for (double f = fmin; f <= fmax + 1e-9; f += df)
        s->Frequencies.push_back(f);
    s->Computed = s->Count();
    for (double f : s->Frequencies) {
        s->Ratio.push_back(g(f));
        s->Decibels.push_back(20 * std::log10(g(f)));
    }
    return s;
}

double LowPass(double f) {
    return 10 / std::sqrt(1 + f * f / 2500);
}

bool HasGreyInColumn(const QImage& image, int x, int top, int bottom) {
    for (int y = top; y <= bottom; ++y)
        if (QColor(image.pixel(x, y)) == kGrey)
            return true;
    return false;
}

bool HasDarkPixel(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 60)
                return true;
    return false;
}

} // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<GraphWindow> graph;

    QImage Render() { return graph->grab().toImage(); }

    // Every pixel the chart puts the curve through is green, except the last point, which a
    // line leaves out.
    void ExpectCurveDrawn(const QImage& image, const std::vector<double>& xs,
                          const std::vector<double>& ys) {
        ChartRecorder recorder({0, 0, graph->width(), graph->height()});
        DrawChart(xs, ys, 10, recorder);
        QVERIFY(recorder.curve.size() > 2);
        for (size_t i = 0; i + 1 < recorder.curve.size(); ++i) {
            const Point p = recorder.curve[i];
            QCOMPARE(QColor(image.pixel(p.X, p.Y)), kGreen);
        }
    }

  private slots:
    void init() {
        boxes = std::make_unique<FakeMessageBoxes>();
        presenters = std::make_unique<StagePresenters>(*boxes);
        graph = std::make_unique<GraphWindow>(*presenters, *boxes);
    }
    void cleanup() {
        graph.reset();
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void laidOutHiddenWithItsCaption() {
        QVERIFY(!graph->isVisible());
        QCOMPARE(graph->windowTitle(), QString("график"));
        QCOMPARE(graph->size(), QSize(763, 534));
        QCOMPARE(graph->pos(), QPoint(202, 71));
        QCOMPARE(graph->palette().color(QPalette::Window), kSilver);
    }

    void linearModeDrawsRatioOverFrequency() {
        const SharedResult state = Filled(10, 95, 5, LowPass);
        graph->Show(state, false);
        const QImage image = Render();
        // Horizontal axis 0 … 100: kx = 743/100, grid lines at Round(i·10·7.43) + 10.
        const int xs[] = {10, 84, 159, 233, 307, 382, 456, 530, 604, 679, 753};
        for (int x : xs) {
            QVERIFY2(HasGreyInColumn(image, x, 12, 40),
                     qPrintable(QString("no grid line at x = %1").arg(x)));
            QVERIFY(!HasGreyInColumn(image, x + 1, 12, 40));
            // Its label just below the bottom grid line.
            QVERIFY2(HasDarkPixel(image, QRect(x, 524, 12, 10)),
                     qPrintable(QString("no label at x = %1").arg(x)));
        }
        ExpectCurveDrawn(image, state->Frequencies, state->Ratio);
        // Titles: "k, раз" at (20, 30), "f, Гц" at outer size less (90, 60): (681, 508).
        QVERIFY(HasDarkPixel(image, QRect(20, 30, 30, 12)));
        QVERIFY(HasDarkPixel(image, QRect(681, 508, 25, 12)));
    }

    // A kept curve that differs in all thirteen parameters, in a window half as wide: its legend
    // line (in its blue) stays inside the chart, right of the axis labels, and no grid line
    // crosses it.
    void longLegendStaysInsideTheChartOnItsOwnBackground() {
        const SharedResult kept = Filled(10, 95, 5, LowPass);
        graph->Show(kept, false);
        graph->Presenter().RememberCurve();
        auto current = std::make_shared<SweepResult>(*kept);
        for (std::optional<double>& parameter : current->Entered.Parameters)
            parameter = 1;
        graph->Show(current, false);
        graph->resize(400, 300);
        const QImage image = Render();
        const QColor blue(kKeptCurveColors[0].Red, kKeptCurveColors[0].Green,
                          kKeptCurveColors[0].Blue);
        QRect legend;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (QColor(image.pixel(x, y)) == blue)
                    legend |= QRect(x, y, 1, 1);
        QVERIFY(!legend.isEmpty());
        QVERIFY(legend.left() > 40 && legend.right() < image.width() - 10 && legend.top() > 10);
        for (int y = legend.top(); y <= legend.bottom(); ++y)
            for (int x = legend.left(); x <= legend.right(); ++x)
                QVERIFY(QColor(image.pixel(x, y)) != kGrey);
    }

    void logModeDrawsDecibelsOverLogFrequency() {
        const SharedResult state = Filled(10, 1000, 10, LowPass);
        graph->Show(state, true);
        const QImage image = Render();
        std::vector<double> logs;
        for (double f : state->Frequencies)
            logs.push_back(std::log10(f));
        ExpectCurveDrawn(image, logs, state->Decibels);
        // log10 of 10 … 1000 gives the axis 0 … 4: a grid line every 74.3 pixels.
        QVERIFY(HasGreyInColumn(image, 84, 12, 40));
        QVERIFY(HasDarkPixel(image, QRect(20, 30, 30, 12)));
        QVERIFY(HasDarkPixel(image, QRect(681, 508, 30, 12)));
    }

    void titlesFollowAnEnlargedWindow() {
        const SharedResult state = Filled(10, 95, 5, LowPass);
        graph->Show(state, false);
        graph->resize(1000, 700);
        const QImage image = Render();
        QVERIFY(HasDarkPixel(image, QRect(918, 674, 25, 12)));
        QVERIFY(!HasDarkPixel(image, QRect(681, 508, 25, 10)));
        ExpectCurveDrawn(image, state->Frequencies, state->Ratio);
    }

    void failedPaintIsReportedOnceUntilTheStateChanges() {
        const SharedResult state = Filled(-10, 10, 5, [](double) { return 2.0; });
        graph->Show(state, true); // log10 of −10
        Render();
        QCOMPARE(boxes->errors, QStringList{"Invalid floating point operation."});
        Render();
        Render();
        QCOMPARE(boxes->errors.size(), 1);
        // Until then only the background is painted.
        QCOMPARE(QColor(Render().pixel(10, 10)), kSilver);
        graph->Show(state, true);
        Render();
        QCOMPARE(boxes->errors.size(), 2);
        graph->Show(state, false);
        boxes->errors.clear();
        const QImage image = Render();
        QVERIFY(boxes->errors.isEmpty());
        QVERIFY(HasGreyInColumn(image, 10, 12, 40));
    }

    // On a screen of higher pixel density the chart is the 96-dpi picture enlarged: every logical
    // pixel of the curve fills its whole device area, and the dotted grid stays dotted every
    // other logical pixel.
    void chartIsThe96DpiPictureEnlarged_data() {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void chartIsThe96DpiPictureEnlarged() {
        QFETCH(qreal, scale);
        const SharedResult state = Filled(10, 1000, 10, LowPass);
        graph->Show(state, false);
        QImage image(graph->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        graph->render(&image);
        // The device pixels of the logical pixel (x, y): its edges rounded to device pixels, so
        // that neighbouring logical pixels share no device pixel and leave none out.
        const auto deviceArea = [&](int x, int y) {
            const auto first = [&](int v) { return static_cast<int>(std::floor(v * scale + 0.5)); };
            return QRect(QPoint(first(x), first(y)), QPoint(first(x + 1) - 1, first(y + 1) - 1));
        };
        const auto filledWith = [&](int x, int y, const QColor& color) {
            const QRect area = deviceArea(x, y);
            for (int dy = area.top(); dy <= area.bottom(); ++dy)
                for (int dx = area.left(); dx <= area.right(); ++dx)
                    if (QColor(image.pixel(dx, dy)) != color)
                        return false;
            return true;
        };
        ChartRecorder recorder({0, 0, graph->width(), graph->height()});
        DrawChart(state->Frequencies, state->Ratio, 10, recorder);
        QVERIFY(recorder.curve.size() > 2);
        // Between recorded points the curve runs on unbroken: each point and the next are
        // joined, so checking each one's area and the area of every step between them finds gaps.
        for (size_t i = 0; i + 1 < recorder.curve.size(); ++i) {
            const Point p = recorder.curve[i];
            QVERIFY2(filledWith(p.X, p.Y, kGreen),
                     qPrintable(QString("curve pixel (%1, %2) not filled").arg(p.X).arg(p.Y)));
        }
        // The first vertical grid line at x = 10: grey on even rows from the top margin, silver on
        // the rows between (below the top label and above the next).
        for (int y = 30; y <= 50; y += 2) {
            QVERIFY2(filledWith(10, y, kGrey), qPrintable(QString("grid at y = %1").arg(y)));
            QVERIFY(filledWith(10, y + 1, kSilver));
        }
        // The title stands where it stands at 96 dpi.
        QVERIFY(HasDarkPixel(image, deviceArea(20, 30).united(deviceArea(50, 42))));
    }
};

QTEST_MAIN(GraphWindowTest)
#include "GraphWindowTest.moc"
