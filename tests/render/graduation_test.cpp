// Graduation walks of the three scale kinds, graduation value texts, tick and
// grid geometry and the placement of values, on the recording device.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "document/diagram.h"
#include "render/graduation.h"
#include "render/graduation_text.h"
#include "render/plot_mapping.h"
#include "render/recording_device.h"
#include "render/scale_auto.h"

namespace ordinax::render {
namespace {

using document::AxisScale;
using document::Diagram;

// ---- Graduation value texts -------------------------------------------------

struct TextCase {
    double value;
    int format;
    int decimals;
    int thousands;
    int symbol;
    std::string custom;
    std::string expected;
};

AxisScale textScale(const TextCase& c) {
    AxisScale scale;
    scale.format = c.format;
    scale.decimals = c.decimals;
    scale.thousands = c.thousands;
    scale.symbol = c.symbol;
    for (std::size_t i = 0; i < c.custom.size() && i < 10; ++i) scale.customSymbol[i] = c.custom[i];
    return scale;
}

// Expected texts written by hand from the printf conversions and the rewriting
// rules; "\xB6" is the markup escape byte, "\x80" and "\xA3" the euro and
// pound signs in Windows-1252.
TEST(GraduationText, FormatsAndRewriting) {
    const std::vector<TextCase> cases = {
        {0.5, 1, 0, 0, 0, "", "0.5"},
        {1e-5, 1, 0, 0, 0, "", "10\xB6" "e-5\xB6" "e"},            // "%g": 1e-005
        {2.5e20, 1, 0, 0, 0, "", "2.5.10\xB6" "e+20\xB6" "e"},       // 2.5e+020
        {12.9, 2, 0, 0, 0, "", "12"},                                // truncated
        {-12.9, 2, 0, 0, 0, "", "-12"},
        {3e9, 2, 0, 0, 0, "", "**********"},
        {2147483647.0, 2, 0, 0, 0, "", "**********"},
        {-3e9, 2, 0, 0, 0, "", "**********"},                        // would not fit an int either
        {123456.78, 3, 2, 1, 0, "", "123 456.78"},
        {-1234567, 3, 0, 1, 0, "", "-1 234 567"},
        {999, 3, 1, 1, 0, "", "999.0"},
        {2500, 4, 1, 0, 0, "", "2.5.10\xB6" "e+3\xB6" "e"},          // 2.5e+003
        {2500, 4, 2, 0, 0, "", "2.50.10\xB6" "e+3\xB6" "e"},
        {-2500, 4, 1, 0, 0, "", "-2.5.10\xB6" "e+3\xB6" "e"},
        {1e-5, 4, 0, 0, 0, "", "10\xB6" "e-5\xB6" "e"},              // 1e-005
        {1, 4, 0, 0, 0, "", "10\xB6" "e+0\xB6" "e"},                 // 1e+000: exponent all zeros
        {2.5e6, 4, 1, 1, 0, "", "2.5.10\xB6" "e+6\xB6" "e"},         // one digit: nothing to group
        {0.25, 5, 2, 0, 1, "", "25.00 %"},
        {0.1234, 5, 0, 0, 0, "", "12"},
        {5, 2, 0, 0, 2, "", "5 \x80"},
        {5, 2, 0, 0, 3, "", "5 F"},
        {5, 2, 0, 0, 4, "", "5 $"},
        {5, 2, 0, 0, 5, "", "5 \xA3"},
        {5, 2, 0, 0, 6, "kg", "5kg"},
        {5, 2, 0, 0, 6, "$/ HT", "$5 HT"},
        {-5, 2, 0, 0, 6, "</>", "<-5>"},                             // the sign stays with the number
        {5, 2, 0, 0, 6, "a/b/c", "a5b/c"},                           // split at the first "/"
        {1234567890123.0, 3, 5, 0, 0, "", "1234567890123.00000"},    // 19 characters
        {1234567890123.0, 3, 5, 1, 0, "", "**********"},             // 23 with the spaces
        {5, 0, 0, 0, 0, "", ""},                                     // no values
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE("value " + std::to_string(c.value) + " format " + std::to_string(c.format));
        EXPECT_EQ(formatGraduationValue(c.value, textScale(c)), c.expected);
    }
}

TEST(GraduationText, DiagramOverloadUsesTheAddressedScale) {
    Diagram diagram;
    diagram.scales.axis[1][1].format = 5;
    diagram.scales.axis[1][1].decimals = 1;
    EXPECT_EQ(formatGraduationValue(0.5, diagram, 1, 1), "50.0");
    EXPECT_EQ(formatGraduationValue(0.5, diagram, 0, 0), "0.5");
}

// ---- Walks -----------------------------------------------------------------

// A plot 500 x 400 pixels at (100, 50); toDevice gives x = 100.5 + f * 500
// and y = 450.5 - f * 400.
const DevRect Plot{100, 50, 600, 450};

Diagram linDiagram(double origin, double extremity, double step, int subdivisionIndex = 0) {
    Diagram diagram;
    AxisScale& x = diagram.scales.axis[0][0];
    x.active = 1;
    x.origin = origin;
    x.extremity = extremity;
    x.step = step;
    x.subdivisionIndex = subdivisionIndex;
    x.mainGraduate = 0;
    AxisScale& y = diagram.scales.axis[1][0];
    y.active = 1;
    y.origin = 0;
    y.extremity = 100;
    y.step = 20;
    y.mainGraduate = 0;
    return diagram;
}

std::vector<GraduationMark> walk(const Diagram& diagram, int direction = 0, int side = 0) {
    return graduationWalk(diagram, makePlotMapping(diagram.scales, Plot), direction, side);
}

std::vector<double> labelledValues(const std::vector<GraduationMark>& marks) {
    std::vector<double> values;
    for (const GraduationMark& m : marks)
        if (m.labelled) values.push_back(m.value);
    return values;
}

TEST(SubdivisionList, IntervalCounts) {
    const std::vector<std::pair<int, int>> cases = {{-1, 1}, {0, 1}, {1, 2}, {4, 5},  {10, 11},
                                                    {11, 12}, {13, 20}, {19, 50}, {28, 100}, {40, 100}};
    for (auto [index, intervals] : cases) EXPECT_EQ(subdivisionIntervals(index), intervals) << index;
}

TEST(LinWalk, MainAndSubGraduations) {
    const Diagram diagram = linDiagram(0, 10, 2, 1);  // 2 intervals per step
    const std::vector<GraduationMark> marks = walk(diagram);
    std::vector<double> main, sub;
    for (const GraduationMark& m : marks) (m.main ? main : sub).push_back(m.value);
    EXPECT_EQ(main, (std::vector<double>{0, 2, 4, 6, 8, 10}));
    // 11 lies beyond the frame and is left out.
    EXPECT_EQ(sub, (std::vector<double>{1, 3, 5, 7, 9}));
    EXPECT_DOUBLE_EQ(marks[0].position, 100.5);
    EXPECT_DOUBLE_EQ(marks[2].position, 200.5);  // the value 2
}

TEST(LinWalk, ZeroAndExtremityAreExact) {
    // -0.3 + 0.1 + 0.1 + 0.1 leaves 2.8e-17 where 0 is meant.
    const std::vector<double> values = labelledValues(walk(linDiagram(-0.3, 0.3, 0.1)));
    ASSERT_EQ(values.size(), 7u);
    EXPECT_EQ(values[3], 0.0);
    EXPECT_EQ(formatGraduationValue(values[3], AxisScale{}), "0");
    EXPECT_EQ(values.back(), 0.3);

    // Seven additions of 0.1 do not give 0.7 exactly; the last value does.
    const std::vector<double> upTo = labelledValues(walk(linDiagram(0, 0.7, 0.1)));
    ASSERT_EQ(upTo.size(), 8u);
    EXPECT_EQ(upTo.back(), 0.7);
}

TEST(LinWalk, UnusableScalesGiveNothing) {
    EXPECT_TRUE(walk(linDiagram(0, 10, 0)).empty());
    EXPECT_TRUE(walk(linDiagram(0, 10, -1)).empty());
    EXPECT_TRUE(walk(linDiagram(5, 5, 1)).empty());
    // A step far too small for the span is bounded, not walked for ever.
    EXPECT_LE(walk(linDiagram(0, 1e30, 1)).size(), 10000u);
}

Diagram logDiagram(double origin, double extremity, int format) {
    Diagram diagram = linDiagram(0, 10, 1);
    AxisScale& x = diagram.scales.axis[0][0];
    x.kind = ScaleLog;
    x.origin = origin;
    x.extremity = extremity;
    x.step = 1;
    x.format = format;
    return diagram;
}

TEST(LogWalk, DecadesAndLabels) {
    const std::vector<GraduationMark> marks = walk(logDiagram(0.1, 1000, 4));
    EXPECT_EQ(marks.size(), 37u);  // four decades of 9 values, and 1000
    EXPECT_EQ(labelledValues(marks), (std::vector<double>{0.1, 1, 10, 100, 1000}));
    // 10 lies a quarter of the way through four decades.
    EXPECT_DOUBLE_EQ(marks[18].value, 10);
    EXPECT_DOUBLE_EQ(marks[18].position, 100.5 + 0.5 * 500);
    EXPECT_DOUBLE_EQ(marks[2].value, 0.3);  // the nearest double, not 3 x 0.1
    EXPECT_FALSE(marks[2].main);
}

TEST(LogWalk, BoundsAndSingleDecade) {
    // 0.2 .. 50: "%.0e" gives 2e-01 and 5e+01; the bounds are labelled.
    EXPECT_EQ(labelledValues(walk(logDiagram(0.2, 50, 4))), (std::vector<double>{0.2, 1, 10, 50}));
    EXPECT_EQ(walk(logDiagram(0.2, 50, 4)).size(), 22u);
    // One decade and a format other than scientific: every value.
    EXPECT_EQ(labelledValues(walk(logDiagram(1, 10, 1))).size(), 10u);
    EXPECT_EQ(labelledValues(walk(logDiagram(1, 10, 4))).size(), 2u);
    // No logarithm of 0.
    EXPECT_TRUE(walk(logDiagram(0, 1000, 4)).empty());
}

Diagram henryDiagram() {
    Diagram diagram = linDiagram(0, 10, 1);
    AxisScale& y = diagram.scales.axis[1][0];
    y.kind = ScaleHenry;
    diagram.dataRange[1] = {0.2, 0.85};
    autoScale(diagram, 1, 0);
    autoFormat(y);
    return diagram;
}

TEST(HenryWalk, TicksBelowTheExtentAndLabelledBounds) {
    const Diagram diagram = henryDiagram();
    ASSERT_EQ(diagram.henryExtentIndex, 5);
    const std::vector<GraduationMark> marks = walk(diagram, 1, 0);
    int ticks = 0;
    std::vector<std::string> texts;
    for (const GraduationMark& m : marks) {
        ticks += m.tick ? 1 : 0;
        if (m.labelled) texts.push_back(formatGraduationValue(m.value, diagram.scales.axis[1][0]));
    }
    EXPECT_EQ(ticks, 8);  // rows 1..4, both sides
    EXPECT_EQ(texts, (std::vector<std::string>{"50.00", "60.00", "40.00", "70.00", "30.00", "80.00", "20.00",
                                               "85.00", "15.00", "90.00", "10.00"}));
    // Symmetric bounds put 0.5 in the middle of the plot height.
    EXPECT_DOUBLE_EQ(marks[0].position, 450.5 - 200);
}

// ---- Drawing ---------------------------------------------------------------

struct Segment {
    DevPoint from, to;
    Pen pen;
};

std::vector<Segment> segments(const RecordingDevice& device) {
    std::vector<Segment> out;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline && op.points.size() == 2) out.push_back({op.points[0], op.points[1], op.pen});
    return out;
}

class GraduationDrawing : public ::testing::Test {
protected:
    void draw(int direction, int side) {
        const PlotMapping mapping = makePlotMapping(diagram.scales, Plot);
        GraduationContext context{device, painter, diagram, mapping, DeviceScale()};
        drawGraduationMarks(context, direction, side);
        drawGraduationValues(context, direction, side);
    }
    TextExtent measure(int direction, int side) {
        const PlotMapping mapping = makePlotMapping(diagram.scales, Plot);
        GraduationContext context{device, painter, diagram, mapping, DeviceScale()};
        return measureValueExtent(context, direction, side);
    }

