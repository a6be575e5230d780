#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

struct Arguments {
    const char* name;
    std::vector<std::string> arguments;
    Action action;
    std::string table, stage, error;
};

// A toolkit's options as a front names them: one with a value, one without.
constexpr ToolkitOption kToolkit[] = {{"-platform"}, {"-reverse", false}};

const Arguments kArguments[] = {
    {"Nothing", {}, Action::ShowForm, "", "", ""},
    {"ToolkitOptionsOnly", {"-platform", "xcb", "--reverse"}, Action::ShowForm, "", "", ""},
    {"ToolkitOptionsBeforeAFile",
     {"-platform=offscreen", "-reverse", "к.ou"},
     Action::Open,
     "",
     "к.ou",
     ""},
    {"ToolkitOptionAmongCsvs",
     {"--csv", "-", "--platform", "offscreen", "к.ou"},
     Action::Csv,
     "-",
     "к.ou",
     ""},
    {"FileAfterDoubleDashLooksLikeAnOption",
     {"--", "-platform"},
     Action::Open,
     "",
     "-platform",
     ""},
    {"File", {"мой каскад.ou"}, Action::Open, "", "мой каскад.ou", ""},
    {"DoubleDash", {"--", "-1.ou"}, Action::Open, "", "-1.ou", ""},
    {"Csv", {"--csv", "т.csv", "к.ou"}, Action::Csv, "т.csv", "к.ou", ""},
    {"Version", {"--version"}, Action::Version, "", "", ""},
    {"CsvWithOneName",
     {"--csv", "к.ou"},
     Action::Error,
     "",
     "",
     "ou: после --csv нужны два имени: файл таблицы и файл каскада"},
    {"UnknownOption", {"--csw", "a", "b"}, Action::Error, "", "", "ou: неизвестный ключ «--csw»"},
    {"TwoFiles", {"a.ou", "b.ou"}, Action::Error, "", "", "ou: лишний аргумент «b.ou»"},
};

class ParsedArguments : public testing::TestWithParam<Arguments> {};

TEST_P(ParsedArguments, TellWhatToDoAndWithWhichFiles) {
    const CommandLine command = ParseCommandLine(GetParam().arguments, kToolkit);
    EXPECT_EQ(command.Do, GetParam().action);
    EXPECT_EQ(command.TablePath, PathFromUtf8(GetParam().table));
    EXPECT_EQ(command.StagePath, PathFromUtf8(GetParam().stage));
    EXPECT_EQ(command.Error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Table, ParsedArguments, testing::ValuesIn(kArguments),
                         [](const auto& info) { return info.param.name; });

// What --csv does with them is tested on the program itself, in tests/cli.

} // namespace
