#include "SpreadFields.h"

#include "analysis/SpreadAnalysis.h"
#include "analysis/SpreadTexts.h"
#include "app/spread/SpreadControls.h"
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
        if (!CheckSpreadSettings(taken).empty())
            return field;
    }
    return 0;
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
    const auto refuse = [](std::string text, int field) {
        return SpreadFieldsReading{{}, std::move(text), field};
    };
    SpreadSettings s;
    for (size_t i = 0; i < fields.Tolerances.size(); ++i) {
        const std::optional<double> t = Number(fields.Tolerances[i]);
        if (!t)
            return refuse(kToleranceUnreadablePrefix + std::string(kSpreadParameterNames[i]) + "=" +
                              fields.Tolerances[i] + kToleranceUnreadableSuffix,
                          kFirstToleranceId + static_cast<int>(i));
        // In normal form, as the dialog shows it and the file keeps it: 99.999999999999986 is
        // 100 there, and refused here too.
        s.Tolerances[i] = TextToNumber(NumberToText(*t), 0);
    }
    s.Shape = fields.Shape;
    s.Mode = fields.Mode;
    const std::optional<int32_t> trials =
        WholeNumberIn(Trimmed(fields.Trials), int32_t{1}, kMaxTrials);
    if (!trials)
        return refuse(kTrialsPrefix + fields.Trials + kTrialsSuffix, kTrialsEdit.Id);
    s.Trials = *trials;
    const std::optional<uint64_t> seed =
        WholeNumberIn(Trimmed(fields.Seed), uint64_t{0}, UINT64_MAX);
    if (!seed)
        return refuse(kSeedPrefix + fields.Seed + kSeedSuffix, kSeedEdit.Id);
    s.Seed = *seed;
    const auto limits = LimitsOf(s.Limits);
    for (size_t i = 0; i < limits.size(); ++i) {
        if (Trimmed(fields.Limits[i]).empty())
            continue;
        if (!(*limits[i] = Number(fields.Limits[i])))
            return refuse(kLimitLabels[i] + std::string("=") + fields.Limits[i] +
                              kLimitUnreadableSuffix,
                          kFirstLimitId + static_cast<int>(i));
    }
    // The ranges and the limits' order, as the analysis checks them; what the sweep decides (the
    // count of trials against its frequencies, the limits within it) when the stage is read.
    if (std::string refusal = CheckSpreadSettings(s); !refusal.empty())
        return refuse(std::move(refusal), FieldOutOfRange(s));
    return {s, {}};
}