    Diagram diagram = linDiagram(0, 10, 5);  // X: ticks at x = 100, 350, 600
    RecordingDevice device;
    PlainTextPainter painter;
};

// Frame pen 1 and tick length 5: an inner tick reaches 5 + (1 + 1) / 2 = 6
// pixels inside the frame line, an outer one 5 + 1 / 2 + 1 = 6 beyond it.
TEST_F(GraduationDrawing, TickModesOnTheLowerSide) {
    struct ModeCase {
        int mode;
        int fromY, toY;
    };
    for (const ModeCase& c : {ModeCase{0, 450, 444}, ModeCase{1, 450, 456}, ModeCase{2, 444, 456}}) {
        device.clear();
        diagram.scales.axis[0][0].mainGraduate = c.mode;
        draw(0, 0);
        const std::vector<Segment> lines = segments(device);
        ASSERT_EQ(lines.size(), 3u) << c.mode;
        EXPECT_EQ(lines[1].from, (DevPoint{350, c.fromY})) << c.mode;
        EXPECT_EQ(lines[1].to, (DevPoint{350, c.toY})) << c.mode;
        EXPECT_EQ(lines[1].pen.width, 1);
    }
}

TEST_F(GraduationDrawing, WidePenSubTicksAndYSides) {
    diagram.diagramPaint[document::PaintStyle::BorderWidthY] = 3;
    diagram.diagramPaint[document::PaintStyle::BorderColour] = 0x0000FF;
    diagram.scales.axis[0][0].subdivisionIndex = 1;  // a sub tick at 2.5, 7.5
    diagram.scales.axis[0][0].mainGraduate = 2;
    draw(0, 0);
    std::vector<Segment> lines = segments(device);
    ASSERT_EQ(lines.size(), 5u);
    // Pen 3: inner 5 + 2 = 7, outer 5 + 1 + 1 = 7; the sub tick is 2 long: 4 and 4.
    EXPECT_EQ(lines[0].from, (DevPoint{100, 443}));
    EXPECT_EQ(lines[0].to, (DevPoint{100, 457}));
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 3, 0x0000FF}));
    EXPECT_EQ(lines[1].from, (DevPoint{225, 446}));  // 2.5 -> 100.5 + 125
    EXPECT_EQ(lines[1].to, (DevPoint{225, 454}));

    // Left Y side, outer ticks point left; right Y side, inner ticks point left.
    device.clear();
    diagram.scales.axis[1][0].mainGraduate = 1;
    draw(1, 0);
    lines = segments(device);
    ASSERT_EQ(lines.size(), 6u);  // 0, 20, .., 100
    EXPECT_EQ(lines[0].from, (DevPoint{100, 450}));
    EXPECT_EQ(lines[0].to, (DevPoint{94, 450}));
    EXPECT_EQ(lines[5].from, (DevPoint{100, 50}));

    device.clear();
    diagram.scales.axis[1][1] = diagram.scales.axis[1][0];
    diagram.scales.axis[1][1].mainGraduate = 0;
    draw(1, 1);
    lines = segments(device);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].from, (DevPoint{600, 450}));
    EXPECT_EQ(lines[0].to, (DevPoint{594, 450}));
}

