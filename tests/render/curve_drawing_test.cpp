// Curve layers on the recording device. The fixture maps 0..100 on both
// axes onto a 100 x 100 plot at the origin, so by hand a point (x, y) of
// whole numbers lands on pixel (x, 100 - y).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

#include "numerics/fit_kind.h"
#include "render/curve_drawing.h"
#include "render/line_clipping.h"
#include "render/recording_device.h"

namespace ordinax::render {
namespace {

using document::Point;

class CurveDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        setAxis(0, ScaleLin, 0, 100);
        setAxis(1, ScaleLin, 0, 100);
    }

    void setAxis(int direction, int kind, double origin, double extremity) {
        auto& axis = diagram.scales.axis[static_cast<std::size_t>(direction)][0];
        axis.kind = kind;
        axis.origin = origin;
        axis.extremity = extremity;
    }

    document::Curve& addCurve(std::vector<Point> points) {
        document::Curve curve;
        curve.points = document::PointBuffer(points);
        curve.treatment = numerics::KindJPP;
        curve.symbol.type = SymbolPredefined;
        curve.symbol.number = 5;  // square
        diagram.curves.push_back(curve);
        return diagram.curves.back();
    }

    CurveContext context() {
        CurveContext c(device, diagram, makePlotMapping(diagram.scales, plot));
        return c;
    }

    std::vector<RecordedOp> opsOf(OpKind kind) const {
        std::vector<RecordedOp> result;
        for (const RecordedOp& op : device.ops())
            if (op.kind == kind) result.push_back(op);
        return result;
    }

    // The drawing operations, without the clips.
    std::vector<OpKind> drawingKinds() const {
        std::vector<OpKind> kinds;
        for (const RecordedOp& op : device.ops())
            if (op.kind != OpKind::Clip && op.kind != OpKind::ClearClip) kinds.push_back(op.kind);
        return kinds;
    }

    document::Diagram diagram;
    DevRect plot{0, 0, 100, 100};
    RecordingDevice device;
};

TEST_F(CurveDrawing, JoinedPointsMakeOnePolylineAndOneSymbolEach) {
    addCurve({{10, 10}, {20, 30}, {40, 20}});
    CurveContext c = context();
    ASSERT_TRUE(drawCurve(c, 0));
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{10, 90}, {20, 70}, {40, 80}}));
    EXPECT_EQ(opsOf(OpKind::Polygon).size(), 3u);
}

// Points 10 and 10.2 fall on the same device pixel (10, 90); 20 on another.
// A one-colour symbol there would add nothing, so it is drawn once; a symbol
// whose fill differs from its outline keeps every repeat (order matters).
TEST_F(CurveDrawing, OneColourSymbolsAtAnOccupiedPixelAreDrawnOnce) {
    struct Case {
        int fill;
        int inner;
        std::size_t symbols;
    };
    const Case cases[] = {{0, 0xFFFFFF, 2}, {1, 0, 2}, {1, 0xFFFFFF, 3}};
    for (const Case& c : cases) {
        diagram.curves.clear();
        device.clear();
        document::Curve& curve = addCurve({{10, 10}, {10.2, 10.2}, {20, 10}});
        curve.treatment = 0;
        curve.symbol.fill = c.fill;
        curve.symbol.innerColour = c.inner;
        curve.symbol.outerColour = 0;
        CurveContext context_ = context();
        ASSERT_TRUE(drawCurve(context_, 0));
        EXPECT_EQ(opsOf(OpKind::Polygon).size(), c.symbols) << c.fill << " " << c.inner;
    }
}

TEST_F(CurveDrawing, LayerOrderFollowsBelowLine) {
    document::Curve& curve = addCurve({{10, 10}, {20, 30}});
    curve.symbol.belowLine = 1;
    CurveContext c = context();
    drawCurve(c, 0);
    EXPECT_EQ(drawingKinds(), (std::vector<OpKind>{OpKind::Polygon, OpKind::Polygon, OpKind::Polyline}));

    device.clear();
    diagram.curves[0].symbol.belowLine = 0;
    CurveContext over = context();
    drawCurve(over, 0);
    EXPECT_EQ(drawingKinds(), (std::vector<OpKind>{OpKind::Polyline, OpKind::Polygon, OpKind::Polygon}));
}

