#include "AnalysisSettings.h"

#include "app/design/DesignControls.h"
#include "app/design/DesignFields.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The words of `text` between blanks.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const size_t end = std::min(text.find_first_of(" \t", at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// The number `text` makes with `separator`, or nothing. No text gives NaN, so it marks none.
std::optional<double> Number(std::string_view text, char32_t separator) {
    const double value = TextToNumber(text, NAN, separator);
    if (std::isnan(value))
        return std::nullopt;
    return value;
}

AnalysisSetting Tolerance(size_t parameter) {
    return {
        .Key = std::string("tolerance_") + kParameterKeys[parameter],
        .Group = SettingGroup::Tolerance,
        .Field = kFirstToleranceId + static_cast<int>(parameter),
        .Label = kParameterNames[parameter],
        .Write =
            [parameter](const SpreadSettings& s, char32_t separator) {
                return NumberToText(s.Tolerances[parameter], separator);
            },
        .Read = [parameter](SpreadSettings& s, std::string_view text,
                            char32_t separator) -> std::string {
            // A blank is no tolerance, where a blank limit is no limit.
            const std::optional<double> t = Number(text, separator);
            if (!t)
                return text.empty() ? kNeedTolerance : kNeedNumber;
            // In normal form, as the dialog shows it and the file keeps it, to 15 digits:
            // 99.999999999999986 would be 100 there, which is refused.
            const double kept = TextToNumber(NumberToText(*t, separator), 100, separator);
            if (!(kept >= 0 && kept < 100))
                return kNeedTolerance;
            s.Tolerances[parameter] = kept;
            return {};
        },
    };
}

// A choice of two, written as the file's words in the order of its enumeration; the dialog offers
// `choices` in that order.
template <class Choice>
AnalysisSetting Either(const char* key, NamedControl field, const char* label,
                       Choice SpreadSettings::*member, std::array<const char*, 2> words,
                       std::array<const char*, 2> choices, const char* need) {
    return {
        .Key = key,
        .Group = SettingGroup::Analysis,
        .Field = field.Id,
        .Label = label,
        .Choices = {choices.begin(), choices.end()},
        .Wide = true,
        .Write = [member,
                  words](const SpreadSettings& s,
                         char32_t) { return std::string(words[static_cast<size_t>(s.*member)]); },
        .Read = [member, words, need](SpreadSettings& s, std::string_view text,
                                      char32_t) -> std::string {
            for (size_t i = 0; i < words.size(); ++i)
                if (text == words[i]) {
                    s.*member = static_cast<Choice>(i);
                    return {};
                }
            return need;
        },
    };
}

template <class Integer>
AnalysisSetting WholeNumber(const char* key, NamedControl field, const char* label,
                            Integer SpreadSettings::*member, Integer low, Integer high,
                            const char* need) {
    return {
        .Key = key,
        .Group = SettingGroup::Analysis,
        .Field = field.Id,
        .Label = label,
        .Wide = std::to_string(high).size() > 10, // a seed's twenty digits
        .Write = [member](const SpreadSettings& s, char32_t) { return std::to_string(s.*member); },
        .Read = [=](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
            const std::optional<Integer> value = WholeNumberIn(text, low, high);
            if (!value)
                return need;
            s.*member = *value;
            return {};
        },
    };
}

// A limit: blank for none. A frequency is above 0; whether the sweep can judge it, and whether a
// range's ends are in order, is decided over the whole settings.
AnalysisSetting Limit(const char* key, size_t index, std::optional<double> YieldLimits::*member,
                      bool frequency) {
    return {
        .Key = key,
        .Group = SettingGroup::Limit,
        .Field = kFirstLimitId + static_cast<int>(index),
        .Label = kLimitLabels[index],
        .Write =
            [member](const SpreadSettings& s, char32_t separator) {
                const std::optional<double>& limit = s.Limits.*member;
                return limit ? NumberToText(*limit, separator) : std::string();
            },
        .Read = [=](SpreadSettings& s, std::string_view text, char32_t separator) -> std::string {
            if (text.empty()) {
                (s.Limits.*member).reset();
                return {};
            }
            const std::optional<double> limit = Number(text, separator);
            if (!limit)
                return kNeedNumber;
            if (frequency && !(*limit > 0))
                return kNeedPositiveFrequency;
            s.Limits.*member = limit;
            return {};
        },
    };
}

// The parts "Подбор номиналов" may choose, by their keys, blank-separated.
AnalysisSetting DesignedParts() {
    return {
        .Key = "design",
        .Group = SettingGroup::Parts,
        .Write =
            [](const SpreadSettings& s, char32_t) {
                std::string parts;
                for (size_t i = 0; i < s.Design.Chosen.size(); ++i)
                    if (s.Design.Chosen[i])
                        parts += (parts.empty() ? "" : " ") + std::string(kParameterKeys[i]);
                return parts;
            },
        .Read = [](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
            std::array<bool, 10> chosen{};
            bool any = false;
            for (const std::string_view word : Words(text)) {
                size_t i = 0;
                while (i < chosen.size() && word != kParameterKeys[i])
                    ++i;
                if (i == chosen.size() || chosen[i])
                    return kNeedParts;
                chosen[i] = any = true;
            }
            if (!any)
                return kNeedParts;
            s.Design.Chosen = chosen;
            return {};
        },
    };
}

