#include "FakeGraphView.h"
#include "FakeMainView.h"
#include "RecordingMessageBoxes.h"
#include "app/files/StageFile.h"
#include "app/presenters/GraphPresenter.h"
#include "app/presenters/MainPresenter.h"
#include "app/presenters/TableCommands.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

using Texts = std::vector<std::string>;
using Blocks = std::vector<CellBlock>;

// Answers every file dialog with `answer` (empty: cancelled), counts the questions and keeps the
// folder each dialog started in.
class AnsweringChooser final : public FileChooser {
  public:
    std::filesystem::path SaveFileName(const FileRequest& r) override {
        return folders.push_back(r.Folder), ++asked, answer;
    }
    std::filesystem::path OpenFileName(const FileRequest& r) override { return SaveFileName(r); }
    std::filesystem::path answer;
    int asked = 0;
    std::vector<std::filesystem::path> folders;
};

inline const std::string kClipboardBefore = "what the clipboard held";

// The result grid: a selection of blocks and a clipboard that answers `outcome`.
class FakeTableView final : public TableView {
  public:
    std::vector<CellBlock> SelectedBlocks() const override { return selection; }
    void SelectAll() override { selection = {{0, 1, 2, 1000}}; }
    void ClearSelection() override { selection.clear(); }
    ClipboardOutcome PutOnClipboard(const ResultTable& table, const CellBlock& block) override {
        if (outcome == ClipboardOutcome::Copied)
            clipboard = CopyText(table, block);
        return outcome;
    }
    std::vector<CellBlock> selection;
    ClipboardOutcome outcome = ClipboardOutcome::Copied;
    std::string clipboard = kClipboardBefore;
};

// Counts what a paint draws over the background.
class CountingSurface final : public Surface {
  public:
    ClipRect Clip() const override { return {0, 0, 763, 534}; }
    void SetPenStyle(PenStyle) override {}
    void SetPenColor(Rgb) override {}
    void MoveTo(int32_t, int32_t) override { ++marks; }
    void LineTo(int32_t, int32_t) override { ++marks; }
    void TextOut(int32_t, int32_t, std::string_view) override { ++marks; }
    int marks = 0;
};

// The main window's and the graph window's presenters over fake windows, as start-up joins them.
class Presenters : public testing::Test {
  public:
    Presenters() {
        SetDecimalSeparatorSource(nullptr);
        view.form = &form;
    }
    void Calculate(const std::string& from, const std::string& to, const std::string& step) {
        view.Type(kTypicalStage, from, to, step);
        form.Calculate();
    }
    void PressGraph() {
        form.ShowGraph();
        graphView.shown = view.graphShown > 0;
    }
    // The graph window's paint as the toolkit runs it; what it drew over the background.
    int Paint() {
        CountingSurface surface;
        graph.Paint(surface, 771, 568);
        graph.PaintFinished();
        return surface.marks;
    }

    FakeMainView view;
    FakeTableView table;
    RecordingMessageBoxes boxes;
    TurnTakingBoxes boxesInTurn{boxes}; // as the windows share theirs
    AnsweringChooser chooser;
    FakeGraphView graphView;
    StageSession session;
    MainPresenter form{session, view, table, boxesInTurn, chooser};
    GraphPresenter graph{session, graphView, boxesInTurn, chooser};
};

TEST_F(Presenters, CreateWritesHeadingsNamesWidthsAndTheSeparator) {
    SetDecimalSeparatorSource([] { return U','; });
    form.Start();
    EXPECT_EQ((Texts{form.Results().Cell(0, 0), form.Results().Cell(2, 0)}),
              (Texts{"частота, Гц", " |k|, дБ"}));
    EXPECT_EQ((Texts{view.grid[0][0], view.grid[0][1], view.grid[1][0], view.grid[13][0]}),
              (Texts{"параметр", "значение", "R1,кОм", "f1,МГц"}));
    EXPECT_EQ(view.columnWidths, (std::array<int, 2>{92, 104}));
    EXPECT_EQ(view.separatorLabel, "разделитель - ,");
}

