#include "FakeMessageBoxes.h"
#include "QtWindowDriver.h"
#include "WindowTestHelpers.h"
#include "app/design/DesignControls.h"
#include "app/graph/RequirementMarks.h"
#include "app/graph/SpreadBand.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/AccessibleTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "tests/driver/SpreadBehaviours.h"
#include "ui/qt/StartUp.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
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

// "Разброс…" and "Подбор номиналов…" reach their presenters: the menu item opens the dialog, OK
// runs the analysis, the progress box's "Отмена" stops it, the results box copies, and the band
// reaches the graph. What the presenter decides is tested against fakes.
class SpreadWindowsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<ProgramWindows> windows;

    template <class T> T* Control(const char* name) { return windows->Main.findChild<T*>(name); }

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

    // The results box's text and histograms read as app/texts names them, the histograms as
    // pictures.
    void resultsBoxReadsAsTheSpokenTableSays() {
        AnswerDialog([](QWidget&) {});
        QString textName;
        QStringList pictureNames;
        QList<QAccessible::Role> pictureRoles;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            QWidget* box = ModalNamed(kSpreadResultsName);
            if (box == nullptr || !textName.isEmpty())
                return;
            textName = box->findChild<QPlainTextEdit*>(kSpreadResultsText.Name)->accessibleName();
            for (const char* picture : {kUpperEdgeHistogram.Name, kPeakGainHistogram.Name}) {
                auto* histogram = box->findChild<QWidget*>(picture);
                pictureNames << histogram->accessibleName();
                pictureRoles << QAccessible::queryAccessibleInterface(histogram)->role();
            }
            qobject_cast<QDialog*>(box)->reject();
        });
        watcher.start(10);
        TriggerMenuItem(&windows->Main, kSpreadCommand);
        QTRY_VERIFY_WITH_TIMEOUT(!textName.isEmpty() && !windows->Spread.Presenter().Running(),
                                 20000);
        QCOMPARE(textName,
                 QString::fromStdString(SpreadSpokenControl(kSpreadResultsText.Name).Name));
        QCOMPARE(pictureRoles,
                 (QList<QAccessible::Role>{QAccessible::Graphic, QAccessible::Graphic}));
        QCOMPARE(pictureNames.size(), 2);
        QVERIFY(pictureNames[0].startsWith(QString::fromUtf8(kUpperEdgeHistogramName)));
        QVERIFY(pictureNames[1].startsWith(QString::fromUtf8(kPeakGainHistogramName)));
    }

    // What every front's analyses' windows must do (tests/driver), over these.
    void behavesAsEveryFrontMust_data() { AddBehaviourRows(spread_behaviours::kSpreadBehaviours); }
    void behavesAsEveryFrontMust() {
        QtWindowDriver driver(*windows, *boxes);
        const Findings found = RunFetchedBehaviour(driver);
        QVERIFY2(found.All().empty(), found.Joined().c_str());
    }
};

QTEST_MAIN(SpreadWindowsTest)
#include "SpreadWindowsTest.moc"
