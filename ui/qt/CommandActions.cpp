#include "CommandActions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>

namespace {

QKeySequence::StandardKey ToolkitKey(StandardKey key) {
    switch (key) {
    case StandardKey::Copy:
        return QKeySequence::Copy;
    case StandardKey::SelectAll:
        return QKeySequence::SelectAll;
    case StandardKey::Save:
        return QKeySequence::Save;
    case StandardKey::SaveAs:
        return QKeySequence::SaveAs;
    case StandardKey::Open:
        return QKeySequence::Open;
    case StandardKey::Quit:
        return QKeySequence::Quit;
    case StandardKey::None:
        break;
    }
    return QKeySequence::UnknownKey;
}

} // namespace

QList<QKeySequence> KeySequences(const CommandKeys& keys) {
    // The platform's own keys first; the table's chords too, as some platforms bind none for a
    // standard key (Save As has no key outside the big desktops).
    QList<QKeySequence> sequences;
    if (keys.Standard != StandardKey::None)
        sequences = QKeySequence::keyBindings(ToolkitKey(keys.Standard));
    for (const KeyChord& chord : keys.Chords) {
        if (chord.Key == 0)
            continue;
        const Qt::Key key = chord.Key == kInsertKey ? Qt::Key_Insert : Qt::Key(chord.Key);
        Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
        if (chord.Shift)
            modifiers |= Qt::ShiftModifier;
        const QKeySequence sequence(QKeyCombination(modifiers, key));
        if (!sequences.contains(sequence))
            sequences.append(sequence);
    }
    return sequences;
}

bool IsKeyOfDisabledAction(const QList<QAction*>& actions, const QKeySequence& pressed) {
    for (const QAction* action : actions)
        if (!action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    return false;
}

void OpenContextMenu(QWidget& widget) {
    QPoint position = widget.rect().center();
    if (const auto* view = qobject_cast<QAbstractItemView*>(&widget))
        if (view->currentIndex().isValid())
            position =
                view->viewport()->mapTo(&widget, view->visualRect(view->currentIndex()).center());
    QContextMenuEvent event(QContextMenuEvent::Keyboard, position, widget.mapToGlobal(position));
    QApplication::sendEvent(&widget, &event);
}
