// Tag anchors, push-back into the diagram rectangle and stacking order.
// Plot (100,100)-(500,400): centre (300, 250), half-width 200, half-height
// 150; the expected points and anchors are worked by hand from
// centre + half-size × position / 100000.
#include <gtest/gtest.h>

#include "render/tags.h"

namespace ordinax::render {
namespace {

const DevRect Plot{100, 100, 500, 400};
const DevRect DiagramArea{80, 80, 510, 405};

TEST(TagAnchor, CentreOfStoredPositions) {
    struct Case {
        TagPosition position;
        DevPoint expected;
    };
    const Case cases[] = {
        {{0.0, 0.0}, {300, 250}},
        {{100000.0, 100000.0}, {500, 400}},
        {{-100000.0, -100000.0}, {100, 100}},
        {{-50000.0, 20000.0}, {200, 280}},
        {{1.0e300, -1.0e300}, {100000000, -100000000}},  // hostile file values stay in range
    };
    for (const Case& c : cases) EXPECT_EQ(tagCentre(Plot, c.position), c.expected) << c.position[0];
}

TEST(TagAnchor, AnchorOfABox) {
    // Box centred at (490, 395): (190/200, 145/150) × 100000.
    const TagPosition anchor = tagAnchor(Plot, {470, 385, 510, 405});
    EXPECT_DOUBLE_EQ(anchor[0], 95000.0);
    EXPECT_NEAR(anchor[1], 96666.6666667, 1e-6);
    // A plot without width or height gives 0 on that axis.
    EXPECT_EQ(tagAnchor({100, 100, 100, 400}, {0, 0, 10, 10})[0], 0.0);
}

TEST(TagPlacementTest, CentredTagStaysWhereItIs) {
    const TagPlacement placed = placeTag(Plot, DiagramArea, {0.0, 0.0}, 40, 20);
    EXPECT_EQ(placed.rect, (DevRect{280, 240, 320, 260}));
    EXPECT_EQ(placed.anchor, (TagPosition{0.0, 0.0}));
    const TagPlacement inside = placeTag(Plot, DiagramArea, {-50000.0, 20000.0}, 40, 20);
    EXPECT_EQ(inside.rect, (DevRect{180, 270, 220, 290}));
    EXPECT_EQ(inside.anchor, (TagPosition{-50000.0, 20000.0}));
}

TEST(TagPlacementTest, CornerTagIsPushedBackIntoTheDiagram) {
    // Centred at (500, 400) the box would reach (520, 410): it is moved left by
    // 10 and up by 5, and its anchor follows (see AnchorOfABox).
    const TagPlacement placed = placeTag(Plot, DiagramArea, {100000.0, 100000.0}, 40, 20);
    EXPECT_EQ(placed.rect, (DevRect{470, 385, 510, 405}));
    EXPECT_DOUBLE_EQ(placed.anchor[0], 95000.0);
    EXPECT_NEAR(placed.anchor[1], 96666.6666667, 1e-6);
    // Pushed the other way at the top-left.
    const TagPlacement topLeft = placeTag(Plot, DiagramArea, {-100000.0, -100000.0}, 60, 60);
    EXPECT_EQ(topLeft.rect, (DevRect{80, 80, 140, 140}));
}

TEST(TagPlacementTest, BoxWiderThanTheDiagramKeepsItsLeftEdge) {
    const TagPlacement placed = placeTag(Plot, DiagramArea, {0.0, 0.0}, 500, 20);
    EXPECT_EQ(placed.rect.left, 80);
    EXPECT_EQ(placed.rect.right, 580);
}

TEST(TagStacking, DrawnByIncreasingZOrder) {
    document::Diagram diagram;
    auto useTag = [&](int tag, int rank, const char* text) {
        diagram.tagOrder[static_cast<std::size_t>(tag)] = rank;
        auto& label = diagram.labels[static_cast<std::size_t>(document::FirstTagSlot + tag)];
        label.text = text;
        label.placement = 3;
    };
    useTag(0, 3, "a");
    useTag(1, 1, "b");
    useTag(4, 0, "c");
    useTag(2, 2, "");  // an empty tag is not drawn
    diagram.labels[static_cast<std::size_t>(document::FirstTagSlot + 2)].placement = -1;
    EXPECT_EQ(tagDrawingOrder(diagram), (std::vector<int>{11, 8, 7}));
    EXPECT_TRUE(tagDrawingOrder(document::Diagram{}).empty());
}

}  // namespace
}  // namespace ordinax::render
