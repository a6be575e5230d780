#include "app/files/StageFile.h"

#include "FakeFormView.h"
#include "RecordingMessageBoxes.h"
#include "app/files/StageForm.h"
#include "numerics/NumberText.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// Each cell and field in file order, as typed ('.' standing for the user's separator) and as the
// file holds it; opening writes back the latter with the user's separator.
const char* const kKeys[16] = {"R1", "R2", "R3", "R4",  "R5", "C1",   "C2", "C3",
                               "C4", "C5", "k0", "Rin", "f1", "from", "to", "step"};
const char* const kTyped[16] = {"100",     "",    " 1.5 ", "99.000", "1e3", "0.1234567890123456789",
                                "-2.5E-7", "abc", "1E300", ".5",     "1e5", "10",
                                "1",       "10",  "2E6",   "0.01"};
const char* const kInFile[16] = {"100",     "",   "1.5",     "99",  "1000",   "0.123456789012346",
                                 "-2.5E-7", "0",  "1E300",   "0.5", "100000", "10",
                                 "1",       "10", "2000000", "0.01"};

std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

class StageFileTest : public testing::Test {
  protected:
    StageFileTest() { fs::create_directories(folder); }
    ~StageFileTest() override {
        SetDecimalSeparatorSource(nullptr);
        fs::remove_all(folder);
    }
    fs::path Write(const std::string& text) {
        std::ofstream(folder / u8"к.ou", std::ios::binary) << text;
        return folder / u8"к.ou";
    }

    // A folder per case: ctest runs the cases at the same time.
    const fs::path folder = fs::temp_directory_path() / "ou-stage-file-test" /
                            testing::UnitTest::GetInstance()->current_test_info()->name();
    FakeFormView window;
    RecordingMessageBoxes boxes;
};

class StageRoundTrip : public StageFileTest, public testing::WithParamInterface<char> {};

TEST_P(StageRoundTrip, KeepsEveryCellAndFieldInNormalFormWithAPointInTheFile) {
    const char separator = GetParam();
    if (separator == ',')
        SetDecimalSeparatorSource([] { return U','; });
    std::string expected = "format = ou-stage 1\n";
    for (size_t i = 0; i < 16; ++i) {
        const std::string typed = WithSeparator(kTyped[i], separator);
        (i < 13 ? window.grid[i + 1][1] : window.edits[i - 13]) = typed;
        expected += kKeys[i] + std::string(*kInFile[i] ? " = " : " =") + kInFile[i] + "\n";
    }
    window.logScaleChecked = true;
    const fs::path file = folder / u8"каскад 1.ou";
    const Stage typed = StageFromForm(window, SweepKind::Decade);
    EXPECT_EQ(StageText(typed), expected + "log_scale = 1\nsweep = decade\n");
    ASSERT_EQ(WriteStageFile(file, typed), "");

    FakeFormView opened;
    opened.graphEnabled = true;
    const std::optional<Stage> stage = OpenStage(opened, boxes, file);
    ASSERT_TRUE(stage);
    EXPECT_EQ(stage->Sweep, SweepKind::Decade);
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(i < 13 ? opened.grid[i + 1][1] : opened.edits[i - 13],
                  WithSeparator(kInFile[i], separator))
            << kKeys[i];
    EXPECT_TRUE(opened.logScaleChecked);
    EXPECT_FALSE(opened.graphEnabled);
}

INSTANTIATE_TEST_SUITE_P(Separators, StageRoundTrip, testing::Values('.', ','),
                         [](const auto& info) { return info.param == ',' ? "Comma" : "Point"; });

// The amplifier's phase is written only when lagging, so a file of the program's own leading
// model stays as it always was; either reads back.
TEST(StagePhase, IsWrittenOnlyWhenLaggingAndReadsBack) {
    Stage stage;
    const std::string leading = StageText(stage);
    EXPECT_EQ(leading.find("opamp_phase"), std::string::npos);
    stage.Phase = OpAmpPhase::Lagging;
    const std::string lagging = StageText(stage);
    EXPECT_EQ(lagging, leading + "opamp_phase = lagging\n");
    EXPECT_EQ(ParseStage(lagging, "к.ou").Loaded->Phase, OpAmpPhase::Lagging);
    EXPECT_EQ(ParseStage(leading + "opamp_phase = leading\n", "к.ou").Loaded->Phase,
              OpAmpPhase::Leading);
}

// A refused file's text and its message after "Файл «к.ou»".
const std::string kNotAStage =
    ": это не файл каскада: первой должна стоять строка «format = ou-stage 1»";
struct RefusalCase {
    const char* name;
    std::string text, message;
};
const RefusalCase kRefusals[] = {
    {"NoFormatLine", "# ОУ\nR1 = 100\n", ", строка 2" + kNotAStage},
    {"NewerFormat", "format = ou-stage 2\r\n",
     ", строка 1: «ou-stage 2» — файл записан более новой версией "
     "программы, эта знает только «ou-stage 1»"},
    {"CommaInNumber", "format = ou-stage 1\nR1 = 1\n\n#\nC1 = 1,5\n",
     ", строка 5: «1,5» — не число"},
    {"NumberOutOfRange", "format = ou-stage 1\nk0 = 1E400\n", ", строка 2: «1E400» — не число"},
    {"LongValueCut", "format = ou-stage 1\nf1 = " + std::string(39, 'x') + "ЖЖЖ",
     ", строка 2: «" + std::string(39, 'x') + "Ж…» — не число"},
    {"LogScaleNotBinary", "format = ou-stage 1\nlog_scale = yes\n",
     ", строка 2: «yes» — не 0 и не 1"},
    {"UnknownSweep", "format = ou-stage 1\nsweep = octave\n",
     ", строка 2: «octave» — не linear и не decade"},
    {"UnknownPhase", "format = ou-stage 1\nopamp_phase = real\n",
     ", строка 2: «real» — не leading и не lagging"},
    {"NoEqualsSign", "format = ou-stage 1\nR1 100\n", ", строка 2: «R1 100» — нет знака «=»"},
    {"RepeatedKey", "format = ou-stage 1\nR1 = 1\nR2 = 2\nR1=1\n",
     ", строка 4: «R1» уже задан в строке 2"},
    {"Latin1Text", "format = ou-stage 1\nR1 = 1\n# \xC2\xA0 \xE9t\xE9\n",
     ", строка 3: текст не в кодировке UTF-8"},
    {"Surrogate", "format = ou-stage 1\n# \xED\xA0\x80\n",
     ", строка 2: текст не в кодировке UTF-8"},
    {"TooLarge", "format = ou-stage 1\n#" + std::string(kMaxStageFileSize, ' '),
     " больше 64 КиБ — это не файл каскада"}};

