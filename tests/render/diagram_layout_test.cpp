// The layout and drawing order of a whole diagram on the recording device.
// Every test draws at a scale of exactly 1 (printing at 96 pixels per inch
// from a 96 pixels-per-inch screen), so stored sizes are device pixels:
// drawSpace 4 → w = h = 4. The recording device's fixed metrics give a label
// (base font 16 pixels) 8 pixels per byte and 16 pixels per line; a block
// adds its inner margins (3 each side) and has a 1-pixel border (frame 1).
// Expected rectangles are worked by hand from the layout rules in comments.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/strings_drawing.h"
#include "document/diagram.h"
#include "render/diagram_renderer.h"
#include "render/recording_device.h"
#include "render/label_fixture.h"

namespace ordinax::render {
namespace {

using fixtures::setLabel;

using document::Diagram;
using document::PaintStyle;

// Scales 0..10 step 1 on the lower X and left Y sides, inner ticks, no
// values; no page frame; the plot frame 1 pixel (half pen 0).
Diagram plainDiagram() {
    Diagram diagram;
    diagram.backPaint[PaintStyle::Border] = 0;
    for (auto& direction : diagram.scales.axis) {
        for (auto& scale : direction) {
            scale.origin = 0.0;
            scale.extremity = 10.0;
            scale.step = 1.0;
            scale.orientation = -1;
            scale.mainGraduate = 0;
        }
        direction[0].active = 1;
    }
    return diagram;
}

RenderRequest printRequest(DevRect page) {
    RenderRequest request;
    request.pageRect = page;
    request.output.printing = true;
    request.output.pageRect = page;
    return request;
}

RenderResult draw(RecordingDevice& device, const Diagram& diagram, DevRect page) {
    return drawDiagram(device, diagram, printRequest(page));
}

bool hasSegment(const RecordingDevice& device, DevPoint a, DevPoint b) {
    return std::any_of(device.ops().begin(), device.ops().end(), [&](const RecordedOp& op) {
        return op.kind == OpKind::Polyline && op.points.size() == 2 &&
               ((op.points[0] == a && op.points[1] == b) || (op.points[0] == b && op.points[1] == a));
    });
}

const RecordedOp* findText(const RecordingDevice& device, const std::string& text) {
    for (const RecordedOp& op : device.ops())
        if (op.kind == OpKind::Text && op.text == text) return &op;
    return nullptr;
}

TEST(DiagramLayout, PlotRectOnlyShrinksBySpacingFramesAndShadow) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    RenderResult result = draw(device, diagram, {0, 0, 800, 600});
    ASSERT_TRUE(result.complete);
    // 2 × drawSpace on each side.
    EXPECT_EQ(result.layout.diagramRect, (DevRect{0, 0, 800, 600}));
    EXPECT_EQ(result.layout.plotRect, (DevRect{8, 8, 792, 592}));

