#include "app/presenters/EventGuard.h"

#include "RecordingMessageBoxes.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ErrorBoxText, GetsAFullStopWhenTheLastCharacterSortsAfterIt) {
    EXPECT_EQ(ErrorBoxText(std::runtime_error("Floating point overflow")),
              "Floating point overflow.");
    EXPECT_EQ(ErrorBoxText(std::runtime_error("done.")), "done.");
    EXPECT_EQ(ErrorBoxText(std::runtime_error("why!")), "why!");
    EXPECT_EQ(ErrorBoxText(std::runtime_error("")), "");
    // A Cyrillic last letter sorts after the stop as a character, not only as a byte.
    EXPECT_EQ(ErrorBoxText(std::runtime_error("нельзя")), "нельзя.");
}

TEST(RunGuarded, ShowsTheErrorAndReturnsNormally) {
    RecordingMessageBoxes boxes;
    bool after = false;
    RunGuarded(boxes, [] { throw std::runtime_error("Floating point division by zero"); });
    RunGuarded(boxes, [&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_TRUE(boxes.messages.empty());
    ASSERT_EQ(boxes.errors.size(), 1u);
    EXPECT_EQ(boxes.errors[0], "Floating point division by zero.");
}

} // namespace
