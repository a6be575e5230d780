#include "SettingsDialogs.h"

#include "app/design/DesignControls.h"
#include "app/settings/AnalysisSettings.h"
#include "app/texts/Texts.h"

#include <algorithm>

namespace {

std::vector<const AnalysisSetting*> RowsOf(SettingGroup group) {
    std::vector<const AnalysisSetting*> rows;
    for (const AnalysisSetting& row : AnalysisSettings())
        if (row.Group == group)
            rows.push_back(&row);
    return rows;
}

// A line for each row of `group`, in the order of their fields (the dialog's tab order); its field
// the row's, or `firstId` on in the rows' order where that is given.
DialogBlock Block(DialogColumn column, std::vector<std::string> headings, SettingGroup group,
                  int firstId = 0) {
    std::vector<const AnalysisSetting*> rows = RowsOf(group);
    if (firstId == 0)
        std::ranges::stable_sort(rows, {}, &AnalysisSetting::Field);
    DialogBlock block{column, std::move(headings), {}};
    for (const AnalysisSetting* row : rows) {
        const int id = firstId != 0 ? firstId + static_cast<int>(block.Lines.size()) : row->Field;
        const FieldKind kind = row->Choices.empty() ? FieldKind::Edit : FieldKind::Choice;
        block.Lines.push_back({row->Label, {{id, kind, "", row->Choices, row->Wide}}});
    }
    return block;
}

DialogLayout SpreadLayout() {
    return {kSpreadDialogName,
            kSpreadCaption,
            SpreadObjectName,
            {Block(DialogColumn::Left, {kParameterHeadings[0], kToleranceHeading},
                   SettingGroup::Tolerance),
             Block(DialogColumn::Right, {}, SettingGroup::Analysis),
             Block(DialogColumn::Right, {kLimitsHeading}, SettingGroup::Limit)},
            "",
            kSpreadOk,
            kSpreadCancel};
}

// A line per part: whether it is chosen, and its range.
DialogBlock PartsBlock() {
    DialogBlock block{
        DialogColumn::Left, {kDesignPartsHeading, kRangeFromHeading, kRangeToHeading}, {}};
    for (const AnalysisSetting* row : RowsOf(SettingGroup::Range)) {
        const int part = static_cast<int>(block.Lines.size());
        block.Lines.push_back({"",
                               {{kFirstPartCheckId + part, FieldKind::Check, row->Label},
                                {kFirstRangeFromId + part},
                                {kFirstRangeToId + part}}});
    }
    return block;
}

DialogLayout DesignLayout() {
    return {kDesignDialogName,
            kDesignCaption,
            DesignObjectName,
            {PartsBlock(), Block(DialogColumn::Right, {}, SettingGroup::Series),
             Block(DialogColumn::Right, {kRequirementsHeading}, SettingGroup::Limit,
                   kFirstRequirementId)},
            kDesignTolerancesNote,
            kDesignOk,
            kDesignCancel};
}

} // namespace

const DialogLayout& SpreadDialogLayout() {
    static const DialogLayout layout = SpreadLayout();
    return layout;
}

const DialogLayout& DesignDialogLayout() {
    static const DialogLayout layout = DesignLayout();
    return layout;
}

namespace {

TypedValue Of(const DialogValues& values, int id) {
    const auto found = values.find(id);
    return found != values.end() ? found->second : TypedValue{};
}

} // namespace

DialogValues ValuesOf(const SpreadFields& fields) {
    DialogValues values;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i)
        values[kFirstToleranceId + static_cast<int>(i)].Text = fields.Tolerances[i];
    values[kDistributionChoice.Id].Index = static_cast<int>(fields.Shape);
    values[kAnalysisChoice.Id].Index = static_cast<int>(fields.Mode);
    values[kTrialsEdit.Id].Text = fields.Trials;
    values[kSeedEdit.Id].Text = fields.Seed;
    for (size_t i = 0; i < fields.Limits.size(); ++i)
        values[kFirstLimitId + static_cast<int>(i)].Text = fields.Limits[i];
    return values;
}

SpreadFields SpreadFieldsOf(const DialogValues& values) {
    SpreadFields fields;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i)
        fields.Tolerances[i] = Of(values, kFirstToleranceId + static_cast<int>(i)).Text;
    fields.Shape = static_cast<Distribution>(Of(values, kDistributionChoice.Id).Index);
    fields.Mode = static_cast<SpreadMode>(Of(values, kAnalysisChoice.Id).Index);
    fields.Trials = Of(values, kTrialsEdit.Id).Text;
    fields.Seed = Of(values, kSeedEdit.Id).Text;
    for (size_t i = 0; i < fields.Limits.size(); ++i)
        fields.Limits[i] = Of(values, kFirstLimitId + static_cast<int>(i)).Text;
    return fields;
}

DialogValues ValuesOf(const DesignFields& fields) {
    DialogValues values;
    for (size_t i = 0; i < fields.Requirements.size(); ++i)
        values[kFirstRequirementId + static_cast<int>(i)].Text = fields.Requirements[i];
    for (size_t part = 0; part < kDesignParts; ++part) {
        const int at = static_cast<int>(part);
        values[kFirstPartCheckId + at].Index = fields.Chosen[part] ? 1 : 0;
        values[kFirstRangeFromId + at].Text = fields.RangeFrom[part];
        values[kFirstRangeToId + at].Text = fields.RangeTo[part];
    }
    values[kResistorSeriesChoice.Id].Index = fields.ResistorSeries;
    values[kCapacitorSeriesChoice.Id].Index = fields.CapacitorSeries;
    return values;
}

DesignFields DesignFieldsOf(const DialogValues& values) {
    DesignFields fields;
    for (size_t i = 0; i < fields.Requirements.size(); ++i)
        fields.Requirements[i] = Of(values, kFirstRequirementId + static_cast<int>(i)).Text;
    for (size_t part = 0; part < kDesignParts; ++part) {
        const int at = static_cast<int>(part);
        fields.Chosen[part] = Of(values, kFirstPartCheckId + at).Index != 0;
        fields.RangeFrom[part] = Of(values, kFirstRangeFromId + at).Text;
        fields.RangeTo[part] = Of(values, kFirstRangeToId + at).Text;
    }
    fields.ResistorSeries = Of(values, kResistorSeriesChoice.Id).Index;
    fields.CapacitorSeries = Of(values, kCapacitorSeriesChoice.Id).Index;
    return fields;
}
