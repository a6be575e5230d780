#pragma once

#include "ChartRecorder.h"
#include "MainWindowBehaviours.h"
#include "app/graph/KeptCurves.h"
#include "app/texts/Texts.h"
#include "plot/Chart.h"

#include <string>
#include <vector>

// What the graph window must do in every set of windows, written once over WindowDriver.

namespace graph_behaviours {

inline constexpr Rgb kCurveGreen{0, 128, 0};

// The graph shows the last result's ratio over frequency: every point of the chart's curve green
// but the last, which a line leaves out, and those a title covers.
inline void ExpectTheResultsCurve(Findings& found, WindowDriver& windows, const std::string& when) {
    const Picture picture = windows.GraphPicture();
    const SweepResult& result = windows.Result();
    ChartRecorder expected({0, 0, picture.Width, picture.Height});
    DrawChart(result.Frequencies, result.Ratio, 10, expected);
    found.True(when + ": a curve to draw", expected.curve.size() > 2);
    int missed = 0;
    for (size_t i = 0; i + 1 < expected.curve.size(); ++i) {
        const Point p = expected.curve[i];
        if (!expected.UnderTitle(p) && !(picture.At(p.X, p.Y) == kCurveGreen))
            ++missed;
    }
    found.Equal(when + ": points of the curve not drawn", missed, 0);
}

// The typical stage over this sweep calculated, in decibels where asked, and the graph shown.
inline void CalculateAndShowGraph(WindowDriver& windows, const std::string& from,
                                  const std::string& to, const std::string& step,
                                  bool decibels = false) {
    main_window_behaviours::TypeStage(windows, from, to, step);
    if (decibels)
        windows.Click(MainControlName::CheckBox1);
    windows.Click(MainControlName::BuRas);
    windows.Click(MainControlName::Button1);
}

// Another sweep calculated.
inline void Recalculate(WindowDriver& windows, const std::string& from, const std::string& to,
                        const std::string& step) {
    windows.TypeSweep(StageField::From, from);
    windows.TypeSweep(StageField::To, to);
    windows.TypeSweep(StageField::Step, step);
    windows.Click(MainControlName::BuRas);
}

// "график" takes the check box's mode when pressed, not when the box is ticked.
inline Findings GraphButtonTakesTheCheckBox(WindowDriver& windows) {
    Findings found;
    CalculateAndShowGraph(windows, "10", "1000", "10");
    found.True("the graph shown", windows.GraphShown());
    windows.Click(MainControlName::CheckBox1);
    found.Equal("decibels once ticked", windows.GraphLogScale(), false);
    windows.Click(MainControlName::Button1);
    found.Equal("decibels once pressed", windows.GraphLogScale(), true);
    found.True("a curve in decibels", windows.GraphPicture().Shows(kCurveGreen));
    windows.Click(MainControlName::CheckBox1);
    windows.Click(MainControlName::Button1);
    found.Equal("the ratio once pressed again", windows.GraphLogScale(), false);
    found.True("the graph still shown", windows.GraphShown());
    ExpectTheResultsCurve(found, windows, "the ratio");
    return found;
}

inline Findings OpenGraphFollowsTheNextCalculation(WindowDriver& windows) {
    Findings found;
    CalculateAndShowGraph(windows, "10", "1000", "10");
    ExpectTheResultsCurve(found, windows, "the first");
    windows.TypeSweep(StageField::To, "5000");
    windows.Click(MainControlName::BuRas);
    ExpectTheResultsCurve(found, windows, "the next");
    return found;
}

// "Запомнить кривую" from the context menu: after R4 is changed and "расчет" pressed, the kept
// curve is drawn beside the current one in its colour, until "Забыть кривые".
inline Findings KeptCurveIsDrawnBesideTheCurrentOneUntilForgotten(WindowDriver& windows) {
    Findings found;
    CalculateAndShowGraph(windows, "10", "100000", "1000");
    windows.ChooseGraphMenuItem(kRememberCurveCommand);
    windows.TypeParameter(4, "150"); // R4, kΩ
    windows.Click(MainControlName::BuRas);
    const Rgb kept = kKeptCurveColors[0];
    // The left half, away from the legend in the top right corner, which has both colours.
    const Picture both = windows.GraphPicture();
    found.True("the current curve", both.Shows(kCurveGreen, 0, both.Width / 2));
    found.True("the kept curve", both.Shows(kept, 0, both.Width / 2));
    windows.ChooseGraphMenuItem(kForgetCurvesCommand);
    const Picture one = windows.GraphPicture();
    found.True("the current curve alone", one.Shows(kCurveGreen));
    found.True("no kept curve", !one.Shows(kept));
    return found;
}

inline constexpr Rgb kBackground{192, 192, 192};

inline bool OnlyBackground(const Picture& picture) {
    for (const Rgb& pixel : picture.Pixels)
        if (!(pixel == kBackground))
            return false;
    return true;
}

// A curve in decibels over log f through negative frequencies, which the calculation computes
// and the paint cannot: its box comes once per action ("график" pressed), not again when the
// window is painted again; the window shows its background; a good calculation draws again.
inline Findings FailedPaintIsReportedOncePerAction(WindowDriver& windows) {
    Findings found;
    CalculateAndShowGraph(windows, "-5", "95", "10", true);
    found.Equal("the calculation's boxes", windows.TakeErrors(), std::vector<std::string>{});
    found.True("the background only", OnlyBackground(windows.GraphPicture()));
    const std::vector<std::string> failed{"Invalid floating point operation."};
    found.Equal("the paint's box", windows.TakeErrors(), failed);
    windows.Resize(true, 800, 560);
    windows.GraphPicture();
    found.Equal("painted again", windows.TakeErrors(), std::vector<std::string>{});
    windows.Click(MainControlName::Button1);
    windows.GraphPicture();
    found.Equal("\"график\" pressed again", windows.TakeErrors(), failed);
    Recalculate(windows, "10", "1000", "10");
    found.True("a good calculation drawn", windows.GraphPicture().Shows(kCurveGreen));
    found.Equal("and no box", windows.TakeErrors(), std::vector<std::string>{});
    return found;
}

// A calculation stopped by a floating-point error while the graph is open in decibels over log f
// of a sweep through negative frequencies: one box, the calculation's, though a paint was pending
// while it was up; the graph then shows its background, with no second box.
inline Findings OneClickOneBoxForACalculationStoppedUnderAnOpenGraph(WindowDriver& windows) {
    Findings found;
    windows.BoxesRunTheEventLoop();
    CalculateAndShowGraph(windows, "10", "100000", "1000", true);
    found.True("a curve", !OnlyBackground(windows.GraphPicture()));
    found.Equal("no box", windows.TakeErrors(), std::vector<std::string>{});
    windows.RepaintGraphLater();
    Recalculate(windows, "-100", "100", "50");
    found.Equal("the calculation's box", windows.TakeErrors(),
                std::vector<std::string>{"Floating point division by zero."});
    found.True("the background", OnlyBackground(windows.GraphPicture()));
    found.Equal("no second box", windows.TakeErrors(), std::vector<std::string>{});
    return found;
}

// The graph open when a calculation leaves a curve it cannot draw (log10 of −95 Hz), and at once
// a refused file's box: the graph paints under it, and its failure's box waits for the refusal's
// to close.
inline Findings PaintFailureWaitsForAnotherActionsBox(WindowDriver& windows) {
    Findings found;
    CalculateAndShowGraph(windows, "10", "100000", "1000", true);
    windows.GraphPicture();
    Recalculate(windows, "-95", "100", "50");
    found.Equal("the calculation's boxes", windows.TakeErrors(), std::vector<std::string>{});
    windows.BoxesRunTheEventLoop();
    windows.OpenAtStart(std::filesystem::temp_directory_path() / "ou-no-such-stage.ou");
    found.Equal("boxes up at once", windows.MostBoxesUpAtOnce(), 1);
    const std::vector<std::string> errors = windows.TakeErrors();
    found.Equal("boxes", errors.size(), size_t{2});
    found.True("the paint's after the refusal's",
               errors.size() == 2 && errors[1] == "Invalid floating point operation.");
    return found;
}

inline constexpr main_window_behaviours::Behaviour kGraphBehaviours[] = {
    {"OneClickOneBoxForACalculationStoppedUnderAnOpenGraph",
     OneClickOneBoxForACalculationStoppedUnderAnOpenGraph},
    {"PaintFailureWaitsForAnotherActionsBox", PaintFailureWaitsForAnotherActionsBox},
    {"FailedPaintIsReportedOncePerAction", FailedPaintIsReportedOncePerAction},
    {"GraphButtonTakesTheCheckBox", GraphButtonTakesTheCheckBox},
    {"OpenGraphFollowsTheNextCalculation", OpenGraphFollowsTheNextCalculation},
    {"KeptCurveIsDrawnBesideTheCurrentOneUntilForgotten",
     KeptCurveIsDrawnBesideTheCurrentOneUntilForgotten},
};

} // namespace graph_behaviours