TEST_F(CurveDrawing, LegendSampleFollowsTheSameOrder) {
    document::Curve& curve = addCurve({});
    for (int below : {1, 0}) {
        device.clear();
        curve.symbol.belowLine = below;
        drawLegendSample(device, curve, DeviceScale{}, 96, {200, 30}, 40);
        const std::vector<OpKind> expected = below ? std::vector<OpKind>{OpKind::Polygon, OpKind::Polyline}
                                                   : std::vector<OpKind>{OpKind::Polyline, OpKind::Polygon};
        EXPECT_EQ(drawingKinds(), expected) << below;
        // The line spans the sample length; the square symbol (a = b = 8) sits at its middle.
        EXPECT_EQ(opsOf(OpKind::Polyline)[0].points, (std::vector<DevPoint>{{200, 30}, {240, 30}}));
        EXPECT_EQ(opsOf(OpKind::Polygon)[0].points[0], (DevPoint{212, 22}));
    }
}

TEST_F(CurveDrawing, LogAxisDropsNonPositivePointAndSplitsTheLine) {
    setAxis(0, ScaleLog, 1, 100);
    addCurve({{1, 10}, {10, 20}, {-1, 30}, {50, 40}, {100, 50}});
    CurveContext c = context();
    drawCurve(c, 0);
    // x pixels: 0.5 + 50 * log10(x): 1 -> 0, 10 -> 50, 50 -> 85.45, 100 -> 100.5.
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{0, 90}, {50, 80}}));
    EXPECT_EQ(lines[1].points, (std::vector<DevPoint>{{85, 60}, {100, 50}}));
    // Four symbols: x = 100 lies on PlotRect grown by one pixel.
    EXPECT_EQ(opsOf(OpKind::Polygon).size(), 4u);
}

TEST_F(CurveDrawing, LineLeavingAndEnteringThePlotIsCutAtTheEdge) {
    addCurve({{50, 50}, {150, 50}, {150, 70}, {50, 70}, {50, 120}, {-20, 120}});
    CurveContext c = context();
    drawCurveLine(c, diagram.curves[0]);
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    // Crossings at x = 100 (pixel 100) and y = 100 (pixel 0).
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{50, 50}, {100, 50}}));
    EXPECT_EQ(lines[1].points, (std::vector<DevPoint>{{100, 30}, {50, 30}, {50, 0}}));
}

TEST_F(CurveDrawing, ClipIsThePlotLessHalfTheFrameWithinTheDelimitation) {
    document::Curve& curve = addCurve({{10, 10}, {90, 90}});
    curve.bounds[0] = {20, 80};
    CurveContext c = context();
    c.plotFramePen = 3;
    EXPECT_EQ(curveClipRect(c, curve), (DevRect{20, 1, 81, 99}));
    drawCurveLine(c, curve);
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    // The line itself stops at the delimitation: x = 20 and x = 80.
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{20, 80}, {80, 20}}));
    EXPECT_EQ(opsOf(OpKind::Clip).back().clip.rect, (DevRect{20, 1, 81, 99}));
}

TEST_F(CurveDrawing, ExcludePointsSkipsSymbolsOutsideTheBounds) {
    document::Curve& curve = addCurve({{10, 10}, {50, 50}, {90, 90}});
    curve.bounds[1] = {20, 100};
    curve.treatment = 0;
    CurveContext c = context();
    drawCurve(c, 0);
    EXPECT_EQ(opsOf(OpKind::Polygon).size(), 3u);  // delimitation alone keeps the symbols
    device.clear();
    diagram.curves[0].excludePoints = 1;
    CurveContext excluding = context();
    drawCurve(excluding, 0);
    EXPECT_EQ(opsOf(OpKind::Polygon).size(), 2u);
}

TEST_F(CurveDrawing, JustifiedBoxesTakeTheWidestNumber) {
    std::vector<Point> points;
    for (int i = 0; i < 12; ++i) points.push_back({5.0 + 7 * i, 50});
    document::Curve& curve = addCurve(points);
    curve.treatment = 0;
    curve.symbol.type = SymbolSpecial;
    curve.symbol.option = 0;    // "Suite 1234..."
    curve.symbol.reserved = 2;  // "Encadré justifié"
    CurveContext c = context();
    drawCurve(c, 0);
    const auto boxes = opsOf(OpKind::Polygon);
    ASSERT_EQ(boxes.size(), 12u);
    // "10".."12" are 2 x 6 pixels wide, 12 - 2 high; grown by the pen: 14 x 12, corners 13 and 11 apart.
    for (const RecordedOp& box : boxes) {
        EXPECT_EQ(box.points[1].x - box.points[0].x, 13);
        EXPECT_EQ(box.points[2].y - box.points[1].y, 11);
    }
    EXPECT_EQ(device.texts().front(), "1");
    EXPECT_EQ(device.texts().back(), "12");

    device.clear();
    diagram.curves[0].symbol.reserved = 1;  // "Encadré normal": "1" keeps its own width
    CurveContext normal = context();
    drawCurve(normal, 0);
    EXPECT_EQ(opsOf(OpKind::Polygon)[0].points[1].x - opsOf(OpKind::Polygon)[0].points[0].x, 7);
}

