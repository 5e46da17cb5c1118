// Curve symbols on the recording device: shape numbers, sizes, shaded
// discs, character and special symbols with their boxes. Coordinates are
// worked by hand from the shape table and the recording device's metrics
// (a 12-pixel font: 6 pixels per byte, ascent 10, descent 2).
#include <gtest/gtest.h>

#include <algorithm>

#include "render/pens.h"
#include "render/recording_device.h"
#include "render/symbol_drawing.h"

namespace ordinax::render {
namespace {

std::vector<RecordedOp> drawingOps(const RecordingDevice& device) {
    std::vector<RecordedOp> ops;
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Polyline || op.kind == OpKind::Polygon || op.kind == OpKind::Text) ops.push_back(op);
    return ops;
}

DevRect boundsOf(const std::vector<DevPoint>& points) {
    DevRect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (DevPoint p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;  // inclusive extremes
}

SymbolSetup setupFor(RecordingDevice& device, document::SymbolStyle style) {
    return makeSymbolSetup(style, DeviceScale{}, 96, device);
}

TEST(SymbolShapes, NumbersAboveTwentyThreeComeBackBySteps) {
    // By hand: subtract 22 until the number is at most 23.
    const std::pair<int, int> cases[] = {{1, 1}, {23, 23}, {24, 2}, {45, 23}, {46, 2}, {47, 3}, {69, 3}};
    for (auto [number, shape] : cases) EXPECT_EQ(reducedShapeNumber(number), shape) << number;
}

TEST(SymbolShapes, SizeRules) {
    // 12 points on a 96-pixel-per-inch screen: 12 * 96 / 72 = 16 pixels.
    EXPECT_EQ(symbolSize(0, DeviceScale{}, 96, 96, 96), (SymbolExtent{16, 16}));
    EXPECT_EQ(symbolSize(-3, DeviceScale{}, 96, 96, 96), (SymbolExtent{16, 16}));
    // 2 points: 2.67 pixels, rounded to 3, raised to the 4-pixel minimum.
    EXPECT_EQ(symbolSize(2, DeviceScale{}, 96, 96, 96), (SymbolExtent{4, 4}));
    // A device twice as fine horizontally doubles the width only.
    EXPECT_EQ(symbolSize(12, DeviceScale{}, 96, 192, 96), (SymbolExtent{32, 16}));
    // Printing at 600 ppi: 16 * 600 / 96 = 100 pixels.
    OutputKind printer;
    printer.printing = true;
    printer.deviceDpiX = printer.deviceDpiY = 600;
    EXPECT_EQ(symbolSize(12, DeviceScale{printer}, 96, 600, 600), (SymbolExtent{100, 100}));
}

TEST(SymbolShapes, NumberFortySevenDrawsTheCircle) {
    RecordingDevice device;
    document::SymbolStyle style;
    style.number = 47;
    style.size = 12;  // 16 pixels: a = b = 8
    style.fill = 1;
    style.innerColour = 0x00FF00;
    style.outerColour = 0x0000FF;
    SymbolSetup setup = setupFor(device, style);
    drawSymbol(device, 50, 40, setup, SymbolPass::Draw);
    const auto ops = drawingOps(device);
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, OpKind::Polygon);
    // The ellipse inscribed in (x-a, y-b, x+a+1, y+b+1) reaches x +- 8 and y +- 8.
    EXPECT_EQ(boundsOf(ops[0].points), (DevRect{42, 32, 58, 48}));
    EXPECT_EQ(ops[0].pen, (Pen{PenStyle::Solid, 1, 0x0000FF}));
    EXPECT_EQ(ops[0].brush, solidBrush(0x00FF00));
}

TEST(SymbolShapes, StrokedAndOutlinedShapes) {
    RecordingDevice device;
    document::SymbolStyle style;
    style.size = 12;  // a = b = 8, q = r = 4
    struct Case {
        int number;
        std::vector<std::vector<DevPoint>> strokes;  // polylines or polygons in order
    };
    const Case cases[] = {
        {2, {{{42, 40}, {59, 40}}, {{50, 32}, {50, 49}}}},
        {4, {{{42, 48}, {59, 31}}, {{42, 32}, {59, 49}}}},
        {5, {{{42, 32}, {58, 32}, {58, 48}, {42, 48}}}},
        {6, {{{42, 40}, {50, 32}, {58, 40}, {50, 48}}}},
        {14, {{{58, 40}, {42, 48}, {42, 32}}}},
        {17, {{{50, 32}, {43, 48}, {59, 48}}}},
        {18, {{{42, 37}, {58, 37}, {58, 43}, {42, 43}}}},
        {19, {{{47, 32}, {53, 32}, {53, 48}, {47, 48}}}},
    };
    for (const Case& c : cases) {
        device.clear();
        style.number = c.number;
        SymbolSetup setup = setupFor(device, style);
        drawSymbol(device, 50, 40, setup, SymbolPass::Draw);
        const auto ops = drawingOps(device);
        ASSERT_EQ(ops.size(), c.strokes.size()) << c.number;
        for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i].points, c.strokes[i]) << c.number;
        EXPECT_TRUE(ops[0].brush.hollow) << c.number;  // no fill flag
    }
}

