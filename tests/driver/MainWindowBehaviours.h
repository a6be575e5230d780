#pragma once

#include "WindowDriver.h"
#include "app/presenters/ResultTable.h"
#include "app/texts/Texts.h"
#include "numerics/NumberText.h"
#include "numerics/Rounding.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

// What the main window must do in every set of windows, written once over WindowDriver: each
// behaviour works the windows as a user does and returns what did not hold.

namespace main_window_behaviours {

// A stage of gain about 100 up to some kHz.
inline const std::array<std::string, 13> kTypicalStage = {
    "100", "1000", "1", "99", "1000", "10", "1", "100", "1", "1", "1e5", "10", "1"};

inline void TypeStage(WindowDriver& windows, const std::string& from, const std::string& to,
                      const std::string& step) {
    for (int row = 1; row <= 13; ++row)
        windows.TypeParameter(row, kTypicalStage[static_cast<size_t>(row - 1)]);
    windows.TypeSweep(StageField::From, from);
    windows.TypeSweep(StageField::To, to);
    windows.TypeSweep(StageField::Step, step);
}

// What the table shows of a gain, from the series the calculation left.
inline std::string Shown(double gain) {
    return NumberToText(RoundSignificant(ResultTable::kSignificantDigits, gain));
}

inline Findings TypedStageFillsTheTable(WindowDriver& windows) {
    Findings found;
    TypeStage(windows, "100", "1000", "100");
    windows.Click(MainControlName::BuRas);
    found.Equal("rows", windows.ResultRows(), 11);
    if (windows.ResultRows() != 11)
        return found;
    const SweepResult& result = windows.Result();
    for (int row = 1; row <= 10; ++row) {
        const auto i = static_cast<size_t>(row - 1);
        found.Equal("frequency", windows.ResultCell(0, row), std::to_string(row * 100));
        found.Equal("ratio", windows.ResultCell(1, row), Shown(result.Ratio[i]));
        found.Equal("dB", windows.ResultCell(2, row), Shown(result.Decibels[i]));
        found.True("a gain of about 100", result.Ratio[i] > 98 && result.Ratio[i] < 101);
    }
    found.True("the graph button enabled", windows.Enabled(MainControlName::Button1));
    // Every entry is rewritten in normal form.
    found.Equal("k0 in normal form", windows.ParameterCell(1, 11), "100000");
    found.Equal("from in normal form", windows.SweepText(StageField::From), "100");
    found.Equal("errors", windows.TakeErrors(), std::vector<std::string>{});
    return found;
}

// One key in the parameter grid, the editor still open: the table is already empty; the result
// itself stays for the graph.
inline Findings OneKeystrokeInTheParameterGridClearsTheTable(WindowDriver& windows) {
    Findings found;
    TypeStage(windows, "10", "100", "10");
    windows.Click(MainControlName::BuRas);
    found.True("a result shown", windows.ResultCell(1, 3) != "");
    windows.TypeParameter(4, "9", false);
    found.Equal("rows", windows.ResultRows(), 11);
    for (int column = 0; column < 3; ++column)
        found.Equal("a cleared cell", windows.ResultCell(column, 3), "");
    found.True("the graph button disabled", !windows.Enabled(MainControlName::Button1));
    found.Equal("the result kept", windows.Result().Count(), 10);
    return found;
}

inline Findings SweepFieldsAndCheckBoxLeaveTheResults(WindowDriver& windows) {
    Findings found;
    TypeStage(windows, "10", "100", "10");
    windows.Click(MainControlName::BuRas);
    windows.TypeSweep(StageField::Step, "5");
    windows.Click(MainControlName::CheckBox1);
    found.True("the check box ticked", windows.Checked(MainControlName::CheckBox1));
    found.Equal("a result cell", windows.ResultCell(0, 1), "10");
    found.True("the graph button enabled", windows.Enabled(MainControlName::Button1));
    return found;
}

inline Findings ResetEmptiesValuesAndRowsButKeepsTheRowCount(WindowDriver& windows) {
    Findings found;
    TypeStage(windows, "10", "100", "10");
    windows.Click(MainControlName::BuRas);
    windows.Click(MainControlName::Button3);
    found.Equal("rows", windows.ResultRows(), 11);
    for (int row = 1; row <= 10; ++row)
        for (int column = 0; column < 3; ++column)
            found.Equal("a result cell", windows.ResultCell(column, row), "");
    for (int row = 1; row <= 13; ++row)
        found.Equal("a value", windows.ParameterCell(1, row), "");
    found.Equal("a name", windows.ParameterCell(0, 1), "R1,кОм");
    found.True("the graph button disabled", !windows.Enabled(MainControlName::Button1));
    found.Equal("the sweep kept", windows.SweepText(StageField::From), "10");
    return found;
}

// Stopped at 0 Hz: the box, the rows computed before it stay, and the program goes on.
inline Findings FloatingPointErrorPartWayKeepsTheRowsComputed(WindowDriver& windows) {
    Findings found;
    TypeStage(windows, "-20", "20", "10");
    windows.Click(MainControlName::BuRas);
    found.Equal("errors", windows.TakeErrors(),
                std::vector<std::string>{"Floating point division by zero."});
    found.Equal("rows", windows.ResultRows(), 6);
    found.Equal("the frequency it stopped at", windows.ResultCell(0, 3), "0");
    found.True("a gain before it", windows.ResultCell(2, 2) != "");
    found.Equal("no gain from it", windows.ResultCell(1, 3), "");
    found.Equal("the last frequency", windows.ResultCell(0, 5), "20");
    found.True("the graph button enabled", windows.Enabled(MainControlName::Button1));
    windows.TypeSweep(StageField::From, "10");
    windows.Click(MainControlName::BuRas);
    found.Equal("rows of the corrected sweep", windows.ResultRows(), 3);
    found.True("its gains", windows.ResultCell(2, 2) != "");
    found.Equal("errors after", windows.TakeErrors(), std::vector<std::string>{});
    return found;
}

// "Логарифмический шаг" in the menu bar: the label over the sweep fields names points per
// decade, and "расчет" steps by decades, 10 points in each of the four from 10 Hz, and 100 kHz.
inline Findings DecadeSweepChosenInTheMenuBar(WindowDriver& windows) {
    Findings found;
    windows.ChooseMenuItem(kDecadeSweepCommand);
    const std::string label = windows.LabelText(MainControlName::Label5);
    found.True("the label names points per decade: " + label,
               label.ends_with(kPointsPerDecadeShort) || label.ends_with(kPointsPerDecadeWords));
    TypeStage(windows, "10", "100000", "10");
    windows.Click(MainControlName::BuRas);
    found.Equal("rows", windows.ResultRows(), 1 + 4 * 10 + 1);
    return found;
}

// "Фаза ОУ: …" is a setting of its own: chosen, it is checked beside the sweep's choice, and
// chosen again, unchecked.
inline Findings PhaseSwitchIsCheckedBesideTheSweepsChoice(WindowDriver& windows) {
    Findings found;
    windows.ChooseMenuItem(kLaggingPhaseCommand);
    found.True("the phase checked", windows.MenuItemChecked(kLaggingPhaseCommand));
    found.True("the sweep's choice checked", windows.MenuItemChecked(kLinearSweepCommand));
    windows.ChooseMenuItem(kLaggingPhaseCommand);
    found.True("the phase unchecked", !windows.MenuItemChecked(kLaggingPhaseCommand));
    return found;
}

// A stage file with every value, "каскад 1.ou" in the temporary folder, gone with the object.
class StageFileAt {
  public:
    explicit StageFileAt(const std::string& r1 = "100")
        : path(std::filesystem::temp_directory_path() / std::u8string(u8"каскад 1.ou")) {
        std::ofstream(path, std::ios::binary)
            << "format = ou-stage 1\nR1 = " << r1
            << "\nR2 = 1000\nR3 = 1\nR4 = 99\nR5 = 1000\nC1 = 10\nC2 = 10\nC3 = 100\n"
               "C4 = 1\nC5 = 1\nk0 = 1E5\nRin = 10\nf1 = 1\nfrom = 10\nto = 100\nstep = 10\n";
    }
    ~StageFileAt() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    bool Holds(const std::string& line) const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {}).find(line) != std::string::npos;
    }

    std::filesystem::path path;
};

