#pragma once

#include "WindowsApi.h"
#include "app/presenters/Commands.h"

#include <string>
#include <vector>

// A context menu of commands; shows their first key beside the text and greys the disabled ones.
// Returns the index of the item chosen, or -1. `screen` (-1, -1) means a menu opened from the
// keyboard: it stands under the window's top-left corner.
int ShowPopupMenu(HWND owner, POINT screen, const std::vector<std::string>& labels,
                  const std::vector<bool>& enabled);

// A presenter's command table as a context menu; the command chosen runs through the presenter.
template <class Presenter> void ShowCommandMenu(HWND owner, POINT screen, Presenter& presenter) {
    const auto table = Presenter::Table();
    std::vector<std::string> labels;
    std::vector<bool> enabled;
    for (const Command<Presenter>& command : table) {
        labels.push_back(std::string(command.Text) + "\t" + ChordText(command.Keys.Chords[0]));
        enabled.push_back(IsEnabled(presenter, command));
    }
    const int chosen = ShowPopupMenu(owner, screen, labels, enabled);
    if (chosen >= 0)
        RunCommand(presenter, table[static_cast<size_t>(chosen)]);
}

// Whether a key pressed with Ctrl (and Shift as now held) is one of the table's: then its command
// runs (when enabled) and the key is taken, so that a disabled command's key does nothing.
bool IsChordOf(const CommandKeys& keys, WPARAM key, bool shift);
template <class Presenter> bool RunCommandKey(Presenter& presenter, WPARAM key) {
    if (GetKeyState(VK_CONTROL) >= 0)
        return false;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    for (const Command<Presenter>& command : Presenter::Table())
        if (IsChordOf(command.Keys, key, shift)) {
            RunCommand(presenter, command);
            return true;
        }
    return false;
}