TEST(SymbolShapes, RingAndFrameCutTheirHoleAndPutTheClipBack) {
    for (int number : {21, 22}) {
        RecordingDevice device;
        document::SymbolStyle style;
        style.number = number;
        style.fill = 1;
        SymbolSetup setup = setupFor(device, style);
        ClipArea plot;
        plot.rect = {0, 0, 200, 200};
        setup.restoreClip = plot;
        drawSymbol(device, 50, 40, setup, SymbolPass::Draw);
        std::vector<ClipArea> clips;
        for (const RecordedOp& op : device.ops())
            if (op.kind == OpKind::Clip) clips.push_back(op.clip);
        ASSERT_EQ(clips.size(), 2u) << number;
        EXPECT_TRUE(clips[0].hasHole);
        EXPECT_EQ(clips[0].holeIsEllipse, number == 21);
        EXPECT_EQ(clips[0].hole, (DevRect{46, 36, 55, 45}));  // (x-q, y-r, x+q+1, y+r+1)
        EXPECT_EQ(clips[1].rect, plot.rect);                   // the plot clip again
    }
}

TEST(SymbolShapes, ShadedDiscRunsFromOuterRimToInnerCentre) {
    RecordingDevice device;
    document::SymbolStyle style;
    style.type = SymbolShaded;
    style.innerColour = 0x000000;
    style.outerColour = 0xFFFFFF;
    SymbolSetup setup = setupFor(device, style);  // 16 pixels wide: radii 8 down to 0
    drawSymbol(device, 50, 40, setup, SymbolPass::Draw);
    const auto ops = drawingOps(device);
    ASSERT_EQ(ops.size(), 9u);
    EXPECT_EQ(ops.front().pen, (Pen{PenStyle::Solid, 2, 0xFFFFFF}));
    EXPECT_EQ(ops.back().pen.colour, 0x000000u);
    // Radius 4: 255 * 4 / 8 = 127.5, rounded to 128 on each channel.
    EXPECT_EQ(ops[4].pen.colour, rgb(128, 128, 128));
    EXPECT_EQ(boundsOf(ops[4].points), (DevRect{46, 36, 54, 44}));
}