TEST_F(Presenters, OneActionOneBox) {
    view.logScaleChecked = true;
    Calculate("10", "100000", "1000");
    PressGraph();
    ASSERT_GT(Paint(), 0);
    // Stopped at 0 Hz; the graph's log10 of −100 Hz fails too, but the user sees one box, and a
    // paint pending while it is up waits for it.
    int drawnDuringBox = -1;
    boxes.whileShown = [&] {
        drawnDuringBox = Paint();
        boxes.whileShown = nullptr;
    };
    const int repaints = graphView.repaints;
    Calculate("-100", "100", "50");
    EXPECT_EQ(boxes.errors, Texts{"Floating point division by zero."});
    EXPECT_EQ(drawnDuringBox, 0);
    EXPECT_GT(graphView.repaints, repaints);
    EXPECT_EQ(Paint(), 0);
    EXPECT_EQ(boxes.errors.size(), 1u);
    // "график" pressed: the paint's failure is this action's only fault, shown once.
    PressGraph();
    Paint();
    Paint();
    EXPECT_EQ(boxes.errors,
              (Texts{"Floating point division by zero.", "Invalid floating point operation."}));
}

// The graph open over a curve it cannot draw (log10 of −95 Hz), then another action's box: the
// graph uncovered under it paints, and its failure waits for the box to close.
TEST_F(Presenters, PaintFailureWaitsForAnotherActionsBox) {
    view.logScaleChecked = true;
    Calculate("-95", "100", "50");
    ASSERT_TRUE(boxes.errors.empty());
    PressGraph();
    size_t shownDuringBox = 99;
    boxes.whileShown = [&] {
        boxes.whileShown = nullptr;
        Paint();
        shownDuringBox = boxes.errors.size();
    };
    form.OpenAtStart(std::filesystem::temp_directory_path() / "ou-presenters-no-such.ou");
    EXPECT_EQ(shownDuringBox, 1u);
    ASSERT_EQ(boxes.errors.size(), 2u);
    EXPECT_EQ(boxes.errors[1], "Invalid floating point operation.");
    Paint();
    EXPECT_EQ(boxes.errors.size(), 2u);
}

TEST_F(Presenters, SaveDialogsStartWhereTheLastFileWas) {
    namespace fs = std::filesystem;
    const fs::path stageFolder = fs::temp_directory_path() / "ou-presenters-folders" / "stage";
    const fs::path other = stageFolder.parent_path() / "pictures";
    fs::create_directories(stageFolder);
    fs::create_directories(other);
    ASSERT_EQ(WriteStageFile(stageFolder / "s.ou", Stage{}), "");
    form.OpenAtStart(stageFolder / "s.ou");
    form.ResultCommands().Save();
    graph.SavePicture();
    chooser.answer = other / "p.png";
    graphView.png = "png";
    graph.SavePicture();
    chooser.answer.clear();
    form.ResultCommands().Save();
    form.Open();
    EXPECT_EQ(chooser.folders,
              (std::vector<fs::path>{stageFolder, stageFolder, stageFolder, other, other}));
    fs::remove_all(stageFolder.parent_path());
}

// Label5 is 213 pixels wide, EdDo starts 64 and EdDf 152 pixels from its left edge: each word
// stands over its field where it fits, the decade's full words only in a narrow font.
TEST_F(Presenters, SweepLabelFitsLabel5AndNamesTheFieldInFull) {
    const auto blanks = [](size_t n) { return std::string(n, ' '); };
    view.characterWidth = 9;
    form.UseDecadeSweep();
    EXPECT_EQ(view.sweepLabel, "от" + blanks(5) + "до" + blanks(4) + "точек/дек.");
    EXPECT_EQ(view.sweepFieldName, "точек на декаду");
    view.characterWidth = 3;
    form.UseDecadeSweep();
    EXPECT_EQ(view.sweepLabel, "от" + blanks(19) + "до" + blanks(27) + "точек на декаду");
    form.UseLinearSweep();
    EXPECT_EQ(view.sweepLabel, "от" + blanks(19) + "до" + blanks(27) + "с  шагом");
    EXPECT_EQ(view.sweepFieldName, "шаг, Гц");
}

