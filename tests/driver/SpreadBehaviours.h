#pragma once

#include "MainWindowBehaviours.h"
#include "app/design/DesignControls.h"
#include "app/graph/RequirementMarks.h"
#include "app/graph/SpreadBand.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

#include <memory>
#include <string>

// What the windows of "Разброс…" and "Подбор номиналов…" must do in every set of windows, written
// once over WindowDriver.

namespace spread_behaviours {

// Enter in a field is OK though "Отмена" had the focus before; OK's refusal keeps the dialog up
// and puts the focus on the refused field, its text selected.
inline Findings EnterInAFieldIsOkAndARefusalFocusesTheField(WindowDriver& windows) {
    Findings found;
    const double before = windows.AnalysisSettings().Tolerances[1];
    const int r2 = kFirstToleranceId + 1;
    bool stillShown = false;
    std::string focused, selected;
    windows.WhenShown(kSpreadDialogName, [&](DialogDriver& dialog) {
        dialog.Type(kSeedEdit.Id, "x");
        dialog.Focus(kSpreadCancel.Id);
        dialog.ClickInto(r2);
        dialog.Type(r2, "2");
        dialog.PressEnter();
        stillShown = dialog.Shown();
        focused = dialog.FocusedName();
        selected = dialog.SelectedText();
        dialog.Click(kSpreadCancel.Id);
    });
    windows.ChooseMenuItem(kSpreadCommand);
    found.True("the dialog answered", windows.AwaitAnswers());
    found.Equal("boxes", windows.TakeMessages().size(), size_t{1});
    found.True("the dialog up with the refusal", stillShown);
    found.Equal("the focus", focused, kSeedEdit.Name);
    found.Equal("its text selected", selected, "x");
    found.Equal("R2's tolerance after Отмена", windows.AnalysisSettings().Tolerances[1], before);
    return found;
}

// OK runs the analysis; its results box shows the text that "Копировать" puts on the clipboard,
// Tab leaves the text for the buttons and Enter in it is "Закрыть", the default; the band reaches
// the graph.
inline Findings OkRunsAndTheResultsBoxCopiesItsText(WindowDriver& windows) {
    Findings found;
    main_window_behaviours::TypeStage(windows, "10", "100000", "1000");
    windows.Click(MainControlName::BuRas);
    windows.Click(MainControlName::Button1);
    found.True("no band before", !windows.GraphPicture().Shows(kBandOuterColor));
    windows.WhenShown(kSpreadDialogName, [](DialogDriver& dialog) {
        dialog.Type(kFirstToleranceId, "2");
        dialog.Type(kTrialsEdit.Id, "200");
        dialog.Click(kSpreadOk.Id);
    });
    std::string shown, copied, afterTab;
    bool closed = false;
    windows.WhenShown(kSpreadResultsName, [&](DialogDriver& dialog) {
        shown = dialog.Text(kSpreadResultsText.Id);
        dialog.Click(kCopySpreadButton.Id);
        copied = windows.ClipboardText();
        dialog.Focus(kSpreadResultsText.Id);
        dialog.PressTab();
        afterTab = dialog.FocusedName();
        dialog.Focus(kSpreadResultsText.Id);
        dialog.PressEnter();
        closed = !dialog.Shown();
    });
    windows.ChooseMenuItem(kSpreadCommand);
    found.True("the dialog and the results box answered", windows.AwaitAnswers());
    found.Equal("R1's tolerance", windows.AnalysisSettings().Tolerances[0], 2.0);
    const std::shared_ptr<const SpreadResult> band = windows.Band();
    found.Equal("the band's trials", band != nullptr ? band->Trials : 0, 200);
    found.True("the results shown", !shown.empty());
    found.Equal("the copy", copied, shown);
    found.Equal("Tab from the text", afterTab, kCopySpreadButton.Name);
    found.True("Enter in the text closes the box", closed);
    found.True("the band on the graph", windows.GraphPicture().Shows(kBandOuterColor));
    return found;
}

// "Отмена" in the progress box stops a long run, and the band of the run before stays.
inline Findings CancelInTheProgressBoxStopsALongRun(WindowDriver& windows) {
    Findings found;
    main_window_behaviours::TypeStage(windows, "10", "100000", "10");
    const auto run = [&](const char* trials, bool cancel) {
        windows.WhenShown(kSpreadDialogName, [trials](DialogDriver& dialog) {
            dialog.Type(kTrialsEdit.Id, trials);
            dialog.Click(kSpreadOk.Id);
        });
        windows.WhenShown(
            cancel ? kSpreadProgressName : kSpreadResultsName, [cancel](DialogDriver& dialog) {
                dialog.Click(cancel ? kSpreadProgressCancel.Id : kCloseSpreadButton.Id);
            });
        windows.ChooseMenuItem(kSpreadCommand);
        return windows.AwaitAnswers();
    };
    found.True("a short run to its results", run("10", false));
    const std::shared_ptr<const SpreadResult> band = windows.Band();
    found.True("its band", band != nullptr);
    // 10^4 frequencies × 10^5 trials: long past the progress box's moment.
    found.True("a long run's progress box", run("100000", true));
    found.True("no run goes on", !windows.AnalysisRunning());
    found.True("the band before it stays", windows.Band() == band);
    return found;
}

// OK in the dialog of "Подбор номиналов…" searches; the results box lists the candidates and
// Enter in the list, "Применить", puts the first into the form; the graph marks the requirements.
inline Findings DesignSearchesAndApplyPutsTheCandidateIntoTheForm(WindowDriver& windows) {
    Findings found;
    main_window_behaviours::TypeStage(windows, "10", "100000", "1000");
    windows.WhenShown(kDesignDialogName, [](DialogDriver& dialog) {
        dialog.Type(kFirstRequirementId, "100");
        dialog.Type(kFirstRequirementId + 1, "1000");
        dialog.Type(kFirstRequirementId + 2, "39");
        for (int part = 0; part < 10; ++part)
            if (part != 3) // R4 alone
                dialog.Click(kFirstPartCheckId + part);
        dialog.Click(kDesignOk.Id);
    });
    int listed = 0;
    windows.WhenShown(kDesignResultsName, [&](DialogDriver& dialog) {
        listed = dialog.ListCount(kCandidateList.Id);
        dialog.Focus(kCandidateList.Id);
        dialog.PressEnter(); // "Применить", the default
    });
    windows.ChooseMenuItem(kDesignCommand);
    found.True("the dialog and the results box answered", windows.AwaitAnswers());
    found.True("candidates listed", listed > 0);
    found.True("R4 chosen anew", windows.ParameterCell(1, 4) != "99");
    found.Equal("R5 kept", windows.ParameterCell(1, 5), "1000");
    windows.Click(MainControlName::BuRas);
    windows.Click(MainControlName::Button1);
    found.True("the requirements marked", windows.GraphPicture().Shows(kRequirementShade));
    return found;
}

inline constexpr main_window_behaviours::Behaviour kSpreadBehaviours[] = {
    {"EnterInAFieldIsOkAndARefusalFocusesTheField", EnterInAFieldIsOkAndARefusalFocusesTheField},
    {"OkRunsAndTheResultsBoxCopiesItsText", OkRunsAndTheResultsBoxCopiesItsText},
    {"CancelInTheProgressBoxStopsALongRun", CancelInTheProgressBoxStopsALongRun},
    {"DesignSearchesAndApplyPutsTheCandidateIntoTheForm",
     DesignSearchesAndApplyPutsTheCandidateIntoTheForm},
};

} // namespace spread_behaviours