TEST(SymbolText, CharacterCentredInItsBox) {
    RecordingDevice device;
    document::SymbolStyle style;
    style.type = SymbolCharacter;
    style.character = 'J';
    style.reserved = 1;  // "Encadré normal"
    style.fill = 1;
    style.innerColour = 0x00FFFF;
    style.outerColour = 0x0000FF;
    SymbolSetup setup = setupFor(device, style);
    EXPECT_EQ(std::string(setup.font.faceName), "Wingdings");  // a blank font record takes the default
    drawSymbol(device, 100, 50, setup, SymbolPass::Measure);
    EXPECT_EQ(device.ops().size(), 0u);
    EXPECT_EQ(setup.largest.width, 6);
    EXPECT_EQ(setup.largest.height, 10);  // 12 less the descent 2
    drawSymbol(device, 100, 50, setup, SymbolPass::Draw);
    const auto ops = drawingOps(device);
    ASSERT_EQ(ops.size(), 2u);
    // Box (97, 45, 103, 55) grown by the 1-pixel pen.
    EXPECT_EQ(ops[0].points, (std::vector<DevPoint>{{96, 44}, {103, 44}, {103, 55}, {96, 55}}));
    EXPECT_EQ(ops[0].brush, solidBrush(0x00FFFF));
    EXPECT_EQ(ops[1].text, "J");
    EXPECT_EQ(ops[1].points[0], (DevPoint{97, 55}));  // baseline: top 45 + ascent 10
    EXPECT_EQ(ops[1].textColour, 0x0000FFu);
}

TEST(SymbolText, CircledCharacterUsesHalfTheBoxDiagonal) {
    RecordingDevice device;
    document::SymbolStyle style;
    style.type = SymbolCharacter;
    style.reserved = 3;  // "Entouré normal"
    SymbolSetup setup = setupFor(device, style);
    drawSymbol(device, 100, 50, setup, SymbolPass::Draw);
    const auto ops = drawingOps(device);
    ASSERT_EQ(ops.size(), 2u);
    // Box 6 x 10: half diagonal 5.83, taken up to 6, plus the pen: radius 7.
    EXPECT_EQ(boundsOf(ops[0].points), (DevRect{93, 43, 107, 57}));
}

TEST(SymbolText, SpecialSequencesAndValues) {
    document::SymbolStyle style;
    style.type = SymbolSpecial;
    SymbolSetup setup;
    setup.style = style;
    std::vector<std::tuple<double, int, bool>> asked;
    setup.valueText = [&](double v, int direction, bool withSymbol) {
        asked.emplace_back(v, direction, withSymbol);
        return std::string("v");
    };
    struct Case {
        int option;
        int index;
        const char* text;
    };
    const Case cases[] = {{0, 0, "1"}, {0, 11, "12"}, {1, 0, "0"},  {2, 0, "a"},  {2, 25, "z"},
                          {2, 27, "ab"}, {3, 26, "AA"}, {4, 3, "v"}, {7, 3, "v"}};
    for (const Case& c : cases) {
        setup.style.option = c.option;
        EXPECT_EQ(specialSymbolText(setup, c.index, 1.5, -2.5), c.text) << c.option << " " << c.index;
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], std::make_tuple(1.5, 0, false));
    EXPECT_EQ(asked[1], std::make_tuple(-2.5, 1, true));
    setup.valueText = nullptr;
    setup.style.option = 5;
    EXPECT_EQ(specialSymbolText(setup, 0, 1.5, 0.25), "0.25");
}

TEST(Pens, WidthAndStyle) {
    EXPECT_EQ(makePen(0, 0, 7), (Pen{PenStyle::Solid, 1, 7}));
    EXPECT_EQ(makePen(1, -4, 7), (Pen{PenStyle::Dash, 1, 7}));
    EXPECT_EQ(makePen(4, 3, 7), (Pen{PenStyle::DashDotDot, 3, 7}));
    EXPECT_EQ(makePen(9, 2, 7), (Pen{PenStyle::Solid, 2, 7}));
    document::LineStyle line;
    line.type = {3, 0};
    line.width = {2, 1};
    line.colour = {255, 0};
    OutputKind printer;
    printer.printing = true;
    printer.deviceDpiX = printer.deviceDpiY = 600;
    // Line type 3 is the platform style 2 (dotted); 2 pixels at 600 / 96 = 12.5 -> 13.
    EXPECT_EQ(linePen(line, 0, DeviceScale{printer}), (Pen{PenStyle::Dot, 13, 255}));
    EXPECT_EQ(linePen(line, 1, DeviceScale{}).style, PenStyle::None);
}

}  // namespace
}  // namespace ordinax::render
