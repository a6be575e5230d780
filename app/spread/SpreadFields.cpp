#include "SpreadFields.h"

#include "analysis/SpreadAnalysis.h"
#include "analysis/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <string_view>

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

} // namespace

SpreadFields FieldsFromSettings(const SpreadSettings& settings) {
    SpreadFields fields;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i)
        fields.Tolerances[i] = NumberToText(settings.Tolerances[i]);
    fields.Shape = settings.Shape;
    fields.Mode = settings.Mode;
    fields.Trials = std::to_string(settings.Trials);
    fields.Seed = std::to_string(settings.Seed);
    YieldLimits limits = settings.Limits;
    const auto given = LimitsOf(limits);
    for (size_t i = 0; i < given.size(); ++i)
        if (*given[i])
            fields.Limits[i] = NumberToText(**given[i]);
    return fields;
}

SpreadFieldsReading SettingsFromFields(const SpreadFields& fields) {
    const auto refuse = [](std::string text) { return SpreadFieldsReading{{}, std::move(text)}; };
    SpreadSettings s;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i) {
        const std::optional<double> t = Number(fields.Tolerances[i]);
        if (!t)
            return refuse(kToleranceUnreadablePrefix + std::string(kSpreadParameterNames[i]) + "=" +
                          fields.Tolerances[i] + kToleranceUnreadableSuffix);
        // In normal form, as the dialog shows it and the file keeps it: 99.999999999999986 is
        // 100 there, and refused here too.
        s.Tolerances[i] = TextToNumber(NumberToText(*t), 0);
    }
    s.Shape = fields.Shape;
    s.Mode = fields.Mode;
    const std::optional<int32_t> trials =
        WholeNumberIn(Trimmed(fields.Trials), int32_t{1}, kMaxTrials);
    if (!trials)
        return refuse(kTrialsPrefix + fields.Trials + kTrialsSuffix);
    s.Trials = *trials;
    const std::optional<uint64_t> seed =
        WholeNumberIn(Trimmed(fields.Seed), uint64_t{0}, UINT64_MAX);
    if (!seed)
        return refuse(kSeedPrefix + fields.Seed + kSeedSuffix);
    s.Seed = *seed;
    const auto limits = LimitsOf(s.Limits);
    for (size_t i = 0; i < limits.size(); ++i) {
        if (Trimmed(fields.Limits[i]).empty())
            continue;
        if (!(*limits[i] = Number(fields.Limits[i])))
            return refuse(kLimitLabels[i] + std::string("=") + fields.Limits[i] +
                          kLimitUnreadableSuffix);
    }
    // The ranges and the limits' order, as the analysis checks them; the count of trials against
    // the sweep's frequencies is checked when the stage is read.
    SpreadInput ranges;
    ranges.Settings = s;
    ranges.Frequencies = {1};
    if (std::string refusal = CheckSpread(ranges); !refusal.empty())
        return refuse(std::move(refusal));
    return {s, {}};
}
