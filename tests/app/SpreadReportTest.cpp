#include "app/spread/SpreadReport.h"

#include "numerics/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// A result as the analysis could leave it, its numbers chosen to show each way a number is
// written: a fraction, a whole number, a small and a large exponent.
SpreadResult TwoFrequencies(SpreadMode mode) {
    SpreadResult r;
    r.Mode = mode;
    r.Trials = 10'000;
    r.Failed = 3;
    r.Frequencies = {10, 1E20};
    r.NominalDecibels = {0.1, 40};
    r.BandDecibels = {{-1.5, -1, 0.25, 1, 2}, {1E-5, 2E-5, 3E-5, 4E-5, 5E-5}};
    r.PeakDecibels = {9997, {39.5, 39.75, 40, 40.25, 40.5}, {}};
    r.UpperEdge = {9997, {5000, 6000, 10000, 14000, 15000.5}, {}};
    r.Bandwidth = {0, {}, {}};
    r.Sensitivities = {{7, 0, {}, {}, {}, {}, SensitivityOf::UpperEdge, -0.98, 10},
                       {3, 0.95, {}, {}, {}, {}, SensitivityOf::Gain, 0.95, 1},
                       {11, 0, {}, {}, {}, {}, SensitivityOf::LowerEdge, 1E-5, 0}};
    return r;
}

struct CsvCase {
    const char* name;
    char32_t separator;
    SpreadMode mode;
    const char* text;
};

const CsvCase kCsv[] = {
    {"MonteCarloWithPoint", U'.', SpreadMode::MonteCarlo,
     "\xEF\xBB\xBF"
     "f (Гц),номинал (дБ),мин (дБ),5 % (дБ),медиана (дБ),95 % (дБ),макс (дБ)\r\n"
     "10,0.1,-1.5,-1,0.25,1,2\r\n"
     "1e+20,40,1e-05,2e-05,3e-05,4e-05,5e-05\r\n"},
    {"MonteCarloWithComma", U',', SpreadMode::MonteCarlo,
     "\xEF\xBB\xBF"
     "f (Гц);номинал (дБ);мин (дБ);5 % (дБ);медиана (дБ);95 % (дБ);макс (дБ)\r\n"
     "10;0,1;-1,5;-1;0,25;1;2\r\n"
     "1e+20;40;1e-05;2e-05;3e-05;4e-05;5e-05\r\n"},
    {"CornersOnlyTheEnds", U',', SpreadMode::Corners,
     "\xEF\xBB\xBF"
     "f (Гц);номинал (дБ);мин (дБ);макс (дБ)\r\n"
     "10;0,1;-1,5;2\r\n"
     "1e+20;40;1e-05;5e-05\r\n"},
};

class SpreadCsv : public testing::TestWithParam<CsvCase> {
  protected:
    void TearDown() override { SetDecimalSeparatorSource(nullptr); }
};

TEST_P(SpreadCsv, IsWrittenAsTheTablesCsvWithEveryDigit) {
    static char32_t separator;
    separator = GetParam().separator;
    SetDecimalSeparatorSource([] { return separator; });
    EXPECT_EQ(SpreadCsvText(TwoFrequencies(GetParam().mode)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpreadCsv, testing::ValuesIn(kCsv),
                         [](const auto& info) { return info.param.name; });

TEST(SpreadSummary, NamesEachFigureWithAPointWhateverTheSeparator) {
    SetDecimalSeparatorSource([] { return U','; });
    SpreadResult r = TwoFrequencies(SpreadMode::MonteCarlo);
    r.Yield = Share{3012, 9997, 0.30129038711613485, 0.2923, 0.31034};
    EXPECT_EQ(SpreadSummary(r), "trials = 10000\n"
                                "failed = 3\n"
                                "yield = 30.13 % [29.23 %, 31.03 %]\n"
                                "peak_db = 39.5 / 39.75 / 40 / 40.25 / 40.5\n"
                                "lower_edge_hz = нет\n"
                                "upper_edge_hz = 5000 / 6000 / 10000 / 14000 / 15000.5\n"
                                "bandwidth_hz = нет\n"
                                "influence = C3 9.80 % (верхняя граница); R4 0.95 % (усиление)\n"
                                "sensitivity = C3 -0.98 (верхняя граница); R4 0.95 (усиление); "
                                "Rвх 1e-05 (нижняя граница)\n"
                                "held = Rвх\n");
    SetDecimalSeparatorSource(nullptr);
}

TEST(SpreadSummary, WritesAQuantileBeyondTheSweepWithItsBoundAndCountsTheTrialsBeyond) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    SpreadResult r = TwoFrequencies(SpreadMode::MonteCarlo);
    r.LowerEdge = {9997, {-kInf, 12, 13, 14, 15}, {}, 3, {10, 12, 13, 14, 15}, 10};
    r.UpperEdge = {9997, {5000, 6000, kInf, kInf, kInf}, {},
                   9000, {5000, 6000, 8000, 8000, 8000}, 8000};
    const std::string summary = SpreadSummary(r);
    EXPECT_NE(summary.find("lower_edge_hz = <10 / 12 / 13 / 14 / 15\n"
                           "lower_edge_below_sweep = 3\n"
                           "upper_edge_hz = 5000 / 6000 / >8000 / >8000 / >8000\n"
                           "upper_edge_above_sweep = 9000\n"
                           "bandwidth_hz = нет\n"),
              std::string::npos)
        << summary;
}

// The corners are combinations of the tolerances' ends: counted, with no interval.
TEST(SpreadSummary, CountsTheCornersAsCombinations) {
    SpreadResult r = TwoFrequencies(SpreadMode::Corners);
    r.Yield = Share{2048, 8192, 0.25, 0.2407, 0.2595};
    const std::string summary = SpreadSummary(r);
    EXPECT_EQ(summary.substr(0, summary.find("peak_db")),
              "combinations = 10000\nfailed = 3\nyield = 25.00 % (2048 / 8192)\n");
}

TEST(StrongestText, NamesTheFirstThreeWithWhatEachMovesMostLeavingOutThePartsHeld) {
    std::vector<Sensitivity> ranked = TwoFrequencies(SpreadMode::MonteCarlo).Sensitivities;
    EXPECT_EQ(StrongestText(ranked),
              "сильнее всего влияет (допуск × чувствительность): C3 (верхняя граница), R4 "
              "(усиление)");
    for (Sensitivity& s : ranked)
        s.Tolerance = 0;
    EXPECT_EQ(StrongestText(ranked), "сильнее всего влияет: ничто, все допуски 0");
}

} // namespace
