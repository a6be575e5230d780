#include "app/spread/SpreadPresenter.h"

#include "FakeFileParts.h"
#include "FakeMainView.h"
#include "FakeSpreadView.h"
#include "RecordingMessageBoxes.h"
#include "app/files/CommandLine.h"
#include "app/files/StageFile.h"
#include "app/files/StageForm.h"
#include "app/session/StagePresenters.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadReport.h"
#include "app/spread/SpreadResults.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

SpreadFields DefaultFields() {
    return FieldsFromSettings(SpreadSettings{});
}

// ---- The dialog's fields, read and refused as the main window refuses a cell.

struct FieldsCase {
    const char* name;
    std::function<void(SpreadFields&)> type;
    std::string refusal; // empty: accepted
    int field;           // the refused field's control, which takes the focus; 0: none
};

class DialogFields : public testing::TestWithParam<FieldsCase> {};

TEST_P(DialogFields, AreRefusedNamingTheField) {
    SetDecimalSeparatorSource([]() -> char32_t { return U','; });
    SpreadFields fields = DefaultFields();
    GetParam().type(fields);
    const SpreadFieldsReading reading = SettingsFromFields(fields);
    SetDecimalSeparatorSource(nullptr);
    EXPECT_EQ(reading.Refusal, GetParam().refusal);
    EXPECT_EQ(reading.Settings.has_value(), GetParam().refusal.empty());
    EXPECT_EQ(reading.Field, GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Spread, DialogFields,
    testing::Values(
        FieldsCase{"ToleranceNotANumber", [](auto& f) { f.Tolerances[3] = "пять"; },
                   "допуск R4=пять?..нужно число от 0 до 100, не включая 100",
                   kFirstToleranceId + 3},
        FieldsCase{"ToleranceOfAHundred", [](auto& f) { f.Tolerances[5] = "100"; },
                   "допуск C1=100?..нужно число от 0 до 100, не включая 100",
                   kFirstToleranceId + 5},
        FieldsCase{"ToleranceShownAsAHundred",
                   [](auto& f) { f.Tolerances[0] = "99,999999999999986"; },
                   "допуск R1=100?..нужно число от 0 до 100, не включая 100", kFirstToleranceId},
        FieldsCase{"ToleranceWithTheUsersSeparator", [](auto& f) { f.Tolerances[0] = "0,5"; }, "",
                   0},
        FieldsCase{"NoTrials", [](auto& f) { f.Trials = "0"; },
                   "испытаний 0?..нужно целое от 1 до 100000", kTrialsEdit.Id},
        FieldsCase{"NegativeSeed", [](auto& f) { f.Seed = "-1"; },
                   "начальное число -1?..нужно целое от 0 до 18446744073709551615", kSeedEdit.Id},
        FieldsCase{"LimitNotANumber", [](auto& f) { f.Limits[2] = "x"; },
                   "усиление не меньше, дБ=x?..нужно число или пусто", kFirstLimitId + 2},
        FieldsCase{"EdgeLimitNotAboveZero", [](auto& f) { f.Limits[4] = "-0,5"; },
                   "нижняя граница не выше -0,5 Гц?..нужна частота больше 0", kFirstLimitId + 4},
        FieldsCase{"LimitRangeReversed",
                   [](auto& f) {
                       f.Limits[0] = "1000";
                       f.Limits[1] = "10";
                   },
                   kLimitRangeReversed, kFirstLimitId + 1},
        FieldsCase{"LimitGainReversed",
                   [](auto& f) {
                       f.Limits[2] = "20";
                       f.Limits[3] = "10";
                   },
                   kLimitGainReversed, kFirstLimitId + 3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The presenter with the main window's.

class SpreadPresenterTest : public testing::Test {
  protected:
    SpreadPresenterTest() {
        SetDecimalSeparatorSource(nullptr);
        fs::create_directories(folder);
        view.form = &form;
        form.Start();
        view.Type(kTypicalStage, "10", "1000", "10");
    }
    ~SpreadPresenterTest() override { fs::remove_all(folder); }

    // OK in the dialog with `fields`; the run waited for with the clock standing still.
    bool Accept(const SpreadFields& fields) {
        const bool closes = spread.Accept(fields);
        while (spread.Running()) {
            spread.Poll();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return closes;
    }
    void Run(const char* text) {
        for (const Command<StagePresenters>& command : StagePresenters::Table())
            if (std::string(command.Text) == text)
                RunCommand(presenters, command);
    }
    bool Enabled(const char* text) {
        for (const Command<StagePresenters>& command : StagePresenters::Table())
            if (std::string(command.Text) == text)
                return IsEnabled(presenters, command);
        return false;
    }

    const fs::path folder = fs::temp_directory_path() / PathFromUtf8("ou тест разброса") /
                            testing::UnitTest::GetInstance()->current_test_info()->name();
    double now = 0; // s, the presenter's clock
    FakeMainView view;
    NoTable table;
    RecordingMessageBoxes boxes;
    Chooser chooser;
    FakeSpreadView spreadView;
    StagePresenters presenters{boxes, [this] { return now; }};
    StageSession& session = presenters.Session();
    MainPresenter& form = presenters.MakeMain(view, table, chooser);
    SpreadPresenter& spread = presenters.MakeSpread(spreadView, chooser);
};

TEST_F(SpreadPresenterTest, TheMenuItemOpensTheDialogWithTheSettingsKept) {
    SpreadSettings kept;
    kept.Trials = 77;
    session.SetSettings(kept);
    Run(kSpreadCommand);
    ASSERT_EQ(spreadView.opened.size(), 1u);
    EXPECT_EQ(spreadView.opened[0], FieldsFromSettings(kept));
    EXPECT_FALSE(Enabled(kSaveSpreadCommand));
    // Windows that bind no dialog show the item greyed.
    EXPECT_TRUE(Enabled(kSpreadCommand));
    presenters.DropSpread();
    EXPECT_FALSE(Enabled(kSpreadCommand));
    presenters.MakeSpread(spreadView, chooser);
    // A refused field keeps the dialog open and the settings as they were.
    SpreadFields fields = DefaultFields();
    fields.Trials = "много";
    EXPECT_FALSE(Accept(fields));
    EXPECT_EQ(boxes.messages, Texts{"испытаний много?..нужно целое от 1 до 100000"});
    EXPECT_EQ(spreadView.focused, std::vector{kTrialsEdit.Id});
    EXPECT_EQ(session.Settings(), kept);
    // Accepted, the dialog's settings replace the analysis's, and leave the design's be.
    kept.Design.CapacitorSeries = StandardSeries::E24;
    session.SetSettings(kept);
    fields.Trials = "5";
    EXPECT_TRUE(Accept(fields));
    EXPECT_EQ(session.Settings().Trials, 5);
    EXPECT_EQ(session.Settings().Design, kept.Design);
}

// A box that comes unasked (the graph's paint failure) waits for every window of the analysis.
TEST_F(SpreadPresenterTest, ABoxThatComesUnaskedWaitsForTheDialogAndBoxes) {
    TurnTakingBoxes inTurn{boxes};
    SpreadPresenter analysis{session, spreadView, inTurn, chooser, [this] { return now; }};
    int shown = 0;
    const auto unasked = [&] { inTurn.WhenNoneUp([&] { ++shown; }); };
    spreadView.whileDialogUp = unasked;
    analysis.Open();
    EXPECT_EQ(shown, 1); // once the dialog had closed

    view.edits = {"10", "100000", "10"};
    SpreadFields fields = DefaultFields();
    fields.Trials = "100000";
    ASSERT_TRUE(analysis.Accept(fields));
    now = kProgressAfter;
    analysis.Poll();
    ASSERT_EQ(spreadView.progress.size(), 1u);
    unasked();
    EXPECT_EQ(shown, 1);
    analysis.CancelRun();
    EXPECT_EQ(shown, 2);

    fields.Trials = "10";
    analysis.Accept(fields);
    while (analysis.Running())
        analysis.Poll();
    ASSERT_EQ(spreadView.results.size(), 1u);
    unasked();
    EXPECT_EQ(shown, 2);
    analysis.ResultsClosed();
    EXPECT_EQ(shown, 3);
}

struct StageRefusalCase {
    const char* name;
    std::function<void(FakeMainView&, SpreadFields&)> type;
    std::string message;
};

class SpreadStageRefusal : public SpreadPresenterTest,
                           public testing::WithParamInterface<StageRefusalCase> {};

// "расчет" refuses in the window's message line; the analysis's own refusal comes as a box.
TEST_P(SpreadStageRefusal, IsToldOnceAndRunsNothing) {
    SpreadFields fields = DefaultFields();
    GetParam().type(view, fields);
    EXPECT_TRUE(Accept(fields));
    Texts told = view.messages;
    told.insert(told.end(), boxes.messages.begin(), boxes.messages.end());
    EXPECT_EQ(told, Texts{GetParam().message});
    EXPECT_TRUE(boxes.errors.empty());
    EXPECT_FALSE(spreadView.polling);
    EXPECT_FALSE(spread.HasBand());
}

INSTANTIATE_TEST_SUITE_P(
    Spread, SpreadStageRefusal,
    testing::Values(StageRefusalCase{"AsCalculationRefusesIt",
                                     [](auto& v, auto&) { v.grid[1][1] = "0,0"; },
                                     "что, в самом деле вход закорочен?"},
                    // The sweep 10 … 1000 Hz cannot judge the edge.
                    StageRefusalCase{"AnEdgeLimitBeyondTheSweep",
                                     [](auto&, auto& f) { f.Limits[5] = "2000"; },
                                     "верхняя граница не ниже 2000 Гц: выше "
                                     "конца диапазона 1000 Гц"},
                    StageRefusalCase{"TooManyTrialsForTheSweep",
                                     [](auto& v, auto& f) {
                                         v.edits = {"10", "100010", "10"};
                                         f.Trials = "100000";
                                     },
                                     kTooManyTrialGains}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpreadPresenterTest, ARunLeavesTheBandAndShowsItsResults) {
    EXPECT_TRUE(Accept(DefaultFields()));
    ASSERT_TRUE(spread.HasBand());
    EXPECT_TRUE(boxes.messages.empty() && boxes.errors.empty());
    EXPECT_EQ(spread.Band()->Trials, kDefaultTrials);
    EXPECT_EQ(spread.Band()->Frequencies.size(), 100u);
    // "расчет" ran first, as the button runs it: the band lies under the table's stage.
    EXPECT_TRUE(form.ResultsCurrent());
    EXPECT_EQ(spread.Band()->NominalRatio, form.Result().Ratio);
    EXPECT_TRUE(spreadView.progress.empty()); // the clock stood still: no progress box
    EXPECT_EQ(spreadView.results, Texts{SpreadResultsText(*spread.Band())});
    EXPECT_EQ(spreadView.shown, spread.Band());
    EXPECT_FALSE(spreadView.polling);
    EXPECT_TRUE(Enabled(kSaveSpreadCommand));

    spreadView.clipboardBusy = true;
    spread.CopyResults();
    EXPECT_EQ(boxes.errors,
              Texts{"Не удалось скопировать итоги: буфер обмена занят другой программой."});
    spreadView.clipboardBusy = false;
    spread.CopyResults();
    EXPECT_EQ(spreadView.clipboard, spreadView.results[0]);
    chooser.answer = folder / PathFromUtf8("разброс.csv");
    Run(kSaveSpreadCommand);
    EXPECT_EQ(chooser.asked.at(0).Caption, kSaveSpreadCaption);
    EXPECT_EQ(FileText(chooser.answer), SpreadCsvText(*spread.Band()));
}

TEST_F(SpreadPresenterTest, ALongRunShowsProgressAndCancelKeepsThePreviousBand) {
    view.edits = {"10", "100000", "10"};
    Accept(DefaultFields());
    const std::shared_ptr<const SpreadResult> previous = spread.Band();
    ASSERT_NE(previous, nullptr);
    SpreadFields fields = DefaultFields();
    fields.Trials = "100000"; // 10^9 gains: seconds of work
    ASSERT_TRUE(spread.Accept(fields));
    now = kProgressAfter / 2;
    spread.Poll();
    EXPECT_TRUE(spreadView.progress.empty());
    now = kProgressAfter;
    spread.Poll();
    EXPECT_EQ(spreadView.progress.size(), 1u);
    spread.CancelRun();
    EXPECT_FALSE(spread.Running());
    EXPECT_FALSE(spreadView.polling);
    EXPECT_EQ(spreadView.progressClosed, 1);
    EXPECT_EQ(spread.Band(), previous);
    EXPECT_EQ(spreadView.results.size(), 1u);
}

TEST_F(SpreadPresenterTest, AnotherKindOfSweepChosenSinceTheCalculationIsCalculatedAnew) {
    form.Calculate();
    Run(kDecadeSweepCommand);
    ASSERT_FALSE(form.ResultsCurrent());
    Accept(DefaultFields());
    ASSERT_TRUE(spread.HasBand());
    EXPECT_EQ(form.Result().Entered.Sweep, SweepKind::Decade);
    EXPECT_EQ(spread.Band()->Frequencies, form.Result().Frequencies);
}

// A sweep typed since then that "расчет" refuses: its box alone, no analysis of the results that
// are still on show but another stage's.
TEST_F(SpreadPresenterTest, ASweepRefusedSinceTheCalculationIsNotAnalysed) {
    form.Calculate();
    view.edits[2] = "шаг";
    form.StageEdited();
    EXPECT_TRUE(Accept(DefaultFields()));
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_FALSE(spread.HasBand());
}

struct ClearCase {
    const char* name;
    std::function<void(MainPresenter&, FakeMainView&, const fs::path&)> act;
};

class SpreadBandClearedBy : public SpreadPresenterTest,
                            public testing::WithParamInterface<ClearCase> {};

TEST_P(SpreadBandClearedBy, TheStageChanging) {
    const fs::path file = folder / "s.ou";
    std::ofstream(file, std::ios::binary) << StageText(StageFromForm(view, SweepKind::Linear));
    Accept(DefaultFields());
    ASSERT_TRUE(Enabled(kSaveSpreadCommand));
    ASSERT_TRUE(spread.HasBand());
    GetParam().act(form, view, file);
    EXPECT_FALSE(spread.HasBand());
    EXPECT_FALSE(Enabled(kSaveSpreadCommand));
}

INSTANTIATE_TEST_SUITE_P(
    Spread, SpreadBandClearedBy,
    testing::Values(ClearCase{"Calculation", [](auto& f, auto&, auto&) { f.Calculate(); }},
                    ClearCase{"AnEdit",
                              [](auto& f, auto& v, auto&) {
                                  v.grid[4][1] = "98";
                                  f.ParameterEdited(1, 4, "98");
                              }},
                    ClearCase{"AnOpenedFile",
                              [](auto& f, auto&, auto& file) { f.OpenAtStart(file); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpreadPresenterTest, AChangedSettingMarksTheStageAndIsSavedWithIt) {
    const fs::path file = folder / "s.ou";
    std::ofstream(file, std::ios::binary) << StageText(StageFromForm(view, SweepKind::Linear));
    form.OpenAtStart(file);
    EXPECT_EQ(view.caption, "s.ou — ОУ");
    Accept(DefaultFields()); // the settings as they were
    EXPECT_EQ(view.caption, "s.ou — ОУ");
    SpreadFields fields = DefaultFields();
    fields.Tolerances[0] = "2";
    Accept(fields);
    EXPECT_EQ(view.caption, "*s.ou — ОУ");
    Run(kSaveCommand);
    EXPECT_EQ(view.caption, "s.ou — ОУ");
    EXPECT_NE(FileText(file).find("tolerance_R1 = 2\n"), std::string::npos);
}

// ---- The results box's text.

TEST(SpreadResultsBox, NamesTheFailedCombinationsTheirCountMetAndThePartsByInfluence) {
    SetDecimalSeparatorSource([]() -> char32_t { return U','; });
    SpreadResult r;
    r.Mode = SpreadMode::Corners;
    r.Trials = 8;
    r.Failed = 2;
    r.PeakDecibels = {6, {1.234567, 0, 0, 0, 2.5}, {}};
    r.LowerEdge = {0, {}, {}};
    r.Yield = Share{3, 6, 0.5, 0.18761, 0.81239};
    Sensitivity c3;
    c3.Parameter = 7;
    c3.Strongest = SensitivityOf::UpperEdge;
    c3.StrongestValue = -0.98765;
    c3.Tolerance = 10;
    Sensitivity r4;
    r4.Parameter = 3;
    r4.StrongestValue = 0.5;
    r.Sensitivities = {c3, r4};
    const std::string text = SpreadResultsText(r);
    SetDecimalSeparatorSource(nullptr);
    EXPECT_EQ(text, "крайние сочетания: 8\n"
                    "в 2 из 8 сочетаний расчет невозможен; итоги по остальным\n"
                    "мин / макс\n"
                    "пик, дБ: 1,2346 / 2,5\n"
                    "частота пика, Гц: нет\n"
                    "нижняя граница −3 дБ, Гц: нет\n"
                    "верхняя граница −3 дБ, Гц: нет\n"
                    "полоса, Гц: нет\n"
                    "годны 3 из 6 сочетаний (50 %)\n"
                    "сильнее всего влияет (допуск × чувствительность): C3 (верхняя граница)\n"
                    "влияние = допуск × чувствительность:\n"
                    "  C3: верхняя граница ±9,88 % (допуск 10 % × чувствительность -0,988)\n"
                    "  R4: допуск 0, не меняется (чувствительность 0,5, усиление)\n");
}

// The sweep 10 Hz … 5 kHz of a stage whose upper edge lies near 10 kHz.
TEST(SpreadResultsBox, ReadsAQuantileBeyondTheSweepAsBeyondItsEndAndCountsTheTrials) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    SpreadResult r;
    r.Trials = 100'000;
    r.LowerEdge = {100'000, {-kInf, 16, 16, 17, 17}, {}, 12, {10, 16, 16, 17, 17}, 10};
    r.UpperEdge = {100'000, {4948, kInf, kInf, kInf, kInf}, {},
                   99'870,  {0, 5000, 5000, 5000, 5000},    5000};
    const std::string text = SpreadResultsText(r);
    EXPECT_NE(text.find("нижняя граница −3 дБ, Гц: < 10 / 16 / 16 / 17 / 17\n"
                        "в 12 из 100000 испытаний нижняя граница ниже 10 Гц\n"
                        "верхняя граница −3 дБ, Гц: 4948 / > 5000 / > 5000 / > 5000 / > 5000\n"
                        "в 99870 из 100000 испытаний верхняя граница выше 5000 Гц\n"
                        "полоса, Гц: нет\n"),
              std::string::npos)
        << text;
}

} // namespace
