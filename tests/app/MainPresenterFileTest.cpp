#include "FakeFileParts.h"
#include "FakeGraphView.h"
#include "FakeMainView.h"
#include "FakeSpreadView.h"
#include "RecordingMessageBoxes.h"
#include "app/files/CommandLine.h"
#include "app/session/StagePresenters.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

struct MemoryStore final : RecentFilesStore {
    std::vector<fs::path> Load() override { return files; }
    void Store(const std::vector<fs::path>& list) override { files = list; }
    std::vector<fs::path> files;
};

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool Holds(const fs::path& path, const std::string& line) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {}).find(line) != std::string::npos;
}

class MainFormFiles : public testing::Test {
  protected:
    MainFormFiles() {
        SetDecimalSeparatorSource(nullptr);
        fs::remove_all(folder);
        fs::create_directories(folder);
        view.form = &form;
        form.Start();
        std::ofstream(stage, std::ios::binary)
            << "format = ou-stage 1\nR1 = 100\nfrom = 10\nto = 1E3\nstep = 10\n";
        std::ofstream(folder / PathFromUtf8("чужой.ou"), std::ios::binary) << "R1 = 1\n";
    }
    ~MainFormFiles() override { fs::remove_all(folder); }
    void Edit(const std::string& r1) {
        view.grid[1][1] = r1;
        form.ParameterEdited(1, 1, r1);
    }
    void Run(const char* text) {
        for (const Command<StagePresenters>& command : StagePresenters::Table())
            if (std::string(command.Text) == text)
                RunCommand(presenters, command);
    }

    // A folder per case: ctest runs the cases at the same time.
    const fs::path folder = fs::temp_directory_path() / PathFromUtf8("ou тест меню файла") /
                            testing::UnitTest::GetInstance()->current_test_info()->name();
    const fs::path stage = folder / PathFromUtf8("каскад 1.ou");
    FakeMainView view;
    NoTable table;
    RecordingMessageBoxes boxes;
    Chooser chooser;
    MemoryStore store;
    StagePresenters presenters{boxes};
    MainPresenter& form = presenters.MakeMain(view, table, chooser);
};

TEST_F(MainFormFiles, OpenFillsTheFormNamesTheFileAndRemembersIt) {
    store.files = {folder / PathFromUtf8("прежний.ou")};
    form.SetRecentFilesStore(store);
    view.Type(kTypicalStage, "10", "100", "10");
    form.Calculate();
    ASSERT_GT(form.Results().FilledRows(), 0);
    chooser.answer = stage;
    boxes.answer = Answer::No;
    Run(kOpenCommand);
    EXPECT_EQ(boxes.questions, Texts{kSaveChangesToNewStage});
    EXPECT_EQ(chooser.asked.at(0).Folder, folder); // where the last stage file was
    EXPECT_EQ(view.edits, (std::array<std::string, 3>{"10", "1000", "10"}));
    EXPECT_EQ(view.caption, "каскад 1.ou — ОУ");
    EXPECT_EQ(form.Results().FilledRows(), 0);
    EXPECT_EQ(store.files, (std::vector<fs::path>{stage, folder / PathFromUtf8("прежний.ou")}));
}

TEST_F(MainFormFiles, TheMarkFollowsEditsAndSaveClearsIt) {
    form.OpenAtStart(stage);
    Edit("5");
    EXPECT_EQ(view.caption, "*каскад 1.ou — ОУ");
    // A refused file leaves the form, the caption and the file as they were.
    chooser.answer = folder / PathFromUtf8("чужой.ou");
    boxes.answer = Answer::No;
    Run(kOpenCommand);
    EXPECT_EQ(boxes.errors.size(), 1u);
    EXPECT_EQ(view.grid[1][1], "5");
    EXPECT_EQ(view.caption, "*каскад 1.ou — ОУ");
    EXPECT_EQ(form.File(), stage);
    Edit("100.0"); // the file's number again
    EXPECT_EQ(view.caption, "каскад 1.ou — ОУ");
    Edit("5");
    Run(kSaveCommand);
    EXPECT_EQ(chooser.asked.size(), 1u); // only the open's
    EXPECT_TRUE(Holds(stage, "R1 = 5\n"));
    EXPECT_EQ(view.caption, "каскад 1.ou — ОУ");
}

