#include "app/settings/AnalysisSettings.h"

#include "app/settings/SettingsDialogs.h"

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

// Every row reads back what it writes, with either separator, into settings that differ from
// the written ones in that row alone.
TEST(AnalysisSettings, EachRowReadsBackWhatItWrites) {
    const SpreadSettings unusual = Unusual();
    for (const AnalysisSetting& row : AnalysisSettings()) {
        SCOPED_TRACE(row.Key);
        EXPECT_EQ(AnalysisSettingOf(row.Key), &row);
        for (const char32_t separator : {U'.', U','}) {
            const std::string written = row.Write(unusual, separator);
            ASSERT_NE(written, row.Write(SpreadSettings{}, separator));
            SpreadSettings read;
            EXPECT_EQ(row.Read(read, written, separator), "");
            EXPECT_EQ(row.Write(read, separator), written);
        }
    }
}

// The design's keys refuse what they cannot take and leave the settings as they were (the
// analysis's are refused as the stage file's tests show).
TEST(AnalysisSettings, RefusedDesignValueChangesNothing) {
    struct Case {
        const char* key;
        const char* text;
    };
    for (const auto& [key, text] : {Case{"design", "R1 R1"},
                                    {"design", "R6"},
                                    {"design", ""},
                                    {"series_r", "E6"},
                                    {"series_c", "E48"},
                                    {"range_C2", "10"},
                                    {"range_R4", "10 1"},
                                    {"range_R4", "0 1"}}) {
        SCOPED_TRACE(std::string(key) + " = " + text);
        SpreadSettings settings = Unusual();
        EXPECT_NE(AnalysisSettingOf(key)->Read(settings, text, U'.'), "");
        EXPECT_EQ(settings, Unusual());
    }
}

} // namespace

namespace {

std::set<int> FieldIds(const DialogLayout& layout) {
    std::set<int> ids;
    for (const DialogBlock& block : layout.Blocks)
        for (const DialogLine& line : block.Lines) {
            // Said by its label, or by its first field's own words (a part's check box).
            EXPECT_FALSE(line.Label.empty() && line.Fields.at(0).Text.empty());
            for (const DialogField& field : line.Fields) {
                EXPECT_TRUE(ids.insert(field.Id).second) << field.Id;
                EXPECT_NE(layout.ObjectName(field.Id), "") << field.Id;
            }
        }
    return ids;
}

template <class Fields> std::set<int> ValueIds(const Fields& fields) {
    std::set<int> ids;
    for (const auto& [id, value] : ValuesOf(fields))
        ids.insert(id);
    return ids;
}

} // namespace

// Each dialog built from the table shows every field its presenter takes, each once, named and
// labelled, and hands back what it was given.
TEST(AnalysisSettings, DialogsShowEveryFieldAndHandItBack) {
    const SpreadFields spread = FieldsFromSettings(Unusual());
    EXPECT_EQ(FieldIds(SpreadDialogLayout()), ValueIds(spread));
    EXPECT_EQ(SpreadFieldsOf(ValuesOf(spread)), spread);
    const DesignFields design = DesignFieldsFrom(Unusual());
    EXPECT_EQ(FieldIds(DesignDialogLayout()), ValueIds(design));
    EXPECT_EQ(DesignFieldsOf(ValuesOf(design)), design);
}
