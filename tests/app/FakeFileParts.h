#pragma once

#include "app/presenters/FileChooser.h"
#include "app/presenters/TableCommands.h"

#include <filesystem>
#include <vector>

// What the main window's presenter needs besides its view, for tests of its files: a result
// table with nothing selected and file dialogs answered without a dialog.

struct NoTable final : TableView {
    std::vector<CellBlock> SelectedBlocks() const override { return {}; }
    void SelectAll() override {}
    void ClearSelection() override {}
    ClipboardOutcome PutOnClipboard(const ResultTable&, const CellBlock&) override { return {}; }
};

// Answers the file dialogs with `answer` (empty: cancelled) and keeps what each was asked.
struct Chooser final : FileChooser {
    std::filesystem::path SaveFileName(const FileRequest& r) override {
        return asked.push_back(r), answer;
    }
    std::filesystem::path OpenFileName(const FileRequest& r) override {
        return asked.push_back(r), answer;
    }
    std::filesystem::path answer;
    std::vector<FileRequest> asked;
};
