#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/graph/KeptCurves.h"
#include "numerics/NumberText.h"
#include "plot/Chart.h"
#include "tests/driver/ChartRecorder.h"
#include "ui/qt/StartUp.h"

#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QStringList kTypicalStage = {"100", "1000", "1", "99",  "1000", "10", "1",
                                   "100", "1",    "1", "1e5", "10",   "1"};
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);

// Counts the paints a window receives.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

bool OnlyBackground(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) != kSilver)
                return false;
    return true;
}

} // namespace

// The graph window as a user meets it after calculations: it follows each one, draws only gains
// the last one computed, and reports a failed paint once per calculation or press of "график".
class GraphFollowsCalculationTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<ProgramWindows> windows;
    PaintCounter counter;

    template <class T> T* Control(const char* name) {
        return windows->Main.findChild<T*>(QLatin1String(name));
    }
    void Calculate(const QString& from, const QString& to, const QString& step) {
        TypeInto(Control<QLineEdit>("EdOt"), from);
        TypeInto(Control<QLineEdit>("EdDo"), to);
        TypeInto(Control<QLineEdit>("EdDf"), step);
        QTest::mouseClick(Control<QPushButton>("BuRas"), Qt::LeftButton);
    }
    void PressGraph() {
        auto* button = Control<QPushButton>("Button1");
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(windows->Graph.isVisible());
    }
    // Lets queued paints happen, as the event loop would.
    void Settle() { QTest::qWait(20); }
    QImage GraphPicture() { return windows->Graph.grab().toImage(); }
    // The curve the chart puts through these first `count` points of the state.
    std::vector<Point> ExpectedCurve(size_t count) {
        const SweepResult& s = windows->Main.Result();
        const std::vector<double> xs(s.Frequencies.begin(), s.Frequencies.begin() + count);
        const std::vector<double> ys(s.Ratio.begin(), s.Ratio.begin() + count);
        ChartRecorder recorder({0, 0, windows->Graph.width(), windows->Graph.height()});
        DrawChart(xs, ys, 10, recorder);
        return recorder.curve;
    }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        boxes = std::make_unique<FakeMessageBoxes>();
        windows = std::make_unique<ProgramWindows>(*boxes);
        windows->Graph.installEventFilter(&counter);
        counter.paints = 0;
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(windows->Main.findChild<QTableWidget*>("SgIsh"), row, 1,
                         kTypicalStage[row - 1]);
    }
    void cleanup() {
        windows.reset();
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    // The graph open when a calculation leaves a curve it cannot draw, and at once another action
    // brings up its box (a refused file): the paint under that box fails, and its box waits for
    // the refusal's to close.
    void paintFailureWaitsForAnotherActionsBox() {
        Calculate("10", "1000", "10");
        PressGraph();
        Settle();
        Control<QCheckBox>("CheckBox1")->setChecked(true);
        Calculate("-5", "95", "10");
        boxes->runEventLoop = true;
        windows->Main.Presenter().OpenAtStart(std::filesystem::temp_directory_path() /
                                              "ou-qt-no-such-stage.ou");
        Settle();
        QCOMPARE(boxes->mostUpAtOnce, 1);
        QCOMPARE(boxes->errors.size(), 2);
        QCOMPARE(boxes->errors[1], QString("Invalid floating point operation."));
        boxes->errors.clear();
    }

    // A calculation stopped by a floating-point error while the graph is open in decibels over
    // log f of a sweep through negative frequencies: one box, the calculation's, even though a
    // paint was pending while it was up; the graph then shows its background, no second box.
    void oneClickOneBox() {
        TypeIntoCell(windows->Main.findChild<QTableWidget*>("SgIsh"), 7, 1, "10"); // C2, pF
        boxes->runEventLoop = true;
        QTest::mouseClick(Control<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(5, 12));
        Calculate("10", "100000", "1000");
        PressGraph();
        Settle();
        QVERIFY(!OnlyBackground(GraphPicture()));
        windows->Graph.update();
        Calculate("-100", "100", "50");
        Settle();
        QCOMPARE(boxes->errors, QStringList{"Floating point division by zero."});
        QVERIFY(OnlyBackground(GraphPicture()));
        QCOMPARE(boxes->errors.size(), 1);
        boxes->errors.clear();
    }

    void openGraphWindowRepaintsAfterEachCalculationAndHiddenOneDoesNot() {
        Calculate("10", "100", "10");
        Settle();
        QCOMPARE(counter.paints, 0); // hidden: nothing painted
        PressGraph();
        Settle();
        const int shown = counter.paints;
        QVERIFY(shown > 0);

        Calculate("10", "1000", "10");
        Settle();
        QVERIFY(counter.paints > shown);
        // And what it painted is the new curve.
        const QImage image = GraphPicture();
        const std::vector<Point> curve = ExpectedCurve(100);
        for (size_t i = 0; i + 1 < curve.size(); ++i)
            QCOMPARE(QColor(image.pixel(curve[i].X, curve[i].Y)), kGreen);

        // Pressing "график" again repaints too, with the mode it copies from the box.
        const int before = counter.paints;
        Control<QCheckBox>("CheckBox1")->setChecked(true);
        PressGraph();
        Settle();
        QVERIFY(counter.paints > before);
    }

    void graphDrawsOnlyTheRowsTheLastCalculationComputed() {
        Calculate("10", "100", "10");
        // Stopped at 0 Hz: gains for −20 and −10 only; the other rows still hold old gains.
        Calculate("-20", "20", "10");
        QCOMPARE(boxes->errors, QStringList{"Floating point division by zero."});
        boxes->errors.clear();
        QCOMPARE(windows->Main.Result().Computed, 2);
        PressGraph();
        Settle();
        const QImage image = GraphPicture();
        QVERIFY(boxes->errors.isEmpty());
        // The chart of the two computed points, scaled to them alone.
        const std::vector<Point> curve = ExpectedCurve(2);
        QCOMPARE(curve.size(), size_t{2});
        QCOMPARE(QColor(image.pixel(curve[0].X, curve[0].Y)), kGreen);
        // Where the whole five-point series would put its third point, nothing green is drawn.
        const std::vector<Point> stale = ExpectedCurve(5);
        QVERIFY(QColor(image.pixel(stale[3].X, stale[3].Y)) != kGreen);

        // An overflow in the unit conversion computes nothing: no curve, no box.
        TypeIntoCell(windows->Main.findChild<QTableWidget*>("SgIsh"), 4, 1, "1E306");
        Calculate("10", "100", "10");
        QCOMPARE(boxes->errors, QStringList{"Floating point overflow."});
        boxes->errors.clear();
        QCOMPARE(windows->Main.Result().Computed, 0);
        // The sweep passed validation, so "график" is enabled though no gain was computed.
        PressGraph();
        Settle();
        QVERIFY(!Shows(GraphPicture(), kGreen));
        QVERIFY(boxes->errors.isEmpty());
    }
};

QTEST_MAIN(GraphFollowsCalculationTest)
#include "GraphFollowsCalculationTest.moc"
