#include "PopupMenu.h"

#include "Text.h"

int ShowPopupMenu(HWND owner, POINT screen, const std::vector<std::string>& labels,
                  const std::vector<bool>& enabled) {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return -1;
    for (size_t i = 0; i < labels.size(); ++i)
        AppendMenuW(menu, MF_STRING | (enabled[i] ? MF_ENABLED : MF_GRAYED), i + 1,
                    Widen(labels[i]).c_str());
    if (screen.x == -1 && screen.y == -1) {
        screen = {0, 0};
        ClientToScreen(owner, &screen);
    }
    const auto chosen =
        static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                        screen.x, screen.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen >= 1 ? chosen - 1 : -1;
}

bool IsChordOf(const CommandKeys& keys, WPARAM key, bool shift) {
    for (const KeyChord& chord : keys.Chords) {
        if (chord.Key == 0 || chord.Shift != shift)
            continue;
        const WPARAM virtualKey = chord.Key == kInsertKey ? VK_INSERT : WPARAM(chord.Key);
        if (virtualKey == key)
            return true;
    }
    return false;
}
