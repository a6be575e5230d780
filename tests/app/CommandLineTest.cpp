#include "app/CommandLine.h"

#include "FakeCalcWindow.h"
#include "app/CalculationCommand.h"
#include "app/MainWindowTexts.h"
#include "app/StageForm.h"
#include "app/TableExport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Action = CommandLine::Action;

struct Arguments {
    const char* name;
    std::vector<std::string> arguments;
    Action action;
    const char* table;
    const char* stage;
    const char* error;
};

const Arguments kArguments[] = {
    {"None", {}, Action::ShowForm, "", "", ""},
    {"File", {"мой каскад.ou"}, Action::Open, "", "мой каскад.ou", ""},
    {"FileAfterDashes", {"--", "-1.ou"}, Action::Open, "", "-1.ou", ""},
    {"Csv", {"--csv", "таблица.csv", "к.ou"}, Action::Csv, "таблица.csv", "к.ou", ""},
    {"Help", {"--help"}, Action::Help, "", "", ""},
    {"ShortHelp", {"-h"}, Action::Help, "", "", ""},
    {"Version", {"--version"}, Action::Version, "", "", ""},
    {"CsvWithOneName",
     {"--csv", "к.ou"},
     Action::Error,
     "",
     "",
     "ou: после --csv нужны два имени: файл таблицы и файл каскада"},
    {"UnknownOption", {"--csw", "a", "b"}, Action::Error, "", "", "ou: неизвестный ключ «--csw»"},
    {"TwoFiles", {"a.ou", "b.ou"}, Action::Error, "", "", "ou: лишний аргумент «b.ou»"},
    {"CsvAndMore", {"--csv", "a", "b", "c"}, Action::Error, "", "", "ou: лишний аргумент «c»"},
    {"VersionAndMore", {"--version", "a"}, Action::Error, "", "", "ou: лишний аргумент «a»"},
};

class ParsedArguments : public testing::TestWithParam<Arguments> {};

TEST_P(ParsedArguments, TellWhatToDoAndWithWhichFiles) {
    const CommandLine command = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(command.Do, GetParam().action);
    EXPECT_EQ(command.TablePath, PathFromUtf8(GetParam().table));
    EXPECT_EQ(command.StagePath, PathFromUtf8(GetParam().stage));
    EXPECT_EQ(command.Error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Table, ParsedArguments, testing::ValuesIn(kArguments),
                         [](const auto& info) { return info.param.name; });

// A typical stage with R1 and the sweep given.
std::string TypicalStage(const char* r1, const char* sweep) {
    return std::string("format = ou-stage 1\nR1 = ") + r1 +
           "\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\nC1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\n"
           "C5 = 1\nk0 = 100000\nRin = 10\nf1 = 1\n" +
           sweep;
}

struct CsvRun {
    const char* name;
    std::string stage; // empty: no stage file
    bool tableIsFolder;
    int exit;
    const char* errors;
};

const CsvRun kCsvRuns[] = {
    {"Computed", TypicalStage("100", "from = 10\nto = 100000\nstep = 1000.5\n"), false, 0, ""},
    {"RefusedByCalculation", TypicalStage("0", "from = 10\nto = 20\nstep = 1\n"), false, 1,
     "что, в самом деле вход закорочен?\n"},
    {"FloatingPointError", TypicalStage("100", "from = -20\nto = 20\nstep = 10\n"), false, 1,
     "Floating point division by zero.\n"},
    {"RefusedFile", TypicalStage("abc", ""), false, 2,
     "Файл «каскад 1.ou», строка 2: «abc» — не число\n"},
    {"NoStageFile", "", false, 2, "Не удалось открыть «каскад 1.ou»: такого файла нет\n"},
    {"TableIsAFolder", TypicalStage("100", "from = 1\nto = 2\nstep = 1\n"), true, 2, ""},
};

class CsvFromStage : public testing::TestWithParam<CsvRun> {
  protected:
    ~CsvFromStage() override { fs::remove_all(folder); }
    const fs::path folder = fs::temp_directory_path() / "ou-command-line-test";
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The CSV "Сохранить таблицу…" writes after the user opens the stage and presses "расчет".
std::string CsvOfTheWindow(const fs::path& stage) {
    CalcState state;
    FakeCalcWindow window(state);
    WriteHeadingsAndNames(window);
    PutStageIntoForm(window, *ReadStageFile(stage).Loaded);
    BuRasClick(window, state);
    return CsvText(window.results);
}

TEST_P(CsvFromStage, WritesTheWindowsTableOrLeavesTheOldFileAndSaysWhy) {
    const CsvRun& run = GetParam();
    fs::create_directories(folder);
    const fs::path stage = folder / "каскад 1.ou";
    if (!run.stage.empty())
        std::ofstream(stage, std::ios::binary) << run.stage;
    const fs::path table = folder / "таблица 1.csv";
    if (run.tableIsFolder)
        fs::create_directories(table);
    else
        std::ofstream(table, std::ios::binary) << "old";

    const CommandLineOutcome outcome = CalculateToCsv(table, stage);
    EXPECT_EQ(outcome.Exit, run.exit);
    EXPECT_EQ(outcome.Output, "");
    if (run.tableIsFolder)
        EXPECT_TRUE(outcome.Errors.starts_with("Не удалось сохранить")) << outcome.Errors;
    else
        EXPECT_EQ(outcome.Errors, run.errors);
    if (run.exit == 0) {
        EXPECT_EQ(Contents(table), CsvOfTheWindow(stage));
    } else if (!run.tableIsFolder) {
        EXPECT_EQ(Contents(table), "old");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CsvFromStage, testing::ValuesIn(kCsvRuns),
                         [](const auto& info) { return info.param.name; });

} // namespace
