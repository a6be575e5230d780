#include "Commands.h"

std::string ChordText(const KeyChord& chord) {
    if (chord.Key == 0)
        return {};
    std::string text = chord.Shift ? "Ctrl+Shift+" : "Ctrl+";
    if (chord.Key == kInsertKey)
        return text + "Ins";
    return text + chord.Key;
}
