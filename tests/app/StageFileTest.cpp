#include "app/StageFile.h"

#include "FakeCalcWindow.h"
#include "RecordingMessageBoxes.h"
#include "app/StageForm.h"
#include "numerics/NumberText.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Every cell and field typed as a user might, with the separator of the row, and what the file
// holds for it: the number as "расчет" reads it, with a point.
struct TypedValue {
    const char* point;  // typed with '.' as separator
    const char* comma;  // the same typed with ','
    const char* inFile; // after "=" in the file
    const char* shown;  // written back with '.'; with ',' the same with a comma
};
const TypedValue kTyped[16] = {
    {"100", "100", "100", "100"},
    {"", "", "", ""}, // blank stays blank
    {" 1.5 ", " 1,5 ", "1.5", "1.5"},
    {"99.000", "99,000", "99", "99"},
    {"1e3", "1e3", "1000", "1000"},
    {"0.1234567890123456789", "0,1234567890123456789", "0.123456789012346", "0.123456789012346"},
    {"-2.5E-7", "-2,5E-7", "-2.5E-7", "-2.5E-7"},
    {"abc", "abc", "0", "0"}, // "расчет" reads 0 from it
    {"1E300", "1E300", "1E300", "1E300"},
    {"0", "0", "0", "0"},
    {"100000", "100000", "100000", "100000"},
    {"10", "10", "10", "10"},
    {".5", ",5", "0.5", "0.5"},
    {"10", "10", "10", "10"},
    {"1e5", "1e5", "100000", "100000"},
    {"0.01", "0,01", "0.01", "0.01"},
};

const char* const kKeys[16] = {"R1", "R2", "R3", "R4",  "R5", "C1",   "C2", "C3",
                               "C4", "C5", "k0", "Rin", "f1", "from", "to", "step"};

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

class StageFileTest : public testing::Test {
  protected:
    StageFileTest() : window(state) {}
    ~StageFileTest() override {
        SetDecimalSeparatorSource(nullptr);
        fs::remove_all(folder);
    }

    fs::path Write(const std::string& name, const std::string& text) {
        fs::create_directories(folder);
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }

    const fs::path folder = fs::temp_directory_path() / "ou-stage-file-test";
    CalcState state;
    FakeCalcWindow window;
    RecordingMessageBoxes boxes;
};

class StageRoundTrip : public StageFileTest, public testing::WithParamInterface<char> {};

