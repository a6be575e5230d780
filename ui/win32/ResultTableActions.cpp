#include "ResultTableActions.h"

#include "PopupMenu.h"

ResultTableActions::ResultTableActions(Grid& grid, TableCommands& commands)
    : grid_(grid), commands_(commands) {
    grid_.SetKeyHandler([this](WPARAM key) { return RunCommandKey(commands_, key); });
}

void ResultTableActions::ContextMenu(POINT screen) {
    ShowCommandMenu(grid_.Handle(), screen, commands_);
}
