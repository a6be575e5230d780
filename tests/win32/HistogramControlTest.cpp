#include "ui/win32/HistogramControl.h"

#include "AccessibleReading.h"
#include "Canvas.h"
#include "WindowTestHelpers.h"
#include "plot/HistogramChart.h"
#include "tests/app/SampleSpread.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// A bitmap of `control`'s client area as it paints itself; does any pixel have `color`?
bool Paints(HWND control, COLORREF color) {
    RECT client{};
    GetClientRect(control, &client);
    Canvas canvas(client.right, client.bottom);
    Canvas::Print(control, canvas);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == color)
                return true;
    return false;
}

constexpr COLORREF kBar = RGB(kBarColor.Red, kBarColor.Green, kBarColor.Blue);
constexpr COLORREF kNominal =
    RGB(kNominalMarkColor.Red, kNominalMarkColor.Green, kNominalMarkColor.Blue);

// The control paints the picture and reads it in its text and accessible name; what the picture
// holds is tested in tests/app.
class HistogramControlTest : public testing::TestWithParam<SpreadHistogramKind> {
  protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
};

TEST_P(HistogramControlTest, PaintsTheBarsAndNamesThePicture) {
    const auto result = std::make_shared<const SpreadResult>(SampleSpreadResult(2500, 10));
    HistogramControl control(parent_, {0, 0, kSpreadHistogramWidth, kSpreadHistogramHeight},
                             GetParam(), result);
    EXPECT_TRUE(Paints(control.Handle(), kBar));
    EXPECT_TRUE(Paints(control.Handle(), kNominal));
    const std::string reading = SpreadHistogramText(*result, GetParam());
    EXPECT_EQ(Text(control.Handle()), reading);
    const AccessiblePtr object = ObjectOfWindow(control.Handle());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(AccessibleName(*object), reading);

    control.Show(nullptr);
    EXPECT_FALSE(Paints(control.Handle(), kBar));
    EXPECT_EQ(Text(control.Handle()), "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, HistogramControlTest,
                         testing::Values(SpreadHistogramKind::UpperEdge,
                                         SpreadHistogramKind::PeakGain),
                         [](const auto& info) {
                             return info.param == SpreadHistogramKind::UpperEdge ? "UpperEdge"
                                                                                 : "PeakGain";
                         });

} // namespace