TEST_P(StageRoundTrip, KeepsEveryCellAndFieldInNormalFormWithAPointInTheFile) {
    const char separator = GetParam();
    SetDecimalSeparatorSource(separator == ',' ? +[] { return U','; } : nullptr);
    std::array<std::string, 13> parameters;
    for (size_t i = 0; i < 13; ++i)
        parameters[i] = separator == ',' ? kTyped[i].comma : kTyped[i].point;
    window.Type(parameters, separator == ',' ? kTyped[13].comma : kTyped[13].point,
                separator == ',' ? kTyped[14].comma : kTyped[14].point,
                separator == ',' ? kTyped[15].comma : kTyped[15].point);
    window.logScaleChecked = true;
    const fs::path file = folder / "каскад 1.ou";
    fs::create_directories(folder);
    ASSERT_EQ(WriteStageFile(file, StageFromForm(window, SweepKind::Decade)), "");

    std::string expected = "format = ou-stage 1\n";
    for (size_t i = 0; i < 16; ++i)
        expected +=
            std::string(kKeys[i]) + (*kTyped[i].inFile ? " = " : " =") + kTyped[i].inFile + "\n";
    expected += "log_scale = 1\nsweep = decade\n";
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);

    CalcState otherState;
    FakeCalcWindow opened(otherState);
    opened.graphEnabled = true;
    const std::optional<Stage> stage = OpenStage(opened, boxes, file);
    ASSERT_TRUE(stage);
    EXPECT_EQ(stage->Sweep, SweepKind::Decade);
    for (size_t i = 0; i < 13; ++i)
        EXPECT_EQ(opened.grid[i + 1][1], WithSeparator(kTyped[i].shown, separator)) << kKeys[i];
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(opened.edits[i], WithSeparator(kTyped[13 + i].shown, separator)) << kKeys[13 + i];
    EXPECT_TRUE(opened.logScaleChecked);
    EXPECT_FALSE(opened.graphEnabled);
    EXPECT_TRUE(boxes.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, StageRoundTrip, testing::Values('.', ','),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

struct Refusal {
    const char* name;
    const char* text;
    const char* message;
};

const Refusal kRefusals[] = {
    {"OtherFirstLine", "# ОУ\nR1 = 100\n",
     "Файл «к.ou», строка 2: это не файл каскада: первой должна стоять строка «format = ou-stage "
     "1»"},
    {"OtherFormat", "format = ou-table 1\n",
     "Файл «к.ou», строка 1: это не файл каскада: первой должна стоять строка «format = ou-stage "
     "1»"},
    {"Empty", "\n# nothing\n",
     "Файл «к.ou», строка 1: это не файл каскада: первой должна стоять строка «format = ou-stage "
     "1»"},
    {"NewerFormat", "format = ou-stage 2\r\n",
     "Файл «к.ou», строка 1: «ou-stage 2» — файл записан более новой версией программы, эта знает "
     "только «ou-stage 1»"},
    {"NotANumber", "format = ou-stage 1\nR1 = 100\n\n#\nC1 = 1,5\n",
     "Файл «к.ou», строка 5: «1,5» — не число"},
    {"NumberOutOfRange", "format = ou-stage 1\nk0 = 1E400\n",
     "Файл «к.ou», строка 2: «1E400» — не число"},
    {"LongValueCut", "format = ou-stage 1\nf1 = ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ\n",
     "Файл «к.ou», строка 2: «ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ…» — не число"},
    {"LogScaleNotABit", "format = ou-stage 1\nlog_scale = yes\n",
     "Файл «к.ou», строка 2: «yes» — не 0 и не 1"},
    {"UnknownSweep", "format = ou-stage 1\nsweep = octave\n",
     "Файл «к.ou», строка 2: «octave» — не linear и не decade"},
    {"NoEqualsSign", "format = ou-stage 1\nR1 100\n",
     "Файл «к.ou», строка 2: «R1 100» — нет знака «=»"},
    {"KeyTwice", "format = ou-stage 1\nR1 = 1\nR2 = 2\nR1=1\n",
     "Файл «к.ou», строка 4: «R1» уже задан в строке 2"},
    {"NotUtf8", "format = ou-stage 1\nR1 = 1\n# \xC2\xA0 \xE9t\xE9\n",
     "Файл «к.ou», строка 3: текст не в кодировке UTF-8"},
    {"Surrogate", "format = ou-stage 1\n# \xED\xA0\x80\n",
     "Файл «к.ou», строка 2: текст не в кодировке UTF-8"},
};

class RefusedStage : public StageFileTest, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedStage, NamesFileLineAndReasonAndLeavesTheFormAsItWas) {
    window.Type({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}, "a", "b",
                "c");
    state.Frequencies = {10, 20};
    state.Count = 2;
    window.results.SetRowCount(3);
    window.results.ShowFrequencies(2);
    window.graphEnabled = true;
    const auto grid = window.grid;
    const auto edits = window.edits;

    EXPECT_FALSE(OpenStage(window, boxes, Write("к.ou", GetParam().text)));
    EXPECT_EQ(boxes.errors, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(window.grid, grid);
    EXPECT_EQ(window.edits, edits);
    EXPECT_EQ(window.results.FilledRows(), 2);
    EXPECT_TRUE(window.graphEnabled);
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedStage, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.name; });

TEST_F(StageFileTest, RefusesAFileThatCannotBeReadOrIsTooLarge) {
    Write("к.ou", "format = ou-stage 1\n# " + std::string(kMaxStageFileSize, 'x') + "\n");
    fs::create_directories(folder / "папка.ou");
    const std::pair<fs::path, std::string> cases[] = {
        {folder / "к.ou", "Файл «к.ou» больше 64 КиБ — это не файл каскада"},
        {folder / "нет.ou", "Не удалось открыть «нет.ou»: такого файла нет"},
        {folder / "папка.ou", "Не удалось открыть «папка.ou»: это папка, а не файл"},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(ReadStageFile(path).Error, message);
}

TEST_F(StageFileTest, OpensANewerFileOfTheSameFormatWithCommentsAndCrLf) {
    const fs::path file = Write("новый.ou", "\xEF\xBB\xBF# saved by a newer ou\r\n"
                                            "\r\n"
                                            "  format=ou-stage   1\r\n"
                                            "R1=100\r\n"
                                            "title = усилитель\r\n"
                                            "C1\t=\t10\r\n"
                                            "log_scale = 1\r\n"
                                            "colour = 1,5\r\n"
                                            "to = 2E6");
    window.grid[2][1] = "typed before";
    const std::optional<Stage> stage = OpenStage(window, boxes, file);
    ASSERT_TRUE(stage) << boxes.errors.front();
    EXPECT_EQ(window.grid[1][1], "100");
    EXPECT_EQ(window.grid[2][1], ""); // a missing key leaves its cell blank
    EXPECT_EQ(window.grid[6][1], "10");
    EXPECT_EQ(window.edits, (std::array<std::string, 3>{"", "2000000", ""}));
    EXPECT_TRUE(window.logScaleChecked);
    EXPECT_EQ(stage->Sweep, SweepKind::Linear);
}

} // namespace
