#pragma once

#include "MainWindowBehaviours.h"
#include "app/design/DesignControls.h"
#include "app/graph/RequirementMarks.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Texts.h"

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
    {"DesignSearchesAndApplyPutsTheCandidateIntoTheForm",
     DesignSearchesAndApplyPutsTheCandidateIntoTheForm},
};

} // namespace spread_behaviours
