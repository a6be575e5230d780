#pragma once

#include "CalcState.h"
#include "Commands.h"
#include "EventGuard.h"
#include "FileChooser.h"
#include "GraphPicture.h"
#include "MessageBoxes.h"
#include "plot/Surface.h"

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
};

// The graph window's decisions: what it draws, the readout under the pointer, and its commands
// "Копировать рисунок", "Сохранить рисунок…" and "Характерные точки…". It reads the calculation
// state as it stands, like the picture.
class GraphForm {
  public:
    GraphForm(GraphView& view, const CalcState& state, MessageBoxes& boxes, FileChooser& chooser)
        : view_(view), state_(state), boxes_(boxes), chooser_(&chooser), picture_(state) {}

    static std::span<const Command<GraphForm>> Table();

    void SetFileChooser(FileChooser& chooser) { chooser_ = &chooser; }

    // The paint: the picture over the whole client area; `outerWidth` and `outerHeight` are the
    // window's size with frame and caption. A failure is reported once, in an error box, unless
    // the calculation that asked for the paint has already reported its own error: then the
    // window just shows its background.
    void FormPaint(Surface& surface, int32_t outerWidth, int32_t outerHeight);

    // A calculation is running: until it has ended and its box, if any, is closed, a paint shows
    // just the background, as the state is only partly written.
    void CalculationStarted() { held_ = true; }
    // A calculation was refused before it changed the series: paints go on as before.
    void CalculationRefused();
    // A calculation has ended or "график" was pressed: a paint that failed before is tried again
    // and a window on screen is repainted. `afterError`: the calculation stopped on a
    // floating-point error, whose box the user has seen.
    void CalcStateChanged(bool afterError = false);

    // The readout of the computed point nearest the pointer's column x over the chart drawn into
    // `area`; nothing where there is none.
    std::optional<std::string> Readout(ClipRect area, int32_t x) const;

    bool HasComputedRows() const { return ComputedRows(state_) > 0; }
    void CopyPicture() { view_.CopyPictureToClipboard(); }
    void SavePicture();
    void ShowCharacteristicPoints();

    template <class Handler> void Guarded(Handler&& handler) { RunGuarded(boxes_, handler); }

  private:
    GraphView& view_;
    const CalcState& state_;
    MessageBoxes& boxes_;
    FileChooser* chooser_;
    GraphPicture picture_;
    bool quiet_ = false;   // a failing paint raises no box
    bool held_ = false;    // a calculation is running
    bool skipped_ = false; // a paint came while held
};