    // Page frame 6 (half 3), plot frame (4 + 4) / 2 = 4 (half 2), a hard plot
    // shadow of depth 5 × 7 taken from the right and bottom.
    diagram.backPaint[PaintStyle::Border] = 1;
    diagram.backPaint[PaintStyle::BorderWidthX] = diagram.backPaint[PaintStyle::BorderWidthY] = 6;
    diagram.diagramPaint[PaintStyle::BorderWidthX] = diagram.diagramPaint[PaintStyle::BorderWidthY] = 4;
    diagram.diagramPaint[PaintStyle::Shadow] = 1;
    diagram.diagramPaint[PaintStyle::ShadowHardness] = 100;
    diagram.diagramPaint[PaintStyle::ShadowDepthX] = 5;
    diagram.diagramPaint[PaintStyle::ShadowDepthY] = 7;
    result = draw(device, diagram, {0, 0, 800, 600});
    EXPECT_EQ(result.layout.plotRect, (DevRect{13, 13, 787 - 5, 587 - 7}));
    for (const DevRect& block : result.layout.blocks) EXPECT_TRUE(block.empty());
}

TEST(DiagramLayout, NormalScreenModeDeflatesThePageByThreeSpacings) {
    // Screen mode 1 at 96 pixels per inch: 72 / 96 = 0.75, drawSpace 4 → 3.
    RecordingDevice device;
    RenderRequest request;
    request.pageRect = {0, 0, 400, 300};
    request.output.pageRect = request.pageRect;
    const RenderResult result = drawDiagram(device, plainDiagram(), request);
    EXPECT_EQ(result.layout.diagramRect, (DevRect{9, 9, 391, 291}));
    EXPECT_EQ(result.layout.plotRect, (DevRect{15, 15, 385, 285}));
}

TEST(DiagramLayout, TitlesCentreOnThePlotOrOnThePage) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    // Left Y label "Axe Y" turned: 16 × 40 text, block 22 × 46, frame 1:
    // the plot's left edge moves by 22 + w + 1 = 27 to 35.
    setLabel(diagram, 4, 6, "Axe Y");
    setLabel(diagram, 0, 3, "Titre");  // 40 × 16 → 46 × 22
    RenderResult result = draw(device, diagram, {0, 0, 400, 300});
    ASSERT_TRUE(result.complete);
    // Bottom: 292 − (22 + 4 + 1) = 265.
    EXPECT_EQ(result.layout.plotRect, (DevRect{35, 8, 392, 265}));
    // Plot centre (35 + 392) / 2 = 213, left 213 − 23; bottom 300 − 2h − frame = 291.
    EXPECT_EQ(result.layout.blocks[0], (DevRect{190, 269, 236, 291}));
    // Turned label: right edge at O.left − w − frame = 30, centred on the
    // plot's height: (8 + 265 − 46) / 2 = 113.
    EXPECT_EQ(result.layout.blocks[4], (DevRect{8, 113, 30, 159}));
    const RecordedOp* label = findText(device, "Axe Y");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font.escapement, 900);

    // 45 bytes: 360 + 6 = 366, wider than the 357-pixel plot: centred on the
    // page (200 − 183); the upper title sits at 2h + frame from the top.
    setLabel(diagram, 0, -1, "");
    setLabel(diagram, 1, 3, std::string(45, 'T'));
    result = draw(device, diagram, {0, 0, 400, 300});
    EXPECT_EQ(result.layout.plotRect.width(), 357);
    EXPECT_EQ(result.layout.blocks[1], (DevRect{17, 9, 383, 31}));
}

TEST(DiagramLayout, YLabelAboveThePlot) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    setLabel(diagram, 4, 1, "Y");  // 8 × 16 → 14 × 22, not turned
    setLabel(diagram, 5, 2, "Droite");  // 48 × 16 → 54 × 22
    const RenderResult result = draw(device, diagram, {0, 0, 400, 300});
    // Top: 8 + 22 + h + frame = 35; the sides keep 2 × drawSpace.
    EXPECT_EQ(result.layout.plotRect, (DevRect{8, 35, 392, 292}));
    // Bottom at O.top − h − frame = 30; left at O.left + w, right at O.right − w.
    EXPECT_EQ(result.layout.blocks[4], (DevRect{12, 8, 26, 30}));
    EXPECT_EQ(result.layout.blocks[5], (DevRect{334, 8, 388, 30}));
    const RecordedOp* label = findText(device, "Y");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font.escapement, 0);
}

TEST(DiagramLayout, LegendBoxSizeAndItsTenPositions) {
    Diagram diagram = plainDiagram();
    document::Curve curve;
    curve.legend = "Courbe";  // 48 × 16
    curve.symbol.type = 1;    // 12 points at 96 pixels per inch: 16 × 16
    diagram.curves.push_back(curve);
    diagram.labels[document::LegendSlot].placement = 0;
    // Line height max(16, 16 × 110 / 100 = 17, pen 1) = 17; box height 17 + 2 × 3.
    // Width: sample 480 / 24 = 20, text 48, w 4, 2 × symbol 16, 4 × margin 3 = 116.
    // Plot {8, 8, 472, 352}; outside the plot it gives up 116 + 4w + frame 1 = 133.
    struct Case {
        int code;
        DevRect box;
        DevRect plot;
    };
    const DevRect plain{8, 8, 472, 352};
    const Case cases[] = {
        {0, {340, 20, 456, 43}, plain},             // right at 472 − 4w, top at 8 + 3h
        {1, {24, 20, 140, 43}, plain},              // left at 8 + 4w
        {2, {24, 317, 140, 340}, plain},            // bottom at 352 − 3h
        {3, {340, 317, 456, 340}, plain},
        {4, {0, 8, 116, 31}, {141, 8, 472, 352}},   // against the diagram's left edge
        {5, {0, 168, 116, 191}, {141, 8, 472, 352}},  // 8 + (344 − 23) / 2
        {6, {0, 329, 116, 352}, {141, 8, 472, 352}},
        {7, {364, 8, 480, 31}, {8, 8, 339, 352}},
        {8, {364, 168, 480, 191}, {8, 8, 339, 352}},
        {9, {364, 329, 480, 352}, {8, 8, 339, 352}},
    };
    for (const Case& c : cases) {
        RecordingDevice device;
        diagram.labels[document::LegendSlot].placement = c.code;
        const RenderResult result = draw(device, diagram, {0, 0, 480, 360});
        EXPECT_EQ(result.layout.blocks[document::LegendSlot], c.box) << "code " << c.code;
        EXPECT_EQ(result.layout.plotRect, c.plot) << "code " << c.code;
        EXPECT_NE(findText(device, "Courbe"), nullptr);
    }
}

