#include "GraphPresenter.h"

#include "app/files/SafeFile.h"
#include "app/graph/CharacteristicPoints.h"
#include "app/graph/GraphReadout.h"
#include "app/texts/Texts.h"

#include <utility>

namespace {

constexpr Command<GraphPresenter> kCommands[] = {
    {kCopyPictureCommand,
     {StandardKey::Copy, {{{'C'}, {kInsertKey}}}},
     nullptr,
     &GraphPresenter::CopyPicture},
    {kSavePictureCommand, {StandardKey::Save, {{{'S'}}}}, nullptr, &GraphPresenter::SavePicture},
    {kCharacteristicPointsCommand,
     {},
     &GraphPresenter::HasComputedRows,
     &GraphPresenter::ShowCharacteristicPoints},
    {kRememberCurveCommand, {}, &GraphPresenter::CanRemember, &GraphPresenter::RememberCurve},
    {kForgetCurvesCommand, {}, &GraphPresenter::CanForget, &GraphPresenter::ForgetCurves},
};

} // namespace

std::span<const Command<GraphPresenter>> GraphPresenter::Table() {
    return kCommands;
}

GraphPresenter::GraphPresenter(StageSession& session, GraphView& view, MessageBoxes& boxes,
                               FileChooser& chooser)
    : session_(session), view_(view), boxes_(boxes), chooser_(&chooser) {
    picture_.SetKeptCurves(&kept_);
    picture_.SetRequirements(session_.Settings().Limits);
    session_.Listen(*this);
}

GraphPresenter::~GraphPresenter() {
    session_.Forget(*this);
}

void GraphPresenter::SessionChanged(SessionChange change) {
    switch (change) {
    case SessionChange::CalculationStarted:
        CalculationStarted();
        break;
    case SessionChange::CalculationRefused:
        CalculationRefused();
        break;
    case SessionChange::ResultShown:
        ShowResult(session_.Result(), session_.LogScale(), session_.ResultFailed());
        break;
    case SessionChange::Band:
        ShowBand(session_.Band());
        break;
    case SessionChange::Settings:
    case SessionChange::FileOpened:
        ShowRequirements(session_.Settings().Limits);
        break;
    default:
        break;
    }
}

void GraphPresenter::Paint(Surface& surface, int32_t outerWidth, int32_t outerHeight) {
    if (held_) {
        skipped_ = true;
        return;
    }
    try {
        picture_.Paint(surface, outerWidth, outerHeight);
        if (marker_)
            if (const auto at = MarkerPixel(Result(), LogScale(), &kept_, picture_.BandShown(),
                                            surface.Clip(), *marker_))
                DrawMarker(surface, *at);
    } catch (...) {
        if (!quiet_)
            paintError_ = std::current_exception();
    }
}

void GraphPresenter::PaintFinished() {
    // A paint comes whenever the window is uncovered, also while another action's box or dialog
    // is up: its failure waits for them to close, and then shows once.
    if (!paintError_ || std::exchange(waiting_, true))
        return;
    boxes_.WhenNoneUp([this] {
        waiting_ = false;
        if (const std::exception_ptr error = std::exchange(paintError_, nullptr))
            RunGuarded(boxes_, [&] { std::rethrow_exception(error); });
    });
}

void GraphPresenter::CalculationRefused() {
    held_ = false;
    if (std::exchange(skipped_, false) && view_.IsShown())
        view_.Repaint();
}

void GraphPresenter::ShowResult(SharedResult result, bool logScale, bool afterError) {
    picture_.Show(std::move(result), logScale);
    held_ = false;
    skipped_ = false;
    quiet_ = afterError;
    picture_.Rearm();
    // The rows may be others now: the marker would name a point no longer drawn.
    RemoveMarker();
    if (view_.IsShown())
        view_.Repaint();
}

void GraphPresenter::ShowBand(std::shared_ptr<const SpreadResult> band) {
    picture_.SetBand(std::move(band));
    // The axes may range over the band now: the marker's pixel and readout follow.
    ShowMarker();
    if (view_.IsShown())
        view_.Repaint();
}

void GraphPresenter::ShowRequirements(const YieldLimits& requirements) {
    picture_.SetRequirements(requirements);
    if (view_.IsShown())
        view_.Repaint();
}

std::optional<std::string> GraphPresenter::Readout(ClipRect area, int32_t x) const {
    const auto point = PointUnderPointer(Result(), LogScale(), area, x, &kept_);
    if (!point)
        return std::nullopt;
    return WithBand(PointReadout(Result(), LogScale(), kept_, *point), point->Frequency);
}

std::string GraphPresenter::WithBand(std::string readout, double frequency) const {
    if (const SpreadResult* band = picture_.BandShown())
        if (const std::string line = BandReadoutLine(*band, frequency, LogScale()); !line.empty())
            readout.append("\n").append(line);
    return readout;
}

void GraphPresenter::MoveMarker(MarkerStep step, ClipRect area) {
    // While a calculation runs (its box up), the graph waits, as the paint does.
    if (held_)
        return;
    Guarded([&] {
        const auto moved = MovedMarker(marker_, step, static_cast<size_t>(Result().Computed));
        if (!moved ||
            !MarkerPixel(Result(), LogScale(), &kept_, picture_.BandShown(), area, *moved))
            return;
        marker_ = moved;
        markerArea_ = area;
        ShowMarker();
        view_.Repaint();
    });
}

void GraphPresenter::ShowMarker() {
    if (!marker_)
        return;
    // A kept curve remembered or forgotten changes the readout's lines and the axes.
    if (const auto at =
            MarkerPixel(Result(), LogScale(), &kept_, picture_.BandShown(), markerArea_, *marker_))
        view_.ShowMarkerReadout(WithBand(RowReadout(Result(), LogScale(), kept_, *marker_),
                                         Result().Frequencies[*marker_]),
                                *at);
}

void GraphPresenter::RemoveMarker() {
    if (std::exchange(marker_, std::nullopt))
        view_.ShowMarkerReadout({}, {0, 0});
}

void GraphPresenter::RememberCurve() {
    kept_.Remember(picture_.SharedCurrent());
    ShowMarker();
    if (view_.IsShown())
        view_.Repaint();
}

void GraphPresenter::ForgetCurves() {
    kept_.Forget();
    ShowMarker();
    if (view_.IsShown())
        view_.Repaint();
}

void GraphPresenter::SavePicture() {
    const std::filesystem::path path =
        chooser_->SaveFileName({kSavePictureCaption, kPngFilter, kPngExtension,
                                kSuggestedPictureName, session_.Folder().Start()});
    if (path.empty())
        return;
    session_.Folder().Used(path);
    if (IsOpenStageFile(path, session_.File()))
        return boxes_.ShowError(SaveFailureText(path, kPictureOverStageFile));
    const std::string png = view_.PictureAsPng();
    const std::string error =
        png.empty() ? std::string(kPictureNotEncoded)
                    : WriteFileSafely(path, [&](std::ostream& out) {
                          out.write(png.data(), static_cast<std::streamsize>(png.size()));
                      });
    if (!error.empty())
        boxes_.ShowError(error);
}

void GraphPresenter::ShowCharacteristicPoints() {
    if (const auto points = FindCharacteristicPoints(Result()))
        boxes_.ShowMessage(CharacteristicPointsText(*points));
}
