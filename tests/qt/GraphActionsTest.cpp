#include "FakeFileChooser.h"
#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/session/StagePresenters.h"
#include "ui/qt/GraphWindow.h"
#include "ui/qt/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <cmath>
#include <memory>

namespace {

// A result as a calculation makes it, for fmin … fmax step df, with a low-pass gain; `computed`
// rows of it computed, every one when negative.
SharedResult Sweep(double fmin, double fmax, double df, int32_t computed = -1) {
    auto s = std::make_shared<SweepResult>();
    for (double f = fmin; f <= fmax + 1e-9; f += df) {
        const double ratio = 10 / std::sqrt(1 + f * f / 2500);
        s->Frequencies.push_back(f);
        s->Ratio.push_back(ratio);
        s->Decibels.push_back(20 * std::log10(ratio));
    }
    s->Computed = computed < 0 ? s->Count() : computed;
    return s;
}

QImage Picture(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The graph window's readout, picture and characteristic points, through the real window.
class GraphActionsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<FakeFileChooser> chooser;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<GraphWindow> graph;

    QAction* Action(const QString& text) {
        for (QAction* action : graph->actions())
            if (action->text() == text)
                return action;
        qFatal("no action %s", qPrintable(text));
    }
    QString TooltipAt(int x, int y) {
        QTest::mouseMove(graph.get(), QPoint(x, y));
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    QStringList MenuTexts() { return ::ContextMenuTexts(graph.get(), QPoint(300, 300)); }

  private slots:
    void init() {
        boxes = std::make_unique<FakeMessageBoxes>();
        chooser = std::make_unique<FakeFileChooser>();
        presenters = std::make_unique<StagePresenters>(*boxes);
        graph = std::make_unique<GraphWindow>(*presenters, *boxes);
        graph->SetFileChooser(*chooser);
    }
    void cleanup() {
        graph.reset();
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    // 10 … 95 Hz on an axis 0 … 100: 20 Hz at x = 158.6, 25 Hz at 195.75. In the log mode
    // 10 … 1000 Hz, 20 Hz at 251.7 and 10 Hz at 195.75.
    void tooltipNamesThePointNearestThePointer() {
        graph->Show(Sweep(10, 95, 5), false);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QCOMPARE(TooltipAt(177, 300), QString("f = 20 Гц, |k| = 9.2848 (19.3554 дБ)"));
        QCOMPARE(TooltipAt(178, 100), QString("f = 25 Гц, |k| = 8.9443 (19.0309 дБ)"));
        graph->Show(Sweep(10, 1000, 10), true);
        QCOMPARE(TooltipAt(224, 300), QString("f = 20 Гц, |k| = 9.2848 (19.3554 дБ)"));
        QCOMPARE(TooltipAt(223, 300), QString("f = 10 Гц, |k| = 9.8058 (19.8297 дБ)"));
    }

    void noTooltipWithoutComputedRows() {
        graph->Show(Sweep(10, 95, 5, 0), false);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QCOMPARE(TooltipAt(177, 300), QString());
    }

    void contextMenuOffersTheActions() {
        graph->Show(Sweep(10, 95, 5), false);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QCOMPARE(MenuTexts(),
                 QStringList({"Копировать рисунок", "Сохранить рисунок…", "Характерные точки…",
                              "Запомнить кривую", "Забыть кривые (disabled)"}));
        QCOMPARE(Action("Копировать рисунок")->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(Action("Сохранить рисунок…")->shortcut(), QKeySequence(QKeySequence::Save));
        graph->Show(Sweep(10, 95, 5, 0), false);
        QCOMPARE(MenuTexts()[2], QString("Характерные точки… (disabled)"));
    }

    void copyPicturePutsTheWindowOnTheClipboard() {
        graph->Show(Sweep(10, 95, 5), false);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(graph.get(), Qt::Key_C, Qt::ControlModifier);
        const QImage copied =
            QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.size(), graph->size());
        QCOMPARE(copied, Picture(*graph));
    }

    void savePictureWritesItAsPng() {
        graph->Show(Sweep(10, 95, 5), false);
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QTemporaryDir folder;
        chooser->answer = folder.filePath("график.png");
        QTest::keyClick(graph.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(chooser->asked,
                 QStringList({"Сохранить рисунок", "Рисунок PNG (*.png)", "график.png"}));
        const QImage saved(chooser->answer, "PNG");
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), Picture(*graph));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"график.png"});

        chooser->answer = folder.filePath("нет/график.png");
        Action("Сохранить рисунок…")->trigger();
        QCOMPARE(boxes->errors,
                 QStringList{"Не удалось сохранить «" + chooser->answer + "»: такой папки нет."});
        boxes->errors.clear();
    }

    // A band-pass stage calculated in the main window; the box's numbers follow from its closed
    // form: fl = 100.198 Hz, fh = 10009.0 Hz, the peak K/(1 + fl/fh) at √(fl·fh).
    void characteristicPointsOfTheLastCalculation() {
        StagePresenters localPresenters(*boxes);
        MainWindow main(localPresenters, *boxes);
        GraphWindow shown(localPresenters, *boxes);
        main.SetGraphWindow(&shown);
        const QStringList stage = {"10",  "1e9", "1",    "99",  "1e9", "0.159", "1e-7",
                                   "1e9", "1e9", "1e-7", "1e5", "10",  "1"};
        for (int row = 1; row <= 13; ++row)
            main.SetCellText(1, row, stage[row - 1].toStdString());
        main.SetEditText(StageField::From, "10");
        main.SetEditText(StageField::To, "100000");
        main.SetEditText(StageField::Step, "10");
        QTest::mouseClick(main.findChild<QPushButton*>("BuRas"), Qt::LeftButton);
        for (QAction* action : shown.actions())
            if (action->text() == "Характерные точки…")
                action->trigger();
        QCOMPARE(boxes->messages,
                 QStringList{"Максимум: |k| = 98.92 (39.906 дБ) при f = 1001.44 Гц\n"
                             "Нижняя граница −3 дБ: 98.25 Гц\n"
                             "Верхняя граница −3 дБ: 10207.5 Гц\n"
                             "Полоса: 10109.2 Гц"});
        QVERIFY(boxes->errors.isEmpty());
        boxes->messages.clear();
    }

    void errorInTheSearchGoesToTheErrorBox() {
        StagePresenters localPresenters(*boxes);
        GraphWindow shown(localPresenters, *boxes);
        auto result = std::make_shared<SweepResult>();
        // Converted parameters of a plausible stage, and samples that straddle 0 Hz: bisecting
        // between them evaluates the coupling capacitor at 0 Hz.
        result->Model = {1E4, 1E12, 1E3, 99E3, 1E12, 1E-6, 1E-19, 1E3, 1E-3, 1E-19, 1E5, 1E6};
        result->Frequencies = {-10, 10};
        result->Ratio = {1E-3, 100};
        result->Decibels = {-60, 40};
        result->Computed = 2;
        shown.Show(result, false);
        for (QAction* action : shown.actions())
            if (action->text() == "Характерные точки…")
                action->trigger();
        QCOMPARE(boxes->errors, QStringList{"Floating point division by zero."});
        boxes->errors.clear();
    }
};

QTEST_MAIN(GraphActionsTest)
#include "GraphActionsTest.moc"
