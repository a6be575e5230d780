#include "FakeMessageBoxes.h"
#include "QtWindowDriver.h"
#include "WindowTestHelpers.h"
#include "app/graph/KeptCurves.h"
#include "numerics/NumberText.h"
#include "plot/Chart.h"
#include "tests/driver/ChartRecorder.h"
#include "tests/driver/GraphBehaviours.h"
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

    // What every front's graph window must do (tests/driver), over this one.
    void behavesAsEveryFrontMust_data() { AddBehaviourRows(graph_behaviours::kGraphBehaviours); }
    void behavesAsEveryFrontMust() {
        QtWindowDriver driver(*windows, *boxes);
        const Findings found = RunFetchedBehaviour(driver);
        QVERIFY2(found.All().empty(), found.Joined().c_str());
    }
};

QTEST_MAIN(GraphFollowsCalculationTest)
#include "GraphFollowsCalculationTest.moc"
