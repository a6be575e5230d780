#include "SettingsDialog.h"

#include "Text.h"
#include "app/texts/Texts.h"

#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kTop = 10;
constexpr int kHeadingPitch = 20; // a heading's line
constexpr int kBlockGap = 6;
constexpr int kRowPitch = 24;
constexpr int kEditHeight = 21;
constexpr int kDropDownHeight = 120; // a choice with its list open
constexpr int kLabelHeight = 16;
constexpr int kLabelDrop = 3; // a label's text on the line of its edit's
constexpr int kHeadingGap = 8;
constexpr int kButtonWidth = 75, kButtonHeight = 23, kButtonGap = 6;
constexpr int kNoteHeight = 20;

DialogControl Field(const DialogField& field, Bounds at) {
    switch (field.Kind) {
    case FieldKind::Choice:
        at.Height = kDropDownHeight;
        return DialogChoice(field.Id, at);
    case FieldKind::Check:
        return DialogCheck(field.Id, field.Text, at);
    case FieldKind::Edit:
        break;
    }
    return DialogEdit(field.Id, at);
}

class Builder {
  public:
    Builder(const DialogLayout& layout, const SettingsDialogMetrics& metrics)
        : layout_(layout), metrics_(metrics),
          width_(metrics.RightField + metrics.WideWidth + kMargin) {}

    std::vector<DialogControl> Controls() {
        std::array<int, 2> ends{kTop, kTop}; // where each column's next block goes
        for (const DialogBlock& block : layout_.Blocks) {
            int& top = ends[static_cast<size_t>(block.Column)];
            const bool first = top == kTop;
            if (!first)
                top += kBlockGap;
            if (!block.Headings.empty())
                Headings(block, top);
            // The first lines of both columns level, headed or not.
            if (!block.Headings.empty() || first)
                top += kHeadingPitch;
            for (const DialogLine& line : block.Lines) {
                Line(block.Column, line, top);
                top += kRowPitch;
            }
        }
        int buttonTop = 0;
        if (!layout_.Note.empty()) {
            const int noteTop = std::max(ends[0], ends[1]) + kBlockGap;
            controls_.push_back(
                DialogLabel(layout_.Note, {kMargin, noteTop, width_ - 2 * kMargin, kLabelHeight}));
            buttonTop = noteTop + kNoteHeight + kBlockGap;
        } else {
            // Under the right column, on the left column's last line at the latest.
            buttonTop = std::max(ends[1] + kBlockGap, ends[0] - kRowPitch);
        }
        const int cancelLeft = width_ - kMargin - kButtonWidth;
        controls_.push_back(DialogButton(
            layout_.Ok.Id, kOkButton,
            {cancelLeft - kButtonGap - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight},
            true));
        controls_.push_back(DialogButton(layout_.Cancel.Id, kCancelButton,
                                         {cancelLeft, buttonTop, kButtonWidth, kButtonHeight}));
        height_ = buttonTop + kButtonHeight + kMargin;
        return std::move(controls_);
    }

    SIZE ClientSize() const { return {width_, height_}; }

  private:
    void Headings(const DialogBlock& block, int top) {
        if (block.Column == DialogColumn::Right || block.Headings.size() == 1) {
            const int left = block.Column == DialogColumn::Right ? metrics_.RightLabel.Left
                                                                 : metrics_.LeftCells[0].Left;
            controls_.push_back(
                DialogLabel(block.Headings[0], {left, top, width_ - kMargin - left, kLabelHeight}));
            return;
        }
        // One over each cell, as wide as the room up to the next.
        const auto& cells = metrics_.LeftCells;
        for (size_t i = 0; i < block.Headings.size() && i < cells.size(); ++i) {
            const int right =
                i + 1 < cells.size() ? cells[i + 1].Left : metrics_.RightLabel.Left - kHeadingGap;
            controls_.push_back(DialogLabel(
                block.Headings[i], {cells[i].Left, top, right - cells[i].Left, kLabelHeight}));
        }
    }

