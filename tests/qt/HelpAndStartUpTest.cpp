#include "FakeMessageBoxes.h"
#include "app/texts/Texts.h"
#include "ui/qt/StartUp.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

class HelpAndStartUpTest : public QObject {
    Q_OBJECT

  private:
    FakeMessageBoxes boxes;

  private slots:
    void startUpShowsOnlyTheMainWindow() {
        ProgramWindows windows(boxes);
        QVERIFY(windows.Main.isVisible());
        QVERIFY(!windows.Help.isVisible());
        QVERIFY(!windows.Graph.isVisible());
        QCOMPARE(windows.Help.windowTitle(), QString(kHelpCaption));
        QCOMPARE(windows.Graph.windowTitle(), QString(kGraphCaption));
    }

    // Qt's own file dialog (not a desktop's) speaks Russian, as the program does.
    void qtsOwnFileDialogSpeaksRussian() {
        ProgramWindows windows(boxes);
        QVERIFY(windows.Translation.Loaded());
        QFileDialog dialog(&windows.Main);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QString("Отмена"));
    }

    void helpButtonShowsHelpAndCloseHidesIt() {
        ProgramWindows windows(boxes);
        QTest::mouseClick(windows.Main.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QVERIFY(windows.Help.isVisible());
        QVERIFY(windows.Main.isVisible()); // not modal: the main window stays usable
        QVERIFY(!windows.Help.isModal());
        // Pressed again while open: still one help window, still shown.
        QTest::mouseClick(windows.Main.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QVERIFY(windows.Help.isVisible());
        auto* close = windows.Help.findChild<QPushButton*>("Button1");
        QCOMPARE(close->text(), QString(kHelpCloseButton));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!windows.Help.isVisible());
        QVERIFY(windows.Main.isVisible());
    }

    void helpClosesFromTheKeyboard_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void helpClosesFromTheKeyboard() {
        QFETCH(int, key);
        ProgramWindows windows(boxes);
        QTest::mouseClick(windows.Main.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        auto* close = windows.Help.findChild<QPushButton*>("Button1");
        close->setFocus();
        QTest::keyClick(close, Qt::Key(key));
        QVERIFY(!windows.Help.isVisible());
    }

    void helpWindowAsLaidOut() {
        HelpWindow help;
        QCOMPARE(help.size(), QSize(698, 446));
        QCOMPARE(help.pos(), QPoint(192, 114));
        auto* picture = help.findChild<QLabel*>("Image1");
        QCOMPARE(picture->geometry(), QRect(8, 8, 683, 385));
        QCOMPARE(picture->pixmap().size(), QSize(683, 385));
        auto* close = help.findChild<QPushButton*>("Button1");
        QCOMPARE(close->geometry(), QRect(520, 400, 145, 41));
        close->ensurePolished();
        QCOMPARE(close->font().pixelSize(), 16);
        QVERIFY(close->font().bold());
        QVERIFY(!help.windowIcon().isNull());
    }

    void helpPictureHoldsTheWholeHelp() {
        QFile file(":/help.svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The texts of the picture, in order, each line joined to the next by one blank.
        QString text;
        const QRegularExpression element("<text[^>]*>(.*?)</text>",
                                         QRegularExpression::DotMatchesEverythingOption);
        for (const auto& match : element.globalMatch(QString::fromUtf8(file.readAll())))
            text += QString(match.captured(1)).remove(QRegularExpression("<[^>]*>")) + ' ';
        text = text.simplified().replace("&quot;", "\"");
        const QStringList lines = {
            "Амплитудно-частотная характеристика \"голого\" ОУ (т.е. без обратной связи) "
            "апроксимирована формулой",
            "Если цепь ООС имеет, например, такой вид,",
            "Обратите внимание: C1,C3 - вводятся в мкФ, C2,C4,C5 - в пФ.",
        };
        for (const QString& line : lines)
            QVERIFY2(text.contains(line), qPrintable(line));
        for (const char* phrase :
             {"где k0,f1 параметры ОУ без ООС;", "f1 - частота, при которой |k|=1;",
              "k0 - усиление при f=0.", "R2,R5 - 1000000000 ,", "C2,C5 - 0.0000001 ,",
              "C3,C4 - 1000000000.", "Фаза ОУ принята опережающей:",
              "Реального ОУ — запаздывающая: k0/(1 + j·(f/f1)·√(k0²−1)), Расчет → Фаза ОУ.",
              "Rвх - входное сопротивление ОУ: учтено параллельно R1 и R3."})
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);
    }

    void closingTheMainWindowEndsTheProgramWithTheOthersOpen() {
        ProgramWindows windows(boxes);
        windows.Help.show();
        windows.Graph.show();
        bool quit = false;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
        QTimer::singleShot(0, &windows.Main, [&] { windows.Main.close(); });
        // A safety net so that a failure cannot hang the test.
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(quit);
    }
};

QTEST_MAIN(HelpAndStartUpTest)
#include "HelpAndStartUpTest.moc"
