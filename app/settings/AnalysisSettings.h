#pragma once

#include "analysis/SpreadSettings.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The parameters' keys in the stage file, in the parameter grid's order; a tolerance's key is
// "tolerance_" and one, a range's "range_" and one of the first ten.
inline constexpr std::array<const char*, kSpreadParameters> kParameterKeys = {
    "R1", "R2", "R3", "R4", "R5", "C1", "C2", "C3", "C4", "C5", "k0", "Rin", "f1"};

// Where a setting stands in the dialogs: "Разброс…" shows the tolerances, its own settings and
// the limits; "Подбор номиналов…" the limits again as its requirements, the series, and a line
// per part (whether it is chosen, which the one setting of the parts keeps, and its range).
enum class SettingGroup { Tolerance, Analysis, Limit, Parts, Series, Range };

// Each setting of the analyses described once: its key in the stage file, the dialogs' field, its
// label there, what a refused value needs, and how its value is written and read. The stage
// file's reader and writer, the command line's options, the dialogs' check and both fronts'
// dialogs loop over these rows; a new setting is a row and its use. Defaults are
// SpreadSettings'.
struct AnalysisSetting {
    std::string Key; // in the stage file; the command line's option, where it has one, is "--" Key
    SettingGroup Group = SettingGroup::Tolerance;
    int Field = 0;       // the dialog's control (SpreadControls.h, DesignControls.h); 0 for none
    std::string Label{}; // beside its field, the unit included ("R1,кОм"); "" for none
    std::vector<std::string> Choices{}; // a choice's items in the order of its values; else none
    bool Wide = false;                  // its field holds long words or many digits
    // The value as text with `separator`: a number in normal form, a word of the file for a
    // choice, "" for a limit not given.
    std::function<std::string(const SpreadSettings&, char32_t separator)> Write;
    // Takes trimmed `text` into the settings; on a refusal, what the value needs
    // ("нужно целое от 1 до 100000"), the settings untouched.
    std::function<std::string(SpreadSettings&, std::string_view text, char32_t separator)> Read;
};

// In the order the stage file writes them: the tolerances in the parameter grid's order, the
// distribution, the trials, the seed, the analysis, the limits (the stage's requirements), then
// the design's: the parts it chooses, the series, each part's range.
const std::vector<AnalysisSetting>& AnalysisSettings();

// The row of `key`, or of the dialog's `field`; nullptr for none.
const AnalysisSetting* AnalysisSettingOf(std::string_view key);
const AnalysisSetting* AnalysisSettingOf(int field);
