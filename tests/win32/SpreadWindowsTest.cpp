#include "AccessibleReading.h"
#include "WindowTestHelpers.h"
#include "app/design/DesignControls.h"
#include "app/spread/SpreadControls.h"
#include "app/spread/SpreadResults.h"
#include "app/texts/AccessibleTexts.h"
#include "ui/win32/Dpi.h"

#include <chrono>
#include <commctrl.h>
#include <functional>
#include <thread>
#include <utility>

// The windows of "Разброс…" bound to their presenter: the dialog's fields to the settings, its
// buttons, the progress box's "Отмена" and the results box's text and copy. What the presenter
// decides is tested in tests/app/SpreadPresenterTest.cpp.

namespace {

// What runs inside the next modal loop of the thread, once it takes its messages.
std::function<void()> insideModal;

void CALLBACK RunInsideModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (std::function<void()> inside = std::exchange(insideModal, nullptr))
        inside();
}

HWND Find(const char* objectName) {
    return FindWindowW(Widen(objectName).c_str(), nullptr);
}

// The dialog's fields as it shows them.
SpreadFields FieldsShown(HWND dialog) {
    SpreadFields fields;
    for (int i = 0; i < kSpreadParameters; ++i)
        fields.Tolerances[size_t(i)] = Text(GetDlgItem(dialog, kFirstToleranceId + i));
    fields.Shape = static_cast<Distribution>(
        SendMessageW(GetDlgItem(dialog, kDistributionChoice.Id), CB_GETCURSEL, 0, 0));
    fields.Mode = static_cast<SpreadMode>(
        SendMessageW(GetDlgItem(dialog, kAnalysisChoice.Id), CB_GETCURSEL, 0, 0));
    fields.Trials = Text(GetDlgItem(dialog, kTrialsEdit.Id));
    fields.Seed = Text(GetDlgItem(dialog, kSeedEdit.Id));
    for (int i = 0; i < kSpreadLimits; ++i)
        fields.Limits[size_t(i)] = Text(GetDlgItem(dialog, kFirstLimitId + i));
    return fields;
}

class SpreadWindowsTest : public ProgramTest {
  protected:
    SpreadPresenter& Spread() { return windows->Spread.Presenter(); }

    // Chooses "Расчет" → "Разброс…" and runs `inside` in the dialog it opens; the dialog is
    // cancelled afterwards if it is still up.
    void InDialog(const std::function<void(HWND dialog)>& inside) {
        insideModal = [inside] {
            const HWND dialog = Find(kSpreadDialogName);
            ASSERT_NE(dialog, nullptr);
            inside(dialog);
            if (IsWindowVisible(dialog))
                Click(GetDlgItem(dialog, kSpreadCancel.Id));
        };
        SetTimer(nullptr, 0, 0, RunInsideModal);
        const HWND form = Main().Handle();
        SendMessageW(form, WM_COMMAND, MAKEWPARAM(MenuItem(form, kSpreadCommand), 0), 0);
        EXPECT_FALSE(insideModal) << "no modal dialog ran";
        insideModal = nullptr;
    }

    // Runs the analysis with `trials`, from the dialog's OK.
    void RunWithTrials(const std::string& trials) {
        InDialog([&](HWND dialog) {
            TypeInto(GetDlgItem(dialog, kTrialsEdit.Id), trials);
            Click(GetDlgItem(dialog, kSpreadOk.Id));
            EXPECT_FALSE(IsWindowVisible(dialog));
        });
    }

    // Handles the messages, as the program's loop does, until `done` or a minute has passed.
    static bool Await(const std::function<bool()>& done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            ProcessPendingMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }
};

TEST_F(SpreadWindowsTest, MenuItemOpensTheDialogModalWithTheSettingsKept) {
    SpreadSettings kept;
    kept.Tolerances[3] = 2.5;
    kept.Shape = Distribution::Normal;
    kept.Mode = SpreadMode::Corners;
    kept.Trials = 250;
    kept.Seed = 7;
    kept.Limits.MinDb = 20;
    kept.Limits.UpperEdgeAt = 3000;
    windows->Presenters.Session().SetSettings(kept);
    InDialog([&](HWND dialog) {
        EXPECT_EQ(FieldsShown(dialog), FieldsFromSettings(kept));
        EXPECT_FALSE(IsWindowEnabled(Main().Handle()));
    });
    EXPECT_TRUE(IsWindowEnabled(Main().Handle()));
    EXPECT_EQ(Find(kSpreadDialogName), nullptr);
}

// Each field of the dialog reaches the presenter as the field it is: a refusal names it, and the
// dialog stays up with the box.
struct RefusedField {
    const char* name;
    int id;
    std::string& (*in)(SpreadFields& fields);
};

class SpreadDialogRefusal : public SpreadWindowsTest,
                            public testing::WithParamInterface<RefusedField> {};

