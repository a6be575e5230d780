#pragma once

#include "Controls.h"
#include "FileDialog.h"
#include "GraphActions.h"
#include "Window.h"
#include "app/presenters/MessageBoxes.h"
#include "app/session/StagePresenters.h"
#include "calc/SweepResult.h"

#include <utility>

// The graph window "график": the gain curve of the result it was last handed, drawn anew at every
// paint. Its decisions are GraphPresenter's.
// The chart is laid out at 96 DPI and drawn scaled to the monitor's DPI, its lines and texts
// growing with it as in the Qt windows.
class GraphWindow final : public Window, public GraphView {
  public:
    static constexpr POINT kPosition = {202, 71};
    static constexpr SIZE kClientSize = {763, 534}; // at 96 DPI
    // The window's frame on the system the layout was made for (outer size less client size).
    // The axis titles stand relative to the outer size; measured with this frame they stand
    // where the layout puts them whatever frame the system draws.
    static constexpr SIZE kFrame = {8, 34};
    static constexpr COLORREF kSilver = RGB(192, 192, 192);

    GraphWindow(StagePresenters& presenters, MessageBoxes& boxes);
    ~GraphWindow() override;

    GraphPresenter& Presenter() { return presenter_; }
    // A calculation has ended or "график" was pressed: the curve to draw, in dB over log10(f) or
    // as a ratio over f.
    void Show(SharedResult result, bool logScale) {
        presenter_.ShowResult(std::move(result), logScale);
    }
    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { presenter_.SetFileChooser(chooser); }
    GraphActions& Actions() { return *actions_; }

    void FormCreate();
    // Draws the client area into `dc`.
    void FormPaint(HDC dc);
    // The client area in the chart's units, pixels at 96 DPI.
    RECT ChartArea() const;

    // GraphView
    bool IsShown() const override { return IsWindowVisible(Handle()) != 0; }
    void Repaint() override { InvalidateRect(Handle(), nullptr, FALSE); }
    void CopyPictureToClipboard() override;
    std::string PictureAsPng() override;
    void ShowMarkerReadout(const std::string& text, Point at) override;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window's picture as on screen, drawn anew into a bitmap of its client size.
    HBITMAP Picture() const;

    FileDialog dialog_;
    TurnTakingChooser dialogs_;
    StagePresenters& presenters_;
    GraphPresenter& presenter_;
    GdiHandle<HFONT> font_;
    GdiHandle<HBRUSH> background_;
    std::unique_ptr<GraphActions> actions_;
};