TEST_F(MainFormFiles, SaveWithoutAFileAsksForOneAndKeepsTheSweep) {
    Edit("5");
    Run(kDecadeSweepCommand);
    EXPECT_EQ(view.sweepFieldName, kPointsPerDecadeFieldName);
    EXPECT_EQ(view.caption, "ОУ");
    chooser.answer = folder / PathFromUtf8("новый");
    Run(kSaveCommand);
    EXPECT_EQ(chooser.asked.at(0).Caption, kSaveStageCaption);
    const fs::path saved = folder / PathFromUtf8("новый.ou"); // the extension added
    EXPECT_TRUE(Holds(saved, "R1 = 5\n") && Holds(saved, "sweep = decade\n"));
    EXPECT_EQ(view.caption, "новый.ou — ОУ");
    Run(kLinearSweepCommand);
    EXPECT_EQ(view.caption, "*новый.ou — ОУ");
    chooser.answer.clear();
    Run(kSaveAsCommand);
    EXPECT_EQ(chooser.asked.at(1).Folder, folder);
    form.OpenAtStart(saved);
    EXPECT_TRUE(form.DecadeSweep());
    EXPECT_EQ(view.sweepFieldName, kPointsPerDecadeFieldName);
}

// The amplifier's phase is the stage's: switching it makes the results another stage's and marks
// the stage changed; it is saved and opened with the stage, and "расчет" computes with it.
TEST_F(MainFormFiles, LaggingPhaseIsTheStagesAndClearsItsResults) {
    view.Type(kTypicalStage, "20000", "20000", "1");
    view.grid[10][1] = "100"; // C5
    form.Calculate();
    EXPECT_EQ(form.Results().Cell(1, 1).substr(0, 5), "78.72");
    Run(kLaggingPhaseCommand);
    EXPECT_TRUE(form.LaggingPhase());
    EXPECT_FALSE(form.HasResults());
    form.Calculate();
    EXPECT_EQ(form.Results().Cell(1, 1).substr(0, 5), "29.43");
    chooser.answer = stage;
    Run(kSaveAsCommand);
    EXPECT_TRUE(Holds(stage, "sweep = linear\nopamp_phase = lagging\n"));
    Run(kLaggingPhaseCommand);
    EXPECT_EQ(view.caption, "*каскад 1.ou — ОУ");
    form.OpenAtStart(stage);
    EXPECT_TRUE(form.LaggingPhase());
}

// "расчет" writes each cell back in normal form; where that makes another stage than the file's,
// the caption says so.
struct RewriteCase {
    const char* name;
    const char* r4; // typed and saved; the rest is the typical stage
    const char* mark;
};

class CaptionAfterCalculation : public MainFormFiles,
                                public testing::WithParamInterface<RewriteCase> {};

TEST_P(CaptionAfterCalculation, FollowsTheRewrittenCells) {
    view.Type(kTypicalStage, "10", "1000", "10");
    view.grid[4][1] = GetParam().r4;
    chooser.answer = stage;
    Run(kSaveAsCommand);
    ASSERT_EQ(view.caption, "каскад 1.ou — ОУ");
    form.Calculate();
    EXPECT_EQ(view.caption, GetParam().mark + std::string("каскад 1.ou — ОУ"));
    EXPECT_EQ(form.Modified(), *GetParam().mark != '\0');
}

