#pragma once

#include "app/files/TableExport.h"
#include "app/presenters/Commands.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MessageBoxes.h"
#include "app/presenters/ResultTable.h"

#include <filesystem>
#include <optional>
#include <span>
#include <vector>

// How putting a text on the clipboard ended.
enum class ClipboardOutcome {
    Copied,
    OutOfMemory, // the text does not fit in memory
    Busy,        // another program holds the clipboard open
};

// What the commands of the result table see of its grid. The window implements it; tests fake it.
class TableView {
  public:
    virtual ~TableView() = default;
    // The selected cells, as the blocks the grid holds, in the table's numbering (row 0 is the
    // heading); none when nothing is selected.
    virtual std::vector<CellBlock> SelectedBlocks() const = 0;
    virtual void SelectAll() = 0;
    virtual void ClearSelection() = 0;
    // Puts the block's copy text (CopyText) on the clipboard; when it cannot, the clipboard keeps
    // what it held.
    virtual ClipboardOutcome PutOnClipboard(const ResultTable& table, const CellBlock& block) = 0;
};

// The result table's commands: "Копировать", "Выделить всё", "Сохранить таблицу…". With no
// results they are disabled, and their keys leave the clipboard and the selection alone.
class TableCommands {
  public:
    TableCommands(TableView& view, const ResultTable& table, MessageBoxes& boxes,
                  FileChooser& chooser, DialogFolder& folder)
        : view_(view), table_(table), boxes_(boxes), chooser_(&chooser), folder_(folder) {}

    static std::span<const Command<TableCommands>> Table();

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }
    // The stage file open in the window (empty for none), which a table must never replace.
    void SetStageFile(const std::filesystem::path* stageFile) { stageFile_ = stageFile; }

    bool HasResults() const { return table_.FilledRows() > 0; }
    // Copies exactly the selected cells; a selection that is not one rectangle is refused with a
    // message, as spreadsheets do, rather than copying cells the user did not select.
    void Copy();
    void SelectAll() { view_.SelectAll(); }
    void Save();

    // The rows shown are new or gone: a selection made over the old ones no longer means them.
    void ResultsReplaced() { view_.ClearSelection(); }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    TableView& view_;
    const ResultTable& table_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    DialogFolder& folder_;
    const std::filesystem::path* stageFile_ = nullptr;
};

// The one rectangle that the blocks cover together, or nothing when they cover another shape
// (or nothing at all). Blocks may overlap.
std::optional<CellBlock> SingleRectangle(const std::vector<CellBlock>& blocks);
