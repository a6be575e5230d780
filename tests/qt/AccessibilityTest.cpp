#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "app/session/StagePresenters.h"
#include "app/texts/Texts.h"
#include "ui/qt/MainWindow.h"
#include "ui/qt/QtMessageBoxes.h"

#include <QAccessible>

#include <memory>

// The keys and the accessibility interfaces reach what the application layer decides; the AT-SPI
// test (tests/accessibility) reads the program as a screen reader does.
class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    FakeMessageBoxes boxes;
    std::unique_ptr<StagePresenters> presenters;
    std::unique_ptr<MainWindow> window;

    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static QString Text(QWidget* widget, QAccessible::Text text) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

  private slots:
    void init() {
        presenters = std::make_unique<StagePresenters>(boxes);
        window = std::make_unique<MainWindow>(*presenters, boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        if (OpenMenu() != nullptr)
            OpenMenu()->close();
        window.reset();
    }

    // F10 reaches the menu bar under any keyboard layout.
    void f10OpensTheFirstMenu() {
        QTest::keyClick(window->findChild<QWidget*>("EdOt"), Qt::Key_F10);
        QTRY_VERIFY(OpenMenu() != nullptr);
        QCOMPARE(OpenMenu()->title(), QString::fromUtf8(kFileMenu));
    }

    // The commands without keys stand in context menus, which Shift+F10 opens.
    void shiftF10OpensTheContextMenu() {
        auto* results = window->findChild<QWidget*>("SgResult");
        results->setFocus();
        qsizetype items = 0;
        QTimer::singleShot(0, this,
                           [&] { items = OpenMenu()->actions().size(), OpenMenu()->close(); });
        QTest::keyClick(results, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_COMPARE(items, results->actions().size());
    }

    void messageBoxIsDescribedByItsText() {
        QString description;
        QTimer::singleShot(0, this, [&] {
            description = Text(QApplication::activeModalWidget(), QAccessible::Description);
            QApplication::activeModalWidget()->close();
        });
        QtMessageBoxes().ShowError("Не удалось сохранить рисунок.");
        QCOMPARE(description, QString("Не удалось сохранить рисунок."));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
