// Hit-testing: the order in which the elements of a laid-out diagram are
// tried, the legend lines and scale areas a pass records, and the inverse of
// the tag placement used when a tag is dragged.
#include "render/hit_test.h"

#include <gtest/gtest.h>

#include <string>

#include "document/diagram.h"
#include "render/diagram_renderer.h"
#include "render/recording_device.h"
#include "render/tags.h"
#include "render/label_fixture.h"

namespace ordinax::render {
namespace {

using fixtures::setLabel;

using document::Diagram;

// A hand-made layout, independent of the layout code: plot {100,100}-{500,400},
// lower X band below it, left Y band beside it, a title above, a legend box
// with two lines inside the plot, tag 1 over the plot and tag 3 over the top
// of tag 1 and the legend's lower-right corner.
class HitOrder : public ::testing::Test {
protected:
    void SetUp() override {
        layout.diagramRect = {0, 0, 600, 500};
        layout.plotRect = {100, 100, 500, 400};
        layout.scaleAreas[0][0] = {100, 400, 500, 430};
        layout.scaleAreas[1][0] = {60, 100, 100, 400};
        layout.scaleAreas[0][1] = {100, 80, 500, 100};  // recorded, but its scale is inactive
        layout.blocks[1] = {250, 20, 350, 50};
        layout.blocks[document::LegendSlot] = {120, 120, 220, 166};
        layout.legendLines = {{0, {120, 123, 220, 143}}, {2, {120, 143, 220, 163}}};
        layout.blocks[7] = {200, 200, 300, 230};
        layout.blocks[9] = {200, 150, 320, 215};
        layout.blocks[8] = {400, 300, 450, 330};  // tag 2 is free: its box is a leftover
        diagram.scales.axis[0][0].active = 1;
        diagram.scales.axis[1][0].active = 1;
        diagram.scales.axis[0][1].active = 0;
        setLabel(diagram, 1, 3, "Titre");
        setLabel(diagram, document::LegendSlot, 1, "");
        setLabel(diagram, 7, 3, "Un");
        setLabel(diagram, 8, 3, "Deux");
        setLabel(diagram, 9, 3, "Trois");
        diagram.tagOrder[0] = 0;   // tag 1 drawn first ...
        diagram.tagOrder[2] = 1;   // ... tag 3 drawn over it, yet tag 1 is tried first
        diagram.tagOrder[1] = -1;  // tag 2 not in use
    }
    DiagramLayout layout;
    Diagram diagram;
};

HitResult tagHit(int tag) {
    return {HitKind::Tag, document::FirstTagSlot + tag, tag, -1, -1, -1};
}

TEST_F(HitOrder, TableOfPoints) {
    const HitResult legendSlot{HitKind::Legend, document::LegendSlot, -1, -1, -1, -1};
    HitResult legendLine0 = legendSlot;
    legendLine0.curve = 0;
    HitResult legendLine2 = legendSlot;
    legendLine2.curve = 2;
    struct Case {
        DevPoint point;
        HitResult expected;
        const char* what;
    };
    const Case cases[] = {
        {{250, 215}, tagHit(0), "tag over the plot"},
        {{280, 210}, tagHit(0), "tags 1 and 3 overlap: slot order, not stacking order"},
        {{280, 170}, tagHit(2), "tag 3 alone"},
        {{210, 160}, tagHit(2), "tag over the legend"},
        {{299, 229}, tagHit(0), "last pixel of tag 1"},
        {{300, 230}, {HitKind::Plot}, "right and bottom edges are outside"},
        {{410, 310}, {HitKind::Plot}, "box of a free tag is ignored"},
        {{150, 130}, legendLine0, "first legend line"},
        {{150, 150}, legendLine2, "second legend line: its own curve index"},
        {{150, 121}, legendSlot, "legend margin: the block, no line"},
        {{150, 164}, legendSlot, "legend bottom margin"},
        {{130, 300}, {HitKind::Plot}, "plot"},
        {{100, 100}, {HitKind::Plot}, "plot's top-left pixel"},
        {{300, 420}, {HitKind::Scale, -1, -1, -1, 0, 0}, "lower X scale"},
        {{70, 250}, {HitKind::Scale, -1, -1, -1, 1, 0}, "left Y scale"},
        {{300, 90}, {HitKind::Background}, "band of an inactive scale"},
        {{80, 420}, {HitKind::Background}, "corner between two scale bands"},
        {{300, 30}, {HitKind::Label, 1}, "upper title"},
        {{5, 5}, {HitKind::Background}, "outside everything"},
        {{-20, 900}, {HitKind::Background}, "outside the diagram"},
    };
    for (const Case& c : cases) EXPECT_EQ(hitTest(layout, diagram, c.point), c.expected) << c.what;
}

TEST_F(HitOrder, EmptiedSlotsAreNotHit) {
    // A deleted title or legend keeps no hit area even if a stale rectangle is passed.
    setLabel(diagram, 1, -1, "");
    setLabel(diagram, document::LegendSlot, -1, "");
    EXPECT_EQ(hitTest(layout, diagram, {300, 30}).kind, HitKind::Background);
    EXPECT_EQ(hitTest(layout, diagram, {150, 130}).kind, HitKind::Plot);
    // A freed tag (zOrder -1) lets the element below it through.
    diagram.tagOrder[0] = -1;
    EXPECT_EQ(hitTest(layout, diagram, {250, 215}).kind, HitKind::Plot);
}

// Scales 0..10 on the lower X and left Y sides with inner ticks and no
// values, printed at scale 1 (drawSpace 4 → w = h = 4 pixels), no page frame,
// plot frame 1 pixel; the recording device's label font is 8 × 16 pixels a
// byte, block margins 3 and frame 1 (as in the layout tests).
Diagram recordedDiagram() {
    Diagram diagram;
    diagram.backPaint[document::PaintStyle::Border] = 0;
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

RenderResult drawOn(const Diagram& diagram, DevRect page) {
    RecordingDevice device;
    RenderRequest request;
    request.pageRect = page;
    request.output.printing = true;
    request.output.pageRect = page;
    return drawDiagram(device, diagram, request);
}

TEST(HitRecordedPass, LegendLinesAndScaleAreasOfAPass) {
    Diagram diagram = recordedDiagram();
    document::Curve curve;
    curve.legend = "Courbe";
    curve.symbol.type = 1;  // 16 × 16 symbol: line height 17 (110 %)
    diagram.curves.push_back(curve);
    curve.hidden = 1;  // a hidden curve has no legend line
    diagram.curves.push_back(curve);
    curve.hidden = 0;
    curve.legend = "Autre";
    diagram.curves.push_back(curve);
    diagram.labels[document::LegendSlot].placement = 1;
    const RenderResult result = drawOn(diagram, {0, 0, 480, 360});
    ASSERT_TRUE(result.complete);
    const DiagramLayout& layout = result.layout;
    // Plot {8, 8, 472, 352}; legend inside top-left at (8 + 4w, 8 + 3h),
    // width 116 (see the layout tests), height 2 × 17 + 2 × 3 = 40.
    ASSERT_EQ(layout.plotRect, (DevRect{8, 8, 472, 352}));
    ASSERT_EQ(layout.blocks[document::LegendSlot], (DevRect{24, 20, 140, 60}));
    ASSERT_EQ(layout.legendLines.size(), 2u);
    // Lines start below the top margin 3 and are 17 high, across the box.
    EXPECT_EQ(layout.legendLines[0], (LegendLineRect{0, {24, 23, 140, 40}}));
    EXPECT_EQ(layout.legendLines[1], (LegendLineRect{2, {24, 40, 140, 57}}));
    EXPECT_EQ(hitTest(layout, diagram, {100, 45}).curve, 2);
    // Inner ticks, no values: the bands are one drawSpace (4) deep beyond the
    // frame (half pen 0); inactive upper and right scales have none.
    EXPECT_EQ(layout.scaleAreas[0][0], (DevRect{8, 352, 472, 356}));
    EXPECT_EQ(layout.scaleAreas[1][0], (DevRect{4, 8, 8, 352}));
    EXPECT_TRUE(layout.scaleAreas[0][1].empty());
    EXPECT_TRUE(layout.scaleAreas[1][1].empty());
    EXPECT_EQ(hitTest(layout, diagram, {200, 354}).kind, HitKind::Scale);
    EXPECT_EQ(hitTest(layout, diagram, {200, 357}).kind, HitKind::Background);
}

TEST(HitRecordedPass, ValueBandsWidenTheScaleAreas) {
    Diagram diagram = recordedDiagram();
    diagram.scales.axis[0][0].orientation = 0;  // X values written below the plot
    const RenderResult result = drawOn(diagram, {0, 0, 480, 360});
    ASSERT_TRUE(result.complete);
    const DiagramLayout& layout = result.layout;
    const int valueHeight = layout.valueExtents[0][0].height;
    ASSERT_GT(valueHeight, 0);
    // From the plot's bottom edge down past h, the values and h again.
    EXPECT_EQ(layout.scaleAreas[0][0].top, layout.plotRect.bottom);
    EXPECT_EQ(layout.scaleAreas[0][0].bottom, layout.plotRect.bottom + 4 + valueHeight + 4);
}

TEST(HitRecordedPass, TagOverThePlotWins) {
    Diagram diagram = recordedDiagram();
    setLabel(diagram, 8, 3, "Note");  // tag 2 centred on the plot
    diagram.tagOrder[1] = 0;
    const RenderResult result = drawOn(diagram, {0, 0, 480, 360});
    ASSERT_TRUE(result.complete);
    // Plot centre (240, 180) lies inside the tag.
    EXPECT_EQ(hitTest(result.layout, diagram, {240, 180}), tagHit(1));
}

// Dragging: the position computed from a box must place the box back on itself.
TEST(TagDragGeometry, PositionFromRectPlacesTheSameRect) {
    const DevRect plots[] = {{100, 100, 500, 400}, {13, 7, 414, 308}};  // even and odd sizes
    const DevRect diagramArea{0, 0, 600, 500};
    const DevRect boxes[] = {
        {280, 240, 320, 260},  // even size
        {281, 241, 322, 262},  // odd width and height
        {0, 0, 37, 23},        // against the diagram's corner
        {563, 477, 600, 500},  // against the opposite corner
        {10, 300, 11, 301},    // one pixel
    };
    for (const DevRect& plot : plots) {
        for (const DevRect& box : boxes) {
            const TagPosition position = tagPositionFromRect(plot, box);
            const TagPlacement placed = placeTag(plot, diagramArea, position, box.width(), box.height());
            EXPECT_EQ(placed.rect, box) << plot.left << " " << box.left << "," << box.top;
        }
    }
    // Worked by hand: box {280, 240, 320, 260} on plot {100,100,500,400} has its
    // centre pixel (300, 250), the plot centre: position (0, 0); box {380, 320,
    // 420, 340} is centred at (400, 330): (100/200, 80/150) × 100000.
    EXPECT_EQ(tagPositionFromRect(plots[0], {280, 240, 320, 260}), (TagPosition{0.0, 0.0}));
    const TagPosition moved = tagPositionFromRect(plots[0], {380, 320, 420, 340});
    EXPECT_DOUBLE_EQ(moved[0], 50000.0);
    EXPECT_NEAR(moved[1], 53333.3333333, 1e-6);
    // A flat plot gives 0 on that axis instead of dividing by zero.
    EXPECT_EQ(tagPositionFromRect({100, 100, 100, 400}, {0, 0, 10, 10})[0], 0.0);
}

TEST(TagDragGeometry, MovedRectStaysInsideTheDiagram) {
    const DevRect diagramArea{0, 0, 600, 500};
    const DevRect start{280, 240, 320, 260};
    struct Case {
        int dx;
        int dy;
        DevRect expected;
    };
    const Case cases[] = {
        {15, -40, {295, 200, 335, 220}},
        {400, 0, {560, 240, 600, 260}},   // stopped at the right edge
        {-500, -500, {0, 0, 40, 20}},     // stopped at the top-left corner
        {0, 1000, {280, 480, 320, 500}},  // stopped at the bottom
    };
    for (const Case& c : cases) EXPECT_EQ(movedTagRect(start, c.dx, c.dy, diagramArea), c.expected) << c.dx;
}

}  // namespace
}  // namespace ordinax::render
