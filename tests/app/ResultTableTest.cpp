#include "app/presenters/ResultTable.h"

#include "numerics/NumberText.h"

#include <gtest/gtest.h>

namespace {

class RecordingObserver : public ResultTableObserver {
  public:
    void ResultTableAboutToChange() override { events += "<"; }
    void ResultTableChanged() override { events += ">"; }
    std::string events;
};

std::shared_ptr<SweepResult> ThreePoints() {
    auto s = std::make_shared<SweepResult>();
    s->Frequencies = {10, 20, 30};
    s->Ratio = {1.234567, 99999.4, 0.5};
    s->Decibels = {1.8303, 99.99999, -6.0205999};
    s->Computed = 3;
    return s;
}

// A table of five rows over the result that shows none of its rows yet.
ResultTable Over(const std::shared_ptr<SweepResult>& s) {
    ResultTable table(5);
    table.Show(s);
    table.SetRowCount(5);
    table.Clear();
    return table;
}

TEST(ResultTable, ReadsRowsAsTheCalculationWritesThem) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    table.SetHeading(0, "f");
    table.SetRowCount(4);
    table.ShowFrequencies(3);
    table.ShowGains(2);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.Cell(0, 0), "f");
    EXPECT_EQ(table.Cell(0, 3), "30");
    // Gains are shown to about five significant digits; the series keep every digit.
    EXPECT_EQ(table.Cell(1, 1), "1.23457");
    EXPECT_EQ(table.Cell(1, 2), "99999");
    EXPECT_EQ(table.Cell(2, 1), "1.8303");
    EXPECT_EQ(table.Cell(2, 2), "100");
    // Row 3 has its frequency but no gains yet.
    EXPECT_EQ(table.Cell(1, 3), "");
    EXPECT_EQ(table.Cell(2, 3), "");
    // Outside the table there is nothing.
    EXPECT_EQ(table.Cell(0, 4), "");
    EXPECT_EQ(table.Cell(3, 1), "");
}

TEST(ResultTable, ClearKeepsTheRowCountAndHeadings) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    table.SetHeading(1, "k");
    table.SetRowCount(4);
    table.ShowFrequencies(3);
    table.ShowGains(3);
    table.Clear();
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(table.Cell(1, 0), "k");
    for (int row = 1; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(table.Cell(column, row), "") << column << "," << row;
}

TEST(ResultTable, ShrinkingDropsRowsBeyondTheCount) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    table.SetRowCount(4);
    table.ShowFrequencies(3);
    table.SetRowCount(2);
    table.SetRowCount(4);
    EXPECT_EQ(table.Cell(0, 1), "10");
    EXPECT_EQ(table.Cell(0, 2), "");
}

TEST(ResultTable, NeverReadsBeyondTheSeries) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    table.SetRowCount(4);
    table.ShowFrequencies(3);
    table.ShowGains(3);
    s->Frequencies.resize(1);
    s->Ratio.clear();
    EXPECT_EQ(table.Cell(0, 1), "10");
    EXPECT_EQ(table.Cell(0, 2), "");
    EXPECT_EQ(table.Cell(1, 1), "");
    EXPECT_EQ(table.Cell(2, 1), "1.8303");
}

TEST(ResultTable, FollowsTheLocaleSeparatorWhenShown) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    table.SetRowCount(4);
    table.ShowGains(3);
    SetDecimalSeparatorSource([] { return U','; });
    EXPECT_EQ(table.Cell(1, 1), "1,23457");
    SetDecimalSeparatorSource(nullptr);
}

TEST(ResultTable, TellsItsObserverAroundEveryChange) {
    const auto s = ThreePoints();
    ResultTable table = Over(s);
    RecordingObserver observer;
    table.SetObserver(&observer);
    table.SetRowCount(4);
    table.ShowFrequencies(3);
    table.Clear();
    EXPECT_EQ(observer.events, "<><><>");
}

} // namespace
