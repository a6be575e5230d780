#include "MainPresenter.h"

#include "app/files/StageForm.h"
#include "app/presenters/MainLayout.h"
#include "app/presenters/MainWindowTexts.h"
#include "app/texts/CalculationTexts.h"
#include "app/texts/Fill.h"
#include "app/texts/Texts.h"
#include "calc/Calculation.h"

#include <algorithm>

MainPresenter::MainPresenter(StageSession& session, MainView& view, TableView& table,
                             MessageBoxes& boxes, FileChooser& chooser)
    : session_(session), view_(view), boxes_(boxes), results_(kInitialResultRows),
      table_(table, results_, boxes, chooser, session.Folder()), chooser_(&chooser) {
    table_.SetStageFile(&session_.File());
    session_.SetForm([this] { return TypedStage(); },
                     [this](const Stage& stage) { PutStageIntoForm(view_, stage); });
    session_.Listen(*this);
}

MainPresenter::~MainPresenter() {
    session_.Forget(*this);
    session_.SetForm(nullptr, nullptr);
}

void MainPresenter::SessionChanged(SessionChange change) {
    switch (change) {
    case SessionChange::StageReplaced:
        InvalidateResults();
        ShowCaption();
        break;
    case SessionChange::Settings:
        ShowCaption();
        break;
    case SessionChange::Band:
        view_.MenusChanged();
        break;
    case SessionChange::CalculationWanted:
        Calculate();
        break;
    default:
        break;
    }
}

void MainPresenter::SetFileChooser(FileChooser& chooser) {
    chooser_ = &chooser;
    table_.SetFileChooser(chooser);
}

void MainPresenter::SetRecentFilesStore(RecentFilesStore& store) {
    recentStore_ = &store;
    recent_ = RecentFilesAsStored(store.Load());
    if (session_.Folder().Start().empty() && !recent_.empty())
        session_.Folder().Used(recent_.front());
    view_.MenusChanged();
}