inline const std::string kCaption = "каскад 1.ou — ОУ";

inline Findings OpensAtStartAndByTheMenu(WindowDriver& windows) {
    Findings found;
    {
        const StageFileAt file;
        windows.OpenAtStart(file.path);
        found.Equal("R1 opened at start", windows.ParameterCell(1, 1), "100");
        found.Equal("the caption", windows.Caption(), kCaption);
    }
    const StageFileAt changed("220");
    windows.AnswerFileDialogs(changed.path);
    windows.ChooseMenuItem(kOpenCommand);
    found.Equal("R1 opened by the menu", windows.ParameterCell(1, 1), "220");
    found.Equal("the caption then", windows.Caption(), kCaption);
    return found;
}

// With the cell's editor still open and the caption marked, Ctrl+S saves what the user sees and
// Escape takes the typing back; either way the caption is unmarked again.
template <Keys keys> Findings TypingMarksTheCaptionUntil(WindowDriver& windows) {
    Findings found;
    const bool saves = keys == Keys::ControlS;
    const StageFileAt file;
    windows.OpenAtStart(file.path);
    windows.TypeParameter(1, "5", false);
    found.Equal("the caption while typing", windows.Caption(), "*" + kCaption);
    windows.Press(keys);
    found.Equal("R1", windows.ParameterCell(1, 1), saves ? "5" : "100");
    found.True("the file", file.Holds(saves ? "R1 = 5\n" : "R1 = 100\n"));
    found.Equal("the caption after", windows.Caption(), kCaption);
    return found;
}

