#pragma once

#include "app/presenters/Commands.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QShortcut>
#include <QWidget>

// The keys of a command as the toolkit binds them: its standard sequence (all the platform's
// keys for it) or the chords of the table.
QList<QKeySequence> KeySequences(const CommandKeys& keys);

// Opens the widget's context menu from the keyboard, at its current item or its middle.
void OpenContextMenu(QWidget& widget);

// Turns a presenter's command table into actions of `widget`, shown in its context menu with
// their keys; the keys work where `context` says, Shift+F10 opening the menu too. Each action runs
// its command through the presenter. The actions come in the table's order.
template <class Presenter>
QList<QAction*> AddCommandActions(QWidget& widget, Presenter& presenter,
                                  Qt::ShortcutContext context) {
    QList<QAction*> actions;
    for (const Command<Presenter>& command : Presenter::Table()) {
        auto* action = new QAction(QString::fromUtf8(command.Text), &widget);
        action->setShortcuts(KeySequences(command.Keys));
        action->setShortcutContext(context);
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, &widget,
                         [&presenter, &command] { RunCommand(presenter, command); });
        widget.addAction(action);
        actions.append(action);
    }
    widget.setContextMenuPolicy(Qt::ActionsContextMenu);
    // The menu key opens it where the platform sends a context-menu event for it (X11); Shift+F10
    // is the other key the desktops use.
    auto* menuKey =
        new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &widget, nullptr, nullptr, context);
    QObject::connect(menuKey, &QShortcut::activated, &widget,
                     [&widget] { OpenContextMenu(widget); });
    return actions;
}

// Greys the actions whose commands are disabled now.
template <class Presenter>
void FollowEnabling(const QList<QAction*>& actions, const Presenter& presenter) {
    const auto table = Presenter::Table();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setEnabled(IsEnabled(presenter, table[static_cast<size_t>(i)]));
}

// Whether the key event is a shortcut of one of the disabled actions: such a key must not reach
// the widget itself, which would run its own command (a grid copies its current cell).
bool IsKeyOfDisabledAction(const QList<QAction*>& actions, const QKeySequence& pressed);
