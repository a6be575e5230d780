#include "app/files/CommandLine.h"
#include "app/files/StageFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The typical stage over 10 Hz … 1 MHz, and requirements it does not meet as typed: 19 … 21 dB
// over 1 … 10 kHz, the band from at most 50 Hz to at least 50 kHz.
const std::string kStage = "format = ou-stage 1\n"
                           "R1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\n"
                           "C1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\nC5 = 1\n"
                           "k0 = 100000\nRin = 10\nf1 = 1\n"
                           "from = 10\nto = 1000000\nstep = 20\nlog_scale = 1\nsweep = decade\n";
const std::string kRequirements = "limit_from = 1000\nlimit_to = 10000\nlimit_min_db = 19\n"
                                  "limit_max_db = 21\nlimit_lower_edge = 50\n"
                                  "limit_upper_edge = 50000\n";

class DesignCommand : public testing::Test {
  protected:
    DesignCommand() { fs::create_directories(folder); }
    ~DesignCommand() override { fs::remove_all(folder); }

    CommandLineOutcome Run(const std::string& file, std::vector<std::string> options = {}) {
        std::ofstream(stage, std::ios::binary) << file;
        std::vector<std::string> arguments = {"--design", out.string(), stage.string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunWithoutWindows(ParseCommandLine(arguments));
    }
    std::string Out() const {
        std::ifstream in(out, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    const fs::path folder = fs::temp_directory_path() / "ou-design-command" /
                            testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path stage = folder / "stage.ou", out = folder / "designed.ou";
};

// The best candidate into OUT as a stage file with the file's keys and requirements (what values
// the search may take is the search's test); the same bytes for any number of threads.
TEST_F(DesignCommand, WritesTheBestStageThatMeetsTheRequirements) {
    const CommandLineOutcome outcome = Run(kStage + kRequirements, {"--threads", "2"});
    ASSERT_EQ(outcome.Exit, kExitSuccess) << outcome.Errors;
    EXPECT_EQ(outcome.Output.rfind("candidate = 1\nR1 = ", 0), 0u);
    EXPECT_NE(outcome.Output.find("\nmeets = 1\n"), std::string::npos);
    const StageReading designed = ParseStage(Out(), "designed.ou");
    ASSERT_TRUE(designed.Loaded);
    EXPECT_NE(Out().find(kRequirements), std::string::npos);
    const std::string twoThreads = Out();
    ASSERT_EQ(Run(kStage + kRequirements, {"--threads", "1"}).Exit, kExitSuccess);
    EXPECT_EQ(Out(), twoThreads);
}

// Parts not chosen keep their values.
TEST_F(DesignCommand, ChangesOnlyThePartsChosen) {
    const CommandLineOutcome outcome =
        Run(kStage + kRequirements + "design = R4 C5\nrange_R4 = 1 100\n");
    ASSERT_EQ(outcome.Exit, kExitSuccess) << outcome.Errors;
    const StageReading designed = ParseStage(Out(), "designed.ou");
    const StageReading typed = ParseStage(kStage, "stage.ou");
    for (const size_t kept : {0u, 1u, 2u, 4u, 5u, 6u, 7u, 8u})
        EXPECT_EQ(designed.Loaded->Parameters[kept], typed.Loaded->Parameters[kept]) << kept;
    EXPECT_LE(*designed.Loaded->Parameters[3], 100);
}

struct Refusal {
    const char* name;
    std::string keys;
    int exit;
    std::string message; // standard error begins with it
};

class DesignRefused : public DesignCommand, public testing::WithParamInterface<Refusal> {};

// OUT is left unwritten, the message says why.
TEST_P(DesignRefused, WritesNothingAndSaysWhy) {
    const CommandLineOutcome outcome = Run(kStage + GetParam().keys);
    EXPECT_EQ(outcome.Exit, GetParam().exit);
    EXPECT_EQ(outcome.Errors.rfind(GetParam().message, 0), 0u) << outcome.Errors;
    EXPECT_FALSE(fs::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesignRefused,
    testing::Values(
        Refusal{"NoStageMeets", "limit_min_db = 200\n", kExitCalculationFailed,
                "ou: ни один кандидат не выполняет требования; у лучшего усиление "},
        Refusal{"NoRequirement", "", kExitBadInput, "ou: в файле «stage.ou» нет требований"},
        Refusal{"NoSeriesValueInARange", "limit_min_db = 20\nseries_r = E12\nrange_R4 = 4.8 5.5\n",
                kExitBadInput, "ou: range_R4: в диапазоне нет значений ряда E12"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
