#include "ResultTableActions.h"

#include "Clipboard.h"
#include "FileDialog.h"
#include "PopupMenu.h"
#include "app/EventGuard.h"
#include "app/ExportTexts.h"
#include "app/TableExport.h"
#include "numerics/NumberText.h"

ResultTableActions::ResultTableActions(Grid& grid, const ResultTable& table, MessageBoxes& boxes)
    : grid_(grid), table_(table), boxes_(boxes), chooser_(&SaveDialog()) {
    grid_.SetKeyHandler([this](WPARAM key) { return KeyDown(key); });
}

bool ResultTableActions::KeyDown(WPARAM key) {
    if (GetKeyState(VK_CONTROL) >= 0)
        return false;
    void (ResultTableActions::*command)() = nullptr;
    switch (key) {
    case 'C':
    case VK_INSERT:
        command = &ResultTableActions::Copy;
        break;
    case 'A':
        command = &ResultTableActions::SelectAll;
        break;
    case 'S':
        command = &ResultTableActions::Save;
        break;
    default:
        return false;
    }
    // With no results the keys are taken and nothing happens, as the menu's commands are greyed.
    if (HasResults())
        RunGuarded(boxes_, [&] { (this->*command)(); });
    return true;
}

void ResultTableActions::ContextMenu(POINT screen) {
    const bool enabled = HasResults();
    PopupMenu menu;
    menu.Add(kCopyCommand, "Ctrl+C", enabled, [this] { Copy(); });
    menu.Add(kSelectAllCommand, "Ctrl+A", enabled, [this] { SelectAll(); });
    menu.Add(kSaveTableCommand, "Ctrl+S", enabled, [this] { Save(); });
    menu.Show(grid_.Handle(), screen, boxes_);
}

void ResultTableActions::Copy() {
    const GridRange selected = grid_.Selection();
    const CellBlock block = {selected.Left, selected.Top, selected.Right, selected.Bottom};
    const PinnedDecimalSeparator sameTextTwice; // measured, then written
    const ClipboardResult result = PutTextOnClipboard(
        grid_.Handle(), [&](const PieceSink& sink) { WriteCopyText(table_, block, sink); });
    if (result != ClipboardResult::Copied)
        boxes_.ShowError(result == ClipboardResult::OutOfMemory ? kCopyNoMemory
                                                                : kCopyClipboardBusy);
}

void ResultTableActions::SelectAll() {
    grid_.SelectAll();
}

void ResultTableActions::Save() {
    const std::filesystem::path path =
        chooser_->SaveFileName(GetAncestor(grid_.Handle(), GA_ROOT), kSaveTableCaption, kCsvFilter,
                               kCsvExtension, kSuggestedTableName);
    if (path.empty())
        return;
    const std::string error = SaveTable(table_, path);
    if (!error.empty())
        boxes_.ShowError(error);
}
