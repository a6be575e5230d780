#include "MainForm.h"

#include "app/design/DesignForm.h"
#include "app/files/StageForm.h"
#include "app/presenters/MainLayout.h"
#include "app/presenters/MainWindowTexts.h"
#include "app/spread/SpreadForm.h"
#include "app/spread/SpreadRequest.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Fill.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"

#include <algorithm>

namespace {

constexpr Command<MainForm> kMenuBar[] = {
    {kOpenCommand, {StandardKey::Open, {{{'O'}}}}, nullptr, &MainForm::Open, kFileMenu},
    {kSaveCommand, {StandardKey::Save, {{{'S'}}}}, nullptr, &MainForm::Save, kFileMenu},
    {kSaveAsCommand, {StandardKey::SaveAs, {{{'S', true}}}}, nullptr, &MainForm::SaveAs, kFileMenu},
    {kSaveTableCommand,
     {StandardKey::None, {{{'T'}}}},
     &MainForm::HasResults,
     &MainForm::SaveTable,
     kFileMenu},
    {kSaveSpreadCommand, {}, &MainForm::HasSpread, &MainForm::SaveSpread, kFileMenu},
    {kExitCommand, {StandardKey::Quit, {}}, nullptr, &MainForm::Exit, kFileMenu, nullptr, true},
    {kLinearSweepCommand,
     {},
     nullptr,
     &MainForm::UseLinearSweep,
     kSweepMenu,
     &MainForm::LinearSweep},
    {kDecadeSweepCommand,
     {},
     nullptr,
     &MainForm::UseDecadeSweep,
     kSweepMenu,
     &MainForm::DecadeSweep},
    {kLaggingPhaseCommand,
     {},
     nullptr,
     &MainForm::SwitchPhase,
     kSweepMenu,
     &MainForm::LaggingPhase,
     false,
     true},
    {kSpreadCommand, {}, &MainForm::CanSpread, &MainForm::OpenSpread, kSweepMenu},
    {kDesignCommand, {}, &MainForm::CanDesign, &MainForm::OpenDesign, kSweepMenu},
};

} // namespace

std::span<const Command<MainForm>> MainForm::Table() {
    return kMenuBar;
}

MainForm::MainForm(MainView& view, TableView& table, MessageBoxes& boxes, FileChooser& chooser)
    : view_(view), boxes_(boxes), results_(kInitialResultRows),
      table_(table, results_, boxes, chooser, folder_), chooser_(&chooser) {
    table_.SetStageFile(&file_);
}

void MainForm::SetGraph(GraphForm* graph) {
    graph_ = graph;
    if (graph_ != nullptr) {
        graph_->SetDialogFolder(folder_);
        graph_->SetStageFile(&file_);
        graph_->ShowRequirements(spread_.Limits);
    }
}

void MainForm::SetFileChooser(FileChooser& chooser) {
    chooser_ = &chooser;
    table_.SetFileChooser(chooser);
}

void MainForm::SetRecentFilesStore(RecentFilesStore& store) {
    recentStore_ = &store;
    recent_ = RecentFilesAsStored(store.Load());
    if (folder_.Start().empty() && !recent_.empty())
        folder_.Used(recent_.front());
    view_.MenusChanged();
}

void MainForm::Start() {
    Guarded([this] {
        WriteHeadingsAndNames(view_);
        view_.SetParameterColumnWidths(kParameterColumnWidths[0] + kNameColumnWidening,
                                       kParameterColumnWidths[1] - kNameColumnWidening);
        // So that the user knows how to type fractions.
        view_.SetSeparatorLabel(SeparatorLabelText());
        ShowSweepLabel();
        ShowCaption();
    });
}

void MainForm::Calculate() {
    bool ended = false;
    bool failed = true;
    if (spreadForm_ != nullptr)
        spreadForm_->Clear();
    if (graph_ != nullptr)
        graph_->CalculationStarted();
    Guarded([this, &ended, &failed] {
        ended = RunCalculation();
        // The rows computed before a fault stay in the table; its box comes after them.
        if (ended && result_->Fault)
            std::rethrow_exception(result_->Fault);
        failed = false;
    });
    if (ended)
        table_.ResultsReplaced();
    // "расчет" rewrites the cells in normal form, which may make them another stage than the
    // file's (a blank cell reads 0, digits past the seventeenth are rounded): the caption follows.
    ShowCaption();
    view_.MenusChanged();
    if (graph_ == nullptr)
        return;
    // Only now, with the calculation's box closed, does the graph follow: one action, one box
    // at a time.
    if (ended)
        graph_->ShowResult(result_, logScale_, failed);
    else
        graph_->CalculationRefused();
}

