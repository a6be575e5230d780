#include "SettingsDialog.h"

#include "app/texts/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <memory>
#include <vector>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The fields made, to read back.
struct MadeField {
    const DialogField* Field;
    QWidget* Widget;
};

QWidget* Make(const DialogField& field, const TypedValue& value) {
    switch (field.Kind) {
    case FieldKind::Choice: {
        auto* box = new QComboBox;
        for (const std::string& choice : field.Choices)
            box->addItem(Text(choice));
        box->setCurrentIndex(value.Index);
        return box;
    }
    case FieldKind::Check: {
        auto* check = new QCheckBox(Text(field.Text));
        check->setChecked(value.Index != 0);
        return check;
    }
    case FieldKind::Edit:
        break;
    }
    return new QLineEdit(Text(value.Text));
}

TypedValue Read(const MadeField& made) {
    TypedValue value;
    switch (made.Field->Kind) {
    case FieldKind::Choice:
        value.Index = static_cast<QComboBox*>(made.Widget)->currentIndex();
        break;
    case FieldKind::Check:
        value.Index = static_cast<QCheckBox*>(made.Widget)->isChecked() ? 1 : 0;
        break;
    case FieldKind::Edit:
        value.Text = static_cast<QLineEdit*>(made.Widget)->text().toStdString();
        break;
    }
    return value;
}

// Adds `block` to its column's `grid` from `row` on; returns the row after it. A column's blocks
// share its grid, so that their labels and fields stand in line.
int AddBlock(QGridLayout& grid, int row, const DialogBlock& block, const DialogLayout& layout,
             const DialogValues& values, std::vector<MadeField>& made) {
    if (block.Headings.size() == 1)
        grid.addWidget(new QLabel(Text(block.Headings[0])), row++, 0, 1, -1);
    else if (!block.Headings.empty()) {
        for (size_t column = 0; column < block.Headings.size(); ++column)
            grid.addWidget(new QLabel(Text(block.Headings[column])), row, static_cast<int>(column));
        ++row;
    }
    for (const DialogLine& line : block.Lines) {
        int column = 0;
        QLabel* label = nullptr;
        if (!line.Label.empty()) {
            label = new QLabel(Text(line.Label));
            grid.addWidget(label, row, column++);
        }
        for (const DialogField& field : line.Fields) {
            const auto found = values.find(field.Id);
            QWidget* widget = Make(field, found != values.end() ? found->second : TypedValue{});
            widget->setObjectName(Text(layout.ObjectName(field.Id)));
            if (label != nullptr && column == 1)
                label->setBuddy(widget);
            grid.addWidget(widget, row, column++);
            made.push_back({&field, widget});
        }
        ++row;
    }
    return row;
}

} // namespace

void BuildSettingsDialog(QDialog& dialog, const DialogLayout& layout, const DialogValues& values,
                         std::function<bool(const DialogValues&)> accept) {
    dialog.setObjectName(Text(layout.Name));
    dialog.setWindowTitle(Text(layout.Caption));
    auto* whole = new QVBoxLayout(&dialog);
    auto* columns = new QHBoxLayout;
    std::array<QGridLayout*, 2> grids{new QGridLayout, new QGridLayout};
    std::array<int, 2> rows{};
    auto made = std::make_shared<std::vector<MadeField>>();
    for (const DialogBlock& block : layout.Blocks) {
        const auto column = static_cast<size_t>(block.Column);
        rows[column] = AddBlock(*grids[column], rows[column], block, layout, values, *made);
    }
    for (size_t column = 0; column < grids.size(); ++column) {
        grids[column]->setRowStretch(rows[column], 1);
        columns->addLayout(grids[column]);
    }
    whole->addLayout(columns);
    if (!layout.Note.empty()) {
        auto* note = new QLabel(Text(layout.Note));
        note->setWordWrap(true);
        whole->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(Text(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(layout.Ok.Name);
    buttons->addButton(Text(kCancelButton), QDialogButtonBox::RejectRole)
        ->setObjectName(layout.Cancel.Name);
    whole->addWidget(buttons);
    // Made default once in the dialog, OK is the dialog's own default, which Enter in a field
    // presses again after the focus has left "Отмена"; made before, the first button to take the
    // focus would become it.
    ok->setDefault(true);

    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog,
                     [&dialog, made, accept = std::move(accept)] {
                         DialogValues typed;
                         for (const MadeField& field : *made)
                             typed[field.Field->Id] = Read(field);
                         if (accept(typed))
                             dialog.accept();
                     });
}