    void Line(DialogColumn column, const DialogLine& line, int top) {
        if (column == DialogColumn::Right) {
            Label(line.Label, metrics_.RightLabel, top);
            for (const DialogField& field : line.Fields)
                controls_.push_back(Field(
                    field, {metrics_.RightField, top,
                            field.Wide ? metrics_.WideWidth : metrics_.FieldWidth, kEditHeight}));
            return;
        }
        size_t cell = 0;
        if (!line.Label.empty())
            Label(line.Label, metrics_.LeftCells[cell++], top);
        for (const DialogField& field : line.Fields) {
            const SettingsDialogMetrics::Span at = metrics_.LeftCells.at(cell++);
            controls_.push_back(Field(field, {at.Left, top, at.Width, kEditHeight}));
        }
    }

    // Just before its field: screen readers name the field by it.
    void Label(const std::string& text, SettingsDialogMetrics::Span at, int top) {
        if (!text.empty())
            controls_.push_back(
                DialogLabel(text, {at.Left, top + kLabelDrop, at.Width, kLabelHeight}));
    }

    const DialogLayout& layout_;
    const SettingsDialogMetrics& metrics_;
    int width_;
    int height_ = 0;
    std::vector<DialogControl> controls_;
};

std::vector<DialogControl> Controls(const DialogLayout& layout,
                                    const SettingsDialogMetrics& metrics) {
    return Builder(layout, metrics).Controls();
}

SIZE ClientSize(const DialogLayout& layout, const SettingsDialogMetrics& metrics) {
    Builder builder(layout, metrics);
    builder.Controls();
    return builder.ClientSize();
}

template <class Visit> void ForEachField(const DialogLayout& layout, Visit&& visit) {
    for (const DialogBlock& block : layout.Blocks)
        for (const DialogLine& line : block.Lines)
            for (const DialogField& field : line.Fields)
                visit(field);
}

} // namespace

SettingsDialog::SettingsDialog(HWND owner, const DialogLayout& layout,
                               const SettingsDialogMetrics& metrics,
                               SpokenControl (*spoken)(int id),
                               std::function<bool(const DialogValues&)> accept)
    : DialogWindow(owner, Widen(layout.Name), layout.Caption, ClientSize(layout, metrics),
                   Controls(layout, metrics)),
      layout_(layout), accept_(std::move(accept)) {
    ForEachField(layout_, [this](const DialogField& field) {
        for (const std::string& choice : field.Choices)
            SendMessageW(Control(field.Id), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Widen(choice).c_str()));
    });
    SetSpokenControls(spoken);
}

void SettingsDialog::Run(const DialogValues& values) {
    Show(values);
    RunModal();
}

void SettingsDialog::Show(const DialogValues& values) {
    ForEachField(layout_, [&](const DialogField& field) {
        const auto found = values.find(field.Id);
        const TypedValue value = found != values.end() ? found->second : TypedValue{};
        const HWND control = Control(field.Id);
        switch (field.Kind) {
        case FieldKind::Edit:
            SetControlText(control, value.Text);
            break;
        case FieldKind::Choice:
            SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(value.Index), 0);
            break;
        case FieldKind::Check:
            SendMessageW(control, BM_SETCHECK, value.Index != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
    });
}

DialogValues SettingsDialog::Values() const {
    DialogValues values;
    ForEachField(layout_, [&](const DialogField& field) {
        const HWND control = Control(field.Id);
        TypedValue& value = values[field.Id];
        switch (field.Kind) {
        case FieldKind::Edit:
            value.Text = ControlText(control);
            break;
        case FieldKind::Choice:
            value.Index = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
            break;
        case FieldKind::Check:
            value.Index = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
            break;
        }
    });
    return values;
}

void SettingsDialog::Command(int id, int notification) {
    if (notification != BN_CLICKED)
        return;
    if (id == layout_.Ok.Id || id == IDOK) {
        if (accept_(Values()))
            EndModal();
    } else if (id == layout_.Cancel.Id || id == IDCANCEL) {
        EndModal();
    }
}