TEST_F(CurveDrawing, FittedModelSampledAcrossThePlot) {
    document::Curve& curve = addCurve({});
    curve.treatment = numerics::KindLIN;
    curve.symbol.type = SymbolNone;
    curve.fit.coefficient[0] = 10;
    curve.fit.coefficient[1] = 0.5;
    CurveContext c = context();
    drawCurve(c, 0);
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    // One sample per pixel (100 / 400 < 1): x = 0..100, y = 10 + x / 2 at floor(90.5 - x / 2).
    ASSERT_EQ(lines[0].points.size(), 101u);
    EXPECT_EQ(lines[0].points.front(), (DevPoint{0, 90}));
    EXPECT_EQ(lines[0].points[41], (DevPoint{41, 70}));
    EXPECT_EQ(lines[0].points.back(), (DevPoint{100, 40}));
}

TEST_F(CurveDrawing, WidePlotSamplesEveryFewPixelsAndFailuresBreakTheLine) {
    setAxis(0, ScaleLin, -50, 50);
    setAxis(1, ScaleLin, -10, 10);
    plot = {0, 0, 1200, 100};
    document::Curve& curve = addCurve({});
    curve.treatment = numerics::KindHYP;  // a0 + a1 / x fails at x = 0
    curve.symbol.type = SymbolNone;
    curve.fit.coefficient[1] = 1;
    CurveContext c = context();
    drawCurve(c, 0);
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    // Every 3 pixels (1200 / 400): 0..597 on the left (200 samples), 603..1200 on the right.
    EXPECT_EQ(lines[0].points.size(), 200u);
    EXPECT_EQ(lines[0].points.back().x, 597);
    EXPECT_EQ(lines[1].points.front().x, 603);
    EXPECT_EQ(lines[1].points.back().x, 1200);
}

TEST_F(CurveDrawing, ConfidenceLinesAndPointPicking) {
    document::Curve& curve = addCurve({{10, 20}, {50, 40}, {90, 60}});
    curve.treatment = numerics::KindLIN;
    curve.symbol.type = SymbolNone;
    curve.line.type = {0, 2};
    curve.line.colour = {0, 0x0000FF};
    curve.fit.coefficient = {};
    curve.fit.coefficient[0] = 15;
    curve.fit.coefficient[1] = 0.5;
    curve.fit.studentT = 2;
    curve.fit.meanX = 50;
    curve.fit.varX = 1e12;      // a band of constant half-width
    curve.fit.residualVar = 75;  // sqrt(75 / 3) = 5, times t = 2: +-10
    CurveContext c = context();
    drawCurve(c, 0);
    const auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Dash, 1, 0x0000FF}));
    // Upper: 25 + x / 2 at floor(75.5 - x / 2); lower: 5 + x / 2 at floor(95.5 - x / 2).
    EXPECT_EQ(lines[0].points.front(), (DevPoint{0, 75}));
    EXPECT_EQ(lines[1].points.front(), (DevPoint{0, 95}));
    EXPECT_EQ(lines[1].points.back(), (DevPoint{100, 45}));

    device.clear();
    CurveContext picking = context();
    picking.pointPicking = true;
    drawCurve(picking, 0);
    EXPECT_TRUE(opsOf(OpKind::Polyline).empty());
}

