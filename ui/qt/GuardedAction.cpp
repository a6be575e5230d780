#include "GuardedAction.h"

#include "app/EventGuard.h"

#include <QAction>
#include <QWidget>

QAction* AddGuardedAction(QWidget& widget, const char* text, const QKeySequence& shortcut,
                          Qt::ShortcutContext context, MessageBoxes& boxes,
                          std::function<void()> handler) {
    auto* action = new QAction(QString::fromUtf8(text), &widget);
    action->setShortcut(shortcut);
    action->setShortcutContext(context);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, &widget,
                     [&boxes, handler = std::move(handler)] { RunGuarded(boxes, handler); });
    widget.addAction(action);
    return action;
}
