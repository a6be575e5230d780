#include "AccessibleReading.h"
#include "Canvas.h"
#include "WindowTestHelpers.h"
#include "app/graph/GraphPicture.h"
#include "app/graph/KeptCurves.h"
#include "plot/Chart.h"
#include "tests/driver/ChartRecorder.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

using Id = MainControlName;

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kSilver = RGB(192, 192, 192);

class GraphWindowOnScreen : public ProgramTest {
  protected:
    HWND Graph() { return windows->Graph.Handle(); }

    void CalculateAndShowGraph(const std::string& from, const std::string& to,
                               const std::string& step, bool logScale) {
        TypeCircuit(kTypicalStage, from, to, step);
        const bool checked = SendMessageW(Control(Id::CheckBox1), BM_GETCHECK, 0, 0) != 0;
        if (checked != logScale)
            Click(Control(Id::CheckBox1));
        Click(Control(Id::BuRas));
        Click(Control(Id::Button1));
    }

    // The picture the headless chart draws for the graph's curve, at the laid-out size.
    ChartRecorder Expected() {
        ChartRecorder recorder({0, 0, 763, 534});
        const GraphPresenter& graph = windows->Graph.Presenter();
        GraphPicture(std::make_shared<const SweepResult>(graph.Result()), graph.LogScale())
            .Paint(recorder, 771, 568);
        return recorder;
    }

    // Every point the curve passes through is green, but the last, which a line leaves out, and
    // those the titles cover; every vertical grid line sets every other pixel in grey from its
    // top, where no label covers it and no horizontal line crosses it.
    static void ExpectChart(const Canvas& image, const ChartRecorder& expected) {
        ASSERT_GT(expected.curve.size(), 2u);
        for (size_t i = 0; i + 1 < expected.curve.size(); ++i) {
            const Point p = expected.curve[i];
            if (!expected.UnderTitle(p)) {
                ASSERT_EQ(image.Pixel(p.X, p.Y), kGreen) << "curve point " << i;
            }
        }
        ASSERT_EQ(expected.verticalGrid.size(), 11u);
        const auto& crossings = expected.horizontalGrid;
        for (int32_t x : expected.verticalGrid) {
            int greyOn = 0;
            int greyOff = 0;
            for (int y = 10; y < 524; ++y) {
                if (std::find(crossings.begin(), crossings.end(), y) == crossings.end())
                    ((y - 10) % 2 == 0 ? greyOn : greyOff) += image.Pixel(x, y) == kGrey;
            }
            EXPECT_GT(greyOn, 128) << "grid line at x = " << x;
            EXPECT_EQ(greyOff, 0) << "grid line at x = " << x;
        }
    }
};

TEST_F(GraphWindowOnScreen, RatioOverFrequency) {
    CalculateAndShowGraph("10", "100000", "1000", false);
    EXPECT_TRUE(IsWindowVisible(Graph()));
    EXPECT_FALSE(Main().Presenter().LogScale());
    Canvas image(763, 534);
    Canvas::Print(Graph(), image);
    // The gain ratio over frequency straight through the chart: the curve of the picture.
    ChartRecorder direct({0, 0, 763, 534});
    DrawChart(Main().Result().Frequencies, Main().Result().Ratio, 10, direct);
    const ChartRecorder expected = Expected();
    EXPECT_EQ(direct.curve, expected.curve);
    ExpectChart(image, expected);
    EXPECT_EQ(image.Pixel(5, 5), kSilver);
    // The titles: "k, раз" at (20, 30), "f, Гц" at the outer size less (90, 60).
    EXPECT_TRUE(image.HasInk({20, 30, 50, 42}));
    EXPECT_TRUE(image.HasInk({681, 508, 706, 520}));
}

TEST_F(GraphWindowOnScreen, DecibelsOverLogFrequency) {
    CalculateAndShowGraph("10", "100000", "1000", true);
    EXPECT_TRUE(Main().Presenter().LogScale());
    Canvas image(763, 534);
    Canvas::Print(Graph(), image);
    ExpectChart(image, Expected());
    EXPECT_TRUE(image.HasInk({20, 30, 50, 42}));
    EXPECT_TRUE(image.HasInk({681, 508, 706, 520}));
}

TEST_F(GraphWindowOnScreen, TitleFollowsAnEnlargedWindow) {
    CalculateAndShowGraph("10", "1000", "10", false);
    RECT frame = {};
    GetWindowRect(Graph(), &frame);
    SetWindowPos(Graph(), nullptr, 0, 0, frame.right - frame.left + 100,
                 frame.bottom - frame.top + 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Canvas image(863, 584);
    Canvas::Print(Graph(), image);
    EXPECT_TRUE(image.HasInk({781, 558, 806, 570}));
    EXPECT_FALSE(image.HasInk({681, 508, 706, 520}));
}

std::vector<HWND> describedWindows; // as a screen reader hears of them

void CALLBACK NoteDescriptionChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD,
                                    DWORD) {
    if (object == OBJID_CLIENT)
        describedWindows.push_back(window);
}

// The keys move the marker: its readout is the tooltip and the announced description.
TEST_F(GraphWindowOnScreen, ArrowKeysMoveTheMarker) {
    CalculateAndShowGraph("10", "100000", "1000", false);
    describedWindows.clear();
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        &NoteDescriptionChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    for (const WPARAM key : {VK_RIGHT, VK_NEXT, VK_LEFT})
        SendMessageW(Graph(), WM_KEYDOWN, key, 1);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    UnhookWinEvent(hook);
    ASSERT_EQ(windows->Graph.Presenter().Marker(), std::optional<size_t>(9));
    // The tooltip keeps the marker's readout though the pointer rests over the window.
    const std::string& readout = windows->Graph.Actions().Readout();
    EXPECT_EQ(readout.rfind("f = 9010 Гц, |k| = ", 0), 0u);
    EXPECT_EQ(windows->Graph.Actions().Description(), readout);
    EXPECT_EQ(describedWindows, std::vector<HWND>(3, Graph())); // and a reader reads it:
    const AccessiblePtr graph = ObjectOfWindow(Graph());
    ASSERT_TRUE(graph);
    EXPECT_EQ(AccessibleDescriptionOf(*graph), readout);
}

// ←/→ reach the marker through the program's message loop, which gives other windows' arrows to
// the dialog keys.
TEST_F(GraphWindowOnScreen, ArrowKeysReachTheMarkerThroughTheMessageLoop) {
    CalculateAndShowGraph("10", "100000", "1000", false);
    SetFocus(Graph());
    for (const WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT})
        PressKey(key);
    EXPECT_EQ(windows->Graph.Presenter().Marker(), std::optional<size_t>(1));
}

} // namespace
