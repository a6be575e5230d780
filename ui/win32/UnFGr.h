#pragma once

#include "Controls.h"
#include "GraphActions.h"
#include "Window.h"
#include "app/CalcState.h"
#include "app/GraphPicture.h"
#include "app/MessageBoxes.h"

// The graph window "график": the gain curve of the last calculation, drawn from the calculation
// state as it stands at every paint. It holds no data of its own.
class TForm3 final : public Window {
  public:
    static constexpr POINT kPosition = {202, 71};
    static constexpr SIZE kClientSize = {763, 534};
    // The window's frame on the system the layout was made for (outer size less client size).
    // The axis titles stand relative to the outer size; measured with this frame they stand
    // where the layout puts them whatever frame the system draws.
    static constexpr SIZE kFrame = {8, 34};
    static constexpr COLORREF kSilver = RGB(192, 192, 192);

    TForm3(const CalcState& state, MessageBoxes& boxes);
    ~TForm3() override;

    // A calculation has ended or "график" was pressed: a paint that failed before is tried again,
    // and a window on screen is repainted from the state as it now stands.
    void CalcStateChanged();

    // Where "Сохранить рисунок…" asks for the file name: the save dialog unless replaced.
    void SetFileChooser(FileChooser& chooser) { actions_->SetFileChooser(chooser); }
    GraphActions& Actions() { return *actions_; }

    void FormCreate();
    // Draws the client area into `dc`; a floating-point error of the chart propagates.
    void FormPaint(HDC dc);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Paints through the error handler; the error box comes after the paint has finished.
    template <class Paint> void GuardedPaint(Paint paint);

    MessageBoxes& boxes_;
    GraphPicture picture_;
    GdiHandle<HFONT> font_;
    GdiHandle<HBRUSH> background_;
    std::unique_ptr<GraphActions> actions_;
};
