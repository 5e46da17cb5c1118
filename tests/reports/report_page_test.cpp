// Printed report pages on the recording device: pagination, lines, ruling, bands.
//
// Hand-worked metrics: printing at 96 pixels per inch from a 96 pixels-per-
// inch screen is a scale of 1, so the report font of height -16 is 16 pixels:
// 8 pixels per byte (cell width 80 / 10 = 8), ascent 13, descent 3. The line
// sample "X", subscript "0", superscript "0", "X" sets its scripts at 3/4 of
// the size (12 pixels: ascent 10, descent 2) moved by half their height (6):
// the subscript reaches 2 + 6 = 8 below the baseline, the superscript
// 10 + 6 = 16 above, so a line is 16 + 8 = 24 pixels high.
// The sheet is 800 × 1000 pixels at 40 pixels per cm; the report margins
// 2.5, 1.5, 2.5, 2.0 cm leave the body x 100 .. 740, y 100 .. 920: 820
// pixels, 34 whole lines (816).
#include "reports/report_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "render/recording_device.h"

namespace ordinax::reports {
namespace {

using render::DevPoint;
using render::OpKind;
using render::RecordedOp;
using render::RecordingDevice;

ReportPageSetup setup() {
    ReportPageSetup s;
    s.sheet = {0, 0, 800, 1000};
    s.pixelsPerCmX = 40.0;
    s.pixelsPerCmY = 40.0;
    render::OutputKind output;
    output.printing = true;
    s.scale = render::DeviceScale(output);
    return s;
}

document::Diagram reportDiagram() {
    document::Diagram diagram;
    diagram.reportFont.height = -16;
    diagram.band[1].print = 1;
    diagram.band[1].text = "{Page &P/&Q}";
    diagram.band[1].font.height = -16;
    return diagram;
}

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "ligne " + std::to_string(i) + "\n";
    return text;
}

std::vector<std::string> texts(const RecordingDevice& device) {
    return device.texts();
}

// Where a text was drawn (its baseline start); (-1, -1) when it was not.
DevPoint textOrigin(const RecordingDevice& device, const std::string& text) {
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Text && op.text == text) return op.points.front();
    return {-1, -1};
}

bool has(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

TEST(ReportPage, LinesPerPageFromMarginsAndLineHeight) {
    RecordingDevice device(96, 96, true);
    const ReportPageLayout layout = reportPageLayout(device, setup(), reportDiagram());
    EXPECT_EQ(layout.body, (render::DevRect{100, 100, 740, 920}));
    EXPECT_EQ(layout.lineHeight, 24);
    EXPECT_EQ(layout.cellWidth, 8);
    EXPECT_EQ(layout.linesPerPage, 34);

    struct Case {
        int lines;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{34, 1}, Case{35, 2}, Case{68, 2}, Case{69, 3}}) {
        SCOPED_TRACE(c.lines);
        EXPECT_EQ(reportPageCount(device, setup(), reportDiagram(), numberedLines(c.lines)), c.pages);
    }
}

TEST(ReportPage, SecondPageHoldsTheRestAndItsFooter) {
    const std::string text = numberedLines(40);
    RecordingDevice first(96, 96, true);
    drawReportPage(first, setup(), reportDiagram(), text, {}, nullptr, 0);
    const std::vector<std::string> page1 = texts(first);
    EXPECT_TRUE(has(page1, "ligne 34"));
    EXPECT_FALSE(has(page1, "ligne 35"));
    EXPECT_TRUE(has(page1, "Page 1/2"));

    RecordingDevice second(96, 96, true);
    drawReportPage(second, setup(), reportDiagram(), text, {}, nullptr, 1);
    const std::vector<std::string> page2 = texts(second);
    EXPECT_FALSE(has(page2, "ligne 34"));
    EXPECT_TRUE(has(page2, "ligne 40"));
    EXPECT_TRUE(has(page2, "Page 2/2"));
    // Lines 35 .. 40 start again at the body's top: line 35 at y 100, baseline
    // 100 + 13; line 40 five lines lower.
    EXPECT_EQ(textOrigin(second, "ligne 35"), (DevPoint{100, 113}));
    EXPECT_EQ(textOrigin(second, "ligne 40"), (DevPoint{100, 113 + 5 * 24}));
    // The footer: rule 1.5 cm = 60 pixels above the bottom (y 940), text
    // half a line below it: top 948, baseline 961, at the left margin.
    EXPECT_EQ(textOrigin(second, "Page 2/2"), (DevPoint{100, 961}));

    // A page past the end draws nothing.
    RecordingDevice third(96, 96, true);
    drawReportPage(third, setup(), reportDiagram(), text, {}, nullptr, 2);
    EXPECT_TRUE(third.ops().empty());
}

