#include "FakeMessageBoxes.h"
#include "WindowTestHelpers.h"
#include "ui/qt/UnFGr.h"
#include "ui/qt/ou.h"

#include <QAccessible>
#include <QMenuBar>
#include <QToolTip>

#include <cmath>
#include <memory>

// The keyboard alone reaches the menu bar and reads the graph: the keys reach the menus and the
// presenter, whose decisions are tested against fakes.
class KeyboardTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<FakeMessageBoxes> boxes;
    std::unique_ptr<TForm1> window;
    CalcState state;
    std::unique_ptr<TForm3> graph;

    QMenuBar* Bar() { return window->findChild<QMenuBar*>(); }
    QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

  private slots:
    void init() {
        boxes = std::make_unique<FakeMessageBoxes>();
        window = std::make_unique<TForm1>(*boxes);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() {
        if (QMenu* menu = OpenMenu())
            menu->close();
        graph.reset();
        window.reset();
        QVERIFY2(boxes->errors.isEmpty(), qPrintable(boxes->errors.join('|')));
    }

    // Alt and the underlined letter as a Russian layout sends it, and F10 under any layout.
    void keysOpenTheMenus_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+Ф") << int(0x0424) << int(Qt::AltModifier) << "ф"
                               << "&Файл";
        QTest::newRow("Alt+Р") << int(0x0420) << int(Qt::AltModifier) << "р"
                               << "&Расчет";
        QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << ""
                             << "&Файл";
    }
    void keysOpenTheMenus() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, menu);
        QWidget* edit = window->findChild<QWidget*>("EdOt");
        edit->setFocus();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(OpenMenu() != nullptr);
        QCOMPARE(OpenMenu()->title(), menu);
    }

    // Alt pressed and let go alone highlights the bar's first menu; the arrows and Enter go on.
    void altAloneReachesTheBar() {
        QWidget* edit = window->findChild<QWidget*>("EdOt");
        edit->setFocus();
        QTest::keyPress(edit, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(edit, Qt::Key_Alt, Qt::NoModifier);
        QVERIFY(Bar()->activeAction() != nullptr);
        QCOMPARE(Bar()->activeAction()->text(), QString("&Файл"));
    }

    // The context menus of the graph and of the result table open from the keyboard too, by
    // Shift+F10 (the menu key comes to a window as a context-menu event from X11 itself).
    void shiftF10OpensTheContextMenus_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("graph") << "Form3";
        QTest::newRow("results") << "SgResult";
    }
    void shiftF10OpensTheContextMenus() {
        QFETCH(QString, control);
        graph = std::make_unique<TForm3>(state, *boxes);
        QWidget* target = control == "Form3" ? graph.get() : window->findChild<QWidget*>(control);
        target->window()->show();
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
        target->setFocus();
        QStringList texts;
        QTimer::singleShot(0, this, [&] {
            if (QMenu* menu = OpenMenu()) {
                for (const QAction* action : menu->actions())
                    texts << action->text();
                menu->close();
            }
        });
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(!texts.isEmpty());
        QCOMPARE(texts.size(), target->actions().size());
    }

    // With the graph window focused, the arrows move the marker; its readout is the tooltip at
    // the marker and the window's accessible description (the event that announces it reaches
    // only a live accessibility bridge: the AT-SPI test listens for it).
    void arrowsMoveTheGraphMarker() {
        for (int i = 1; i <= 30; ++i) {
            const double f = 10.0 * i, ratio = 10 / std::sqrt(1 + f * f / 2500);
            state.Frequencies.push_back(f);
            state.Ratio.push_back(ratio);
            state.Decibels.push_back(20 * std::log10(ratio));
        }
        state.Count = state.Computed = 30;
        graph = std::make_unique<TForm3>(state, *boxes);
        graph->show();
        QVERIFY(QTest::qWaitForWindowActive(graph.get()));
        const QList<std::pair<Qt::Key, size_t>> steps = {
            {Qt::Key_Right, 0}, {Qt::Key_PageDown, 10}, {Qt::Key_Left, 9},
            {Qt::Key_End, 29},  {Qt::Key_PageUp, 19},   {Qt::Key_Home, 0}};
        for (const auto& [key, row] : steps) {
            QTest::keyClick(graph.get(), key);
            QCOMPARE(graph->Form().Marker(), std::optional<size_t>(row));
        }
        const QString readout = graph->accessibleDescription();
        QVERIFY(readout.startsWith("f = 10 Гц, |k| = "));
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), readout);
        QCOMPARE(QAccessible::queryAccessibleInterface(graph.get())->text(QAccessible::Description),
                 readout);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
