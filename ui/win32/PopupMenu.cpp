#include "PopupMenu.h"

#include "Text.h"
#include "app/EventGuard.h"

void PopupMenu::Add(const std::string& text, const std::string& shortcut, bool enabled,
                    std::function<void()> command) {
    items_.push_back({text, shortcut, enabled, std::move(command)});
}

void PopupMenu::Show(HWND owner, POINT screen, MessageBoxes& boxes) const {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return;
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        const std::wstring label = Widen(item.text + "\t" + item.shortcut);
        AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), i + 1,
                    label.c_str());
    }
    if (screen.x == -1 && screen.y == -1) {
        screen = {0, 0};
        ClientToScreen(owner, &screen);
    }
    const auto chosen =
        static_cast<size_t>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                           screen.x, screen.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= items_.size())
        RunGuarded(boxes, items_[chosen - 1].command);
}
