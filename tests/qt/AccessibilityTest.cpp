#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/AccessibleTexts.h"
#include "app/MainMenuTexts.h"
#include "numerics/NumberText.h"
#include "tests/app/FakeMainView.h"
#include "ui/qt/QtMessageBoxes.h"
#include "ui/qt/ou.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

// What a screen reader asks the main window's controls, through the toolkit's accessibility
// interfaces; the texts themselves are decided and tested in the application layer.
class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<TForm1> window;

    QAccessibleInterface* Interface(const char* name) {
        auto* control = window->findChild<QWidget*>(name);
        return control != nullptr ? QAccessible::queryAccessibleInterface(control) : nullptr;
    }
    QString CellName(const char* grid, int row, int column) {
        QAccessibleTableInterface* table = Interface(grid)->tableInterface();
        return table->cellAt(row, column)->text(QAccessible::Name);
    }

  private slots:
    void init() {
        SetDecimalSeparatorSource([] { return U','; });
        boxes = std::make_unique<FakeMessageBoxes>();
        window = std::make_unique<TForm1>(*boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        SetDecimalSeparatorSource(nullptr);
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    void controlsHaveTheCataloguesNamesAndDescriptions() {
        for (const AccessibleControlText& text : kMainAccessibleTexts) {
            QAccessibleInterface* control = Interface(text.Control);
            QVERIFY2(control != nullptr, text.Control);
            if (text.Name != nullptr)
                QCOMPARE(control->text(QAccessible::Name), QString::fromUtf8(text.Name));
            if (text.Description != nullptr)
                QCOMPARE(control->text(QAccessible::Description),
                         QString::fromUtf8(text.Description));
        }
        QCOMPARE(Interface("BuRas")->text(QAccessible::Name), QString("расчет"));
    }

    void stepFieldIsNamedByTheKindOfSweep() {
        QCOMPARE(Interface("EdDf")->text(QAccessible::Name), QString("с шагом, Гц"));
        TriggerMenuItem(window.get(), kDecadeSweepCommand);
        QCOMPARE(Interface("EdDf")->text(QAccessible::Name), QString("точек на декаду"));
    }

    // The grids' cells read with their headings: a parameter's value as it is typed, and after a
    // calculation a result with its row's frequency.
    void cellsReadWithTheirHeadings() {
        QCOMPARE(CellName("SgIsh", 1, 1), QString("R1, кОм: пусто"));
        for (int row = 1; row <= 13; ++row)
            TypeIntoCell(window->findChild<QTableWidget*>("SgIsh"), row, 1,
                         QString::fromStdString(kTypicalStage[static_cast<size_t>(row - 1)]));
        QCOMPARE(CellName("SgIsh", 1, 1), QString("R1, кОм: 100"));
        QCOMPARE(CellName("SgIsh", 13, 1), QString("f1, МГц: 1"));
        TypeInto(window->findChild<QLineEdit*>("EdOt"), "10");
        TypeInto(window->findChild<QLineEdit*>("EdDo"), "100");
        TypeInto(window->findChild<QLineEdit*>("EdDf"), "10");
        QTest::mouseClick(window->findChild<QPushButton*>("BuRas"), Qt::LeftButton);
        QCOMPARE(CellName("SgResult", 1, 0), QString("частота, Гц: 20"));
        QVERIFY(CellName("SgResult", 1, 1).startsWith("частота, Гц: 20; |k|, раз: "));
    }

    void messageBoxIsDescribedByItsText() {
        QtMessageBoxes real;
        QString description;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            description =
                QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
            box->accept();
        });
        real.ShowError("Не удалось сохранить рисунок.");
        QCOMPARE(description, QString("Не удалось сохранить рисунок."));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