class RefusedStage : public StageFileTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedStage, NamesFileLineAndReasonAndLeavesTheFormAsItWas) {
    window.Type({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}, "a", "b",
                "c");
    window.graphEnabled = true;
    const FakeFormView before = window;
    EXPECT_FALSE(OpenStage(window, boxes, Write(GetParam().text)));
    EXPECT_EQ(boxes.errors, std::vector<std::string>{"Файл «к.ou»" + GetParam().message + "."});
    EXPECT_EQ(window.grid, before.grid);
    EXPECT_EQ(window.edits, before.edits);
    EXPECT_TRUE(window.graphEnabled);
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedStage, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return info.param.name; });

TEST_F(StageFileTest, OpensANewerFileOfTheSameFormatWithCommentsAndCrLf) {
    window.grid[2][1] = "typed before";
    const std::optional<Stage> stage = OpenStage(
        window, boxes,
        Write("\xEF\xBB\xBF# a newer ou\r\n\r\n  format=ou-stage   1\r\nR1=100\r\n"
              "title = усилитель\r\nC1\t=\t10\r\nlog_scale = 1\r\ncolour = 1,5\r\nto = 2E6"));
    ASSERT_TRUE(stage) << boxes.errors.front();
    EXPECT_EQ(window.grid[1][1], "100");
    EXPECT_EQ(window.grid[2][1], ""); // a missing key leaves its cell blank
    EXPECT_EQ(window.grid[6][1], "10");
    EXPECT_EQ(window.edits, (std::array<std::string, 3>{"", "2000000", ""}));
    EXPECT_TRUE(window.logScaleChecked);
    // Filled as it is, and told once what it lacks and what was skipped.
    EXPECT_EQ(
        boxes.messages,
        std::vector<std::string>{
            "Файл «к.ou»: нет строк R2, R3, R4, R5, C2, C3, C4, C5, k0, Rin, f1, from, step — "
            "поля оставлены пустыми; пропущены неизвестные ключи «title» (строка 5), "
            "«colour» (строка 8)."});
}

// What a file that opens says of its keys, to the window and to the command line.
struct KeysCase {
    const char* name;
    std::string lines; // after the format line
    std::string notice, refusal, warnings;
};

const std::string kAllButR4 = "R1 = 1\nR2 = 1\nR3 = 1\nR5 = 1\nC1 = 1\nC2 = 1\nC3 = 1\nC4 = 1\n"
                              "C5 = 1\nk0 = 1\nRin = 1\nf1 = 1\nfrom = 1\nto = 2\n";

const KeysCase kKeyCases[] = {
    {"Complete", kAllButR4 + "R4 = 1\nstep = 1\n", "", "", ""},
    {"OneAbsent", kAllButR4 + "step = 1\n", "Файл «к.ou»: нет строки R4 — поле оставлено пустым.",
     "Файл «к.ou»: нет значения R4.", ""},
    // A blank value is what the program writes for a blank cell: the window says nothing of it.
    {"Blank", kAllButR4 + "R4 =\nstep =\n", "", "Файл «к.ou»: нет значений R4, step.", ""},
    {"MisspeltKey", kAllButR4 + "r4 = 1\nstep = 1\n",
     "Файл «к.ou»: нет строки R4 — поле оставлено пустым; пропущен неизвестный ключ «r4» "
     "(строка 16).",
     "Файл «к.ou»: нет значения R4.",
     "ou: предупреждение: файл «к.ou», строка 16: неизвестный ключ «r4» пропущен\n"},
    {"NewerKeys", kAllButR4 + "R4 = 1\nstep = 1\ntitle = x\nnote = y\n",
     "Файл «к.ou»: пропущены неизвестные ключи «title» (строка 18), «note» (строка 19).", "",
     "ou: предупреждение: файл «к.ou», строка 18: неизвестный ключ «title» пропущен\n"
     "ou: предупреждение: файл «к.ou», строка 19: неизвестный ключ «note» пропущен\n"},
};

class FileKeys : public testing::TestWithParam<KeysCase> {};

TEST_P(FileKeys, AreNamedWhereTheyMatter) {
    const StageReading reading = ParseStage("format = ou-stage 1\n" + GetParam().lines, "к.ou");
    ASSERT_TRUE(reading.Loaded) << reading.Error;
    EXPECT_EQ(OpenedFileNotice(reading, "к.ou"), GetParam().notice);
    EXPECT_EQ(MissingValuesRefusal(reading, "к.ou"), GetParam().refusal);
    EXPECT_EQ(UnknownKeyWarnings(reading, "к.ou"), GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(Table, FileKeys, testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return info.param.name; });

} // namespace