TEST_P(SpreadDialogRefusal, KeepsTheDialogUpWithTheBoxNamingTheField) {
    const RefusedField& field = GetParam();
    SpreadFields typed = FieldsFromSettings(windows->Presenters.Session().Settings());
    field.in(typed) = "x";
    InDialog([&](HWND dialog) {
        TypeInto(GetDlgItem(dialog, field.id), "x");
        Click(GetDlgItem(dialog, kSpreadOk.Id));
        EXPECT_TRUE(IsWindowVisible(dialog));
    });
    EXPECT_EQ(boxes.messages, std::vector{SettingsFromFields(typed).Refusal});
    boxes.messages.clear();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SpreadDialogRefusal,
    testing::Values(
        RefusedField{"FirstTolerance", kFirstToleranceId,
                     [](SpreadFields& f) -> std::string& { return f.Tolerances.front(); }},
        RefusedField{"LastTolerance", kFirstToleranceId + kSpreadParameters - 1,
                     [](SpreadFields& f) -> std::string& { return f.Tolerances.back(); }},
        RefusedField{"Trials", kTrialsEdit.Id,
                     [](SpreadFields& f) -> std::string& { return f.Trials; }},
        RefusedField{"Seed", kSeedEdit.Id, [](SpreadFields& f) -> std::string& { return f.Seed; }},
        RefusedField{"FirstLimit", kFirstLimitId,
                     [](SpreadFields& f) -> std::string& { return f.Limits.front(); }},
        RefusedField{"LastLimit", kFirstLimitId + kSpreadLimits - 1,
                     [](SpreadFields& f) -> std::string& { return f.Limits.back(); }}),
    [](const testing::TestParamInfo<RefusedField>& info) { return info.param.name; });

// The controls read as app/texts names and describes them: a tolerance not as its parameter, a
// choice by its label, the results text, the progress bar with its value, the histograms as
// pictures.
TEST_F(SpreadWindowsTest, ControlsReadTheirNamesAndDescriptions) {
    const auto reads = [](HWND control, const char* objectName) {
        const AccessiblePtr object = ObjectOfWindow(control);
        ASSERT_TRUE(object) << objectName;
        const SpokenControl spoken = SpreadSpokenControl(std::string(objectName));
        if (!spoken.Name.empty()) {
            EXPECT_EQ(AccessibleName(*object), spoken.Name) << objectName;
        }
        EXPECT_EQ(AccessibleDescriptionOf(*object), spoken.Description) << objectName;
        if (spoken.Picture) {
            EXPECT_EQ(NumberOf(*object, &IAccessible::get_accRole), ROLE_SYSTEM_GRAPHIC);
        }
    };
    InDialog([&](HWND dialog) {
        reads(GetDlgItem(dialog, kFirstToleranceId), "EdTolerance1");
        reads(GetDlgItem(dialog, kDistributionChoice.Id), kDistributionChoice.Name);
        reads(GetDlgItem(dialog, kSpreadOk.Id), kSpreadOk.Name);
    });
    const HWND results = Find(kSpreadResultsName);
    reads(GetDlgItem(results, kSpreadResultsText.Id), kSpreadResultsText.Name);
    reads(GetDlgItem(results, kUpperEdgeHistogram.Id), kUpperEdgeHistogram.Name);
    const HWND progress = Find(kSpreadProgressName);
    const HWND bar = GetDlgItem(progress, kSpreadProgressBar.Id);
    reads(bar, kSpreadProgressBar.Name);
    SendMessageW(bar, PBM_SETPOS, 450, 0);
    const AccessiblePtr barObject = ObjectOfWindow(bar);
    ASSERT_TRUE(barObject);
    EXPECT_EQ(AccessibleValue(*barObject), "45 %");
}

TEST_F(SpreadWindowsTest, SaveInTheResultsBoxWritesTheBand) {
    ScratchFile file("разброс.csv");
    windows->Spread.SetFileChooser(file);
    TypeCircuit(kTypicalStage, "10", "100000", "1000");
    RunWithTrials("20");
    const HWND results = Find(kSpreadResultsName);
    ASSERT_TRUE(Await([&] { return IsWindowVisible(results) != 0; }));
    Click(GetDlgItem(results, kSaveSpreadButton.Id));
    EXPECT_FALSE(file.Content().empty());
}

// Moved to a monitor at 150 %, the results box lays its controls out at 1.5 times their size,
// the histograms' places among them, in the font for that DPI.
TEST_F(SpreadWindowsTest, ResultsBoxIsLaidOutAgainAtTheNewDpi) {
    const HWND results = Find(kSpreadResultsName);
    RECT suggested = {100, 50, 100 + ScaleToDpi(720, 144), 50 + ScaleToDpi(430, 144)};
    SendMessageW(results, WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const Bounds shown = ChildBounds(GetDlgItem(results, kPeakGainHistogram.Id));
    const Bounds laidOut = ScaleToDpi(SpreadResultsBox::kPeakGainHistogramPlace, 144);
    EXPECT_EQ((std::array{shown.Left, shown.Top, shown.Width, shown.Height}),
              (std::array{laidOut.Left, laidOut.Top, laidOut.Width, laidOut.Height}));
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(
                   SendMessageW(GetDlgItem(results, kCopySpreadButton.Id), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -ScaleToDpi(11, 144));
}

} // namespace
