#include "StageForm.h"

#include "numerics/NumberText.h"

namespace {

constexpr int kValueColumn = 1;

// Row of the parameter grid that holds Stage::Parameters[i].
int ParameterRow(size_t i) {
    return static_cast<int>(i) + 1;
}

StageField SweepField(size_t i) {
    return static_cast<StageField>(static_cast<size_t>(StageField::From) + i);
}

std::optional<double> ReadValue(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos)
        return std::nullopt;
    return TextToNumber(text, 0);
}

std::string ValueText(const std::optional<double>& value) {
    return value ? NumberToText(*value) : std::string();
}

} // namespace

Stage StageFromForm(const FormView& window, SweepKind sweep) {
    Stage stage;
    for (size_t i = 0; i < stage.Parameters.size(); ++i)
        stage.Parameters[i] = ReadValue(window.CellText(kValueColumn, ParameterRow(i)));
    for (size_t i = 0; i < stage.SweepFields.size(); ++i)
        stage.SweepFields[i] = ReadValue(window.EditText(SweepField(i)));
    stage.LogScale = window.LogScaleChecked();
    stage.Sweep = sweep;
    return stage;
}

void PutStageIntoForm(FormView& window, const Stage& stage) {
    for (size_t i = 0; i < stage.Parameters.size(); ++i)
        window.SetCellText(kValueColumn, ParameterRow(i), ValueText(stage.Parameters[i]));
    for (size_t i = 0; i < stage.SweepFields.size(); ++i)
        window.SetEditText(SweepField(i), ValueText(stage.SweepFields[i]));
    window.SetLogScaleChecked(stage.LogScale);
    window.Results().Clear();
    window.SetGraphEnabled(false);
}

void RewriteInNormalForm(FormView& window, const Stage& stage, int count) {
    for (size_t i = 0; i < static_cast<size_t>(count) && i < kStageFieldCount; ++i) {
        const std::string text =
            NumberToText(FieldValue(stage, static_cast<StageField>(i)).value_or(0));
        if (i < stage.Parameters.size())
            window.SetCellText(kValueColumn, ParameterRow(i), text);
        else
            window.SetEditText(SweepField(i - stage.Parameters.size()), text);
    }
}

std::optional<Stage> OpenStage(FormView& window, MessageBoxes& boxes,
                               const std::filesystem::path& path, SpreadSettings* spread) {
    StageReading reading = ReadStageFile(path);
    if (!reading.Loaded) {
        boxes.ShowError(reading.Error);
        return std::nullopt;
    }
    PutStageIntoForm(window, *reading.Loaded);
    if (spread != nullptr)
        *spread = reading.Spread;
    const std::u8string name = path.filename().u8string();
    if (const std::string notice = OpenedFileNotice(reading, std::string(name.begin(), name.end()));
        !notice.empty())
        boxes.ShowMessage(notice);
    return reading.Loaded;
}