TEST_F(CurveDrawing, SmoothingRunsOnTransformedPoints) {
    // On a LOG y axis 1..100 the points (0, 1), (50, 10), (100, 100) are
    // collinear once transformed (y = 0, 1, 2): the cubic spline through them
    // is the diagonal of the plot; the point with y <= 0 is left out.
    setAxis(1, ScaleLog, 1, 100);
    document::Curve& curve = addCurve({{0, 1}, {25, -5}, {50, 10}, {100, 100}});
    curve.treatment = numerics::KindSPC;
    curve.symbol.type = SymbolNone;
    CurveContext c = context();
    drawCurve(c, 0);
    auto lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points.front(), (DevPoint{0, 100}));
    EXPECT_EQ(lines[0].points.back(), (DevPoint{100, 0}));
    EXPECT_GT(lines[0].points.size(), 20u);
    for (DevPoint p : lines[0].points) EXPECT_LE(std::abs(p.x + p.y - 100), 1) << p.x << "," << p.y;

    // A B-spline of three points joins the first to the last directly.
    device.clear();
    diagram.curves[0].treatment = numerics::KindBSP;
    diagram.curves[0].points = document::PointBuffer(std::vector<Point>{{0, 1}, {50, 50}, {100, 100}});
    CurveContext bspline = context();
    drawCurve(bspline, 0);
    lines = opsOf(OpKind::Polyline);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<DevPoint>{{0, 100}, {100, 0}}));
}

TEST_F(CurveDrawing, ValueSymbolsWriteTheMainScaleFormat) {
    document::Curve& curve = addCurve({{20, 12.5}, {40, 2500000}});
    curve.treatment = 0;
    curve.symbol.type = SymbolSpecial;
    curve.symbol.option = 7;  // "Valeurs Y (+extension)"
    diagram.scales.axis[1][0].extremity = 1e7;
    diagram.scales.axis[1][0].symbol = 1;  // " %"
    CurveContext c = context();
    drawCurve(c, 0);
    // "%g" of the values: "12.5" and "2.5e+006", whose exponent is written as a power of ten.
    EXPECT_EQ(device.texts(), (std::vector<std::string>{"12.5 %", "2.5.10^+6 %"}));
    device.clear();
    diagram.curves[0].symbol.option = 4;  // "Valeurs X": no symbol
    CurveContext x = context();
    drawCurve(x, 0);
    EXPECT_EQ(device.texts(), (std::vector<std::string>{"20", "40"}));
}

TEST_F(CurveDrawing, DrawableRuleAndAbort) {
    addCurve({{10, 10}, {20, 20}});
    addCurve({{30, 30}, {40, 40}});
    diagram.curves[1].hidden = 1;
    CurveContext c = context();
    EXPECT_TRUE(isDrawable(c, 0));
    EXPECT_FALSE(isDrawable(c, 1));
    EXPECT_FALSE(isDrawable(c, 2));
    c.curveFilter = 1;
    EXPECT_FALSE(isDrawable(c, 0));
    diagram.curves[1].hidden = 0;
    EXPECT_TRUE(isDrawable(c, 1));

    int asked = 0;
    CurveContext aborting = context();
    aborting.abortRequested = [&] { return ++asked >= 2; };  // Escape arrives after the first layer
    EXPECT_FALSE(drawCurve(aborting, 0));
    EXPECT_EQ(drawingKinds(), (std::vector<OpKind>{OpKind::Polyline}));
}

TEST_F(CurveDrawing, NearestPointAmongDrawableCurves) {
    addCurve({{10, 10}, {60, 60}});
    addCurve({{52, 50}, {90, 90}});
    addCurve({{50, 50}});
    diagram.curves[2].hidden = 1;
    CurveContext c = context();
    // (50, 50) is pixel (50, 50); curve 1 point 0 lies at (52, 50), curve 0 point 1 at (60, 40).
    const auto hit = nearestPoint(c, {50, 50});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->curve, 1);
    EXPECT_EQ(hit->point, 0);
    EXPECT_EQ(hit->distance2, 4);
    EXPECT_TRUE(device.ops().empty());
    diagram.curves.clear();
    EXPECT_FALSE(nearestPoint(c, {50, 50}));
}

// Pixels of a polyline drawn with a one-pixel pen, both ends of each segment included.
void rasterise(const std::vector<DevPoint>& points, std::set<std::pair<int, int>>& pixels) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        int x0 = points[i].x, y0 = points[i].y;
        const int x1 = points[i + 1].x, y1 = points[i + 1].y;
        const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
        const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            pixels.insert({x0, y0});
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }
    if (points.size() == 1) pixels.insert({points[0].x, points[0].y});
}

