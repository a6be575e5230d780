#include "FakeFileChooser.h"
#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/session/StagePresenters.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "ui/qt/MainWindow.h"

#include <QTemporaryDir>

#include <fstream>
#include <memory>

Q_DECLARE_METATYPE(Answer)

// The File menu, its keys and the window's close reach the presenter; what it decides is tested
// against the fake window.
class StageMenuTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder;
    std::filesystem::path stage;
    std::unique_ptr<FakeMessageBoxes> boxes;
    FakeFileChooser chooser;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<MainWindow> window;

    QTableWidget* ParameterGrid() { return window->findChild<QTableWidget*>("SgIsh"); }
    QString R1() { return ParameterGrid()->item(1, 1)->text(); }
    bool StageHolds(const std::string& line) {
        std::ifstream in(stage, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}).find(line) != std::string::npos;
    }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        stage = std::filesystem::path((folder.path() + "/каскад 1.ou").toStdU16String());
        std::ofstream(stage) << "format = ou-stage 1\nR1 = 100\nfrom = 10\n";
        boxes = std::make_unique<FakeMessageBoxes>();
        chooser.asked.clear();
        presenters = std::make_unique<StagePresenters>(*boxes);
        window = std::make_unique<MainWindow>(*presenters, *boxes);
        window->SetFileChooser(chooser);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        window.reset();
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void opensByTheMenuAndAtStart_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("command line") << false;
    }
    void opensByTheMenuAndAtStart() {
        QFETCH(bool, byMenu);
        chooser.answer = QString::fromStdU16String(stage.u16string());
        if (byMenu)
            TriggerMenuItem(window.get(), kOpenCommand);
        else
            window->Presenter().OpenAtStart(stage);
        QCOMPARE(chooser.asked.size(), byMenu ? 3 : 0);
        QCOMPARE(R1(), QString("100"));
        QCOMPARE(window->windowTitle(), QString("каскад 1.ou — ОУ"));
    }

    // With the cell's editor still open: the stage saved is what the user sees.
    void typingMarksTheCaptionAndCtrlSSaves() {
        window->Presenter().OpenAtStart(stage);
        TypeIntoCell(ParameterGrid(), 1, 1, "5", false);
        QCOMPARE(window->windowTitle(), QString("*каскад 1.ou — ОУ"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(StageHolds("R1 = 5\n"));
        QCOMPARE(window->windowTitle(), QString("каскад 1.ou — ОУ"));
    }

    void escapeTakesTheTypingBack() {
        window->Presenter().OpenAtStart(stage);
        TypeIntoCell(ParameterGrid(), 1, 1, "5", false);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(R1(), QString("100"));
        QCOMPARE(window->windowTitle(), QString("каскад 1.ou — ОУ"));
    }

    void closeAsksFirst_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("savedR1");
        QTest::newRow("Да") << Answer::Yes << true << "5";
        QTest::newRow("Нет") << Answer::No << true << "100";
        QTest::newRow("Отмена") << Answer::Cancel << false << "100";
    }
    void closeAsksFirst() {
        QFETCH(Answer, answer);
        QFETCH(bool, closes);
        QFETCH(QString, savedR1);
        window->Presenter().OpenAtStart(stage);
        TypeIntoCell(ParameterGrid(), 1, 1, "5");
        boxes->answer = answer;
        QCOMPARE(window->close(), closes);
        QCOMPARE(boxes->questions, QStringList{"Сохранить изменения в «каскад 1.ou»?"});
        QCOMPARE(window->isVisible(), !closes);
        QVERIFY(StageHolds("R1 = " + savedR1.toStdString() + "\n"));
        QCOMPARE(R1(), QString("5"));
    }
};

QTEST_MAIN(StageMenuTest)
#include "StageMenuTest.moc"
