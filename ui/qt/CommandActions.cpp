#include "CommandActions.h"

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
    if (keys.Standard != StandardKey::None)
        return QKeySequence::keyBindings(ToolkitKey(keys.Standard));
    QList<QKeySequence> sequences;
    for (const KeyChord& chord : keys.Chords) {
        if (chord.Key == 0)
            continue;
        const Qt::Key key = chord.Key == kInsertKey ? Qt::Key_Insert : Qt::Key(chord.Key);
        Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
        if (chord.Shift)
            modifiers |= Qt::ShiftModifier;
        sequences.append(QKeySequence(QKeyCombination(modifiers, key)));
    }
    return sequences;
}

bool IsKeyOfDisabledAction(const QList<QAction*>& actions, const QKeySequence& pressed) {
    for (const QAction* action : actions)
        if (!action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    return false;
}