TEST_F(Presenters, RefusedCalculationLeavesTheGraphAsItWas) {
    Calculate("10", "1000", "10");
    PressGraph();
    const int drawn = Paint(), repaints = graphView.repaints;
    Calculate("10", "1000", "-5");
    EXPECT_EQ(view.messages, Texts{"шаг f=-5?..нельзя"});
    EXPECT_EQ(graphView.repaints, repaints);
    EXPECT_EQ(Paint(), drawn);
}

TEST_F(Presenters, GraphButtonCopiesTheCheckBox) {
    Calculate("10", "1000", "10");
    for (const bool checked : {true, false, true}) {
        view.logScaleChecked = checked;
        PressGraph();
        EXPECT_EQ(form.LogScale(), checked);
    }
}

// What replaces the rows shown: the old selection no longer means them.
struct Replacing {
    const char* name;
    void (*act)(Presenters&, MainPresenter&);
    int filledRows;
    bool valuesKept;
};

class RowsReplaced : public Presenters, public testing::WithParamInterface<Replacing> {};

TEST_P(RowsReplaced, ClearTheSelection) {
    Calculate("10", "100", "10");
    table.selection = {{0, 1, 2, 5}};
    GetParam().act(*this, form);
    EXPECT_TRUE(table.selection.empty());
    EXPECT_EQ(form.Results().FilledRows(), GetParam().filledRows);
    EXPECT_EQ(view.graphEnabled, GetParam().filledRows > 0);
    EXPECT_EQ(view.grid[1][1], GetParam().valuesKept ? "100" : "");
    // The graph keeps the last calculation's curve until the next one.
    EXPECT_EQ(graph.Result().Computed, GetParam().filledRows > 0 ? GetParam().filledRows : 10);
}

const Replacing kReplacing[] = {
    {"Reset", [](Presenters&, MainPresenter& form) { form.Reset(); }, 0, false},
    {"Edit", [](Presenters&, MainPresenter& form) { form.ParameterEdited(1, 4, "9"); }, 0, true},
    {"NewResult", [](Presenters& p, MainPresenter&) { p.Calculate("10", "30", "10"); }, 3, true},
};
INSTANTIATE_TEST_SUITE_P(MainPresenter, RowsReplaced, testing::ValuesIn(kReplacing),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Presenters, SavedPictureIsThePngOrTheReason) {
    const struct {
        std::string png;
        Texts errors;
    } rows[] = {{"\x89PNG\r\n", {}}, {"", {kPictureNotEncoded}}};
    chooser.answer = std::filesystem::temp_directory_path() / "ou-graph-test.png";
    for (const auto& row : rows) {
        std::filesystem::remove(chooser.answer);
        boxes.errors.clear();
        graphView.png = row.png;
        graph.SavePicture();
        EXPECT_EQ(boxes.errors, row.errors);
        std::ifstream file(chooser.answer, std::ios::binary);
        EXPECT_EQ(file.is_open(), !row.png.empty());
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), row.png);
    }
    std::filesystem::remove(chooser.answer);
}

TEST_F(Presenters, CharacteristicPointsNeedComputedRows) {
    const Command<GraphPresenter>& points = GraphPresenter::Table()[2];
    ASSERT_STREQ(points.Text, kCharacteristicPointsCommand);
    EXPECT_FALSE(IsEnabled(graph, points));
    RunCommand(graph, points);
    EXPECT_EQ(graph.Readout({0, 0, 763, 534}, 30), std::nullopt);
    Calculate("10", "100", "10");
    EXPECT_TRUE(IsEnabled(graph, points));
    RunCommand(graph, points);
    EXPECT_EQ(boxes.messages.size(), 1u);
    // The readout at the chart's left names the first frequency.
    EXPECT_EQ(graph.Readout({0, 0, 763, 534}, 0).value_or("").rfind("f = 10 Гц,", 0), 0u);
}

