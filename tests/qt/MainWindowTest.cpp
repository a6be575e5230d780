#include "ui/qt/MainWindow.h"

#include "FakeMessageBoxes.h"
#include "QtWindowDriver.h"
#include "WindowTestHelpers.h"
#include "app/presenters/MainLayout.h"
#include "app/session/StagePresenters.h"
#include "app/texts/AccessibleTexts.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "tests/driver/MainWindowBehaviours.h"
#include "tests/driver/RandomUse.h"
#include "ui/qt/StartUp.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {

const QStringList kTypicalStage = {"100", "1000", "1", "99",  "1000", "10", "1",
                                   "100", "1",    "1", "1e5", "10",   "1"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<MainWindow> window;

    template <class T> T* Control(const char* name) {
        T* control = window->findChild<T*>(QLatin1String(name));
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    QTableWidget* ParameterGrid() { return Control<QTableWidget>("SgIsh"); }
    QTableView* ResultGrid() { return Control<QTableView>("SgResult"); }
    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
    QAbstractItemModel* Results() { return ResultGrid()->model(); }
    QString ResultCell(int row, int column) { return ModelCell(Results(), row - 1, column); }
    int ResultRowCount() { return Results()->rowCount() + 1; } // with the heading row

    void TypeCircuit(const QStringList& parameters, const QString& from, const QString& to,
                     const QString& step) {
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(ParameterGrid(), row, 1, parameters[row - 1]);
        TypeInto(Control<QLineEdit>("EdOt"), from);
        TypeInto(Control<QLineEdit>("EdDo"), to);
        TypeInto(Control<QLineEdit>("EdDf"), step);
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        boxes = std::make_unique<FakeMessageBoxes>();
        presenters = std::make_unique<StagePresenters>(*boxes);
        window = std::make_unique<MainWindow>(*presenters, *boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        // Every box a test caused must have been checked and cleared by it.
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    // The controls say what the table of spoken texts gives them: a button its text with what it
    // does, the circuit a picture.
    void controlsSayWhatTheSpokenTableSays() {
        const SpokenControl spoken = MainSpokenControl(MainControlName::Button2, SweepKind::Linear);
        QCOMPARE(Button("Button2")->accessibleName(), QString::fromStdString(spoken.Name));
        QCOMPARE(Button("Button2")->accessibleDescription(),
                 QString::fromStdString(spoken.Description));
        auto* circuit = window->findChild<QWidget*>("Image1");
        QCOMPARE(QAccessible::queryAccessibleInterface(circuit)->role(), QAccessible::Graphic);
    }

    // What every front's windows must do (tests/driver), over this one's controls.
    void behavesAsEveryFrontMust_data() {
        AddBehaviourRows(main_window_behaviours::kMainWindowBehaviours);
    }
    void behavesAsEveryFrontMust() {
        QtWindowDriver driver(*window, *boxes, *presenters);
        const Findings found = RunFetchedBehaviour(driver);
        QVERIFY2(found.All().empty(), found.Joined().c_str());
    }

    // A seeded random walk over the whole program's windows keeps the rules app/ decides
    // (tests/driver/RandomUse.h); OU_RANDOM_SEED and OU_RANDOM_STEPS choose another walk, as
    // scripts/random-use.sh does.
    void randomUseKeepsTheRules() {
        const uint64_t seed = qEnvironmentVariableIsSet("OU_RANDOM_SEED")
                                  ? qEnvironmentVariable("OU_RANDOM_SEED").toULongLong()
                                  : 1;
        const int steps = qEnvironmentVariableIsSet("OU_RANDOM_STEPS")
                              ? qEnvironmentVariableIntValue("OU_RANDOM_STEPS")
                              : 2000;
        window.reset();
        ProgramWindows program(*boxes);
        program.Main.show();
        QtWindowDriver driver(program, *boxes);
        RandomUse walk(driver, seed);
        const Findings found = walk.Walk(steps);
        QVERIFY2(found.All().empty(), found.Joined().c_str());
        qInfo("seed %llu: %d steps, %s", static_cast<unsigned long long>(seed), steps,
              walk.Summary().c_str());
    }

    void startUpShowsEmptyForm() {
        QCOMPARE(window->windowTitle(), QString("ОУ"));
        QCOMPARE(ParameterGrid()->item(0, 0)->text(), QString("параметр"));
        QCOMPARE(ParameterGrid()->item(0, 1)->text(), QString("значение"));
        const QStringList names = {"R1,кОм", "R2,кОм",     "R3,кОм", "R4,кОм", "R5,кОм",
                                   "C1,мкФ", "C2,пФ",      "C3,мкФ", "C4,пФ",  "C5,пФ",
                                   "k0,раз", "Rвх оу,МОм", "f1,МГц"};
        for (int row = 1; row <= 13; ++row) {
            QCOMPARE(ParameterGrid()->item(row, 0)->text(), names[row - 1]);
            QCOMPARE(ParameterGrid()->item(row, 1)->text(), QString());
            QVERIFY(ParameterGrid()->item(row, 1)->flags() & Qt::ItemIsEditable);
            QVERIFY(!(ParameterGrid()->item(row, 0)->flags() & Qt::ItemIsEditable));
        }
        QCOMPARE(ResultRowCount(), 5);
        QCOMPARE(Results()->headerData(0, Qt::Horizontal).toString(), QString("частота, Гц"));
        QCOMPARE(Results()->headerData(1, Qt::Horizontal).toString(), QString(" |k|, раз"));
        QCOMPARE(Results()->headerData(2, Qt::Horizontal).toString(), QString(" |k|, дБ"));
        for (int row = 1; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                QCOMPARE(ResultCell(row, column), QString());
        QVERIFY(!Button("Button1")->isEnabled());
        QVERIFY(!Control<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(Control<QLabel>("Label3")->text(), QString("разделитель - ."));
        QCOMPARE(Button("Button2")->toolTip(), QString("есть вопросы?.. тычь сюда"));
        QCOMPARE(ParameterGrid()->columnWidth(0), 92);
        QCOMPARE(ParameterGrid()->columnWidth(1), 104);
    }

    void separatorLabelFollowsTheLocale() {
        SetDecimalSeparatorSource([] { return U','; });
        StagePresenters localPresenters(*boxes);
        MainWindow commaWindow(localPresenters, *boxes);
        QCOMPARE(commaWindow.findChild<QLabel*>("Label3")->text(), QString("разделитель - ,"));
        SetDecimalSeparatorSource(nullptr);
    }

    // MainWindow.ui lays the window out as the layout table does.
    void layout_data() {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < kMainControls.size(); ++i)
            QTest::newRow(kMainControls[i].Name) << int(i);
    }
    void layout() {
        QFETCH(int, index);
        const ControlLayout& c = kMainControls[size_t(index)];
        const char* const classes[] = {"QLabel",     "QLabel",    "QPushButton",
                                       "QTableView", "QLineEdit", "QCheckBox"};
        auto* control = Control<QWidget>(c.Name);
        QVERIFY(control->inherits(classes[int(c.Kind)]));
        control->ensurePolished();
        QRect shown = control->geometry();
        if (QLatin1String(c.Name) == "Label3") {
            // It grows with the text Start writes into it.
            QVERIFY(shown.width() >= c.Bounds.Width);
            shown.setWidth(c.Bounds.Width);
        } else if (QLatin1String(c.Name) != "Label5") { // its words spaced in its font
            QCOMPARE(control->property("text").toString(), QString(c.Text));
        }
        QCOMPARE(shown, QRect(c.Bounds.X, c.Bounds.Y, c.Bounds.Width, c.Bounds.Height));
        QCOMPARE(control->font().pixelSize(), c.FontPixels);
        QCOMPARE(control->font().weight(), c.Bold ? QFont::Bold : QFont::Normal);
        QCOMPARE(control->isEnabled(), c.Enabled);
        const QPalette::ColorRole role =
            c.Kind == ControlKind::Button                                ? QPalette::ButtonText
            : c.Kind == ControlKind::Grid || c.Kind == ControlKind::Edit ? QPalette::Text
                                                                         : QPalette::WindowText;
        const QColor colours[] = {QApplication::palette().color(QPalette::Active, role), Qt::blue,
                                  Qt::green};
        QCOMPARE(control->palette().color(QPalette::Active, role), colours[int(c.Colour)]);
    }

    void windowAsLaidOut() {
        // The controls stand in the client area under the menu bar, which the window grows by.
        const QWidget* client = window->findChild<QWidget*>("client");
        QCOMPARE(client->geometry(), QRect(0, window->height() - kMainFrame.Height,
                                           kMainFrame.Width, kMainFrame.Height));
        QCOMPARE(window->width(), kMainFrame.Width);
        QCOMPARE(window->pos(), QPoint(kMainFrame.X, kMainFrame.Y));
    }

    // The focusable controls in the order they are laid out.
    void tabOrderAsLaidOut() {
        QStringList order;
        for (const ControlLayout& control : kMainControls)
            if (control.Kind != ControlKind::Picture && control.Kind != ControlKind::Label)
                order << control.Name;
        QStringList chain;
        QWidget* first = window->findChild<QWidget*>(order.front());
        QWidget* widget = first;
        do {
            if (order.contains(widget->objectName()) && widget->focusPolicy() & Qt::TabFocus)
                chain << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != first);
        QCOMPARE(chain, order);
    }

    void refusalShowsItsMessageAndKeepsTheTable() {
        TypeCircuit(kTypicalStage, "10", "100", "10");
        Click("BuRas");
        const QString before = ResultCell(5, 1);
        TypeInto(Control<QLineEdit>("EdDf"), "-5");
        Click("BuRas");
        QCOMPARE(boxes->messages, QStringList{"шаг f=-5?..нельзя"});
        boxes->messages.clear();
        QCOMPARE(ResultCell(5, 1), before);
        QCOMPARE(ResultRowCount(), 11);
    }

    // The focus stays on "расчет" after a refusal, whichever field it names: the presenter moves
    // no focus.
    void refusalLeavesTheFocusOnTheButton_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("end");
        QTest::newRow("R1 = 0") << 1 << "100";
        QTest::newRow("fкон < fнач") << 2 << "5";
    }
    void refusalLeavesTheFocusOnTheButton() {
        QFETCH(int, row);
        QFETCH(QString, end);
        QStringList stage = kTypicalStage;
        stage[row - 1] = "0";
        TypeCircuit(stage, "10", end, "10");
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Button("BuRas")->setFocus();
        Click("BuRas");
        QCOMPARE(boxes->messages.size(), 1);
        boxes->messages.clear();
        QCOMPARE(QApplication::focusWidget(), Button("BuRas"));
    }

    void longSweepShowsItsFirstAndLastRows() {
        TypeCircuit(kTypicalStage, "1", "200000", "1");
        Click("BuRas");
        QCOMPARE(ResultRowCount(), 200001);
        QCOMPARE(ResultCell(200000, 0), QString("200000"));
        ResultGrid()->scrollToBottom();
        QVERIFY(!ResultCell(200000, 2).isEmpty());
    }

    // The step field's tooltip and name follow the kind of sweep chosen in the menu bar.
    void decadeSweepNamesTheStepField() {
        TriggerMenuItem(window.get(), kDecadeSweepCommand);
        QCOMPARE(Control<QLineEdit>("EdDf")->toolTip(), QString(kPointsPerDecadeFieldName));
        QCOMPARE(Control<QLineEdit>("EdDf")->accessibleName(), QString(kPointsPerDecadeFieldName));
    }

    // Each label of the layout, over either kind of sweep, shows its whole text in its font and
    // stays clear of the other controls.
    void labelsFitAndClearTheirNeighbours_data() {
        QTest::addColumn<bool>("decade");
        QTest::newRow("Linear") << false;
        QTest::newRow("Decade") << true;
    }
    void labelsFitAndClearTheirNeighbours() {
        QFETCH(bool, decade);
        if (decade)
            window->Presenter().UseDecadeSweep();
        for (const ControlLayout& layout : kMainControls) {
            if (layout.Kind != ControlKind::Label)
                continue;
            const auto* label = Control<QLabel>(layout.Name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                         label->contentsRect().width(),
                     layout.Name);
            for (const ControlLayout& other : kMainControls)
                if (&other != &layout)
                    QVERIFY2(
                        !label->geometry().intersects(Control<QWidget>(other.Name)->geometry()),
                        qPrintable(QString("%1 %2").arg(layout.Name, other.Name)));
        }
    }

    // A decade sweep's frequency is cut to its column, with "…"; the tooltip, as the copy, holds
    // the whole number.
    void cutCellEndsInAMarkWithItsWholeTextInATooltip() {
        TriggerMenuItem(window.get(), kDecadeSweepCommand);
        TypeCircuit(kTypicalStage, "10", "100000", "3");
        Click("BuRas");
        QCOMPARE(ResultCell(2, 0), QString("21.5443469003188"));
        const QRect cell = ResultGrid()->visualRect(Results()->index(1, 0));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        ResultGrid()->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(ResultGrid()->viewport(), &help);
        QCOMPARE(QToolTip::text(), QString("21.5443469003188"));
    }

    void doubleClickOnTheWindowDoesNothing() {
        QTest::mouseDClick(window.get(), Qt::LeftButton, {}, QPoint(420, 20));
        QCOMPARE(ResultRowCount(), 5);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
