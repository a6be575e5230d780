#include "app/settings/AnalysisSettings.h"

#include "app/spread/SpreadControls.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Settings unlike the defaults in every row.
SpreadSettings Unusual() {
    SpreadSettings s;
    for (size_t i = 0; i < s.Tolerances.size(); ++i)
        s.Tolerances[i] = 0.25 + static_cast<double>(i);
    s.Shape = Distribution::Normal;
    s.Trials = 777;
    s.Seed = 18446744073709551615u;
    s.Mode = SpreadMode::Corners;
    s.Limits = {12.5, 8000, -3, 41.5, 20, 9000};
    s.Design.Chosen = {false, false, false, true, false, false, false, false, false, true};
    s.Design.ResistorSeries = StandardSeries::E96;
    s.Design.CapacitorSeries = StandardSeries::E6;
    for (auto& [low, high] : s.Design.Ranges)
        low *= 2.5, high /= 4;
    return s;
}

// Every row names its own key and field, and reads back what it writes, with either separator,
// into settings that differ from the written ones in that row alone.
TEST(AnalysisSettings, EachRowReadsBackWhatItWrites) {
    std::set<std::string> keys;
    std::set<int> fields;
    const SpreadSettings unusual = Unusual();
    for (const AnalysisSetting& row : AnalysisSettings()) {
        SCOPED_TRACE(row.Key);
        EXPECT_TRUE(keys.insert(row.Key).second);
        EXPECT_EQ(AnalysisSettingOf(row.Key), &row);
        if (row.Field != 0) { // a field of "Разброс…"
            EXPECT_TRUE(fields.insert(row.Field).second);
            EXPECT_NE(SpreadObjectName(row.Field), "");
            EXPECT_EQ(AnalysisSettingOf(row.Field), &row);
        }
        for (const char32_t separator : {U'.', U','}) {
            const std::string written = row.Write(unusual, separator);
            ASSERT_NE(written, row.Write(SpreadSettings{}, separator));
            SpreadSettings read;
            EXPECT_EQ(row.Read(read, written, separator), "");
            EXPECT_EQ(row.Write(read, separator), written);
        }
    }
    // 13 tolerances, 2 choices, trials, seed, 6 limits; the design's parts, 2 series, 10 ranges
    EXPECT_EQ(keys.size(), 36u);
    EXPECT_EQ(fields.size(), 23u);
}

// A refused value leaves the settings as they were.
TEST(AnalysisSettings, RefusedValueChangesNothing) {
    struct Case {
        const char* key;
        const char* text;
    };
    for (const auto& [key, text] : {Case{"tolerance_R1", "100"},
                                    {"tolerance_k0", "x"},
                                    {"distribution", "gauss"},
                                    {"trials", "0"},
                                    {"seed", "-1"},
                                    {"analysis", "all"},
                                    {"limit_from", "0"},
                                    {"limit_max_db", "дБ"}}) {
        SCOPED_TRACE(key);
        SpreadSettings settings = Unusual();
        EXPECT_NE(AnalysisSettingOf(key)->Read(settings, text, U'.'), "");
        EXPECT_EQ(settings, Unusual());
    }
}

} // namespace