TEST(DiagramLayout, LegendTallerThanThePlotStartsAtTheDiagramTop) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    document::Curve curve;
    curve.legend = "Courbe";
    curve.symbol.type = 1;
    for (int i = 0; i < 3; ++i) diagram.curves.push_back(curve);
    diagram.labels[document::LegendSlot].placement = 1;
    // Plot {8, 8, 472, 72}: 64 high; the box 3 × 17 + 6 = 57 high fits and
    // sits 3h below the plot's top; on a 60-pixel page (plot 44 high) it
    // starts at the diagram's top instead.
    RenderResult result = draw(device, diagram, {0, 0, 480, 80});
    EXPECT_EQ(result.layout.blocks[document::LegendSlot], (DevRect{24, 20, 140, 77}));
    result = draw(device, diagram, {0, 0, 480, 60});
    EXPECT_EQ(result.layout.blocks[document::LegendSlot], (DevRect{24, 0, 140, 57}));
}

TEST(DiagramLayout, OuterTicksReserveTheirLengthAndAreDrawnThere) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    diagram.scales.axis[0][0].mainGraduate = 1;      // X: outer ticks
    diagram.scales.axis[0][0].subdivisionIndex = 1;  // two intervals per step
    diagram.scales.axis[1][0].mainGraduate = 2;      // Y: inner and outer
    const RenderResult result = draw(device, diagram, {0, 0, 480, 360});
    // Reach: dashLength 5 + pen / 2 (0) + 1 = 6 below and on the left.
    EXPECT_EQ(result.layout.plotRect, (DevRect{14, 8, 472, 346}));
    // X origin at column 14: from the frame line 346 down to 352.
    EXPECT_TRUE(hasSegment(device, {14, 346}, {14, 352}));
    // Sub tick at 0.5: 14.5 + 458 / 20 = 37.4, half length 2 + 0 + 1 = 3.
    EXPECT_TRUE(hasSegment(device, {37, 346}, {37, 349}));
    // Y origin at row 346: inner end 14 + 5 + (1 + 1) / 2 = 20, outer end 14 − 6 = 8.
    EXPECT_TRUE(hasSegment(device, {20, 346}, {8, 346}));
}

TEST(DiagramLayout, ValueBandsPushThePlotAndTheLabels) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    diagram.scales.axis[0][0].orientation = 0;  // "0" .. "10" in the default 16-pixel font
    diagram.scales.axis[1][0].orientation = 0;
    setLabel(diagram, 2, 3, "Axe X");  // 40 × 16 → 46 × 22
    const RenderResult result = draw(device, diagram, {0, 0, 480, 360});
    // Widest value "10": 16 × 16 on both scales.
    EXPECT_EQ(result.layout.valueExtents[0][0].width, 16);
    EXPECT_EQ(result.layout.valueExtents[0][0].height, 16);
    EXPECT_EQ(result.layout.valueExtents[1][0].width, 16);
    EXPECT_EQ(result.layout.valueExtents[1][1].width, 0);
    // Left: 8 + 16 / 2 + 16 + w = 36; right: 472 − 8; bottom: 352 − (16 + h) − (22 + h + 1) = 305.
    EXPECT_EQ(result.layout.plotRect, (DevRect{36, 8, 464, 305}));
    // The X label's top: O.bottom + h + h + 16 = 329; centred (36 + 464 − 46) / 2.
    EXPECT_EQ(result.layout.blocks[2], (DevRect{227, 329, 273, 351}));
    // The value "0" under column 36: box 8 wide from 32, top at 305 + h, baseline + ascent 13.
    const RecordedOp* zero = findText(device, "0");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->points.front(), (DevPoint{32, 322}));
}

