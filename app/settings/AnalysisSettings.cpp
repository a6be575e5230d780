#include "AnalysisSettings.h"

#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
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
        std::string("tolerance_") + kParameterKeys[parameter],
        kFirstToleranceId + static_cast<int>(parameter),
        [parameter](const SpreadSettings& s, char32_t separator) {
            return NumberToText(s.Tolerances[parameter], separator);
        },
        [parameter](SpreadSettings& s, std::string_view text, char32_t separator) -> std::string {
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

// A choice of two, written as the file's words in the order of its enumeration.
template <class Choice>
AnalysisSetting Either(const char* key, int field, Choice SpreadSettings::*member,
                       std::array<const char*, 2> words, const char* need) {
    return {
        key,
        field,
        [member, words](const SpreadSettings& s, char32_t) {
            return std::string(words[static_cast<size_t>(s.*member)]);
        },
        [member, words, need](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
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
AnalysisSetting WholeNumber(const char* key, int field, Integer SpreadSettings::*member,
                            Integer low, Integer high, const char* need) {
    return {
        key,
        field,
        [member](const SpreadSettings& s, char32_t) { return std::to_string(s.*member); },
        [=](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
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
AnalysisSetting Limit(const char* key, int field, std::optional<double> YieldLimits::*member,
                      bool frequency) {
    return {
        key,
        field,
        [member](const SpreadSettings& s, char32_t separator) {
            const std::optional<double>& limit = s.Limits.*member;
            return limit ? NumberToText(*limit, separator) : std::string();
        },
        [=](SpreadSettings& s, std::string_view text, char32_t separator) -> std::string {
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
        "design",
        0,
        [](const SpreadSettings& s, char32_t) {
            std::string parts;
            for (size_t i = 0; i < s.Design.Chosen.size(); ++i)
                if (s.Design.Chosen[i])
                    parts += (parts.empty() ? "" : " ") + std::string(kParameterKeys[i]);
            return parts;
        },
        [](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
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

AnalysisSetting Series(const char* key, StandardSeries DesignSettings::*member,
                       std::initializer_list<StandardSeries> allowed, const char* need) {
    const std::vector<StandardSeries> series(allowed);
    return {
        key,
        0,
        [member](const SpreadSettings& s, char32_t) {
            return std::string(SeriesName(s.Design.*member));
        },
        [=](SpreadSettings& s, std::string_view text, char32_t) -> std::string {
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
        std::string("range_") + kParameterKeys[part],
        0,
        [part](const SpreadSettings& s, char32_t separator) {
            const auto& [low, high] = s.Design.Ranges[part];
            return NumberToText(low, separator) + " " + NumberToText(high, separator);
        },
        [part](SpreadSettings& s, std::string_view text, char32_t separator) -> std::string {
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
    rows.push_back(Either("distribution", kDistributionChoice.Id, &SpreadSettings::Shape,
                          {"uniform", "normal"}, kNeedDistribution));
    rows.push_back(WholeNumber("trials", kTrialsEdit.Id, &SpreadSettings::Trials, int32_t{1},
                               kMaxTrials, kNeedTrials));
    rows.push_back(WholeNumber("seed", kSeedEdit.Id, &SpreadSettings::Seed, uint64_t{0}, UINT64_MAX,
                               kNeedSeed));
    rows.push_back(Either("analysis", kAnalysisChoice.Id, &SpreadSettings::Mode,
                          {"montecarlo", "corners"}, kNeedAnalysis));
    // In the dialog's order of the limits.
    rows.push_back(Limit("limit_from", kFirstLimitId + 0, &YieldLimits::From, true));
    rows.push_back(Limit("limit_to", kFirstLimitId + 1, &YieldLimits::To, true));
    rows.push_back(Limit("limit_min_db", kFirstLimitId + 2, &YieldLimits::MinDb, false));
    rows.push_back(Limit("limit_max_db", kFirstLimitId + 3, &YieldLimits::MaxDb, false));
    rows.push_back(Limit("limit_lower_edge", kFirstLimitId + 4, &YieldLimits::LowerEdgeAt, true));
    rows.push_back(Limit("limit_upper_edge", kFirstLimitId + 5, &YieldLimits::UpperEdgeAt, true));
    rows.push_back(DesignedParts());
    rows.push_back(
        Series("series_r", &DesignSettings::ResistorSeries,
               {StandardSeries::E12, StandardSeries::E24, StandardSeries::E48, StandardSeries::E96},
               kNeedResistorSeries));
    rows.push_back(Series("series_c", &DesignSettings::CapacitorSeries,
                          {StandardSeries::E6, StandardSeries::E12, StandardSeries::E24},
                          kNeedCapacitorSeries));
    for (size_t part = 0; part < 10; ++part)
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
