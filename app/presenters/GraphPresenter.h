#pragma once

#include "app/graph/GraphMarker.h"
#include "app/graph/GraphPicture.h"
#include "app/graph/KeptCurves.h"
#include "app/presenters/Commands.h"
#include "app/presenters/EventGuard.h"
#include "app/presenters/FileChooser.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StageSession.h"
#include "calc/SweepResult.h"
#include "plot/Surface.h"

#include <exception>
#include <memory>
#include <optional>
#include <span>
#include <string>

// What the graph window's presenter sees of the window. The window implements it; tests fake it.
class GraphView {
  public:
    virtual ~GraphView() = default;
    virtual bool IsShown() const = 0;
    // Asks for a paint of the whole window; the toolkit paints when it is ready.
    virtual void Repaint() = 0;
    // The window's picture as on screen.
    virtual void CopyPictureToClipboard() = 0;
    // The same encoded as PNG; empty when the toolkit could not encode it.
    virtual std::string PictureAsPng() = 0;
    // The marker has moved, or its readout changed: the window shows `text` as a tooltip at `at`
    // (client pixels) and gives it to screen readers as its description, telling them it changed.
    // An empty text: the marker is gone, the tooltip hidden and the description empty.
    virtual void ShowMarkerReadout(const std::string& text, Point at) = 0;
};

// The graph window's decisions: what it draws, the readout under the pointer, and its commands
// "Копировать рисунок", "Сохранить рисунок…", "Характерные точки…", "Запомнить кривую" and
// "Забыть кривые", and the marker the keyboard moves over the computed points. It shows the result
// it was last handed, and keeps the curves remembered for comparison until they are forgotten or
// the program ends. It follows the session: its calculations, band and requirements.
class GraphPresenter final : public SessionListener {
  public:
    GraphPresenter(StageSession& session, GraphView& view, MessageBoxes& boxes,
                   FileChooser& chooser);
    ~GraphPresenter();
    GraphPresenter(const GraphPresenter&) = delete;
    GraphPresenter& operator=(const GraphPresenter&) = delete;

    static std::span<const Command<GraphPresenter>> Table();

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }
    void SessionChanged(SessionChange change) override;

    // The paint: the picture over the whole client area; `outerWidth` and `outerHeight` are the
    // window's size with frame and caption. It never throws: a failure leaves the background and
    // is reported by PaintFinished, once, when the toolkit has finished the paint and no other box
    // or dialog is up, unless the calculation that asked for the paint has already reported its
    // own error.
    void Paint(Surface& surface, int32_t outerWidth, int32_t outerHeight);
    void PaintFinished();

    // A calculation is running: until it has ended and its box, if any, is closed, a paint shows
    // just the background.
    void CalculationStarted() { held_ = true; }
    // A calculation was refused: paints go on with the curve as before.
    void CalculationRefused();
    // A calculation has ended or "график" was pressed: the curve from now on is `result`'s, in dB
    // over log10(f) when `logScale`; a paint that failed before is tried again and a window on
    // screen is repainted. `afterError`: the calculation stopped on a floating-point error,
    // whose box the user has seen.
    void ShowResult(SharedResult result, bool logScale, bool afterError = false);
    const SweepResult& Result() const { return picture_.Result(); }
    bool LogScale() const { return picture_.LogScale(); }
    // The tolerance analysis's band (none for nullptr), drawn under the curves while it was formed
    // over the sweep shown; a window on screen is repainted.
    void ShowBand(std::shared_ptr<const SpreadResult> band);
    // The stage's requirements, drawn on the graph in both modes.
    void ShowRequirements(const YieldLimits& requirements);

    // The readout of the computed point nearest the pointer's column x over the chart drawn into
    // `area`, with the band's values there; nothing where there is none.
    std::optional<std::string> Readout(ClipRect area, int32_t x) const;

    // A key moves the marker over the computed points of the chart drawn into `area` (the window's
    // client area): the window repaints with the marker and shows its readout. Nothing happens
    // without a chart.
    void MoveMarker(MarkerStep step, ClipRect area);
    // The computed row the marker stands on; none until a key places it, and again once another
    // result is shown.
    std::optional<size_t> Marker() const { return marker_; }

    bool HasComputedRows() const { return Result().Computed > 0; }
    void CopyPicture() { view_.CopyPictureToClipboard(); }
    void SavePicture();
    void ShowCharacteristicPoints();
    bool CanRemember() const { return KeptCurves::CanRemember(Result()); }
    bool CanForget() const { return kept_.CanForget(); }
    void RememberCurve();
    void ForgetCurves();
    const KeptCurves& Kept() const { return kept_; }

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    // Tells the window the marker's readout anew, or that the marker is gone.
    void ShowMarker();
    void RemoveMarker();
    // The readout with the band's line at the point's frequency, when a band is shown.
    std::string WithBand(std::string readout, double frequency) const;

    StageSession& session_;
    GraphView& view_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    KeptCurves kept_;
    GraphPicture picture_;
    bool quiet_ = false;   // a failing paint raises no box
    bool held_ = false;    // a calculation is running
    bool skipped_ = false; // a paint came while held
    bool waiting_ = false; // a paint's failure waits for the boxes up to close
    std::exception_ptr paintError_;
    std::optional<size_t> marker_;
    ClipRect markerArea_{}; // the client area the marker was last placed in
};
