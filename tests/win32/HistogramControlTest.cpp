#include "ui/win32/HistogramControl.h"

#include "AccessibleReading.h"
#include "Canvas.h"
#include "WindowTestHelpers.h"
#include "plot/HistogramChart.h"
#include "tests/app/SampleSpread.h"

namespace {

// Does the control paint a pixel of `color` (WM_PRINTCLIENT)?
bool Paints(HWND control, Rgb color) {
    Canvas canvas(kSpreadHistogramWidth, kSpreadHistogramHeight);
    Canvas::Print(control, canvas);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == RGB(color.Red, color.Green, color.Blue))
                return true;
    return false;
}

// The control paints the picture and is named by its reading; what the picture holds is tested
// in tests/app.
TEST(HistogramControl, PaintsThePictureNamedByItsReading) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    const auto result = std::make_shared<const SpreadResult>(SampleSpreadResult(2500, 10));
    HistogramControl control(parent, {0, 0, kSpreadHistogramWidth, kSpreadHistogramHeight},
                             SpreadHistogramKind::PeakGain, result);
    EXPECT_TRUE(Paints(control.Handle(), kBarColor));
    EXPECT_TRUE(Paints(control.Handle(), kNominalMarkColor));
    const std::string reading = SpreadHistogramText(*result, SpreadHistogramKind::PeakGain);
    EXPECT_EQ(Text(control.Handle()), reading);
    const AccessiblePtr object = ObjectOfWindow(control.Handle());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(AccessibleName(*object), reading);

    control.Show(nullptr);
    EXPECT_FALSE(Paints(control.Handle(), kBarColor));
    EXPECT_EQ(Text(control.Handle()), "");
    DestroyWindow(parent);
}

// The title's "−3 дБ" is drawn with a minus sign, not the box of a font that lacks it.
TEST(HistogramControl, FontHasTheMinusSign) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    HistogramControl control(parent, {0, 0, kSpreadHistogramWidth, kSpreadHistogramHeight},
                             SpreadHistogramKind::UpperEdge, nullptr);
    HDC dc = GetDC(control.Handle());
    const HGDIOBJ previous = SelectObject(dc, control.Font());
    WORD glyph = 0;
    GetGlyphIndicesW(dc, L"\u2212", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(control.Handle(), dc);
    EXPECT_NE(glyph, 0xFFFF);
    DestroyWindow(parent);
}

} // namespace
