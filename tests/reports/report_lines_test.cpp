// The report as the smoothing dialog's panel shows it: the lines it keeps,
// how many it shows and how far it scrolls, and the lines drawn from a
// scrolled position with the rules of a table that began above.
//
// Hand-worked metrics as for printed pages: the recording device at 96
// pixels per inch sets the report font of height -16 at 16 pixels, 8 pixels
// a byte; the line sample with its subscript and superscript is 24 high.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/recording_device.h"
#include "reports/report_lines.h"
#include "reports/report_ruling.h"

namespace ordinax::reports {
namespace {

using render::DevPoint;
using render::OpKind;
using render::RecordedOp;
using render::RecordingDevice;

base::LogFont reportFont() {
    base::LogFont font;
    font.height = -16;
    return font;
}

TEST(ReportPanel, MetricsVisibleLinesAndScrollRange) {
    RecordingDevice device;
    EXPECT_EQ(measureReportFont(device, reportFont(), 0.0), (ReportMetrics{24, 8}));

    struct Case {
        int height, lines, visible, range;
    };
    // 240 pixels show 10 lines of 24; 250 still 10; less than a line shows one.
    const Case cases[] = {{240, 30, 10, 20}, {250, 30, 10, 20}, {240, 10, 10, 0}, {240, 4, 10, 0}, {10, 3, 1, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        const int visible = visibleLineCount(c.height, 24);
        EXPECT_EQ(visible, c.visible);
        EXPECT_EQ(scrollRange(c.lines, visible), c.range);
    }
    EXPECT_EQ(ScrollLineStep, 1);
    EXPECT_EQ(ScrollPageStep, 5);

    // The panel keeps at most 128 lines; text after the last line feed is no line.
    std::string long_;
    for (int i = 0; i < 200; ++i) long_ += "ligne\n";
    EXPECT_EQ(reportLines(long_).size(), 128u);
    EXPECT_EQ(reportLines("a\nb").size(), 1u);
}

TEST(ReportPanel, ScrolledLinesStartAtTheTopWithTheRulesOfTheTableAbove) {
    // Rows 0 .. 4; the panel shows rows 2 and 3: the table's middle row and its bottom rule.
    const std::vector<std::string> lines = {"Titre", "&&&&&", "& a &", "&&&&&", "fin"};
    RecordingDevice device;
    const render::DevRect body{10, 20, 400, 68};
    drawReportLines(device, lines, 2, 2, reportFont(), body, {24, 8}, 0.0, 1);
    const std::vector<std::string> texts = device.texts();
    EXPECT_EQ(texts, (std::vector<std::string>{" a "})) << "only the rows shown; no `&` printed";
    for (const RecordedOp& op : device.ops()) {
        if (op.kind == OpKind::Text) {
            EXPECT_EQ(op.points.front(), (DevPoint{18, 20 + 13}));
        }
    }

    std::vector<std::vector<DevPoint>> segments;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline && op.points.size() == 2) segments.push_back(op.points);
    auto hasSegment = [&](DevPoint a, DevPoint b) {
        return std::find(segments.begin(), segments.end(), std::vector<DevPoint>{a, b}) != segments.end();
    };
    // Cell (2, 0) is the panel's first row: centre (14, 32); its neighbour
    // above (row 1) lies outside the panel and still draws the rule up to one
    // pixel above the cell (19), and down to the cell below (44).
    EXPECT_TRUE(hasSegment({14, 32}, {14, 19}));
    EXPECT_TRUE(hasSegment({14, 32}, {14, 44}));
    // The bottom rule (row 3): corner (3, 4) at centre (46, 56) joins left (41) and up (43).
    EXPECT_TRUE(hasSegment({46, 56}, {41, 56}));
    EXPECT_TRUE(hasSegment({46, 56}, {46, 43}));
    // Nothing of row 4 ("fin") nor of the title.
    for (const auto& s : segments) EXPECT_LT(s[0].y, 68);
}

}  // namespace
}  // namespace ordinax::reports
