#pragma once

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

// What a user does with the controls, as test steps.

// Types `text` key by key; a letter no ASCII key makes (Cyrillic) comes as a key with that text,
// as a Russian layout sends it.
inline void TypeKeys(QWidget* target, const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 128)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Opens the in-place editor of a grid cell, types the text key by key and commits it with Enter.
inline void TypeIntoCell(QTableWidget* grid, int row, int column, const QString& text,
                         bool commit = true) {
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    QLineEdit* editor = nullptr;
    for (auto* candidate : grid->viewport()->findChildren<QLineEdit*>())
        if (candidate->isVisible())
            editor = candidate;
    QVERIFY(editor != nullptr);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Backspace);
    TypeKeys(editor, text);
    if (commit) {
        // Enter only queues the commit and the closing of the editor. Let those run first (the
        // editor is then scheduled for deletion), and only then delete it: deleting it while the
        // commit is still queued leaves the view closing an editor that is gone.
        const QPointer<QLineEdit> open(editor);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(); // the queued commit and close
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(open.isNull() || !open->isVisible());
        QCOMPARE(grid->item(row, column)->text(), text);
    }
}

inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->clear();
    TypeKeys(edit, text);
}

inline QString ModelCell(const QAbstractItemModel* model, int row, int column) {
    return model->data(model->index(row, column)).toString();
}

// Right-clicks `target` at `position` and hands the context menu, while it is open, to `use`,
// which chooses an item or closes it.
template <class Use> void WithContextMenu(QWidget* target, QPoint position, Use use) {
    QTimer::singleShot(0, target, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            use(menu);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, target->mapToGlobal(position));
    QApplication::sendEvent(target, &event);
}

// The item of `window`'s menus that reads `text`, or nullptr.
inline QAction* MenuAction(QWidget* window, const char* text) {
    for (QAction* action : window->findChildren<QAction*>())
        if (action->text() == QString::fromUtf8(text))
            return action;
    return nullptr;
}

// Triggers it.
inline void TriggerMenuItem(QWidget* window, const char* text) {
    QAction* action = MenuAction(window, text);
    QVERIFY2(action != nullptr, text);
    action->trigger();
}

// Reads the context menu ("text", or "text (disabled)") and closes it.
inline QStringList ContextMenuTexts(QWidget* target, QPoint position) {
    QStringList texts;
    WithContextMenu(target, position, [&](QMenu* menu) {
        for (const QAction* action : menu->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (disabled)");
        menu->close();
    });
    return texts;
}

// Chooses the context menu's item `text` as the keyboard does: highlighted, then Enter.
inline void ChooseFromContextMenu(QWidget* target, QPoint position, const QString& text) {
    bool found = false;
    WithContextMenu(target, position, [&](QMenu* menu) {
        for (QAction* action : menu->actions())
            if (action->text() == text) {
                found = true;
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
            }
        if (menu->isVisible())
            menu->close();
    });
    QVERIFY2(found, qPrintable(text));
}

// Whether any pixel of the picture is of this colour.
inline bool Shows(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == colour)
                return true;
    return false;
}
