#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "numerics/NumberText.h"
#include "ui/qt/ou.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

const QStringList kTypicalStage = {"100", "1000", "1", "99",  "1000", "10", "1",
                                   "100", "1",    "1", "1e5", "10",   "1"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<TForm1> window;

    template <class T> T* Control(const char* name) {
        T* control = window->findChild<T*>(QLatin1String(name));
        if (control == nullptr)
            qFatal("no control %s", name);
        return control;
    }
    QTableWidget* SgIsh() { return Control<QTableWidget>("SgIsh"); }
    QTableView* SgResult() { return Control<QTableView>("SgResult"); }
    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
    QAbstractItemModel* Results() { return SgResult()->model(); }
    QString ResultCell(int row, int column) { return ModelCell(Results(), row - 1, column); }
    int ResultRowCount() { return Results()->rowCount() + 1; } // with the heading row

    void TypeCircuit(const QStringList& parameters, const QString& from, const QString& to,
                     const QString& step) {
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(SgIsh(), row, 1, parameters[row - 1]);
        TypeInto(Control<QLineEdit>("EdOt"), from);
        TypeInto(Control<QLineEdit>("EdDo"), to);
        TypeInto(Control<QLineEdit>("EdDf"), step);
    }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

  private slots:
    void init() {
        SetDecimalSeparatorSource(nullptr);
        boxes = std::make_unique<FakeMessageBoxes>();
        window = std::make_unique<TForm1>(*boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        // Every box a test caused must have been checked and cleared by it.
        QVERIFY2(boxes->messages.isEmpty(), qPrintable(boxes->messages.join('|')));
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void startUpShowsEmptyForm() {
        QCOMPARE(window->windowTitle(), QString("ОУ"));
        QCOMPARE(SgIsh()->item(0, 0)->text(), QString("параметр"));
        QCOMPARE(SgIsh()->item(0, 1)->text(), QString("значение"));
        const QStringList names = {"R1,кОм", "R2,кОм",     "R3,кОм", "R4,кОм", "R5,кОм",
                                   "C1,мкФ", "C2,пФ",      "C3,мкФ", "C4,пФ",  "C5,пФ",
                                   "k0,раз", "Rвх оу,МОм", "f1,МГц"};
        for (int row = 1; row <= 13; ++row) {
            QCOMPARE(SgIsh()->item(row, 0)->text(), names[row - 1]);
            QCOMPARE(SgIsh()->item(row, 1)->text(), QString());
            QVERIFY(SgIsh()->item(row, 1)->flags() & Qt::ItemIsEditable);
            QVERIFY(!(SgIsh()->item(row, 0)->flags() & Qt::ItemIsEditable));
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
        QCOMPARE(SgIsh()->columnWidth(0), 92);
        QCOMPARE(SgIsh()->columnWidth(1), 104);
    }

    void separatorLabelFollowsTheLocale() {
        SetDecimalSeparatorSource([] { return U','; });
        TForm1 commaWindow(*boxes);
        QCOMPARE(commaWindow.findChild<QLabel*>("Label3")->text(), QString("разделитель - ,"));
        SetDecimalSeparatorSource(nullptr);
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        const struct {
            const char* name;
            QRect rect;
        } layout[] = {{"Image1", {8, 8, 393, 545}},      {"Label1", {656, 8, 181, 20}},
                      {"Label2", {440, 8, 153, 20}},     {"Label4", {432, 412, 178, 16}},
                      {"Label5", {424, 430, 213, 16}},   {"BuRas", {408, 520, 81, 33}},
                      {"Button1", {496, 520, 81, 33}},   {"Button2", {584, 520, 49, 33}},
                      {"SgResult", {640, 32, 225, 521}}, {"SgIsh", {424, 32, 201, 353}},
                      {"Button3", {408, 480, 81, 33}},   {"EdOt", {408, 448, 73, 21}},
                      {"EdDo", {488, 448, 81, 21}},      {"EdDf", {576, 448, 65, 21}},
                      {"CheckBox1", {496, 488, 129, 25}}};
        for (const auto& control : layout)
            QTest::newRow(control.name) << QString(control.name) << control.rect;
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        auto* control = window->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), rect);
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("color");
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        const QColor blue(0, 0, 255);
        QTest::newRow("Label1") << "Label1" << 16 << true << text;
        QTest::newRow("Label2") << "Label2" << 16 << true << blue;
        QTest::newRow("Label3") << "Label3" << 13 << true << QColor(0, 255, 0);
        QTest::newRow("Label4") << "Label4" << 13 << true << blue;
        QTest::newRow("Label5") << "Label5" << 13 << false << blue;
        // Buttons and edits keep the style's own text colours.
        QTest::newRow("BuRas") << "BuRas" << 16 << true << QColor();
        QTest::newRow("Button1") << "Button1" << 16 << true << QColor();
        QTest::newRow("Button2") << "Button2" << 19 << true << QColor();
        QTest::newRow("Button3") << "Button3" << 16 << true << QColor();
        QTest::newRow("SgResult") << "SgResult" << 13 << false << text;
        QTest::newRow("SgIsh") << "SgIsh" << 13 << true << blue;
        QTest::newRow("CheckBox1") << "CheckBox1" << 13 << false << text;
        QTest::newRow("EdOt") << "EdOt" << 11 << false << QColor();
    }
    void fonts() {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QColor, color);
        auto* control = window->findChild<QWidget*>(name);
        control->ensurePolished();
        QCOMPARE(control->font().pixelSize(), pixels);
        QCOMPARE(control->font().bold(), bold);
        const QPalette::ColorRole role =
            qobject_cast<QAbstractItemView*>(control) ? QPalette::Text : QPalette::WindowText;
        if (color.isValid())
            QCOMPARE(control->palette().color(role), color);
    }

    void windowAndSeparatorLabelAsLaidOut() {
        // The controls stand in the client area under the menu bar, which the window grows by.
        const QWidget* client = window->findChild<QWidget*>("client");
        QCOMPARE(client->geometry(), QRect(0, window->height() - 557, 871, 557));
        QCOMPARE(window->width(), 871);
        QCOMPARE(window->pos(), QPoint(137, 114));
        const QRect label3 = Control<QLabel>("Label3")->geometry();
        QCOMPARE(label3.topLeft(), QPoint(408, 392));
        QVERIFY(label3.width() >= 48);
        QCOMPARE(label3.height(), 16);
    }

    void tabOrderAsLaidOut() {
        const QStringList order = {"BuRas",   "Button1", "Button2", "SgResult", "SgIsh",
                                   "Button3", "EdOt",    "EdDo",    "EdDf",     "CheckBox1"};
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

    void calculationFillsTheTable() {
        TypeCircuit(kTypicalStage, "100", "1000", "100");
        Click("BuRas");
        QCOMPARE(ResultRowCount(), 11);
        for (int row = 1; row <= 10; ++row) {
            QCOMPARE(ResultCell(row, 0), QString::number(row * 100));
            const double ratio = ResultCell(row, 1).toDouble();
            QVERIFY2(ratio > 98 && ratio < 101, qPrintable(ResultCell(row, 1)));
            QCOMPARE(ResultCell(row, 1), QString::fromStdString(NumberToText(RoundSignificant(
                                             5, window->State().Ratio[size_t(row - 1)]))));
            QCOMPARE(ResultCell(row, 2), QString::fromStdString(NumberToText(RoundSignificant(
                                             5, window->State().Decibels[size_t(row - 1)]))));
        }
        QVERIFY(Button("Button1")->isEnabled());
        // Every entry is rewritten in normal form.
        QCOMPARE(SgIsh()->item(11, 1)->text(), QString("100000"));
    }

    void keystrokeInParameterGridInvalidatesResults() {
        TypeCircuit(kTypicalStage, "10", "100", "10");
        Click("BuRas");
        QVERIFY(Button("Button1")->isEnabled());
        QVERIFY(!ResultCell(3, 1).isEmpty());
        // One key, editor still open: the table is already empty.
        TypeIntoCell(SgIsh(), 4, 1, "9", false);
        QCOMPARE(ResultRowCount(), 11);
        for (int column = 0; column < 3; ++column)
            QCOMPARE(ResultCell(3, column), QString());
        QVERIFY(!Button("Button1")->isEnabled());
        // The calculation state itself is kept for the graph.
        QCOMPARE(window->State().Count, 10);
    }

    void sweepFieldsAndCheckBoxDoNotTouchResults() {
        TypeCircuit(kTypicalStage, "10", "100", "10");
        Click("BuRas");
        TypeInto(Control<QLineEdit>("EdDf"), "5");
        QTest::mouseClick(Control<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(5, 12));
        QVERIFY(Control<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(ResultCell(1, 0), QString("10"));
        QVERIFY(Button("Button1")->isEnabled());
    }

    void resetEmptiesRowsButKeepsTheirCount() {
        TypeCircuit(kTypicalStage, "10", "100", "10");
        Click("BuRas");
        Click("Button3");
        QCOMPARE(ResultRowCount(), 11);
        for (int row = 1; row <= 10; ++row)
            for (int column = 0; column < 3; ++column)
                QCOMPARE(ResultCell(row, column), QString());
        for (int row = 1; row <= 13; ++row)
            QCOMPARE(SgIsh()->item(row, 1)->text(), QString());
        QCOMPARE(SgIsh()->item(1, 0)->text(), QString("R1,кОм"));
        QVERIFY(!Button("Button1")->isEnabled());
        QCOMPARE(Control<QLineEdit>("EdOt")->text(), QString("10"));
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

    void floatingPointErrorIsReportedAndLeavesWhatWasDone() {
        TypeCircuit(kTypicalStage, "-20", "20", "10");
        Click("BuRas");
        QCOMPARE(boxes->errors, QStringList{"Floating point division by zero."});
        boxes->errors.clear();
        QCOMPARE(ResultRowCount(), 6);
        QCOMPARE(ResultCell(3, 0), QString("0"));
        QVERIFY(!ResultCell(2, 2).isEmpty());
        QCOMPARE(ResultCell(3, 1), QString());
        QVERIFY(Button("Button1")->isEnabled());
        // The program goes on: a corrected sweep calculates.
        TypeInto(Control<QLineEdit>("EdOt"), "10");
        Click("BuRas");
        QCOMPARE(ResultRowCount(), 3);
        QVERIFY(!ResultCell(2, 2).isEmpty());
    }

    void longSweepShowsItsFirstAndLastRows() {
        TypeCircuit(kTypicalStage, "1", "200000", "1");
        Click("BuRas");
        QCOMPARE(ResultRowCount(), 200001);
        QCOMPARE(ResultCell(200000, 0), QString("200000"));
        SgResult()->scrollToBottom();
        QVERIFY(!ResultCell(200000, 2).isEmpty());
    }

    void doubleClickOnTheWindowDoesNothing() {
        QTest::mouseDClick(window.get(), Qt::LeftButton, {}, QPoint(420, 20));
        QCOMPARE(ResultRowCount(), 5);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
