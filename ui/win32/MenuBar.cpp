#include "MenuBar.h"

#include "PopupMenu.h"
#include "Text.h"

namespace {

// Menu item identifiers: the table's commands, then the recent files.
constexpr int kFirstCommand = 1000;
constexpr int kFirstRecentFile = 1100;

} // namespace

void MenuBar::Follow(HWND window) {
    const std::vector<std::string> recent = presenters_.Main().RecentFileLabels();
    if (built_ && recent == recentFiles_)
        return;
    recentFiles_ = recent;
    built_ = true;
    HMENU bar = CreateMenu();
    HMENU menu = nullptr;
    std::string menuTitle;
    const auto table = StagePresenters::Table();
    for (size_t i = 0; i < table.size(); ++i) {
        const Command<StagePresenters>& command = table[i];
        if (menu == nullptr || menuTitle != command.Menu) {
            menu = CreatePopupMenu();
            menuTitle = command.Menu;
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Widen(menuTitle).c_str());
        }
        if (command.AfterRecentFiles) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            for (size_t r = 0; r < recent.size(); ++r)
                AppendMenuW(menu, MF_STRING, kFirstRecentFile + r, Widen(recent[r]).c_str());
            if (!recent.empty())
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        }
        const std::string chord = ChordText(command.Keys.Chords[0]);
        const std::string label = chord.empty() ? command.Text : command.Text + ("\t" + chord);
        const bool choice = command.Checked != nullptr && !command.Switch;
        AppendMenuW(menu, MF_STRING | (choice ? MFT_RADIOCHECK : 0), kFirstCommand + i,
                    Widen(label).c_str());
    }
    HMENU previous = GetMenu(window);
    SetMenu(window, bar);
    if (previous != nullptr)
        DestroyMenu(previous);
    DrawMenuBar(window);
}

void MenuBar::MenuOpening(HMENU menu) const {
    const auto table = StagePresenters::Table();
    for (size_t i = 0; i < table.size(); ++i) {
        const UINT id = kFirstCommand + i;
        EnableMenuItem(menu, id,
                       MF_BYCOMMAND | (IsEnabled(presenters_, table[i]) ? MF_ENABLED : MF_GRAYED));
        if (table[i].Checked != nullptr)
            CheckMenuItem(menu, id,
                          MF_BYCOMMAND |
                              (IsChecked(presenters_, table[i]) ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool MenuBar::Choose(int id) {
    const auto table = StagePresenters::Table();
    if (id >= kFirstCommand && id < kFirstCommand + static_cast<int>(table.size())) {
        RunCommand(presenters_, table[static_cast<size_t>(id - kFirstCommand)]);
        return true;
    }
    if (id >= kFirstRecentFile && id < kFirstRecentFile + static_cast<int>(recentFiles_.size())) {
        presenters_.Main().OpenRecent(static_cast<size_t>(id - kFirstRecentFile));
        return true;
    }
    return false;
}

bool MenuBar::Key(WPARAM key) {
    return RunCommandKey(presenters_, key);
}
