#include "StagePresenters.h"

#include "app/texts/Texts.h"

#include <utility>

namespace {

using Presenters = StagePresenters;

constexpr Command<Presenters> kMenuBar[] = {
    {kOpenCommand, {StandardKey::Open, {{{'O'}}}}, nullptr, &Presenters::Open, kFileMenu},
    {kSaveCommand, {StandardKey::Save, {{{'S'}}}}, nullptr, &Presenters::Save, kFileMenu},
    {kSaveAsCommand,
     {StandardKey::SaveAs, {{{'S', true}}}},
     nullptr,
     &Presenters::SaveAs,
     kFileMenu},
    {kSaveTableCommand,
     {StandardKey::None, {{{'T'}}}},
     &Presenters::HasResults,
     &Presenters::SaveTable,
     kFileMenu},
    {kSaveSpreadCommand, {}, &Presenters::HasSpread, &Presenters::SaveSpread, kFileMenu},
    {kExitCommand, {StandardKey::Quit, {}}, nullptr, &Presenters::Exit, kFileMenu, nullptr, true},
    {kLinearSweepCommand,
     {},
     nullptr,
     &Presenters::UseLinearSweep,
     kSweepMenu,
     &Presenters::LinearSweep},
    {kDecadeSweepCommand,
     {},
     nullptr,
     &Presenters::UseDecadeSweep,
     kSweepMenu,
     &Presenters::DecadeSweep},
    {kLaggingPhaseCommand,
     {},
     nullptr,
     &Presenters::SwitchPhase,
     kSweepMenu,
     &Presenters::LaggingPhase,
     false,
     true},
    {kSpreadCommand, {}, &Presenters::CanSpread, &Presenters::OpenSpread, kSweepMenu},
    {kDesignCommand, {}, &Presenters::CanDesign, &Presenters::OpenDesign, kSweepMenu},
};

} // namespace

std::span<const Command<StagePresenters>> StagePresenters::Table() {
    return kMenuBar;
}

StagePresenters::StagePresenters(MessageBoxes& boxes, std::function<double()> clock)
    : boxes_(boxes), clock_(std::move(clock)) {}

MainPresenter& StagePresenters::MakeMain(MainView& view, TableView& table, FileChooser& chooser) {
    return main_.emplace(session_, view, table, boxes_, chooser);
}

GraphPresenter& StagePresenters::MakeGraph(GraphView& view, FileChooser& chooser) {
    return graph_.emplace(session_, view, boxes_, chooser);
}

SpreadPresenter& StagePresenters::MakeSpread(SpreadView& view, FileChooser& chooser) {
    return spread_.emplace(session_, view, boxes_, chooser, clock_);
}

DesignPresenter& StagePresenters::MakeDesign(DesignView& view) {
    return design_.emplace(session_, view, boxes_, clock_);
}

void StagePresenters::SaveSpread() {
    if (spread_)
        spread_->SaveBand();
}

void StagePresenters::OpenSpread() {
    if (spread_)
        spread_->Open();
}

void StagePresenters::OpenDesign() {
    if (design_)
        design_->Open();
}
