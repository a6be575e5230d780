#include "SpreadFields.h"

#include "analysis/SpreadAnalysis.h"
#include "app/settings/AnalysisSettings.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The number the text makes with the user's separator, or nothing. Read twice with two
// fallbacks rather than with a NaN one, whose comparisons would raise the invalid-operation flag.
std::optional<double> Number(std::string_view text) {
    const double value = TextToNumber(text, 0);
    if (value != TextToNumber(text, 1))
        return std::nullopt;
    return value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The limits in the dialog's order.
std::array<std::optional<double>*, kSpreadLimits> LimitsOf(YieldLimits& l) {
    return {&l.From, &l.To, &l.MinDb, &l.MaxDb, &l.LowerEdgeAt, &l.UpperEdgeAt};
}

// The field the analysis's ranges refuse in `settings`: the first whose value, taken in the
// dialog's order into settings it accepts, makes it refuse. So the analysis alone decides the
// ranges, and the field found is the one its message names.
int FieldOutOfRange(const SpreadSettings& settings) {
    using Take = std::function<void(SpreadSettings&)>;
    std::vector<std::pair<int, Take>> fields;
    for (size_t i = 0; i < settings.Tolerances.size(); ++i)
        fields.emplace_back(kFirstToleranceId + static_cast<int>(i), [&, i](SpreadSettings& s) {
            s.Tolerances[i] = settings.Tolerances[i];
        });
    fields.emplace_back(kAnalysisChoice.Id, [&](SpreadSettings& s) {
        s.Shape = settings.Shape;
        s.Mode = settings.Mode;
    });
    fields.emplace_back(kTrialsEdit.Id, [&](SpreadSettings& s) { s.Trials = settings.Trials; });
    YieldLimits limits = settings.Limits;
    const auto given = LimitsOf(limits);
    for (size_t i = 0; i < given.size(); ++i)
        fields.emplace_back(kFirstLimitId + static_cast<int>(i),
                            [&, i](SpreadSettings& s) { *LimitsOf(s.Limits)[i] = *given[i]; });
    SpreadSettings taken;
    for (const auto& [field, take] : fields) {
        take(taken);
        if (CheckSpreadSettings(taken))
            return field;
    }
    return 0;
}

} // namespace

std::optional<LimitFieldRefusal>
ReadLimitFields(const std::array<std::string, kSpreadLimits>& typed, YieldLimits& limits) {
    const auto given = LimitsOf(limits);
    for (size_t i = 0; i < given.size(); ++i) {
        given[i]->reset();
        if (Trimmed(typed[i]).empty())
            continue;
        if (!(*given[i] = Number(typed[i])))
            return LimitFieldRefusal{
                i, Fill(kLimitUnreadable, {{"label", kLimitLabels[i]}, {"value", typed[i]}})};
    }
    return std::nullopt;
}

std::array<std::string, kSpreadLimits> LimitFieldTexts(const YieldLimits& limits) {
    std::array<std::string, kSpreadLimits> texts;
    YieldLimits copy = limits;
    const auto given = LimitsOf(copy);
    for (size_t i = 0; i < given.size(); ++i)
        if (*given[i])
            texts[i] = NumberToText(**given[i]);
    return texts;
}

SpreadFields FieldsFromSettings(const SpreadSettings& settings) {
    SpreadFields fields;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i)
        fields.Tolerances[i] = NumberToText(settings.Tolerances[i]);
    fields.Shape = settings.Shape;
    fields.Mode = settings.Mode;
    fields.Trials = std::to_string(settings.Trials);
    fields.Seed = std::to_string(settings.Seed);
    fields.Limits = LimitFieldTexts(settings.Limits);
    return fields;
}

SpreadFieldsReading SettingsFromFields(const SpreadFields& fields) {
    const auto refuse = [](std::string text, int field) {
        return SpreadFieldsReading{{}, std::move(text), field};
    };
    SpreadSettings s;
    // Each read as the stage file reads it, with the user's separator.
    const auto read = [&](int field, std::string_view text) {
        return AnalysisSettingOf(field)->Read(s, text, DecimalSeparator());
    };
    for (size_t i = 0; i < fields.Tolerances.size(); ++i) {
        const int field = kFirstToleranceId + static_cast<int>(i);
        // Named in normal form where it is a number, as the dialog would show it; a field that
        // does not read needs what the range needs.
        const std::optional<double> t = Number(fields.Tolerances[i]);
        const std::string text = t ? NumberToText(*t) : fields.Tolerances[i];
        if (std::string need = t ? read(field, text) : kNeedTolerance; !need.empty())
            return refuse(
                Fill(kToleranceRefused,
                     {{"parameter", kSpreadParameterNames[i]}, {"value", text}, {"need", need}}),
                field);
    }
    s.Shape = fields.Shape;
    s.Mode = fields.Mode;
    if (std::string need = read(kTrialsEdit.Id, Trimmed(fields.Trials)); !need.empty())
        return refuse(Fill(kTrialsRefused, {{"value", fields.Trials}, {"need", need}}),
                      kTrialsEdit.Id);
    if (std::string need = read(kSeedEdit.Id, Trimmed(fields.Seed)); !need.empty())
        return refuse(Fill(kSeedRefused, {{"value", fields.Seed}, {"need", need}}), kSeedEdit.Id);
    if (const auto refused = ReadLimitFields(fields.Limits, s.Limits))
        return refuse(refused->Text, kFirstLimitId + static_cast<int>(refused->Index));
    // The ranges and the limits' order, as the analysis checks them; what the sweep decides (the
    // count of trials against its frequencies, the limits within it) when the stage is read.
    if (const SpreadRefusal refusal = CheckSpreadSettings(s))
        return refuse(SpreadRefusalText(refusal), FieldOutOfRange(s));
    return {s, {}};
}
