#pragma once

#include "Controls.h"
#include "WindowsApi.h"
#include "plot/Surface.h"

// The chart's drawing surface over a GDI device context. Solid lines are GDI's own (LineTo and
// Polyline leave out the end pixel as the chart expects); a dotted line sets every other pixel
// itself, as the chart's grid needs: GDI's PS_DOT draws dashes of several pixels. Text stands on
// the window's background in the font selected into the context.
class GdiSurface final : public Surface {
  public:
    // `area` is the rectangle the chart is scaled into; `background` fills behind each text.
    GdiSurface(HDC dc, RECT area, COLORREF background);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    ClipRect Clip() const override;
    void SetPenStyle(PenStyle style) override { style_ = style; }
    void SetPenColor(Rgb color) override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void TextOut(int32_t x, int32_t y, std::string_view text) override;
    void FillBackground(ClipRect box) override;
    void SetTextInk(Rgb ink) override { ink_ = RGB(ink.Red, ink.Green, ink.Blue); }
    TextBoxSize MeasureText(std::string_view text) const override;
    void Polyline(const Point* points, size_t count) override;

  private:
    HDC dc_;
    RECT area_;
    COLORREF background_;
    COLORREF ink_ = RGB(0, 0, 0);
    PenStyle style_ = PenStyle::Solid;
    COLORREF color_ = RGB(0, 0, 0);
    Point current_ = {0, 0};
    GdiHandle<HPEN> pen_;
    HGDIOBJ previousPen_ = nullptr;
};
