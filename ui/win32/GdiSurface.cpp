#include "GdiSurface.h"

#include "Text.h"
#include "plot/LinePixels.h"

#include <algorithm>
#include <vector>

namespace {

// Points per Polyline call: a million-point curve goes in chunks that share their end points.
constexpr size_t kChunk = 16384;

} // namespace

GdiSurface::GdiSurface(HDC dc, RECT area, COLORREF background)
    : dc_(dc), area_(area), background_(background) {
    SetPenColor({0, 0, 0});
}

GdiSurface::~GdiSurface() {
    SelectObject(dc_, previousPen_);
}

ClipRect GdiSurface::Clip() const {
    return {area_.left, area_.top, area_.right, area_.bottom};
}

void GdiSurface::SetPenColor(Rgb color) {
    color_ = RGB(color.Red, color.Green, color.Blue);
    GdiHandle<HPEN> pen(gdi_objects::Counted(CreatePen(PS_SOLID, 1, color_)));
    HGDIOBJ previous = SelectObject(dc_, pen.get());
    if (previousPen_ == nullptr)
        previousPen_ = previous;
    pen_ = std::move(pen);
}

void GdiSurface::MoveTo(int32_t x, int32_t y) {
    current_ = {x, y};
    MoveToEx(dc_, x, y, nullptr);
}

void GdiSurface::LineTo(int32_t x, int32_t y) {
    if (style_ == PenStyle::Dotted) {
        LinePixels(current_, {x, y}, style_,
                   [this](int32_t px, int32_t py) { SetPixelV(dc_, px, py, color_); });
        MoveToEx(dc_, x, y, nullptr);
    } else {
        MoveToEx(dc_, current_.X, current_.Y, nullptr);
        ::LineTo(dc_, x, y);
    }
    current_ = {x, y};
}

void GdiSurface::Polyline(const Point* points, size_t count) {
    if (style_ == PenStyle::Dotted || count < 2)
        return Surface::Polyline(points, count);
    std::vector<POINT> chunk;
    chunk.reserve(std::min(count, kChunk));
    for (size_t start = 0; start + 1 < count; start += kChunk - 1) {
        const size_t end = std::min(count, start + kChunk);
        chunk.clear();
        for (size_t i = start; i < end; ++i)
            chunk.push_back({points[i].X, points[i].Y});
        ::Polyline(dc_, chunk.data(), static_cast<int>(chunk.size()));
    }
    MoveTo(points[count - 1].X, points[count - 1].Y);
}

void GdiSurface::TextOut(int32_t x, int32_t y, std::string_view text) {
    const std::wstring wide = Widen(text);
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, background_);
    SetTextColor(dc_, ink_);
    ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void GdiSurface::FillBackground(ClipRect box) {
    const RECT rect{box.Left, box.Top, box.Right, box.Bottom};
    SetBkColor(dc_, background_);
    // An opaque text of no characters fills its rectangle with the background colour.
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

TextBoxSize GdiSurface::MeasureText(std::string_view text) const {
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}