// The keys' marker reads as the pointer does at the marker, drawn by the paint until the next
// calculation.
TEST_F(Presenters, GraphMarkerReadsAsThePointerUntilTheNextCalculation) {
    Calculate("10", "1000", "10");
    const int unmarked = Paint();
    graph.MoveMarker(MarkerStep::TenOn, {0, 0, 763, 534});
    const auto [text, at] = graphView.marker;
    EXPECT_EQ(text.rfind("f = 10 Гц,", 0), 0u);
    EXPECT_EQ(graph.Readout({0, 0, 763, 534}, at.X), text);
    EXPECT_GT(Paint(), unmarked);
    Calculate("10", "1000", "10");
    EXPECT_EQ(graphView.marker.first, "");
    EXPECT_EQ(Paint(), unmarked);
}

auto Fields(const std::optional<CellBlock>& b) {
    return b ? std::tuple(b->FirstColumn, b->FirstRow, b->LastColumn, b->LastRow)
             : std::tuple(-1, -1, -1, -1);
}

struct RectangleCase {
    const char* name;
    Blocks blocks;
    std::optional<CellBlock> rectangle;
};

class SingleRectangleOf : public testing::TestWithParam<RectangleCase> {};

TEST_P(SingleRectangleOf, Blocks) {
    EXPECT_EQ(Fields(SingleRectangle(GetParam().blocks)), Fields(GetParam().rectangle));
}

INSTANTIATE_TEST_SUITE_P(
    TableCommands, SingleRectangleOf,
    testing::Values(RectangleCase{"One", {{0, 1, 2, 3}}, CellBlock{0, 1, 2, 3}},
                    RectangleCase{"Adjacent", {{0, 1, 0, 3}, {1, 1, 2, 3}}, CellBlock{0, 1, 2, 3}},
                    RectangleCase{
                        "Overlapping", {{0, 1, 1, 3}, {1, 1, 2, 3}}, CellBlock{0, 1, 2, 3}},
                    RectangleCase{"LShape", {{0, 1, 0, 3}, {1, 3, 2, 3}}, std::nullopt},
                    RectangleCase{"Disjoint", {{0, 1, 0, 1}, {2, 3, 2, 3}}, std::nullopt},
                    RectangleCase{"Empty", {}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Presenters, CopyTakesNothingButOneRectangleOfFilledRows) {
    Calculate("10", "30", "10");
    table.selection = {{0, 1, 0, 3}, {1, 3, 2, 3}};
    form.ResultCommands().Copy();
    EXPECT_EQ(boxes.messages, Texts{kCopyNotRectangle});
    EXPECT_EQ(table.clipboard, kClipboardBefore);
    table.selection = {{0, 2, 0, 5}};
    form.ResultCommands().Copy();
    EXPECT_EQ(table.clipboard, "20\n30");
}

TEST_F(Presenters, EachClipboardAnswerGivesItsMessage) {
    const std::pair<ClipboardOutcome, Texts> rows[] = {
        {ClipboardOutcome::Copied, {}},
        {ClipboardOutcome::OutOfMemory, {kCopyNoMemory}},
        {ClipboardOutcome::Busy, {kCopyClipboardBusy}}};
    Calculate("10", "30", "10");
    table.selection = {{0, 1, 2, 1}};
    for (const auto& [outcome, errors] : rows) {
        boxes.errors.clear();
        table.outcome = outcome;
        form.ResultCommands().Copy();
        EXPECT_EQ(boxes.errors, errors);
    }
}

TEST_F(Presenters, WithoutResultsTheTableCommandsDoNothing) {
    table.selection = {{0, 1, 0, 1}};
    for (const Command<TableCommands>& command : TableCommands::Table())
        RunCommand(form.ResultCommands(), command);
    EXPECT_EQ(table.selection.size(), 1u);
    EXPECT_EQ(table.clipboard, kClipboardBefore);
    EXPECT_EQ(chooser.asked, 0);
}

TEST_F(Presenters, TableSaveCancelledOrFailing) {
    Calculate("10", "30", "10");
    form.ResultCommands().Save();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_TRUE(boxes.errors.empty());
    chooser.answer = std::filesystem::temp_directory_path() / "нет такой" / "таблица.csv";
    form.ResultCommands().Save();
    ASSERT_EQ(boxes.errors.size(), 1u);
    EXPECT_NE(boxes.errors[0].find("»: такой папки нет."), std::string::npos) << boxes.errors[0];
}

} // namespace