TEST(ReportPage, RuledTableDrawsItsSegments) {
    // A 2 × 1 table after a title line: rows 1 .. 3.
    const std::string text = "Tableau\n&&&&&\n& a &\n&&&&&\n";
    RecordingDevice device(96, 96, true);
    drawReportPage(device, setup(), reportDiagram(), text, {}, nullptr, 0);
    std::vector<std::vector<DevPoint>> segments;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline && op.points.size() == 2 && op.points[0].y < 900) segments.push_back(op.points);
    auto hasSegment = [&](DevPoint a, DevPoint b) {
        return std::find(segments.begin(), segments.end(), std::vector<DevPoint>{a, b}) != segments.end();
    };
    // Cell (row, column) spans x 100 + 8 column, y 100 + 24 row; its centre
    // is 4 and 12 pixels in. Corner (1, 0): centre (104, 136), right to the
    // cell's edge 108, down to 148. The right column's middle cell (2, 4):
    // centre (136, 160), up to one pixel above its top (147), down to 172.
    EXPECT_TRUE(hasSegment({104, 136}, {108, 136}));
    EXPECT_TRUE(hasSegment({104, 136}, {104, 148}));
    EXPECT_TRUE(hasSegment({136, 160}, {136, 147}));
    EXPECT_TRUE(hasSegment({136, 160}, {136, 172}));
    // The middle cell of the top row has "&" only left and right of it.
    EXPECT_TRUE(hasSegment({120, 136}, {115, 136}));
    EXPECT_TRUE(hasSegment({120, 136}, {124, 136}));
    // The cell's text starts in its own column (1: x 108); no `&` is printed.
    EXPECT_EQ(textOrigin(device, " a "), (DevPoint{108, 100 + 2 * 24 + 13}));
    for (const std::string& t : texts(device)) EXPECT_EQ(t.find('&'), std::string::npos) << t;
}

TEST(ReportPage, RulesFollowTheColumnsAsTheyShow) {
    // The middle row holds a subscript code: raw, its second `&` is column 7;
    // as shown ("&a0&") it is column 3, under the table's right edge.
    const std::string text = "&&&&\n&a\xB6s0\xB6s&\n&&&&\n";
    RecordingDevice device(96, 96, true);
    drawReportPage(device, setup(), reportDiagram(), text, {}, nullptr, 0);
    std::vector<std::vector<DevPoint>> verticals;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline && op.points.size() == 2 && op.points[0].x == op.points[1].x)
            verticals.push_back(op.points);
    // Cell (1, 3): x0 = 100 + 24, centre (128, 136); up to 123, down to 148.
    EXPECT_NE(std::find(verticals.begin(), verticals.end(), std::vector<DevPoint>{{128, 136}, {128, 123}}),
              verticals.end());
    EXPECT_NE(std::find(verticals.begin(), verticals.end(), std::vector<DevPoint>{{128, 136}, {128, 148}}),
              verticals.end());
    // Nothing at the raw column 7 (centre x 160).
    for (const auto& v : verticals) EXPECT_NE(v[0].x, 160);
    // "a" starts in column 1 (x 108) on the row's baseline 124 + 13.
    EXPECT_EQ(textOrigin(device, "a"), (DevPoint{108, 137}));
}

TEST(ReportPage, EveryLineKeptAndLastLineWithoutFeed) {
    EXPECT_EQ(printedReportLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(printedReportLines("a\n"), (std::vector<std::string>{"a"}));
    // More than the panel's 128 lines: printing keeps them all.
    EXPECT_EQ(printedReportLines(numberedLines(200)).size(), 200u);
}

}  // namespace
}  // namespace ordinax::reports
