#include "TableCommands.h"

#include "app/files/SafeFile.h"
#include "app/texts/Texts.h"

#include <algorithm>

namespace {

constexpr CommandKeys kCopyKeys{StandardKey::Copy, {{{'C'}, {kInsertKey}}}};
constexpr CommandKeys kSelectAllKeys{StandardKey::SelectAll, {{{'A'}}}};
// Saving the table is also in the main window's File menu, with its key there: Ctrl+S saves the
// stage.
constexpr CommandKeys kSaveKeys{};

constexpr Command<TableCommands> kCommands[] = {
    {kCopyCommand, kCopyKeys, &TableCommands::HasResults, &TableCommands::Copy},
    {kSelectAllCommand, kSelectAllKeys, &TableCommands::HasResults, &TableCommands::SelectAll},
    {kSaveTableCommand, kSaveKeys, &TableCommands::HasResults, &TableCommands::Save},
};

} // namespace

std::span<const Command<TableCommands>> TableCommands::Table() {
    return kCommands;
}

std::optional<CellBlock> SingleRectangle(const std::vector<CellBlock>& blocks) {
    if (blocks.empty())
        return std::nullopt;
    CellBlock bounds = blocks.front();
    for (const CellBlock& block : blocks) {
        bounds.FirstColumn = std::min(bounds.FirstColumn, block.FirstColumn);
        bounds.FirstRow = std::min(bounds.FirstRow, block.FirstRow);
        bounds.LastColumn = std::max(bounds.LastColumn, block.LastColumn);
        bounds.LastRow = std::max(bounds.LastRow, block.LastRow);
    }
    // The blocks fill their bounds when every cell of the grid their edges cut the bounds into
    // lies in some block: a few cells however many rows are selected.
    std::vector<int> columns, rows;
    for (const CellBlock& block : blocks) {
        columns.insert(columns.end(), {block.FirstColumn, block.LastColumn + 1});
        rows.insert(rows.end(), {block.FirstRow, block.LastRow + 1});
    }
    for (auto* cuts : {&columns, &rows}) {
        std::sort(cuts->begin(), cuts->end());
        cuts->erase(std::unique(cuts->begin(), cuts->end()), cuts->end());
    }
    for (size_t c = 0; c + 1 < columns.size(); ++c)
        for (size_t r = 0; r + 1 < rows.size(); ++r) {
            const bool covered = std::any_of(blocks.begin(), blocks.end(), [&](const CellBlock& b) {
                return b.FirstColumn <= columns[c] && columns[c] <= b.LastColumn &&
                       b.FirstRow <= rows[r] && rows[r] <= b.LastRow;
            });
            if (!covered)
                return std::nullopt;
        }
    return bounds;
}

void TableCommands::Copy() {
    const std::vector<CellBlock> blocks = view_.SelectedBlocks();
    if (blocks.empty())
        return;
    const std::optional<CellBlock> block = SingleRectangle(blocks);
    if (!block) {
        boxes_.ShowMessage(kCopyNotRectangle);
        return;
    }
    // Only rows that carry text are copied: a block of empty rows leaves the clipboard alone.
    if (std::max(block->FirstRow, 1) > std::min(block->LastRow, table_.FilledRows()))
        return;
    switch (view_.PutOnClipboard(table_, *block)) {
    case ClipboardOutcome::Copied:
        break;
    case ClipboardOutcome::OutOfMemory:
        boxes_.ShowError(kCopyNoMemory);
        break;
    case ClipboardOutcome::Busy:
        boxes_.ShowError(kCopyClipboardBusy);
        break;
    }
}

void TableCommands::Save() {
    const std::filesystem::path path = chooser_->SaveFileName(
        {kSaveTableCaption, kCsvFilter, kCsvExtension, kSuggestedTableName, folder_.Start()});
    if (path.empty())
        return;
    folder_.Used(path);
    if (stageFile_ != nullptr && IsOpenStageFile(path, *stageFile_)) {
        boxes_.ShowError(SaveFailureText(path, kTableOverStageFile));
        return;
    }
    const std::string error = SaveTable(table_, path);
    if (!error.empty())
        boxes_.ShowError(error);
}