bool MainForm::RunCalculation() {
    const Stage typed = TypedStage();
    const StageCheck check = CheckStage(typed);
    RewriteInNormalForm(view_, typed, FieldsRead(check));
    if (const Refusal* refusal = std::get_if<Refusal>(&check)) {
        view_.ShowMessage(RefusalText(*refusal));
        return false;
    }
    result_ = ComputeSweep(std::get<CheckedStage>(check));
    results_.Show(result_);
    // A sweep of one or two points draws no useful curve; the button is never disabled here.
    if (result_->Count() > 2)
        view_.SetGraphEnabled(true);
    // The graph's mode changes with a calculation that ran to its end, not with one stopped.
    if (!result_->Fault)
        logScale_ = view_.LogScaleChecked();
    return true;
}

void MainForm::ShowGraph() {
    Guarded([this] {
        logScale_ = view_.LogScaleChecked();
        if (graph_ != nullptr)
            graph_->ShowResult(result_, logScale_);
        view_.ShowGraphWindow();
    });
}

void MainForm::ShowHelp() {
    Guarded([this] { view_.ShowHelpWindow(); });
}

void MainForm::Reset() {
    Guarded([this] {
        for (int row = 1; row < kParameterRows; ++row)
            view_.SetCellText(1, row, {});
        InvalidateResults();
        ShowCaption();
    });
}

void MainForm::ParameterEdited(int /*column*/, int /*row*/, const std::string& /*text*/) {
    Guarded([this] {
        InvalidateResults();
        ShowCaption();
    });
}

void MainForm::StageEdited() {
    Guarded([this] { ShowCaption(); });
}

void MainForm::InvalidateResults() {
    results_.Clear();
    if (spreadForm_ != nullptr)
        spreadForm_->Clear();
    table_.ResultsReplaced();
    view_.SetGraphEnabled(false);
    view_.MenusChanged();
}

void MainForm::SwitchPhase() {
    phase_ = phase_ == OpAmpPhase::Lagging ? OpAmpPhase::Leading : OpAmpPhase::Lagging;
    // Another model of the amplifier: the results are another stage's, as after an edit.
    InvalidateResults();
    ShowCaption();
}

Stage MainForm::TypedStage() const {
    Stage stage = StageFromForm(view_, sweep_);
    stage.Phase = phase_;
    return stage;
}

void MainForm::ChooseSweep(SweepKind sweep) {
    sweep_ = sweep;
    ShowSweepLabel();
    view_.MenusChanged();
    ShowCaption();
}

void MainForm::ShowSweepLabel() {
    const ControlBounds label5 = MainControl("Label5").Bounds;
    const SweepLabel label =
        SweepLabelFor(sweep_, label5.Width, MainControl("EdDo").Bounds.X - label5.X,
                      MainControl("EdDf").Bounds.X - label5.X, [this](std::string_view text) {
                          return view_.SweepLabelWidth(std::string(text));
                      });
    view_.SetSweepLabel(label.Text, label.FieldName);
}

bool MainForm::Modified() const {
    return TypedStage() != saved_ || spread_ != savedSpread_;
}

bool MainForm::ResultsCurrent() const {
    if (!HasResults())
        return false;
    Stage shown = TypedStage();
    shown.LogScale = result_->Entered.LogScale; // the graph's mode, not the stage's values
    return shown == result_->Entered;
}

void MainForm::SetSpread(const SpreadSettings& settings) {
    spread_ = settings;
    if (graph_ != nullptr)
        graph_->ShowRequirements(spread_.Limits);
    ShowCaption();
}

std::optional<SpreadInput> MainForm::TypedStageAnalysis() {
    if (!ResultsCurrent()) {
        Calculate();
        if (!HasResults() || result_->Fault)
            return std::nullopt; // refused, or stopped by a fault: its box has been shown
    }
    if (result_->Fault)
        std::rethrow_exception(result_->Fault);
    SpreadInput input = SpreadRequest(*result_, spread_);
    // The limits judged over the sweep, as the analysis judges them.
    if (const SpreadRefusal refusal = CheckSpread(input)) {
        boxes_.ShowMessage(SpreadRefusalText(refusal));
        return std::nullopt;
    }
    return input;
}

void MainForm::OpenSpread() {
    if (spreadForm_ != nullptr)
        spreadForm_->Open();
}

