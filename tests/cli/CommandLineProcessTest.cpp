#include "app/files/StageForm.h"
#include "app/files/TableExport.h"
#include "app/spread/SpreadReport.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "tests/app/CalculatingForm.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ProgramCase {
    const char* name;
    const char* locale;    // LC_ALL for the program: C has a point, ru_RU a comma
    const char* arguments; // after "ou", with the table and the stage file named in the folder
    int exit;
    std::string output, errors;
    const char* stage = "каскад 1.ou"; // the stage the table is computed from
    int lines = 0;                     // the table's lines with the heading; 0: not counted
    bool tableOnOutput = false;        // the table goes to standard output, not to a file
};

const ProgramCase kRuns[] = {
    {"CsvWithPoint", "C", "--csv 'таблица 1.csv' 'каскад 1.ou'", 0, "", ""},
    {"CsvWithComma", "ru_RU.UTF-8", "--csv 'таблица 1.csv' 'каскад 1.ou'", 0, "", ""},
    // Four decades at five points a decade: 10·10^(i/5) for i = 0…19, then the end, 100 kHz.
    {"DecadeSweep", "C", "--csv 'таблица 1.csv' декады.ou", 0, "", "", "декады.ou", 1 + 21},
    {"RefusedByCalculation", "C", "--csv 'таблица 1.csv' 'k0 ноль.ou'", 1, "",
     "сколько-сколько К усиления?..\n"},
    {"FloatingPointError", "C", "--csv 'таблица 1.csv' 'через 0.ou'", 1, "",
     "Floating point division by zero.\n"},
    {"RefusedFile", "C", "--csv 'таблица 1.csv' дважды.ou", 2, "",
     "Файл «дважды.ou», строка 14: «R1» уже задан в строке 2.\n"},
    {"MissingFile", "C", "--csv 'таблица 1.csv' нет.ou", 2, "",
     "ou: Не удалось открыть «нет.ou»: такого файла нет.\n"},
    // A value the file lacks is not computed as 0.
    {"MissingValue", "C", "--csv 'таблица 1.csv' 'без k0.ou'", 2, "",
     "Файл «без k0.ou»: нет значения k0.\n"},
    // A misspelt key is named, and the stage computed as the file gives it.
    {"UnknownKeyWarned", "C", "--csv 'таблица 1.csv' опечатка.ou", 0, "",
     "ou: предупреждение: файл «опечатка.ou», строка 18: неизвестный ключ «r4» пропущен\n",
     "опечатка.ou"},
    {"TableNotWritable", "C", "--csv папка 'каскад 1.ou'", 2, "",
     "Не удалось сохранить «папка»: под этим именем уже есть папка.\n"},
    // The stage file is never replaced by its own table, under any of its names.
    {"TableIsTheStageFile", "C", "--csv 'каскад 1.ou' 'каскад 1.ou'", 2, "",
     "ou: «каскад 1.ou» и «каскад 1.ou» — один и тот же файл: таблица заменила бы каскад. "
     "Укажите для таблицы другое имя.\n"},
    {"TableIsALinkToTheStageFile", "C", "--csv ссылка.ou './каскад 1.ou'", 2, "",
     "ou: «ссылка.ou» и «./каскад 1.ou» — один и тот же файл: таблица заменила бы каскад. "
     "Укажите для таблицы другое имя.\n"},
    {"TableToStandardOutput", "C", "--csv - 'каскад 1.ou'", 0, "", "", "каскад 1.ou", 0, true},
    {"QtOptionsPassedOver", "C",
     "-platform offscreen --csv 'таблица 1.csv' -style=fusion 'каскад 1.ou'", 0, "", ""},
    {"WindowWithoutADisplay", "C", "'каскад 1.ou'", 2, "", kNoDisplay},
    {"WrongArguments", "C", "--csv 'таблица 1.csv'", 2, "",
     "ou: после --csv нужны два имени: файл таблицы и файл каскада\nСправка: ou --help\n"},
    {"SpreadRefusedByCalculation", "C", "--spread 'таблица 1.csv' 'k0 ноль.ou'", 1, "",
     "сколько-сколько К усиления?..\n"},
    {"SpreadFloatingPointError", "C", "--spread 'таблица 1.csv' 'через 0.ou'", 1, "",
     "Floating point division by zero.\n"},
    {"SpreadMissingValue", "C", "--spread - 'без k0.ou'", 2, "",
     "Файл «без k0.ou»: нет значения k0.\n"},
    {"SpreadIntoTheStageFile", "C", "--spread ссылка.ou 'каскад 1.ou'", 2, "",
     "ou: «ссылка.ou» и «каскад 1.ou» — один и тот же файл: файл разброса заменил бы каскад. "
     "Укажите для файла разброса другое имя.\n"},
    {"SpreadTableNotWritable", "C", "--spread папка 'каскад 1.ou' --trials 10", 2, "",
     "Не удалось сохранить «папка»: под этим именем уже есть папка.\n"},
    {"SpreadTrialsOutOfRange", "C", "--spread 'таблица 1.csv' 'каскад 1.ou' --trials 0", 2, "",
     "ou: --trials: «0» — нужно целое от 1 до 100000\nСправка: ou --help\n"},
    {"SpreadOptionRepeated", "C", "--spread - 'каскад 1.ou' --trials 5 --trials 7", 2, "",
     "ou: ключ --trials задан дважды\nСправка: ou --help\n"},
    {"SpreadOptionWithoutValue", "C", "--spread 'таблица 1.csv' 'каскад 1.ou' --seed", 2, "",
     "ou: после --seed нужно число\nСправка: ou --help\n"},
    // A limit the sweep cannot judge is the analysis's refusal; reversed ends, the file's.
    {"SpreadEdgeLimitBeforeTheSweep", "C", "--spread - предел.ou", 1, "",
     "нижняя граница не выше 5 Гц: ниже начала диапазона 10 Гц\n"},
    {"SpreadLimitsReversedInTheFile", "C", "--spread - пределы.ou", 2, "",
     "Файл «пределы.ou», строка 19: «5» — меньше limit_from в строке 18.\n"},
    {"Version", "C", "--version", 0, "ou " OU_VERSION "\n", ""},
    {"Help", "C", "--help", 0, kUsage, ""},
};

