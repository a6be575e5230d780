#pragma once

#include "app/design/DesignFields.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadFields.h"

#include <map>
#include <string>
#include <vector>

// The dialogs of "Разброс…" and "Подбор номиналов…" as the rows of the settings table make them:
// which fields, in which lines and blocks, under which headings. Both fronts build their dialogs
// from these and carry what the fields hold as DialogValues; how big and where is theirs.

enum class FieldKind { Edit, Choice, Check };

struct DialogField {
    int Id = 0; // the control's ID; its object name is the dialog's (SpreadObjectName …)
    FieldKind Kind = FieldKind::Edit;
    std::string Text{};                 // a check box's own words
    std::vector<std::string> Choices{}; // a choice's items, in the order of its index
    bool Wide = false;                  // holds long words or many digits
};

// A line of a block: its label ("" for none) and its fields side by side, in the tab order.
struct DialogLine {
    std::string Label;
    std::vector<DialogField> Fields;
};

enum class DialogColumn { Left, Right };

struct DialogBlock {
    DialogColumn Column = DialogColumn::Left;
    // One heading stands over the whole block; several, one over each of its columns (the
    // labels' first); none, no heading line.
    std::vector<std::string> Headings;
    std::vector<DialogLine> Lines;
};

// Each column's blocks from the top, then a note under both columns and the buttons.
struct DialogLayout {
    std::string Name; // the dialog's object name
    std::string Caption;
    std::string (*ObjectName)(int id); // a field's
    std::vector<DialogBlock> Blocks;
    std::string Note; // "" for none
    NamedControl Ok, Cancel;
};

const DialogLayout& SpreadDialogLayout();
const DialogLayout& DesignDialogLayout();

// What a field holds: an edit's text; a choice's index, or a check box's state (1 for checked),
// as its Index.
struct TypedValue {
    std::string Text;
    int Index = 0;

    bool operator==(const TypedValue&) const = default;
};
// By the fields' control IDs.
using DialogValues = std::map<int, TypedValue>;

// The fields of each dialog as its presenter takes them, and back; a field missing from the
// values is blank, unchecked, or the first choice.
DialogValues ValuesOf(const SpreadFields& fields);
SpreadFields SpreadFieldsOf(const DialogValues& values);
DialogValues ValuesOf(const DesignFields& fields);
DesignFields DesignFieldsOf(const DialogValues& values);
