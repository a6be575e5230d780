#include "app/files/StageFile.h"

#include <gtest/gtest.h>

namespace {

// A stage file as a user keeps it, with one line of the analysis's settings after `sweep`.
std::string FileWith(const std::string& line) {
    return "format = ou-stage 1\nR1 = 100\nk0 = 1E5\nsweep = decade\n" + line + "\n";
}

struct KeyCase {
    const char* name;
    const char* line;
    SpreadSettings expected;
};

SpreadSettings With(void (*change)(SpreadSettings&)) {
    SpreadSettings settings;
    change(settings);
    return settings;
}

const KeyCase kKeys[] = {
    {"Tolerance", "tolerance_R4 = 5", With([](SpreadSettings& s) { s.Tolerances[3] = 5; })},
    {"ToleranceJustUnder100", "tolerance_R1 = 99.9999999999999",
     With([](SpreadSettings& s) { s.Tolerances[0] = 99.9999999999999; })},
    {"Distribution", "distribution = normal",
     With([](SpreadSettings& s) { s.Shape = Distribution::Normal; })},
    {"Trials", "trials = 100000", With([](SpreadSettings& s) { s.Trials = 100'000; })},
    {"LargestSeed", "seed = 18446744073709551615",
     With([](SpreadSettings& s) { s.Seed = UINT64_MAX; })},
    {"Corners", "analysis = corners",
     With([](SpreadSettings& s) { s.Mode = SpreadMode::Corners; })},
    {"UpperEdge", "limit_upper_edge = 1E4",
     With([](SpreadSettings& s) { s.Limits.UpperEdgeAt = 1E4; })},
    // A gain's bound below 0 dB is a gain like any other.
    {"NegativeDecibels", "limit_min_db = -5", With([](SpreadSettings& s) { s.Limits.MinDb = -5; })},
    {"RangeInOrder", "limit_from = 10\nlimit_to = 10",
     With([](SpreadSettings& s) { s.Limits.From = s.Limits.To = 10; })},
    {"NoneOfThem", "# nothing", SpreadSettings{}},
};

class SpreadKey : public testing::TestWithParam<KeyCase> {};

TEST_P(SpreadKey, IsReadIntoTheSettingsAndWrittenBackTheSame) {
    const StageReading reading = ParseStage(FileWith(GetParam().line), "к.ou");
    ASSERT_TRUE(reading.Loaded) << reading.Error;
    EXPECT_EQ(reading.Spread, GetParam().expected);
    const StageReading again = ParseStage(StageText(*reading.Loaded, reading.Spread), "к.ou");
    EXPECT_EQ(again.Spread, GetParam().expected);
    EXPECT_EQ(again.Loaded, reading.Loaded);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadKey, testing::ValuesIn(kKeys),
                         [](const auto& info) { return info.param.name; });

struct RefusalCase {
    const char* name;
    const char* line;
    const char* reason;
    int lineNumber = 5;
};

const RefusalCase kRefusals[] = {
    {"ToleranceOf100", "tolerance_R1 = 100", "«100» — нужно число от 0 до 100, не включая 100"},
    {"ToleranceWrittenAs100", "tolerance_R1 = 99.999999999999986",
     "«99.999999999999986» — нужно число от 0 до 100, не включая 100"},
    {"NegativeTolerance", "tolerance_f1 = -1", "«-1» — нужно число от 0 до 100, не включая 100"},
    {"ToleranceNotANumber", "tolerance_C1 = пять", "«пять» — не число"},
    {"BlankTolerance", "tolerance_C2 =", "«» — нужно число от 0 до 100, не включая 100"},
    {"Distribution", "distribution = gauss", "«gauss» — не uniform и не normal"},
    {"FractionalTrials", "trials = 1.5", "«1.5» — нужно целое от 1 до 100000"},
    {"NegativeSeed", "seed = -1", "«-1» — нужно целое от 0 до 18446744073709551615"},
    {"Analysis", "analysis = all", "«all» — не montecarlo и не corners"},
    {"Limit", "limit_from = abc", "«abc» — не число"},
    {"NegativeEdge", "limit_lower_edge = -5", "«-5» — нужна частота больше 0"},
    {"ZeroFrom", "limit_from = 0", "«0» — нужна частота больше 0"},
    {"RangeReversed", "limit_from = 10\nlimit_to = 5", "«5» — меньше limit_from в строке 5", 6},
    {"RangeReversedFromLast", "limit_to = 5\n# from\nlimit_from = 10",
     "«10» — больше limit_to в строке 5", 7},
    {"GainReversed", "limit_max_db = 10\nlimit_min_db = 20",
     "«20» — больше limit_max_db в строке 5", 6},
};

class SpreadKeyRefused : public testing::TestWithParam<RefusalCase> {};

TEST_P(SpreadKeyRefused, WithTheFileTheLineAndTheReason) {
    const StageReading reading = ParseStage(FileWith(GetParam().line), "к.ou");
    EXPECT_FALSE(reading.Loaded);
    EXPECT_EQ(reading.Error, "Файл «к.ou», строка " + std::to_string(GetParam().lineNumber) + ": " +
                                 GetParam().reason + ".");
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadKeyRefused, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.name; });

TEST(SpreadKeys, StayOutOfTheFileWhileTheSettingsAreTheDefaults) {
    Stage stage;
    stage.Parameters[0] = 100;
    EXPECT_EQ(StageText(stage, SpreadSettings{}),
              "format = ou-stage 1\nR1 = 100\nR2 =\nR3 =\nR4 =\nR5 =\nC1 =\nC2 =\nC3 =\nC4 =\n"
              "C5 =\nk0 =\nRin =\nf1 =\nfrom =\nto =\nstep =\nlog_scale = 0\nsweep = linear\n");
}

TEST(SpreadKeys, StayOutOfTheFileWhenWrittenAsTheDefault) {
    SpreadSettings settings;
    settings.Tolerances[1] = 0.9999999999999996; // written 1, R2's default
    EXPECT_EQ(StageText(Stage{}, settings), StageText(Stage{}, SpreadSettings{}));
}

} // namespace