TEST_F(GraduationDrawing, GraduateBothRepeatsOnTheInactiveSide) {
    AxisScale& x = diagram.scales.axis[0][0];
    x.mainGraduate = 1;
    x.graduateBoth = 1;
    draw(0, 0);
    std::vector<Segment> lines = segments(device);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3].from, (DevPoint{100, 50}));
    EXPECT_EQ(lines[3].to, (DevPoint{100, 44}));  // outward from the upper side is up

    device.clear();
    diagram.scales.axis[0][1].active = 1;  // the opposite scale draws its own
    draw(0, 0);
    EXPECT_EQ(segments(device).size(), 3u);
}

TEST_F(GraduationDrawing, GridLinesWithTheirStyles) {
    diagram.diagramPaint[document::PaintStyle::BorderWidthY] = 2;
    AxisScale& x = diagram.scales.axis[0][0];
    x.mainGraduate = 3;
    x.mainGraduateLine = 2;
    x.subdivisionIndex = 1;
    x.subGraduate = 1;
    x.subGraduateLine = 1;
    draw(0, 0);
    const std::vector<Segment> lines = segments(device);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].from, (DevPoint{100, 50}));
    EXPECT_EQ(lines[0].to, (DevPoint{100, 450}));
    EXPECT_EQ(lines[0].pen.style, PenStyle::Dot);
    EXPECT_EQ(lines[3].from, (DevPoint{225, 50}));  // sub-division grid, pen of the frame
    EXPECT_EQ(lines[3].pen, (Pen{PenStyle::Solid, 2, 0}));

    device.clear();
    x.subGraduate = 0;
    draw(0, 0);
    EXPECT_EQ(segments(device).size(), 3u);
}