TEST(DiagramLayout, TooSmallWindowDrawsNothing) {
    // 17 pixels: the plot is 17 − 16 = 1 pixel; 18 leaves 2 pixels.
    RecordingDevice device;
    const RenderResult small = draw(device, plainDiagram(), {0, 0, 17, 40});
    EXPECT_FALSE(small.complete);
    ASSERT_TRUE(small.error.has_value());
    EXPECT_EQ(small.error->id, base::MsgDrawingTooSmall);
    EXPECT_EQ(small.error->formatted(),
              "ERREUR\n\nTracé du diagramme impossible !\nLa taille de la fenêtre est trop petite.");
    EXPECT_TRUE(device.ops().empty());

    RecordingDevice wide;
    const RenderResult enough = draw(wide, plainDiagram(), {0, 0, 18, 40});
    EXPECT_TRUE(enough.complete);
    EXPECT_FALSE(enough.error.has_value());
    EXPECT_FALSE(wide.ops().empty());
}

TEST(DiagramLayout, TagsAreDrawnByStackingLevelNotBySlot) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    setLabel(diagram, 7, 3, "Haut");  // tag 1, level 3
    setLabel(diagram, 8, 3, "Bas");   // tag 2, level 1
    diagram.tagOrder[0] = 3;
    diagram.tagOrder[1] = 1;
    const RenderResult result = draw(device, diagram, {0, 0, 400, 300});
    const std::vector<std::string> texts = device.texts();
    const auto high = std::find(texts.begin(), texts.end(), "Haut");
    const auto low = std::find(texts.begin(), texts.end(), "Bas");
    ASSERT_NE(high, texts.end());
    ASSERT_NE(low, texts.end());
    EXPECT_LT(low - texts.begin(), high - texts.begin());
    // Both centred on the plot {8, 8, 392, 292}, centre (200, 150): "Bas" 30 × 22.
    EXPECT_EQ(result.layout.blocks[8], (DevRect{185, 139, 215, 161}));
}

TEST(DiagramLayout, PageModeOnScreenDrawsTheGreySurroundFirst) {
    RecordingDevice device;
    RenderRequest request;
    request.pageRect = {20, 20, 220, 300};
    request.sheetSurround = {0, 0, 240, 320};
    request.output.displayMode = 3;
    request.output.pageRect = request.pageRect;
    const RenderResult result = drawDiagram(device, plainDiagram(), request);
    ASSERT_TRUE(result.complete);
    EXPECT_EQ(result.layout.diagramRect, request.pageRect);
    ASSERT_FALSE(device.ops().empty());
    const RecordedOp& first = device.ops().front();
    EXPECT_EQ(first.kind, OpKind::Polygon);
    EXPECT_EQ(first.brush.colour, 0x808080u);
    // The surround reaches 32 pixels below the view: its last row is 351.
    EXPECT_EQ(first.points[2], (DevPoint{239, 351}));
}

TEST(DiagramLayout, AbortStopsBeforeTheCurves) {
    RecordingDevice device;
    Diagram diagram = plainDiagram();
    document::Curve curve;
    curve.points = document::PointBuffer(std::vector<document::Point>{{1, 1}, {2, 2}});
    diagram.curves.push_back(curve);
    RenderRequest request = printRequest({0, 0, 400, 300});
    request.abortRequested = [] { return true; };
    const RenderResult result = drawDiagram(device, diagram, request);
    EXPECT_TRUE(result.aborted);
    EXPECT_FALSE(result.complete);
}

TEST(DiagramLayout, GraduationValuesStayLegibleInTheNormalScreenMode) {
    // 12-pixel values in the normal mode (sizes at 72/96) would be drawn 9
    // pixels high: they are drawn at LegibleValuePixels, and measured so.
    Diagram diagram = plainDiagram();
    for (auto& direction : diagram.scales.axis) direction[0].orientation = 0;
    diagram.scales.axis[0][0].font = base::fontFromTextOrDefault("-12,0,0,0,400,0,0,0,0,0,0,0,48,Arial");
    diagram.scales.axis[1][0].font = diagram.scales.axis[0][0].font;
    RecordingDevice device;
    RenderRequest request;
    request.pageRect = {0, 0, 400, 300};
    request.output.pageRect = request.pageRect;
    const RenderResult result = drawDiagram(device, diagram, request);
    ASSERT_TRUE(result.complete);
    int values = 0;
    for (const RecordedOp& op : device.ops()) {
        if (op.kind != OpKind::Text || op.text != "5") continue;
        ++values;
        EXPECT_EQ(op.font.height, -LegibleValuePixels);
    }
    EXPECT_EQ(values, 2);  // on X and on Y
    // The band of the X values is as high as the legible font (fixed metrics: the height).
    EXPECT_EQ(result.layout.valueExtents[0][0].height, LegibleValuePixels);
}

}  // namespace
}  // namespace ordinax::render