// A series the design chooses values from, one of those `series` offers.
template <size_t N>
AnalysisSetting Series(const char* key, NamedControl field, const char* label,
                       StandardSeries DesignSettings::*member,
                       const std::array<StandardSeries, N>& series, const char* need) {
    std::vector<std::string> names;
    for (const StandardSeries offered : series)
        names.emplace_back(SeriesName(offered));
    return {
        .Key = key,
        .Group = SettingGroup::Series,
        .Field = field.Id,
        .Label = label,
        .Choices = names,
        .Write = [member](const SpreadSettings& s,
                          char32_t) { return std::string(SeriesName(s.Design.*member)); },
        .Read = [=](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
            const std::optional<StandardSeries> named = SeriesNamed(text);
            if (!named || std::ranges::find(series, *named) == series.end())
                return need;
            s.Design.*member = *named;
            return {};
        },
    };
}

// A part's range for the design: its least and greatest value in its unit of entry.
AnalysisSetting Range(size_t part) {
    return {
        .Key = std::string("range_") + kParameterKeys[part],
        .Group = SettingGroup::Range,
        .Label = kParameterNames[part],
        .Write =
            [part](const SpreadSettings& s, char32_t separator) {
                const auto& [low, high] = s.Design.Ranges[part];
                return NumberToText(low, separator) + " " + NumberToText(high, separator);
            },
        .Read = [part](SpreadSettings& s, std::string_view text,
                       char32_t separator) -> std::string {
            const std::vector<std::string_view> words = Words(text);
            if (words.size() != 2)
                return kNeedRange;
            const std::optional<double> low = Number(words[0], separator);
            const std::optional<double> high = Number(words[1], separator);
            if (!low || !high || !(*low > 0 && *low <= *high && *high < INFINITY))
                return kNeedRange;
            s.Design.Ranges[part] = {*low, *high};
            return {};
        },
    };
}

std::vector<AnalysisSetting> Rows() {
    std::vector<AnalysisSetting> rows;
    for (size_t i = 0; i < kParameterKeys.size(); ++i)
        rows.push_back(Tolerance(i));
    rows.push_back(Either("distribution", kDistributionChoice, kDistributionLabel,
                          &SpreadSettings::Shape, {"uniform", "normal"},
                          {kUniformChoice, kNormalChoice}, kNeedDistribution));
    rows.push_back(WholeNumber("trials", kTrialsEdit, kTrialsLabel, &SpreadSettings::Trials,
                               int32_t{1}, kMaxTrials, kNeedTrials));
    rows.push_back(WholeNumber("seed", kSeedEdit, kSeedLabel, &SpreadSettings::Seed, uint64_t{0},
                               UINT64_MAX, kNeedSeed));
    rows.push_back(Either("analysis", kAnalysisChoice, kAnalysisLabel, &SpreadSettings::Mode,
                          {"montecarlo", "corners"}, {kMonteCarloChoice, kCornersChoice},
                          kNeedAnalysis));
    // In the dialog's order of the limits.
    rows.push_back(Limit("limit_from", 0, &YieldLimits::From, true));
    rows.push_back(Limit("limit_to", 1, &YieldLimits::To, true));
    rows.push_back(Limit("limit_min_db", 2, &YieldLimits::MinDb, false));
    rows.push_back(Limit("limit_max_db", 3, &YieldLimits::MaxDb, false));
    rows.push_back(Limit("limit_lower_edge", 4, &YieldLimits::LowerEdgeAt, true));
    rows.push_back(Limit("limit_upper_edge", 5, &YieldLimits::UpperEdgeAt, true));
    rows.push_back(DesignedParts());
    rows.push_back(Series("series_r", kResistorSeriesChoice, kResistorSeriesLabel,
                          &DesignSettings::ResistorSeries, kResistorSeriesChoices,
                          kNeedResistorSeries));
    rows.push_back(Series("series_c", kCapacitorSeriesChoice, kCapacitorSeriesLabel,
                          &DesignSettings::CapacitorSeries, kCapacitorSeriesChoices,
                          kNeedCapacitorSeries));
    for (size_t part = 0; part < kDesignParts; ++part)
        rows.push_back(Range(part));
    return rows;
}

} // namespace

const std::vector<AnalysisSetting>& AnalysisSettings() {
    static const std::vector<AnalysisSetting> rows = Rows();
    return rows;
}

const AnalysisSetting* AnalysisSettingOf(std::string_view key) {
    for (const AnalysisSetting& row : AnalysisSettings())
        if (row.Key == key)
            return &row;
    return nullptr;
}

const AnalysisSetting* AnalysisSettingOf(int field) {
    for (const AnalysisSetting& row : AnalysisSettings())
        if (field != 0 && row.Field == field)
            return &row;
    return nullptr;
}
