#include "app/CalculationCommand.h"
#include "app/HeadlessForm.h"
#include "app/StageForm.h"
#include "app/TableExport.h"
#include "numerics/NumberText.h"

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

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct ProgramCase {
    const char* name;
    const char* locale;    // LC_ALL for the program
    const char* arguments; // after "ou"; %T is the table's path, %S the stage file's
    std::string stage;     // the stage file's text
    int exit;
    const char* output; // standard output; for an exit of 0 with --csv, the table is checked
    const char* errors;
};

const std::string kStage = "format = ou-stage 1\nR1 = 100\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\n"
                           "C1 = 10\nC2 = 10\nC3 = 100\nC4 = 1\nC5 = 1\nk0 = 100000\nRin = 10\n"
                           "f1 = 1\n";
const std::string kSweep = "from = 10\nto = 100000\nstep = 999.5\n";

const ProgramCase kRuns[] = {
    {"CsvWithPoint", "C", "--csv %T %S", kStage + kSweep, 0, "", ""},
    {"CsvWithComma", "ru_RU.UTF-8", "--csv %T %S", kStage + kSweep, 0, "", ""},
    {"RefusedFile", "C", "--csv %T %S", kStage + "from = 1\nfrom = 2\n", 2, "",
     "Файл «каскад 1.ou», строка 16: «from» уже задан в строке 15\n"},
    {"RefusedByCalculation", "C", "--csv %T %S", "format = ou-stage 1\nR1 = 100\nR3 = 1\nC1 = 1\n",
     1, "", "сколько-сколько К усиления?..\n"},
    {"FloatingPointError", "C", "--csv %T %S", kStage + "from = -20\nto = 20\nstep = 10\n", 1, "",
     "Floating point division by zero.\n"},
    {"WrongArguments", "C", "--csv %T", kStage, 2, "",
     "ou: после --csv нужны два имени: файл таблицы и файл каскада\nСправка: ou --help\n"},
    {"Version", "C", "--version", kStage, 0, "ou " OU_VERSION "\n", ""},
};

class ProgramRun : public testing::TestWithParam<ProgramCase> {
  protected:
    ~ProgramRun() override {
        SetDecimalSeparatorSource(nullptr);
        fs::remove_all(folder);
    }
    const fs::path folder = fs::temp_directory_path() / "ou command line тест";
};

// The table "Сохранить таблицу…" saves for the stage, with the given separator.
std::string SavedTable(const fs::path& stage, const fs::path& table, char32_t separator) {
    static char32_t pinned;
    pinned = separator;
    SetDecimalSeparatorSource([] { return pinned; });
    HeadlessForm form;
    PutStageIntoForm(form, *ReadStageFile(stage).Loaded);
    BuRasClick(form, form.State());
    EXPECT_EQ(SaveTable(form.Results(), table), "");
    return Contents(table);
}

TEST_P(ProgramRun, ExitsWithItsCodeAndTouchesTheTableOnlyOnSuccess) {
    const ProgramCase& run = GetParam();
    fs::create_directories(folder);
    const fs::path stage = folder / "каскад 1.ou";
    const fs::path table = folder / "таблица 1.csv";
    std::ofstream(stage, std::ios::binary) << run.stage;
    std::ofstream(table, std::ios::binary) << "old";

    std::string arguments = run.arguments;
    for (auto [mark, path] : {std::pair{"%T", table}, std::pair{"%S", stage}})
        if (const size_t at = arguments.find(mark); at != std::string::npos)
            arguments.replace(at, 2, ShellQuoted(path.string()));
    // No display of any kind: the program must not need one.
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=" + std::string(run.locale) +
        " " + OU_PROGRAM + " " + arguments + " >" + ShellQuoted((folder / "out").string()) + " 2>" +
        ShellQuoted((folder / "err").string());
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(WEXITSTATUS(status), run.exit);
    EXPECT_EQ(Contents(folder / "out"), run.output);
    EXPECT_EQ(Contents(folder / "err"), run.errors);

    if (run.exit != 0 || !std::string(run.arguments).starts_with("--csv")) {
        EXPECT_EQ(Contents(table), "old");
        return;
    }
    const std::string written = Contents(table);
    const char32_t separator = std::string(run.locale) == "C" ? U'.' : U',';
    EXPECT_EQ(written, SavedTable(stage, folder / "saved.csv", separator));
    EXPECT_NE(written.find(separator == U',' ? "\r\n1009,5;" : "\r\n1009.5,"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramRun, testing::ValuesIn(kRuns),
                         [](const auto& info) { return info.param.name; });

TEST(ProgramHelp, IsPrintedInRussianWithTheExitCodes) {
    const std::string command = std::string(OU_PROGRAM) + " --help";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        text += static_cast<char>(c);
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0);
    EXPECT_TRUE(text.starts_with("Использование:")) << text;
    EXPECT_NE(text.find("--csv"), std::string::npos);
}

} // namespace