INSTANTIATE_TEST_SUITE_P(MainPresenter, CaptionAfterCalculation,
                         testing::Values(RewriteCase{"NormalFormStaysTheStage", "99.0", ""},
                                         RewriteCase{"BlankReadsZero", "", "*"},
                                         RewriteCase{"DigitsPastTheSeventeenthRounded",
                                                     "45419459438814808", "*"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The analysis's settings a file holds survive an open, an edit and a save in the window.
TEST_F(MainFormFiles, SaveKeepsTheFilesAnalysisSettings) {
    std::ofstream(stage, std::ios::app) << "tolerance_R4 = 5\ndistribution = normal\n";
    form.OpenAtStart(stage);
    Edit("5");
    Run(kSaveCommand);
    EXPECT_TRUE(Holds(stage, "R1 = 5\n"));
    EXPECT_TRUE(Holds(stage, "tolerance_R4 = 5\n"));
    EXPECT_TRUE(Holds(stage, "distribution = normal\n"));
}

// What the window saves besides the stage: the table, the graph's picture, the analysis's band.
struct SaveBesideCase {
    const char* name;
    std::function<void(MainPresenter&, GraphPresenter&, SpreadPresenter&)> save;
    std::string reason;
    std::string newFileHolds;
};

class SaveBesideTheStage : public MainFormFiles,
                           public testing::WithParamInterface<SaveBesideCase> {};

TEST_P(SaveBesideTheStage, OverTheOpenStageFileIsRefused) {
    FakeGraphView graphView;
    graphView.png = "PNG";
    GraphPresenter& graph = presenters.MakeGraph(graphView, chooser);
    FakeSpreadView spreadView;
    SpreadPresenter& spread = presenters.MakeSpread(spreadView, chooser);
    form.OpenAtStart(stage);
    view.Type(kTypicalStage, "10", "1000", "10");
    SpreadFields fields = FieldsFromSettings({});
    fields.Trials = "10";
    spread.Accept(fields);
    while (spread.Running())
        spread.Poll();
    ASSERT_GT(form.Results().FilledRows(), 0);
    ASSERT_TRUE(spread.HasBand());
    // Under another spelling of the same name.
    chooser.answer = folder / "." / stage.filename();
    GetParam().save(form, graph, spread);
    EXPECT_EQ(boxes.errors,
              Texts{"Не удалось сохранить «" + Utf8(chooser.answer) + "»: " + GetParam().reason});
    EXPECT_TRUE(Holds(stage, "format = ou-stage 1\n"));
    chooser.answer = folder / PathFromUtf8("другой файл");
    GetParam().save(form, graph, spread);
    EXPECT_EQ(boxes.errors.size(), 1u);
    EXPECT_TRUE(Holds(chooser.answer, GetParam().newFileHolds));
    presenters.DropGraph();
    presenters.DropSpread();
}

INSTANTIATE_TEST_SUITE_P(
    Saves, SaveBesideTheStage,
    testing::Values(
        SaveBesideCase{"Table",
                       [](MainPresenter& f, GraphPresenter&, SpreadPresenter&) { f.SaveTable(); },
                       "это открытый файл каскада — таблица заменила бы его.", "частота"},
        SaveBesideCase{"Picture",
                       [](MainPresenter&, GraphPresenter& g, SpreadPresenter&) { g.SavePicture(); },
                       "это открытый файл каскада — рисунок заменил бы его.", "PNG"},
        SaveBesideCase{"Band",
                       [](MainPresenter&, GraphPresenter&, SpreadPresenter& s) { s.SaveBand(); },
                       "это открытый файл каскада — разброс заменил бы его.", "номинал"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CloseCase {
    const char* name;
    bool edited, withFile;
    Answer answer;
    bool closes;
    const char* question; // "" for none
    const char* savedR1;  // what the file holds after
};

const char* const kAsked = "Сохранить изменения в «каскад 1.ou»?";
class QueryCloseWith : public MainFormFiles, public testing::WithParamInterface<CloseCase> {};

TEST_P(QueryCloseWith, ItsAnswer) {
    const CloseCase& c = GetParam();
    if (c.withFile)
        form.OpenAtStart(stage);
    if (c.edited)
        Edit("7");
    boxes.answer = c.answer;
    EXPECT_EQ(form.QueryClose(), c.closes);
    EXPECT_EQ(boxes.questions, *c.question ? Texts{c.question} : Texts{});
    EXPECT_EQ(chooser.asked.size(), !c.withFile && c.answer == Answer::Yes ? 1u : 0u);
    EXPECT_EQ(Holds(stage, std::string("R1 = ") + c.savedR1 + "\n"), c.withFile);
}

INSTANTIATE_TEST_SUITE_P(
    MainPresenter, QueryCloseWith,
    testing::Values(CloseCase{"Unchanged", false, true, Answer::Cancel, true, "", "100"},
                    CloseCase{"YesSaves", true, true, Answer::Yes, true, kAsked, "7"},
                    CloseCase{"YesButDialogCancelled", true, false, Answer::Yes, false,
                              kSaveChangesToNewStage, ""},
                    CloseCase{"NoClosesUnsaved", true, true, Answer::No, true, kAsked, "100"},
                    CloseCase{"CancelKeepsAll", true, true, Answer::Cancel, false, kAsked, "100"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormFiles, RecentFileGoneIsRemovedWithAMessage) {
    store.files = {folder / PathFromUtf8("нет.ou"), stage};
    form.SetRecentFilesStore(store);
    form.OpenRecent(0);
    EXPECT_EQ(boxes.errors, Texts{"Файл «нет.ou» не найден; он убран из списка."});
    EXPECT_EQ(store.files, std::vector<fs::path>{stage});
    form.OpenRecent(0);
    EXPECT_EQ(form.File(), stage);
}

} // namespace
