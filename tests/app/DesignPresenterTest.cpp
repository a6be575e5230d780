#include "app/design/DesignPresenter.h"

#include "FakeDesignView.h"
#include "FakeFileParts.h"
#include "FakeMainView.h"
#include "RecordingMessageBoxes.h"
#include "app/design/DesignControls.h"
#include "app/session/StagePresenters.h"
#include "app/texts/DesignTexts.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The typical stage's own requirements, loosened: it meets them as typed.
DesignFields MetFields() {
    DesignFields fields = DesignFieldsFrom(SpreadSettings{});
    fields.Requirements = {"100", "1000", "39", "41", "", ""};
    return fields;
}

// ---- The dialog's fields, read and refused as "Разброс…" refuses its own.

struct FieldsCase {
    const char* name;
    std::function<void(DesignFields&)> type;
    std::string refusal; // empty: accepted
    int field;           // the refused field, which takes the focus
};

class DesignDialogFields : public testing::TestWithParam<FieldsCase> {};

TEST_P(DesignDialogFields, AreRefusedNamingTheField) {
    SetDecimalSeparatorSource([]() -> char32_t { return U','; });
    DesignFields fields = MetFields();
    GetParam().type(fields);
    const DesignFieldsReading reading = DesignSettingsFromFields(fields, SpreadSettings{});
    SetDecimalSeparatorSource(nullptr);
    EXPECT_EQ(reading.Refusal, GetParam().refusal);
    EXPECT_EQ(reading.Settings.has_value(), GetParam().refusal.empty());
    EXPECT_EQ(reading.Field, GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Design, DesignDialogFields,
    testing::Values(FieldsCase{"Met", [](auto&) {}, "", 0},
                    FieldsCase{"RequirementNotANumber", [](auto& f) { f.Requirements[3] = "x"; },
                               "усиление не больше, дБ=x?..нужно число или пусто",
                               kFirstRequirementId + 3},
                    FieldsCase{"NoRequirement",
                               [](auto& f) {
                                   f.Requirements = {"100", "1000"};
                               },
                               kDesignNeedsRequirement, kFirstRequirementId + 2},
                    FieldsCase{"GainBoundsReversed", [](auto& f) { f.Requirements[2] = "42"; },
                               kLimitGainReversed, kFirstRequirementId + 3},
                    FieldsCase{"NoPartChosen", [](auto& f) { f.Chosen = {}; }, kDesignNeedsPart,
                               kFirstPartCheckId},
                    FieldsCase{"RangeReversed", [](auto& f) { f.RangeTo[1] = "0,01"; },
                               "диапазон R2: 0,1 … 0,01?..нужны два числа больше 0, меньшее первым",
                               kFirstRangeFromId + 1},
                    FieldsCase{"RangeHoldsNoValueOfItsSeries",
                               [](auto& f) {
                                   f.RangeFrom[6] = "1,1";
                                   f.RangeTo[6] = "1,15";
                               },
                               "В диапазоне C2 от 1,1 до 1,15 нет значений ряда E12.",
                               kFirstRangeFromId + 6},
                    // A part not chosen may have a range its series misses.
                    FieldsCase{"RangeOfAPartNotChosen",
                               [](auto& f) {
                                   f.Chosen[6] = false;
                                   f.RangeFrom[6] = "1,1";
                                   f.RangeTo[6] = "1,15";
                               },
                               "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What the results box says.

TEST(DesignTexts, FrequenciesInTheirUnitToThreeDigits) {
    const std::pair<double, const char*> cases[] = {{50, "50 Гц"},
                                                    {41234, "41,2 кГц"},
                                                    {999.96, "1 кГц"},
                                                    {1.5e6, "1,5 МГц"},
                                                    {0.123456, "0,123 Гц"}};
    for (const auto& [hertz, text] : cases)
        EXPECT_EQ(FrequencyText(hertz, U','), text) << hertz;
}

TEST(DesignTexts, TheSummaryNamesWhatTheBestMisses) {
    RankedDesign missing;
    missing.Candidate.Margin = -1.7;
    missing.Check = {-1.7, Requirement::UpperEdgeAtLeast, 41234, 50000};
    EXPECT_EQ(DesignSummaryText({missing}, U','),
              "Ни один кандидат не выполняет требования при номинальных значениях: у лучшего "
              "верхняя граница 41,2 кГц, требуется не ниже 50 кГц. Ниже — ближайшие.");
    RankedDesign meeting;
    meeting.Candidate.Margin = 0.5;
    EXPECT_EQ(DesignSummaryText({meeting, missing}, U','),
              "Лучший из кандидатов (2) выполняет все требования при номинальных значениях.");
    EXPECT_EQ(DesignSummaryText({}, U','), kDesignNoCandidate);
}

// ---- The presenter with the main window's.

class DesignPresenterTest : public testing::Test {
  protected:
    DesignPresenterTest() {
        SetDecimalSeparatorSource(nullptr);
        view.form = &form;
        form.Start();
        view.Type(kTypicalStage, "10", "100000", "10");
        view.logScaleChecked = true;
        form.UseDecadeSweep();
    }

    bool Accept(const DesignFields& fields) {
        const bool closes = design.Accept(fields);
        while (design.Running()) {
            design.Poll();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return closes;
    }

    double now = 0;
    FakeMainView view;
    NoTable table;
    RecordingMessageBoxes boxes;
    Chooser chooser;
    FakeDesignView designView;
    StagePresenters presenters{boxes, [this] { return now; }};
    MainPresenter& form = presenters.MakeMain(view, table, chooser);
    DesignPresenter& design = presenters.MakeDesign(designView);
};

// OK searches the stage as typed; the box lists the candidates, the chosen values marked;
// "Применить" puts the selected one's chosen parts into the form and clears the results, the rest
// as typed.
TEST_F(DesignPresenterTest, SearchesListsAndAppliesTheChosenParts) {
    DesignFields fields = MetFields();
    fields.Chosen = {false, false, false, true, false, false, false, false, false, true};
    fields.RangeFrom[3] = "10";
    fields.RangeTo[3] = "100";
    designView.answer = [&] { design.Apply(0); };
    ASSERT_TRUE(Accept(fields));
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(presenters.Session().Settings().Limits.MinDb, 39);
    ASSERT_FALSE(design.Candidates().empty());
    EXPECT_EQ(designView.summary, DesignSummaryText(design.Candidates(), U'.'));
    ASSERT_EQ(designView.lines.size(), design.Candidates().size());
    EXPECT_NE(designView.lines[0].find(
                  " R4=" + NumberToText(design.Candidates()[0].Candidate.Values[3]) + "* "),
              std::string::npos);
    EXPECT_NE(designView.lines[0].find(" R5=1000 "), std::string::npos); // not chosen: no mark
    for (int row = 1; row <= 13; ++row) {
        const bool chosen = row == 4 || row == 10;
        const std::string value = NumberToText(design.Candidates()[0].Candidate.Values[row - 1]);
        EXPECT_EQ(view.grid[row][1], chosen ? value : kTypicalStage[row - 1]) << row;
    }
    EXPECT_FALSE(form.HasResults());
    EXPECT_FALSE(view.graphEnabled);
    EXPECT_TRUE(form.Modified());

    design.CopyList();
    EXPECT_EQ(designView.clipboard.rfind(designView.summary + "\n" + kDesignListLegend + "\n" +
                                             designView.lines[0] + "\n",
                                         0),
              0u);
}

TEST_F(DesignPresenterTest, ARefusedFieldKeepsTheDialogAndTheSettings) {
    presenters.OpenDesign();
    ASSERT_EQ(designView.opened.size(), 1u);
    DesignFields fields = designView.opened[0];
    EXPECT_EQ(fields, DesignFieldsFrom(SpreadSettings{}));
    EXPECT_FALSE(Accept(fields)); // no requirement
    EXPECT_EQ(boxes.messages, std::vector<std::string>{kDesignNeedsRequirement});
    EXPECT_EQ(designView.focused, std::vector{kFirstRequirementId + 2});
    EXPECT_EQ(presenters.Session().Settings(), SpreadSettings{});
    // A requirement outside the sweep is refused as "Разброс…" refuses a limit there.
    fields.Requirements[5] = "1000000";
    boxes.messages.clear();
    EXPECT_TRUE(Accept(fields));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_TRUE(designView.lines.empty());
}

// "Отмена" in the progress box stops the search at once: no results box, the form untouched.
TEST_F(DesignPresenterTest, CancelStopsTheSearch) {
    DesignFields fields = MetFields();
    ASSERT_TRUE(design.Accept(fields));
    now = kProgressAfter;
    while (designView.progress.empty() && design.Running())
        design.Poll();
    design.CancelRun();
    EXPECT_FALSE(design.Running());
    EXPECT_FALSE(designView.polling);
    EXPECT_TRUE(designView.lines.empty() && designView.summary.empty());
    EXPECT_EQ(view.grid[1][1], kTypicalStage[0]);
}

} // namespace