const std::string kStageHead = "format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\n"
                               "R5 = 1000\nC1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\nC5 = 1\nRin = 10\n"
                               "f1 = 1\n";
const std::string kStage = kStageHead + "k0 = 1E5\nfrom = 10\nto = 1E5\nstep = 999.5";

// A folder per case, with the stage files and an old table: ctest may run the cases at the same
// time.
fs::path CaseFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("ou command line тест " + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string& stage = kStageHead;
    std::ofstream(folder / "каскад 1.ou") << kStage;
    std::ofstream(folder / "декады.ou") << stage << "k0 = 1E5\nfrom = 10\nto = 1E5\nstep = 5\n"
                                        << "sweep = decade\n";
    std::ofstream(folder / "допуски.ou") << stage << "k0 = 1E5\nfrom = 10\nto = 1E5\nstep = 5\n"
                                         << "sweep = decade\ntolerance_R3 = 5\ntrials = 40\n"
                                         << "seed = 3\ndistribution = normal\n";
    std::ofstream(folder / "без k0.ou") << stage << "from = 10\nto = 20\nstep = 1\n";
    std::ofstream(folder / "k0 ноль.ou") << stage << "k0 = 0\nfrom = 10\nto = 20\nstep = 1\n";
    std::ofstream(folder / "опечатка.ou")
        << stage << "k0 = 1E5\nfrom = 10\nto = 1E5\nstep = 999.5\n"
        << "r4 = 5\n";
    fs::create_symlink("каскад 1.ou", folder / "ссылка.ou");
    std::ofstream(folder / "через 0.ou") << stage << "k0 = 1\nfrom = -20\nto = 20\nstep = 10\n";
    std::ofstream(folder / "дважды.ou") << stage << "R1 = 1\n";
    std::ofstream(folder / "предел.ou") << kStage << "\nlimit_lower_edge = 5\n";
    std::ofstream(folder / "пределы.ou") << kStage << "\nlimit_from = 10\nlimit_to = 5\n";
    std::ofstream(folder / "таблица 1.csv") << "old";
    fs::create_directories(folder / "папка");
    return folder;
}

// The program's exit code, its standard output and error in the folder's files out and err.
int RunProgram(const fs::path& folder, const std::string& locale, const std::string& arguments) {
    // No display of any kind: the program must not need one.
    const std::string command =
        "cd '" + folder.string() +
        "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=" + locale + " " +
        OU_PROGRAM + " " + arguments + " >out 2>err";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status)) << command;
    return WEXITSTATUS(status);
}