TEST_F(GraduationDrawing, HenryMainScaleDrawsTheMedianLine) {
    diagram = henryDiagram();
    diagram.scales.axis[1][0].mainGraduate = 0;
    diagram.scales.axis[1][0].orientation = -1;
    draw(1, 0);
    const std::vector<Segment> lines = segments(device);
    ASSERT_EQ(lines.size(), 9u);  // 8 ticks and the line at 0.5
    EXPECT_EQ(lines.back().from, (DevPoint{100, 250}));
    EXPECT_EQ(lines.back().to, (DevPoint{600, 250}));
    EXPECT_TRUE(device.texts().empty());
}

// Recording metrics for a 16-pixel font: 8 pixels per byte, height 16, ascent 13.
TEST_F(GraduationDrawing, ValuesBesideTheFrame) {
    for (auto& pair : diagram.scales.axis)
        for (AxisScale& scale : pair) scale.font.height = -16;
    diagram.scales.axis[0][0].colour = 0x00FF00;
    draw(0, 0);
    std::vector<RecordedOp> texts;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Text) texts.push_back(op);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "5");
    // Centred on x = 350, top at bottom 450 + drawSpace 4, baseline 13 lower.
    EXPECT_EQ(texts[1].points[0], (DevPoint{346, 467}));
    EXPECT_EQ(texts[1].textColour, 0x00FF00u);
    EXPECT_EQ(texts[2].points[0], (DevPoint{592, 467}));  // "10" centred on 600

    // Outer ticks push the values down by their reach (6).
    device.clear();
    diagram.scales.axis[0][0].mainGraduate = 1;
    draw(0, 0);
    EXPECT_EQ(device.ops().back().points[0], (DevPoint{592, 473}));

    // Left Y values end w = 4 pixels before the frame, centred on their tick.
    device.clear();
    draw(1, 0);
    ASSERT_EQ(device.texts().back(), "100");
    EXPECT_EQ(device.ops().back().points[0], (DevPoint{100 - 4 - 24, 50 - 8 + 13}));

    // Turned: the box is 16 wide and 24 high, the baseline runs up from its bottom.
    device.clear();
    diagram.scales.axis[1][0].orientation = 1;
    draw(1, 0);
    const RecordedOp& turned = device.ops().back();
    EXPECT_EQ(turned.font.escapement, 900);
    EXPECT_EQ(turned.points[0], (DevPoint{100 - 4 - 16 + 13, 50 - 12 + 24}));

    // Upper X values sit above the frame with their bottom h pixels away.
    device.clear();
    diagram.scales.axis[0][1] = diagram.scales.axis[0][0];
    diagram.scales.axis[0][1].mainGraduate = 0;
    draw(0, 1);
    EXPECT_EQ(device.ops().back().points[0], (DevPoint{592, 50 - 4 - 16 + 13}));
}

