#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

struct Arguments {
    std::vector<std::string> arguments;
    Action action;
    std::string table, stage, error;
};

const Arguments kArguments[] = {
    {{}, Action::ShowForm, "", "", ""},
    {{"мой каскад.ou"}, Action::Open, "", "мой каскад.ou", ""},
    {{"--", "-1.ou"}, Action::Open, "", "-1.ou", ""},
    {{"--csv", "т.csv", "к.ou"}, Action::Csv, "т.csv", "к.ou", ""},
    {{"--version"}, Action::Version, "", "", ""},
    {{"--csv", "к.ou"},
     Action::Error,
     "",
     "",
     "ou: после --csv нужны два имени: файл таблицы и файл каскада"},
    {{"--csw", "a", "b"}, Action::Error, "", "", "ou: неизвестный ключ «--csw»"},
    {{"a.ou", "b.ou"}, Action::Error, "", "", "ou: лишний аргумент «b.ou»"},
};

class ParsedArguments : public testing::TestWithParam<Arguments> {};

TEST_P(ParsedArguments, TellWhatToDoAndWithWhichFiles) {
    const CommandLine command = ParseCommandLine(GetParam().arguments);
    EXPECT_EQ(command.Do, GetParam().action);
    EXPECT_EQ(command.TablePath, PathFromUtf8(GetParam().table));
    EXPECT_EQ(command.StagePath, PathFromUtf8(GetParam().stage));
    EXPECT_EQ(command.Error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Table, ParsedArguments, testing::ValuesIn(kArguments));

// What --csv does with them is tested on the program itself, in tests/cli.

} // namespace
