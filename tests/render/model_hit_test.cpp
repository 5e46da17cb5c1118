// Which fitted curve a double click at a device point lands on.
#include <gtest/gtest.h>

#include "numerics/fit_kind.h"
#include "render/model_hit.h"
#include "render/plot_mapping.h"

namespace ordinax::render {
namespace {

// A plot 400 × 300 pixels for x 0..10 and y 0..10: x = 0.5 + 40 x, y = 300.5 - 30 y.
DiagramLayout layoutOf(const document::Diagram& diagram) {
    DiagramLayout layout;
    layout.plotRect = {0, 0, 400, 300};
    layout.mapping = makePlotMapping(diagram.scales, layout.plotRect);
    return layout;
}

document::Curve fittedLine(int kind, double a0, double a1) {
    document::Curve curve;
    const std::vector<document::Point> points = {{1, 1}, {9, 9}};
    curve.points = document::PointBuffer(points);
    curve.treatment = kind;
    curve.fit.coefficient[0] = a0;
    curve.fit.coefficient[1] = a1;
    return curve;
}

document::Diagram twoLines() {
    document::Diagram diagram;
    for (int d = 0; d < 2; ++d) {
        diagram.scales.axis[static_cast<std::size_t>(d)][0].origin = 0;
        diagram.scales.axis[static_cast<std::size_t>(d)][0].extremity = 10;
    }
    diagram.curves.push_back(fittedLine(numerics::KindLIN, 0, 1));  // y = x: through (200, 150) at x = 5
    diagram.curves.push_back(fittedLine(numerics::KindLIN, 0, 2));  // y = 2x: through (100, 150) at x = 2.5
    return diagram;
}

TEST(ModelHit, TheLineUnderThePointWithinTheReach) {
    document::Diagram diagram = twoLines();
    const DiagramLayout layout = layoutOf(diagram);
    struct Case {
        DevPoint point;
        int curve;
    };
    const Case cases[] = {
        {{200, 150}, 0}, {{200, 153}, 0}, {{200, 158}, -1},  // 8 pixels below y = x
        {{100, 150}, 1}, {{100, 146}, 1},                      // y = 2x
        {{-5, 150}, -1}, {{200, 320}, -1},                     // outside the plot
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittedCurveAt(layout, diagram, c.point, 4), c.curve) << c.point.x << "," << c.point.y;
    // The steep line is found by its distance, not only straight above the point:
    // y = 2x has slope -60/40 on the screen; 4 pixels to its right it is 6 pixels lower.
    EXPECT_EQ(fittedCurveAt(layout, diagram, {104, 150}, 4), 1);
}

TEST(ModelHit, OnlyDrawnFittedLinesCount) {
    document::Diagram diagram = twoLines();
    const DiagramLayout layout = layoutOf(diagram);
    EXPECT_EQ(fittedCurveAt(layout, diagram, {200, 150}, 4, 1), -1) << "only curve 1 is shown";
    diagram.curves[0].hidden = 1;
    EXPECT_EQ(fittedCurveAt(layout, diagram, {200, 150}, 4), -1);
    diagram.curves[0].hidden = 0;
    diagram.curves[0].line.type[0] = 0;
    EXPECT_EQ(fittedCurveAt(layout, diagram, {200, 150}, 4), -1) << "no line drawn";
    diagram.curves[0].line.type[0] = 1;
    diagram.curves[0].treatment = numerics::KindJPP;
    EXPECT_EQ(fittedCurveAt(layout, diagram, {200, 150}, 4), -1) << "points joined, no model";
}

}  // namespace
}  // namespace ordinax::render