void MainPresenter::Start() {
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

void MainPresenter::Calculate() {
    SharedResult made;
    bool failed = true;
    session_.CalculationStarted();
    Guarded([this, &made, &failed] {
        made = RunCalculation();
        // The rows computed before a fault stay in the table; its box comes after them.
        if (made && made->Fault)
            std::rethrow_exception(made->Fault);
        failed = false;
    });
    if (made)
        table_.ResultsReplaced();
    // "расчет" rewrites the cells in normal form, which may make them another stage than the
    // file's (a blank cell reads 0, digits past the seventeenth are rounded): the caption follows.
    ShowCaption();
    view_.MenusChanged();
    // Only now, with the calculation's box closed, does the graph follow: one action, one box
    // at a time. The graph's mode changes with a calculation that ran to its end, not with one
    // stopped.
    if (made)
        session_.ShowResult(made, made->Fault ? session_.LogScale() : view_.LogScaleChecked(),
                            failed);
    else
        session_.CalculationRefused();
}

SharedResult MainPresenter::RunCalculation() {
    const Stage typed = TypedStage();
    const StageCheck check = CheckStage(typed);
    RewriteInNormalForm(view_, typed, FieldsRead(check));
    if (const Refusal* refusal = std::get_if<Refusal>(&check)) {
        view_.ShowMessage(RefusalText(*refusal));
        return nullptr;
    }
    SharedResult result = ComputeSweep(std::get<CheckedStage>(check));
    results_.Show(result);
    // A sweep of one or two points draws no useful curve; the button is never disabled here.
    if (result->Count() > 2)
        view_.SetGraphEnabled(true);
    return result;
}

void MainPresenter::ShowGraph() {
    Guarded([this] {
        session_.ShowResultAs(view_.LogScaleChecked());
        view_.ShowGraphWindow();
    });
}

void MainPresenter::ShowHelp() {
    Guarded([this] { view_.ShowHelpWindow(); });
}

void MainPresenter::Reset() {
    Guarded([this] {
        for (int row = 1; row < kParameterRows; ++row)
            view_.SetCellText(1, row, {});
        InvalidateResults();
        ShowCaption();
    });
}

void MainPresenter::ParameterEdited(int /*column*/, int /*row*/, const std::string& /*text*/) {
    Guarded([this] {
        InvalidateResults();
        ShowCaption();
    });
}

void MainPresenter::StageEdited() {
    Guarded([this] { ShowCaption(); });
}

void MainPresenter::InvalidateResults() {
    results_.Clear();
    session_.ClearResults();
    table_.ResultsReplaced();
    view_.SetGraphEnabled(false);
    view_.MenusChanged();
}

void MainPresenter::SwitchPhase() {
    phase_ = phase_ == OpAmpPhase::Lagging ? OpAmpPhase::Leading : OpAmpPhase::Lagging;
    // Another model of the amplifier: the results are another stage's, as after an edit.
    InvalidateResults();
    ShowCaption();
}

Stage MainPresenter::TypedStage() const {
    Stage stage = StageFromForm(view_, sweep_);
    stage.Phase = phase_;
    return stage;
}

void MainPresenter::ChooseSweep(SweepKind sweep) {
    sweep_ = sweep;
    ShowSweepLabel();
    view_.MenusChanged();
    ShowCaption();
}

void MainPresenter::ShowSweepLabel() {
    const ControlBounds label5 = MainControl(MainControlName::Label5).Bounds;
    const SweepLabel label = SweepLabelFor(
        sweep_, label5.Width, MainControl(MainControlName::EdDo).Bounds.X - label5.X,
        MainControl(MainControlName::EdDf).Bounds.X - label5.X,
        [this](std::string_view text) { return view_.SweepLabelWidth(std::string(text)); });
    view_.SetSweepLabel(label.Text, label.FieldName);
}

void MainPresenter::ShowCaption() {
    const std::filesystem::path& file = session_.File();
    if (file.empty()) {
        view_.SetCaption(kMainCaption);
        return;
    }
    view_.SetCaption((Modified() ? kModifiedMark : "") + FileNameText(file) + kCaptionSeparator +
                     kMainCaption);
}

FileRequest MainPresenter::StageRequest(const char* caption) const {
    return {caption, kStageFilter, kStageExtension,
            File().empty() ? std::string(kSuggestedStageName) : FileNameText(File()),
            session_.Folder().Start()};
}

void MainPresenter::Open() {
    if (!QueryClose())
        return;
    const std::filesystem::path path = chooser_->OpenFileName(StageRequest(kOpenStageCaption));
    if (!path.empty())
        OpenFile(path);
}

void MainPresenter::OpenAtStart(const std::filesystem::path& path) {
    Guarded([&] { OpenFile(path); });
}

void MainPresenter::OpenRecent(size_t index) {
    Guarded([&] { OpenRecentFile(index); });
}

void MainPresenter::OpenRecentFile(size_t index) {
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

bool MainPresenter::OpenFile(const std::filesystem::path& path) {
    SpreadSettings settings = session_.Settings();
    const std::optional<Stage> stage = OpenStage(view_, boxes_, path, &settings);
    if (!stage)
        return false;
    table_.ResultsReplaced();
    sweep_ = stage->Sweep;
    phase_ = stage->Phase;
    ShowSweepLabel();
    session_.Opened(path, TypedStage(), settings);
    Remember(path);
    ShowCaption();
    return true;
}

void MainPresenter::Save() {
    if (File().empty())
        SaveWithDialog();
    else
        SaveTo(File());
}

void MainPresenter::SaveAs() {
    SaveWithDialog();
}

bool MainPresenter::SaveWithDialog() {
    const std::filesystem::path path = chooser_->SaveFileName(StageRequest(kSaveStageCaption));
    return !path.empty() && SaveTo(path);
}

bool MainPresenter::SaveTo(std::filesystem::path path) {
    if (!path.has_extension())
        path += std::string(".") + kStageExtension;
    const Stage stage = TypedStage();
    const std::string error = WriteStageFile(path, stage, session_.Settings());
    if (!error.empty()) {
        boxes_.ShowError(error);
        return false;
    }
    session_.Saved(path, stage);
    Remember(path);
    ShowCaption();
    return true;
}

void MainPresenter::Remember(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    recent_ = WithRecentFile(std::move(recent_), error ? path : absolute);
    session_.Folder().Used(recent_.front());
    if (recentStore_ != nullptr)
        recentStore_->Store(recent_);
    view_.MenusChanged();
}

std::vector<std::string> MainPresenter::RecentFileLabels() const {
    return ::RecentFileLabels(recent_);
}

bool MainPresenter::QueryClose() {
    if (!Modified())
        return true;
    const std::filesystem::path file = File();
    const std::string question = file.empty() ? std::string(kSaveChangesToNewStage)
                                              : Fill(kSaveChanges, {{"file", FileNameText(file)}});
    switch (boxes_.Ask(question)) {
    case Answer::Yes:
        return file.empty() ? SaveWithDialog() : SaveTo(file);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}
