#include "HistogramControl.h"

#include "Accessible.h"
#include "Dpi.h"
#include "GdiSurface.h"
#include "Painting.h"

#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"THistogram";

} // namespace

HistogramControl::HistogramControl(HWND parent, RECT bounds, SpreadHistogramKind kind,
                                   std::shared_ptr<const SpreadResult> result, int id)
    : kind_(kind),
      // 11 px as the graph's, scaled with the picture, in an outline font wherever it is scaled.
      font_(MakeFont(11, false, ChartFontFace(SystemDpi()))) {
    Create(kClassName, 0, nullptr, 0, L"", WS_CHILD | WS_VISIBLE, bounds, parent, id);
    SetAccessibleName(Handle(), [window = Handle()] { return ControlText(window); });
    Show(std::move(result));
}

void HistogramControl::Show(std::shared_ptr<const SpreadResult> result) {
    result_ = std::move(result);
    SetControlText(Handle(), result_ ? SpreadHistogramText(*result_, kind_) : std::string());
    InvalidateRect(Handle(), nullptr, FALSE);
}

void HistogramControl::Paint(HDC dc) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    const COLORREF paper = GetSysColor(COLOR_WINDOW);
    const GdiHandle<HBRUSH> brush(gdi_objects::Counted(CreateSolidBrush(paper)));
    FillRect(dc, &client, brush.get());
    if (!result_)
        return;
    // Drawn in 96-DPI pixels, through a scale to the window's DPI.
    const UINT dpi = WindowDpi(Handle());
    const int mode = SetGraphicsMode(dc, GM_ADVANCED);
    const float scale = static_cast<float>(dpi) / kLayoutDpi;
    const XFORM toDpi = {scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc, &toDpi);
    {
        const SelectedObject font(dc, font_.get());
        const RECT area = {0, 0, MulDiv(client.right, kLayoutDpi, static_cast<int>(dpi)),
                           MulDiv(client.bottom, kLayoutDpi, static_cast<int>(dpi))};
        GdiSurface surface(dc, area, paper);
        DrawSpreadHistogram(*result_, kind_, surface);
    }
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetGraphicsMode(dc, mode);
}

LRESULT HistogramControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0;
        AnswerPaintMessages(Handle(), message, wParam, result, [this](HDC dc) { Paint(dc); }))
        return result;
    return Window::HandleMessage(message, wParam, lParam);
}
