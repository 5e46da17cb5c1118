// Where the symbol layer puts its symbols on two LIN scales, where the walk
// takes a shortcut past the per-kind mapping: positions by hand at pixel
// boundaries, agreement with pointToDevice over many points of awkward
// scales, and points that cannot be placed (NaN, infinities, far away).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "numerics/fit_kind.h"
#include "render/curve_drawing.h"
#include "render/recording_device.h"

namespace ordinax::render {
namespace {

using document::Point;

class SymbolWalk : public ::testing::Test {
protected:
    void setAxis(int direction, int kind, double origin, double extremity) {
        auto& axis = diagram.scales.axis[static_cast<std::size_t>(direction)][0];
        axis.kind = kind;
        axis.origin = origin;
        axis.extremity = extremity;
    }

    // Symbol centres of one curve drawn with shape 1 (the rectangle from
    // (x - 1, y - 1)) in two colours, so every point is drawn, none merged.
    std::vector<DevPoint> symbolCentres(const std::vector<Point>& points) {
        document::Curve curve;
        curve.points = document::PointBuffer(points);
        curve.symbol.type = SymbolPredefined;
        curve.symbol.number = 1;
        curve.symbol.fill = 1;
        curve.symbol.innerColour = 0xFF;
        curve.symbol.outerColour = 0;
        diagram.curves = {curve};
        device.clear();
        CurveContext context(device, diagram, makePlotMapping(diagram.scales, plot));
        drawCurveSymbols(context, diagram.curves[0]);
        std::vector<DevPoint> centres;
        for (const RecordedOp& op : device.ops())
            if (op.kind == OpKind::Polygon) centres.push_back({op.points[0].x + 1, op.points[0].y + 1});
        return centres;
    }

    document::Diagram diagram;
    DevRect plot{0, 0, 100, 100};
    RecordingDevice device;
};

TEST_F(SymbolWalk, PixelBoundariesByHand) {
    // 0..128 on 128 pixels (exact in binary): x lands on floor(0.5 + x), y on floor(128.5 - y).
    setAxis(0, ScaleLin, 0, 128);
    setAxis(1, ScaleLin, 0, 128);
    plot = {0, 0, 128, 128};
    const auto centres =
        symbolCentres({{9.5, 10}, {9.25, 10.5}, {9.5, 10.75}, {0, 0}, {128, 128}, {-1.5, 50}, {-1.75, 50}});
    // (-1.5, 50) sits on pixel -1, the one-pixel margin; -1.75 falls on -2, outside.
    EXPECT_EQ(centres, (std::vector<DevPoint>{{10, 118}, {9, 118}, {10, 117}, {0, 128}, {128, 0}, {-1, 78}}));
}

TEST_F(SymbolWalk, PointsThatCannotBePlacedGetNoSymbol) {
    setAxis(0, ScaleLin, 0, 100);
    setAxis(1, ScaleLin, 0, 100);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto centres = symbolCentres({{nan, 10}, {10, nan}, {inf, 10}, {10, -inf}, {1e300, 1e300}, {20, 30}});
    EXPECT_EQ(centres, (std::vector<DevPoint>{{20, 70}}));
}

TEST_F(SymbolWalk, AgreesWithTheGeneralMappingOnAwkwardScales) {
    // Reversed and offset scales on an odd plot, points on and around it.
    setAxis(0, ScaleLin, -3.7, 11.3);
    setAxis(1, ScaleLin, 0.004, -0.0021);
    plot = {13, 7, 613, 407};
    std::mt19937 random(5);
    std::uniform_real_distribution<double> xs(-4.5, 12.0);
    std::uniform_real_distribution<double> ys(-0.0025, 0.0045);
    std::vector<Point> points(20000);
    for (Point& p : points) p = {xs(random), ys(random)};
    // Exact pixel edges: x of device column edges, as the mapping inverts them.
    for (int column = 10; column < 620; column += 7) points.push_back({-3.7 + (column - 13.5) * 15.0 / 600.0, 0.001});

    const PlotMapping mapping = makePlotMapping(diagram.scales, plot);
    const DevRect area = plot.inflated(1, 1);
    std::vector<DevPoint> expected;
    for (const Point& p : points) {
        const auto at = pointToDevice(mapping, p.x, p.y);
        if (at && area.contains(*at)) expected.push_back(*at);
    }
    ASSERT_GT(expected.size(), 15000u);
    EXPECT_EQ(symbolCentres(points), expected);
}

}  // namespace
}  // namespace ordinax::render
