#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/graph/SpreadBand.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "ui/qt/StartUp.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QStringList kTypicalStage = {"100", "1000", "1", "99",  "1000", "10", "1",
                                   "100", "1",    "1", "1e5", "10",   "1"};

// The modal window of this name once it is up, else nullptr.
QWidget* ModalNamed(const char* name) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal->objectName() == name ? modal : nullptr;
}

} // namespace

// "Разброс…" reaches its presenter: the menu item opens the dialog, OK runs the analysis, the
// progress box's "Отмена" stops it, the results box copies, and the band reaches the graph. What
// the presenter decides is tested against fakes.
class SpreadWindowsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<ProgramWindows> windows;

    template <class T> T* Control(const char* name) { return windows->Form1.findChild<T*>(name); }

    // Types into the dialog once it is up, then presses OK.
    void AnswerDialog(std::function<void(QWidget&)> type) {
        QTimer::singleShot(0, this, [type] {
            QWidget* dialog = ModalNamed(kSpreadDialogName);
            QVERIFY(dialog != nullptr);
            type(*dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(kSpreadOk.Name), Qt::LeftButton);
        });
    }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        boxes = std::make_unique<FakeMessageBoxes>();
        windows = std::make_unique<ProgramWindows>(*boxes);
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(Control<QTableWidget>("SgIsh"), row, 1, kTypicalStage[row - 1]);
        TypeInto(Control<QLineEdit>("EdOt"), "10");
        TypeInto(Control<QLineEdit>("EdDo"), "1000");
        TypeInto(Control<QLineEdit>("EdDf"), "10");
        QTest::mouseClick(Control<QPushButton>("BuRas"), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>("Button1"), Qt::LeftButton);
    }
    void cleanup() {
        windows.reset();
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void okRunsTheAnalysisAndTheBandReachesTheGraph() {
        const QColor band(kBandOuterColor.Red, kBandOuterColor.Green, kBandOuterColor.Blue);
        QVERIFY(!Shows(windows->Form3.grab().toImage(), band));
        AnswerDialog(
            [](QWidget& dialog) { TypeInto(dialog.findChild<QLineEdit*>("EdTolerance1"), "2"); });
        // The results box, once the run has ended: copied, then closed.
        QString results;
        QStringList pictureNames;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            QWidget* box = ModalNamed(kSpreadResultsName);
            if (box == nullptr)
                return;
            results = box->findChild<QPlainTextEdit*>(kSpreadResultsText.Name)->toPlainText();
            for (const char* picture : {kUpperEdgeHistogram.Name, kPeakGainHistogram.Name})
                pictureNames << box->findChild<QWidget*>(picture)->accessibleName();
            QTest::mouseClick(box->findChild<QPushButton*>(kCopySpreadButton.Name), Qt::LeftButton);
            qobject_cast<QDialog*>(box)->reject();
        });
        watcher.start(10);
        TriggerMenuItem(&windows->Form1, kSpreadCommand);
        QTRY_VERIFY_WITH_TIMEOUT(windows->Spread.Form().HasBand() && !results.isEmpty(), 20000);
        QCOMPARE(windows->Form1.Form().Spread().Tolerances[0], 2.0);
        QCOMPARE(QGuiApplication::clipboard()->text(), results);
        QCOMPARE(pictureNames.size(), 2);
        QVERIFY(pictureNames[0].startsWith(QString::fromUtf8(kUpperEdgeHistogramName)));
        QVERIFY(pictureNames[1].startsWith(QString::fromUtf8(kPeakGainHistogramName)));
        QTest::qWait(20);
        QVERIFY(Shows(windows->Form3.grab().toImage(), band));
    }

    void theProgressBoxCancelsALongRun() {
        // 10^4 frequencies × 10^5 trials: seconds of work, long past the progress box's moment.
        TypeInto(Control<QLineEdit>("EdDo"), "100000");
        AnswerDialog([](QWidget& dialog) {
            TypeInto(dialog.findChild<QLineEdit*>(kTrialsEdit.Name), "100000");
        });
        bool cancelled = false;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto* progress = windows->Form1.findChild<QProgressDialog*>(kSpreadProgressName);
            if (progress == nullptr || !progress->isVisible() || cancelled)
                return;
            QTest::mouseClick(progress->findChild<QPushButton*>(kSpreadProgressCancel.Name),
                              Qt::LeftButton);
            cancelled = true;
        });
        watcher.start(10);
        TriggerMenuItem(&windows->Form1, kSpreadCommand);
        QTRY_VERIFY_WITH_TIMEOUT(cancelled, 20000);
        QVERIFY(!windows->Spread.Form().Running());
        QVERIFY(!windows->Spread.Form().HasBand());
        QTRY_VERIFY(windows->Form1.findChild<QProgressDialog*>(kSpreadProgressName) == nullptr);
    }
};

QTEST_MAIN(SpreadWindowsTest)
#include "SpreadWindowsTest.moc"
