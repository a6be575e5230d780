#pragma once

#include "DialogWindow.h"
#include "app/settings/SettingsDialogs.h"

#include <functional>
#include <vector>

// Where a settings dialog's columns stand, in client pixels at 96 DPI.
struct SettingsDialogMetrics {
    struct Span {
        int Left;
        int Width;
    };
    std::vector<Span> LeftCells; // a left line's label (where it has one), then its fields
    Span RightLabel;
    int RightField;
    int FieldWidth; // a right line's field, and one that holds long words or many digits
    int WideWidth;
};

// The dialog of "Разброс…" or "Подбор номиналов…", made and laid out from its layout in app/:
// each column's blocks from the top, a heading over a block or over each of its columns, a label
// beside its field, the note under both columns, the buttons in the bottom right corner.
class SettingsDialog final : public DialogWindow {
  public:
    // `accept` is OK's: it hands the values to the presenter and says whether the dialog closes.
    SettingsDialog(HWND owner, const DialogLayout& layout, const SettingsDialogMetrics& metrics,
                   SpokenControl (*spoken)(int id),
                   std::function<bool(const DialogValues&)> accept);

    // Shows `values` and runs, modal, until OK is accepted or the dialog is cancelled.
    void Run(const DialogValues& values);

  private:
    void Command(int id, int notification) override;
    void Close() override { EndModal(); }
    void Show(const DialogValues& values);
    DialogValues Values() const;

    const DialogLayout& layout_;
    std::function<bool(const DialogValues&)> accept_;
};

// OK's answer for a dialog whose presenter takes the fields `fieldsOf` makes of the values: what
// its Accept says, under its guard, so that a failure's box comes and the dialog stays.
template <class Presenter, class Fields>
std::function<bool(const DialogValues&)> AcceptedBy(Presenter& presenter,
                                                    Fields (*fieldsOf)(const DialogValues&)) {
    return [&presenter, fieldsOf](const DialogValues& values) {
        bool accepted = false;
        presenter.Guarded([&] { accepted = presenter.Accept(fieldsOf(values)); });
        return accepted;
    };
}