class ProgramRun : public testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramRun, ExitsWithItsCodeAndWritesTheTableAsTheWindowSavesItOnlyOnSuccess) {
    const ProgramCase& run = GetParam();
    const fs::path folder = CaseFolder(run.name);
    EXPECT_EQ(RunProgram(folder, run.locale, run.arguments), run.exit);
    if (!run.tableOnOutput) {
        EXPECT_EQ(Contents(folder / "out"), run.output);
    }
    EXPECT_EQ(Contents(folder / "err"), run.errors);
    EXPECT_EQ(Contents(folder / "каскад 1.ou"), kStage);
    if (run.exit != 0 || run.output != "" || run.tableOnOutput) {
        EXPECT_EQ(Contents(folder / "таблица 1.csv"), "old");
    }
    if (run.exit != 0 || run.output != "")
        return;
    if (*run.locale == 'r')
        SetDecimalSeparatorSource([] { return U','; });
    // The same stage opened in the main window and calculated there.
    CalculatingForm window;
    window.form.Start();
    const Stage computed = *ReadStageFile(folder / fs::u8path(run.stage)).Loaded;
    PutStageIntoForm(window.window, computed);
    window.Press(computed.Sweep);
    ASSERT_EQ(SaveTable(window.form.Results(), folder / "saved.csv"), "");
    SetDecimalSeparatorSource(nullptr);
    const std::string table = Contents(folder / (run.tableOnOutput ? "out" : "таблица 1.csv"));
    EXPECT_EQ(table, Contents(folder / "saved.csv"));
    if (run.lines > 0) {
        EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), run.lines);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramRun, testing::ValuesIn(kRuns),
                         [](const auto& info) { return info.param.name; });

struct SpreadCase {
    const char* name;
    const char* locale;
    const char* out; // "-": the CSV to standard output, the summary to standard error
    const char* stage = "декады.ou";
    const char* options = " --trials 300 --seed 7";
    int trials = 300; // what the file and the options make of them
    uint64_t seed = 7;
};

const SpreadCase kSpreads[] = {
    {"SpreadWithPoint", "C", "разброс.csv"},
    {"SpreadWithComma", "ru_RU.UTF-8", "разброс.csv"},
    {"SpreadToStandardOutput", "C", "-"},
    {"SpreadWithTheFilesSettings", "C", "-", "допуски.ou", "", 40, 3},
    {"SpreadOptionsOverTheFile", "C", "-", "допуски.ou", " --trials 30", 30, 3},
};

class SpreadProgramRun : public testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadProgramRun, WritesTheBandAndSummaryOfTheStageTheWindowWouldCalculate) {
    const SpreadCase& run = GetParam();
    const fs::path folder = CaseFolder(run.name);
    ASSERT_EQ(RunProgram(folder, run.locale,
                         std::string("--spread ") + run.out + " " + run.stage + run.options),
              0);
    // The stage as the window calculates it once the file is opened.
    CalculatingForm window;
    const StageReading reading = ReadStageFile(folder / run.stage);
    const Stage stage = *reading.Loaded;
    PutStageIntoForm(window.window, stage);
    window.Press(stage.Sweep);
    SpreadInput input;
    for (size_t i = 0; i < input.Nominal.size(); ++i)
        input.Nominal[i] = window.form.Result().Entered.Parameters[i].value_or(0);
    input.Frequencies = window.form.Result().Frequencies;
    input.Settings = reading.Spread;
    input.Settings.Trials = run.trials;
    input.Settings.Seed = run.seed;
    CancelToken control;
    const SpreadResult result = *RunSpread(input, control).Result;
    if (*run.locale == 'r')
        SetDecimalSeparatorSource([] { return U','; });
    const std::string csv = SpreadCsvText(result);
    SetDecimalSeparatorSource(nullptr);
    if (std::string(run.out) == "-") {
        EXPECT_EQ(Contents(folder / "out"), csv);
        EXPECT_EQ(Contents(folder / "err"), SpreadSummary(result));
    } else {
        EXPECT_EQ(Contents(folder / run.out), csv);
        EXPECT_EQ(Contents(folder / "out"), SpreadSummary(result));
        EXPECT_EQ(Contents(folder / "err"), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Spread, SpreadProgramRun, testing::ValuesIn(kSpreads),
                         [](const auto& info) { return info.param.name; });

} // namespace
