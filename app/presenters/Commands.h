#pragma once

#include <array>
#include <span>
#include <string>

// The commands of the menus and keys, for every set of windows: one table per presenter, a row
// per command with its text, its keys, its enabling rule and the presenter's handler. A front
// turns each row into its toolkit's menu item and key binding, and runs the handler through
// RunCommand, so a command added to a table appears in both fronts.

// A key sequence the toolkit knows by meaning; the platform decides its keys (Copy is Ctrl+C and
// Ctrl+Insert on both desktops).
enum class StandardKey { None, Copy, SelectAll, Save, SaveAs, Open, Quit };

// A key pressed with Ctrl (and Shift where said): a capital letter, or kInsertKey.
struct KeyChord {
    char Key = 0; // 0: no key
    bool Shift = false;
};
inline constexpr char kInsertKey = 1;

// The keys of a command: the toolkit's standard sequence where there is one, and the chords,
// which every front binds as well (the first is shown in menus that do not show the standard
// sequence), so a platform without a standard key for the command still has one.
struct CommandKeys {
    StandardKey Standard = StandardKey::None;
    std::array<KeyChord, 2> Chords{};
};

template <class Presenter> struct Command {
    const char* Text;
    CommandKeys Keys;
    bool (Presenter::*Enabled)() const; // nullptr: always enabled
    void (Presenter::*Run)();
    // In a menu bar: the menu the item stands in, and for a choice, whether it is checked now.
    const char* Menu = nullptr;
    bool (Presenter::*Checked)() const = nullptr;
    // The item stands below the list of recent files, set apart from the items above it.
    bool AfterRecentFiles = false;
    // A checked item that is a setting of its own, switched on and off, not one of the menu's
    // choices of which one is checked.
    bool Switch = false;
};

// "Ctrl+C", "Ctrl+Shift+S", "Ctrl+Ins": a chord as a menu shows it beside the text.
std::string ChordText(const KeyChord& chord);

template <class Presenter>
bool IsChecked(const Presenter& presenter, const Command<Presenter>& command) {
    return command.Checked != nullptr && (presenter.*command.Checked)();
}

template <class Presenter>
bool IsEnabled(const Presenter& presenter, const Command<Presenter>& command) {
    return command.Enabled == nullptr || (presenter.*command.Enabled)();
}

// Runs the command through the presenter's top-level error handler; a disabled command (its key
// pressed while its menu item is greyed) does nothing.
template <class Presenter>
void RunCommand(Presenter& presenter, const Command<Presenter>& command) {
    if (IsEnabled(presenter, command))
        presenter.Guarded([&] { (presenter.*command.Run)(); });
}