// The close box with the stage changed asks first, and "Да" saves, "Нет" does not, "Отмена" stays.
template <Answer answer> Findings CloseAsksFirst(WindowDriver& windows) {
    Findings found;
    const StageFileAt file;
    windows.OpenAtStart(file.path);
    windows.TypeParameter(1, "5");
    windows.AnswerQuestions(answer);
    const bool ends = windows.CloseMainWindow();
    found.Equal("questions", windows.TakeQuestions(),
                std::vector<std::string>{"Сохранить изменения в «каскад 1.ou»?"});
    found.Equal("the program ends", ends, answer != Answer::Cancel);
    found.Equal("the window shown", windows.MainWindowShown(), answer == Answer::Cancel);
    found.True("the file", file.Holds(answer == Answer::Yes ? "R1 = 5\n" : "R1 = 100\n"));
    found.Equal("R1", windows.ParameterCell(1, 1), "5");
    return found;
}

struct Behaviour {
    const char* Name;
    Findings (*Run)(WindowDriver& windows);
};

inline constexpr Behaviour kMainWindowBehaviours[] = {
    {"TypedStageFillsTheTable", TypedStageFillsTheTable},
    {"OneKeystrokeInTheParameterGridClearsTheTable", OneKeystrokeInTheParameterGridClearsTheTable},
    {"SweepFieldsAndCheckBoxLeaveTheResults", SweepFieldsAndCheckBoxLeaveTheResults},
    {"ResetEmptiesValuesAndRowsButKeepsTheRowCount", ResetEmptiesValuesAndRowsButKeepsTheRowCount},
    {"FloatingPointErrorPartWayKeepsTheRowsComputed",
     FloatingPointErrorPartWayKeepsTheRowsComputed},
    {"DecadeSweepChosenInTheMenuBar", DecadeSweepChosenInTheMenuBar},
    {"PhaseSwitchIsCheckedBesideTheSweepsChoice", PhaseSwitchIsCheckedBesideTheSweepsChoice},
    {"OpensAtStartAndByTheMenu", OpensAtStartAndByTheMenu},
    {"TypingMarksTheCaptionUntilControlSSaves", TypingMarksTheCaptionUntil<Keys::ControlS>},
    {"TypingMarksTheCaptionUntilEscapeTakesItBack", TypingMarksTheCaptionUntil<Keys::Escape>},
    {"CloseAsksFirstAndYesSaves", CloseAsksFirst<Answer::Yes>},
    {"CloseAsksFirstAndNoDoesNotSave", CloseAsksFirst<Answer::No>},
    {"CloseAsksFirstAndCancelStays", CloseAsksFirst<Answer::Cancel>},
};

} // namespace main_window_behaviours
