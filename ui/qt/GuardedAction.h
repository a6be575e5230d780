#pragma once

#include "app/MessageBoxes.h"

#include <QKeySequence>

#include <functional>

class QAction;
class QWidget;

// Adds to `widget` an action, shown in its context menu with its shortcut, whose handler runs
// through the top-level error handler. The shortcut works where `context` says: in the widget
// alone or anywhere in its window.
QAction* AddGuardedAction(QWidget& widget, const char* text, const QKeySequence& shortcut,
                          Qt::ShortcutContext context, MessageBoxes& boxes,
                          std::function<void()> handler);