void MainForm::OpenDesign() {
    if (designForm_ != nullptr)
        designForm_->Open();
}

void MainForm::ApplyDesign(const EnteredParameters& values, const std::array<bool, 10>& chosen) {
    Stage stage = TypedStage();
    for (size_t part = 0; part < chosen.size(); ++part)
        if (chosen[part])
            stage.Parameters[part] = values[part];
    PutStageIntoForm(view_, stage);
    InvalidateResults();
    ShowCaption();
}

void MainForm::SaveSpread() {
    if (spreadForm_ != nullptr)
        spreadForm_->SaveBand();
}

bool MainForm::HasSpread() const {
    return spreadForm_ != nullptr && spreadForm_->HasBand();
}

void MainForm::ShowCaption() {
    if (file_.empty()) {
        view_.SetCaption(kMainCaption);
        return;
    }
    view_.SetCaption((Modified() ? kModifiedMark : "") + FileNameText(file_) + kCaptionSeparator +
                     kMainCaption);
}

FileRequest MainForm::StageRequest(const char* caption) const {
    return {caption, kStageFilter, kStageExtension,
            file_.empty() ? std::string(kSuggestedStageName) : FileNameText(file_),
            folder_.Start()};
}

void MainForm::Open() {
    if (!QueryClose())
        return;
    const std::filesystem::path path = chooser_->OpenFileName(StageRequest(kOpenStageCaption));
    if (!path.empty())
        OpenFile(path);
}

void MainForm::OpenAtStart(const std::filesystem::path& path) {
    Guarded([&] { OpenFile(path); });
}

void MainForm::OpenRecent(size_t index) {
    Guarded([&] { OpenRecentFile(index); });
}

void MainForm::OpenRecentFile(size_t index) {
    if (index >= recent_.size() || !QueryClose())
        return;
    const std::filesystem::path path = recent_[index];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        std::erase(recent_, path);
        if (recentStore_ != nullptr)
            recentStore_->Store(recent_);
        view_.MenusChanged();
        boxes_.ShowError(Fill(kRecentFileGone, {{"file", FileNameText(path)}}));
        return;
    }
    OpenFile(path);
}

bool MainForm::OpenFile(const std::filesystem::path& path) {
    const std::optional<Stage> stage = OpenStage(view_, boxes_, path, &spread_);
    if (!stage)
        return false;
    table_.ResultsReplaced();
    if (spreadForm_ != nullptr)
        spreadForm_->Clear();
    savedSpread_ = spread_;
    if (graph_ != nullptr)
        graph_->ShowRequirements(spread_.Limits);
    sweep_ = stage->Sweep;
    phase_ = stage->Phase;
    ShowSweepLabel();
    file_ = path;
    saved_ = TypedStage();
    Remember(path);
    ShowCaption();
    return true;
}

void MainForm::Save() {
    if (file_.empty())
        SaveWithDialog();
    else
        SaveTo(file_);
}

void MainForm::SaveAs() {
    SaveWithDialog();
}

bool MainForm::SaveWithDialog() {
    const std::filesystem::path path = chooser_->SaveFileName(StageRequest(kSaveStageCaption));
    return !path.empty() && SaveTo(path);
}

bool MainForm::SaveTo(std::filesystem::path path) {
    if (!path.has_extension())
        path += std::string(".") + kStageExtension;
    const Stage stage = TypedStage();
    const std::string error = WriteStageFile(path, stage, spread_);
    if (!error.empty()) {
        boxes_.ShowError(error);
        return false;
    }
    file_ = path;
    saved_ = stage;
    savedSpread_ = spread_;
    Remember(path);
    ShowCaption();
    return true;
}

void MainForm::Remember(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    recent_ = WithRecentFile(std::move(recent_), error ? path : absolute);
    folder_.Used(recent_.front());
    if (recentStore_ != nullptr)
        recentStore_->Store(recent_);
    view_.MenusChanged();
}

std::vector<std::string> MainForm::RecentFileLabels() const {
    return ::RecentFileLabels(recent_);
}

bool MainForm::QueryClose() {
    if (!Modified())
        return true;
    const std::string question = file_.empty()
                                     ? std::string(kSaveChangesToNewStage)
                                     : Fill(kSaveChanges, {{"file", FileNameText(file_)}});
    switch (boxes_.Ask(question)) {
    case Answer::Yes:
        return file_.empty() ? SaveWithDialog() : SaveTo(file_);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}
