#include "DesignFields.h"

#include "analysis/SpreadAnalysis.h"
#include "app/design/DesignControls.h"
#include "app/settings/AnalysisSettings.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

template <size_t N>
int IndexOf(const std::array<StandardSeries, N>& choices, StandardSeries series) {
    return static_cast<int>(std::ranges::find(choices, series) - choices.begin());
}

// The requirement the ranges of the limits refuse: the first whose value, taken in the dialog's
// order, makes the analysis refuse, so its message and the field agree.
int RequirementOutOfRange(const SpreadSettings& settings) {
    const std::array<std::string, kSpreadLimits> typed = LimitFieldTexts(settings.Limits);
    std::array<std::string, kSpreadLimits> taken;
    SpreadSettings trial = settings;
    for (size_t i = 0; i < typed.size(); ++i) {
        taken[i] = typed[i];
        ReadLimitFields(taken, trial.Limits);
        if (CheckSpreadSettings(trial))
            return kFirstRequirementId + static_cast<int>(i);
    }
    return kFirstRequirementId;
}

} // namespace

DesignFields DesignFieldsFrom(const SpreadSettings& settings) {
    const DesignSettings& design = settings.Design;
    DesignFields fields;
    fields.Requirements = LimitFieldTexts(settings.Limits);
    fields.Chosen = design.Chosen;
    fields.ResistorSeries = IndexOf(kResistorSeriesChoices, design.ResistorSeries);
    fields.CapacitorSeries = IndexOf(kCapacitorSeriesChoices, design.CapacitorSeries);
    for (size_t part = 0; part < kDesignParts; ++part) {
        fields.RangeFrom[part] = NumberToText(design.Ranges[part].first);
        fields.RangeTo[part] = NumberToText(design.Ranges[part].second);
    }
    return fields;
}

DesignFieldsReading DesignSettingsFromFields(const DesignFields& fields, SpreadSettings s) {
    const auto refuse = [](std::string text, int field) {
        return DesignFieldsReading{{}, std::move(text), field};
    };
    if (const auto refused = ReadLimitFields(fields.Requirements, s.Limits))
        return refuse(refused->Text, kFirstRequirementId + static_cast<int>(refused->Index));
    if (!s.Limits.Any())
        return refuse(kDesignNeedsRequirement, kFirstRequirementId + 2);
    if (const SpreadRefusal refusal = CheckSpreadSettings(s))
        return refuse(SpreadRefusalText(refusal), RequirementOutOfRange(s));

    if (std::ranges::none_of(fields.Chosen, [](bool chosen) { return chosen; }))
        return refuse(kDesignNeedsPart, kFirstPartCheckId);
    DesignSettings& design = s.Design;
    design.Chosen = fields.Chosen;
    design.ResistorSeries = kResistorSeriesChoices.at(static_cast<size_t>(fields.ResistorSeries));
    design.CapacitorSeries =
        kCapacitorSeriesChoices.at(static_cast<size_t>(fields.CapacitorSeries));
    // Each range as the stage file reads its key, with the user's separator.
    for (size_t part = 0; part < kDesignParts; ++part) {
        const int field = kFirstRangeFromId + static_cast<int>(part);
        const std::string& from = fields.RangeFrom[part];
        const std::string& to = fields.RangeTo[part];
        const AnalysisSetting* row =
            AnalysisSettingOf(std::string("range_") + kParameterKeys[part]);
        if (std::string need = row->Read(s, from + " " + to, DecimalSeparator()); !need.empty())
            return refuse(Fill(kRangeRefused, {{"parameter", kSpreadParameterNames[part]},
                                               {"from", from},
                                               {"to", to},
                                               {"need", need}}),
                          field);
        const StandardSeries series = part < 5 ? design.ResistorSeries : design.CapacitorSeries;
        const auto& [low, high] = design.Ranges[part];
        if (design.Chosen[part] && SeriesValues(series, low, high).empty())
            return refuse(Fill(kRangeHoldsNoValue, {{"parameter", kSpreadParameterNames[part]},
                                                    {"from", from},
                                                    {"to", to},
                                                    {"series", std::string(SeriesName(series))}}),
                          field);
    }
    return {std::move(s), {}};
}