TEST_F(GraduationDrawing, MeasuredExtents) {
    diagram.scales.axis[1][0].font.height = -16;
    TextExtent extent = measure(1, 0);  // "0" .. "100"
    EXPECT_EQ(extent.width, 24);
    EXPECT_EQ(extent.height, 16);
    diagram.scales.axis[1][0].orientation = 1;
    extent = measure(1, 0);
    EXPECT_EQ(extent.width, 16);
    EXPECT_EQ(extent.height, 24);
    diagram.scales.axis[1][0].orientation = -1;
    extent = measure(1, 0);
    EXPECT_EQ(extent.width, 0);
    diagram.scales.axis[1][0].orientation = 0;
    diagram.scales.axis[1][0].format = 0;
    EXPECT_EQ(measure(1, 0).height, 0);
}

TEST_F(GraduationDrawing, OuterReachPerFrameSide) {
    const PlotMapping mapping = makePlotMapping(diagram.scales, Plot);
    GraduationContext context{device, painter, diagram, mapping, DeviceScale()};
    diagram.scales.axis[0][0].mainGraduate = 2;
    EXPECT_EQ(outerTickReach(context, 0, 0), 6);
    EXPECT_EQ(outerTickReach(context, 0, 1), 0);
    diagram.scales.axis[0][0].graduateBoth = 1;
    EXPECT_EQ(outerTickReach(context, 0, 1), 6);
    diagram.scales.axis[0][0].mainGraduate = 0;
    EXPECT_EQ(outerTickReach(context, 0, 0), 0);
    diagram.dashLength[1] = 10;
    diagram.scales.axis[1][0].mainGraduate = 1;
    EXPECT_EQ(outerTickReach(context, 1, 0), 11);
}

}  // namespace
}  // namespace ordinax::render