TEST_F(CurveDrawing, ReductionCoversExactlyThePixelsOfEverySegment) {
    // Dense noisy curves: many points per column, runs going up and down,
    // repeated pixels and a few jumps between distant columns.
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    plot = {0, 0, 64, 48};
    for (int trial = 0; trial < 4; ++trial) {
        std::vector<Point> points;
        double y = 50;
        const int count = 5000 + 3000 * trial;
        for (int i = 0; i < count; ++i) {
            y = std::clamp(y + noise(random) * (trial + 1) * 3, 0.0, 100.0);
            double x = 100.0 * i / count;
            if (i % 997 == 0) x = 100.0 - x;  // an occasional jump back across the plot
            points.push_back({x, y});
        }
        diagram.curves.clear();
        addCurve(points).symbol.type = SymbolNone;
        device.clear();
        CurveContext c = context();
        drawCurveLine(c, diagram.curves[0]);

        std::set<std::pair<int, int>> reduced, full;
        std::size_t emitted = 0;
        for (const RecordedOp& op : opsOf(OpKind::Polyline)) {
            rasterise(op.points, reduced);
            emitted += op.points.size();
        }
        std::vector<DevPoint> every;
        for (const Point& p : points) every.push_back(*pointToDevice(c.mapping, p.x, p.y));
        rasterise(every, full);
        EXPECT_EQ(reduced, full) << trial;
        EXPECT_LT(emitted, points.size() / 5) << trial;
    }
}

TEST(LineClipping, SegmentsAgainstTheBox) {
    const ClipBox box{0, 10, 0, 10};
    struct Case {
        TPoint a, b;
        bool visible;
        TPoint ca, cb;
    };
    // By hand: crossings found by linear interpolation along the segment.
    const Case cases[] = {
        {{2, 2}, {8, 8}, true, {2, 2}, {8, 8}},
        {{-5, 5}, {15, 5}, true, {0, 5}, {10, 5}},
        {{5, -10}, {5, 20}, true, {5, 0}, {5, 10}},
        {{-2, 0}, {2, 4}, true, {0, 2}, {2, 4}},
        {{-5, -5}, {-1, 20}, false, {}, {}},
        {{11, 5}, {5, 11}, true, {10, 6}, {6, 10}},
        {{16, 5}, {5, 16}, false, {}, {}},
        {{12, 12}, {-2, -2}, true, {10, 10}, {0, 0}},
    };
    for (const Case& c : cases) {
        TPoint a = c.a, b = c.b;
        ASSERT_EQ(clipSegment(a, b, box), c.visible) << c.a.x << "," << c.a.y;
        if (!c.visible) continue;
        EXPECT_DOUBLE_EQ(a.x, c.ca.x);
        EXPECT_DOUBLE_EQ(a.y, c.ca.y);
        EXPECT_DOUBLE_EQ(b.x, c.cb.x);
        EXPECT_DOUBLE_EQ(b.y, c.cb.y);
    }
    TPoint a{std::nan(""), 1}, b{2, 2};
    EXPECT_FALSE(clipSegment(a, b, box));
}

TEST(LineClipping, VisibleBoxTakesTheDelimitationInTransformedUnits) {
    document::Scales scales;
    scales.axis[0][0] = {};
    scales.axis[0][0].kind = ScaleLog;
    scales.axis[0][0].origin = 1;
    scales.axis[0][0].extremity = 1000;
    scales.axis[1][0].origin = 10;
    scales.axis[1][0].extremity = -10;  // reversed axis
    const PlotMapping m = makePlotMapping(scales, {0, 0, 100, 100});
    const ClipBox open = visibleBox(m, {{{-1e35, 1e35}, {-1e35, 1e35}}});
    EXPECT_DOUBLE_EQ(open.xmin, 0.0);
    EXPECT_DOUBLE_EQ(open.xmax, 3.0);
    EXPECT_DOUBLE_EQ(open.ymin, -10.0);
    EXPECT_DOUBLE_EQ(open.ymax, 10.0);
    const ClipBox limited = visibleBox(m, {{{10, 100}, {-2, 50}}});
    EXPECT_DOUBLE_EQ(limited.xmin, 1.0);
    EXPECT_DOUBLE_EQ(limited.xmax, 2.0);
    EXPECT_DOUBLE_EQ(limited.ymin, -2.0);
    EXPECT_DOUBLE_EQ(limited.ymax, 10.0);
    // An upper x of 0 on a LOG axis leaves nothing visible.
    EXPECT_TRUE(visibleBox(m, {{{-1e35, 0}, {-1e35, 1e35}}}).empty());
}

}  // namespace
}  // namespace ordinax::render
