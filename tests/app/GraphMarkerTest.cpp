#include "app/graph/GraphMarker.h"

#include <gtest/gtest.h>

namespace {

constexpr size_t kNone = SIZE_MAX;

struct StepCase {
    const char* name;
    size_t from; // kNone: no marker yet
    MarkerStep step;
    size_t to; // over 30 points
};

class MarkerStepFrom : public testing::TestWithParam<StepCase> {};

TEST_P(MarkerStepFrom, LandsOnAComputedPoint) {
    const StepCase& c = GetParam();
    const auto from = c.from == kNone ? std::nullopt : std::optional<size_t>(c.from);
    EXPECT_EQ(MovedMarker(from, c.step, 30), std::optional<size_t>(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    GraphMarker, MarkerStepFrom,
    testing::Values(StepCase{"FirstRightTakesTheFirst", kNone, MarkerStep::Next, 0},
                    StepCase{"FirstLeftTakesTheLast", kNone, MarkerStep::Previous, 29},
                    StepCase{"LeftStopsAtTheFirst", 0, MarkerStep::Previous, 0},
                    StepCase{"PageDown", 5, MarkerStep::TenOn, 15},
                    StepCase{"PageDownStopsAtTheLast", 25, MarkerStep::TenOn, 29},
                    StepCase{"PageUpStopsAtTheFirst", 5, MarkerStep::TenBack, 0},
                    StepCase{"End", 3, MarkerStep::Last, 29},
                    StepCase{"PastTheRowsStartsAgain", 40, MarkerStep::Previous, 29}),
    [](const auto& info) { return info.param.name; });

} // namespace
