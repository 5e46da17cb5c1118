// Lines of a report and the rules drawn between its `&` cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reports/report_ruling.h"

namespace ordinax::reports {
namespace {

TEST(ReportLines, OneLinePerLineFeedAtMost128) {
    EXPECT_EQ(reportLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(reportLines("a\nno feed"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(reportLines("").empty());
    std::string many;
    for (int i = 0; i < 200; ++i) many += std::to_string(i) + "\n";
    const std::vector<std::string> lines = reportLines(many);
    ASSERT_EQ(lines.size(), 128u);
    EXPECT_EQ(lines.back(), "127");
}

TEST(DisplayLine, RuleCharactersShowAsBlanks) { EXPECT_EQ(displayLine("&a & b&"), " a   b "); }

// A 2×2 table:
//   row 0  &&&&&
//   row 1  & & &
//   row 2  &&&&&
const std::vector<std::string> Table = {"&&&&&", "& & &", "&&&&&"};

bool has(const std::vector<RuleStroke>& strokes, RuleStroke s) {
    return std::find(strokes.begin(), strokes.end(), s) != strokes.end();
}

TEST(RulingStrokes, TableCellsJoinTheirNeighbours) {
    const std::vector<RuleStroke> strokes = rulingStrokes(Table, 0, 3);
    using D = RuleDirection;
    // Corner (0,0): right and down. Top middle (0,2): left, right and down.
    // Centre-row cells (1,0): up and down only. Worked from the four neighbours.
    EXPECT_TRUE(has(strokes, {0, 0, D::Right}));
    EXPECT_TRUE(has(strokes, {0, 0, D::Down}));
    EXPECT_FALSE(has(strokes, {0, 0, D::Left}));
    EXPECT_TRUE(has(strokes, {0, 2, D::Left}));
    EXPECT_TRUE(has(strokes, {0, 2, D::Right}));
    EXPECT_TRUE(has(strokes, {0, 2, D::Down}));
    EXPECT_TRUE(has(strokes, {1, 0, D::Up}));
    EXPECT_TRUE(has(strokes, {1, 0, D::Down}));
    EXPECT_FALSE(has(strokes, {1, 0, D::Right}));
    // Row 0 cells 1 and 3 have two neighbours each (left, right): 2 strokes;
    // corners 2; (0,2) 3; the three cells of row 1: 2 each. Total per outer row
    // 2+2+3+2+2 = 11, row 1 6: 28.
    EXPECT_EQ(strokes.size(), 28u);
}

TEST(RulingStrokes, LonelyRuleCharactersAndShortLines) {
    // A lone "&" or two side by side draw one stroke each at most: a cell needs
    // two neighbours. The line below is shorter: beyond it counts as blank.
    const std::vector<std::string> lines = {"a & b &&", "&", "&"};
    const std::vector<RuleStroke> strokes = rulingStrokes(lines, 0, 3);
    EXPECT_TRUE(strokes.empty());
}

TEST(RulingStrokes, NeighboursOutsideTheVisibleRowsCount) {
    const std::vector<RuleStroke> strokes = rulingStrokes(Table, 1, 1);
    // Only row 1 is drawn, but its cells see rows 0 and 2.
    EXPECT_EQ(strokes.size(), 6u);
    for (const RuleStroke& s : strokes) EXPECT_EQ(s.row, 1);
}

TEST(StrokeSegment, FromCentreToOnePixelBeyondTheEdge) {
    // Cells 8×16 from (10, 20), first visible row 5: cell (6, 2) spans x 26..33, y 36..51.
    const CellGeometry cells{10, 20, 8, 16, 5};
    EXPECT_EQ(strokeSegment({6, 2, RuleDirection::Left}, cells), (RuleSegment{30, 44, 25, 44}));
    EXPECT_EQ(strokeSegment({6, 2, RuleDirection::Right}, cells), (RuleSegment{30, 44, 34, 44}));
    EXPECT_EQ(strokeSegment({6, 2, RuleDirection::Up}, cells), (RuleSegment{30, 44, 30, 35}));
    EXPECT_EQ(strokeSegment({6, 2, RuleDirection::Down}, cells), (RuleSegment{30, 44, 30, 52}));
}

TEST(PlainRuledLine, DrawsTheTableWithCharacters) {
    EXPECT_EQ(plainRuledLine(Table, 0), "+-+-+");
    EXPECT_EQ(plainRuledLine(Table, 1), "| | |");
    EXPECT_EQ(plainRuledLine(Table, 2), "+-+-+");
    EXPECT_EQ(plainRuledLine({"x & y"}, 0), "x   y");
    EXPECT_EQ(plainRuledLine(Table, 3), "");
}

}  // namespace
}  // namespace ordinax::reports
