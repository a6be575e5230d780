#pragma once

#include "FakeMainView.h"
#include "RecordingMessageBoxes.h"
#include "app/presenters/MainPresenter.h"

#include <filesystem>
#include <vector>

class NoTableView final : public TableView {
  public:
    std::vector<CellBlock> SelectedBlocks() const override { return {}; }
    void SelectAll() override {}
    void ClearSelection() override {}
    ClipboardOutcome PutOnClipboard(const ResultTable&, const CellBlock&) override {
        return ClipboardOutcome::Copied;
    }
};

class NoFiles final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(const FileRequest&) override { return {}; }
    std::filesystem::path OpenFileName(const FileRequest&) override { return {}; }
};

// The main window's presenter over a fake window, pressing "расчет" as the user does: the form
// read and rewritten, the check, the sweep and the table.
struct CalculatingForm {
    CalculatingForm() { window.form = &form; }

    // "расчет" with the sweep of `kind`; counts the results it made (a refusal makes none).
    void Press(SweepKind kind = SweepKind::Linear) {
        kind == SweepKind::Decade ? form.UseDecadeSweep() : form.UseLinearSweep();
        const SweepResult* before = &form.Result();
        form.Calculate();
        resultsMade += &form.Result() != before;
    }

    FakeMainView window;
    NoTableView table;
    RecordingMessageBoxes boxes;
    NoFiles chooser;
    StageSession session;
    MainPresenter form{session, window, table, boxes, chooser};
    int resultsMade = 0;
};
