// The derivative curve, the surfaces under a curve (rectangles, trapezoids,
// Simpson's parabolas, the model's antiderivative) and the length between two
// bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/strings.h"
#include "document/diagram_ops.h"
#include "numerics/derivative.h"
#include "numerics/fit_kind.h"
#include "numerics/integration.h"
#include "numerics/model_curve.h"

namespace ordinax::numerics {
namespace {

using fixtures::modelCurve;

using document::Point;

document::Curve curveOf(std::vector<Point> points, int kind = KindNone) {
    document::Curve curve;
    curve.points = document::PointBuffer(points);
    curve.treatment = kind;
    return curve;
}

// ---- derivative ----

TEST(DerivativePoints, MiddlesAndSlopesOfAParabola) {
    // Worked by hand: slopes 1/1 and 3/1 at the interval middles.
    const Point points[] = {{0, 0}, {1, 1}, {2, 4}};
    expression::MathErrorFlag flag;
    const std::vector<Point> d = derivativePoints(points, flag);
    EXPECT_FALSE(flag.isRaised());
    EXPECT_EQ(d, (std::vector<Point>{{0.5, 1}, {1.5, 3}}));
}

TEST(DerivativePoints, VerticalIntervalsAndValueRange) {
    struct Case {
        Point p, q;
        Point expected;
    };
    // By the rule: a vertical interval gives ±1e35 or 0; slopes beyond 1e35 are
    // limited to it and those below 1e-35 in magnitude become 0.
    const Case cases[] = {
        {{2, 1}, {2, 5}, {2, 1e35}},
        {{2, 5}, {2, 1}, {2, -1e35}},
        {{2, 3}, {2, 3}, {2, 0}},
        {{0, 0}, {1e-30, -1e10}, {5e-31, -1e35}},
        {{0, 0}, {1, 1e-40}, {0.5, 0}},
    };
    for (const Case& c : cases) {
        const Point pair[] = {c.p, c.q};
        expression::MathErrorFlag flag;
        const std::vector<Point> d = derivativePoints(pair, flag);
        ASSERT_EQ(d.size(), 1u);
        EXPECT_FALSE(flag.isRaised());
        EXPECT_EQ(d[0].x, c.expected.x) << c.p.x << "," << c.p.y;
        EXPECT_EQ(d[0].y, c.expected.y) << c.p.x << "," << c.p.y;
    }
}

class DerivativeCurve : public ::testing::Test {
protected:
    void SetUp() override {
        diagram.displayMode = 1;
        document::Curve source = curveOf({{2, 4}, {0, 0}, {1, 1}}, KindPOL2);
        source.title = "Mesures";
        source.function.expression = "y=x^2";
        diagram.curves.push_back(source);
    }
    document::Diagram diagram;
    document::DiagramDefaults defaults;
};

TEST_F(DerivativeCurve, SortedCopyWithSlopesDrawnPointToPoint) {
    const document::Curve before = diagram.curves[0];
    const DerivativeOutcome outcome = derivativeCurve(diagram, 0, derivativeTitle("Mesures"), defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_TRUE(outcome.message.empty());
    EXPECT_EQ(diagram.curves[0], before);  // the source keeps its order
    const document::Curve& d = diagram.curves[1];
    EXPECT_EQ(d.title, "D\xE9riv\xE9" "e de Mesures");
    EXPECT_EQ(d.treatment, KindJPP);
    EXPECT_EQ(d.function, document::FunctionDef{});
    ASSERT_EQ(d.pointCount(), 2);
    EXPECT_EQ(d.points[0], (Point{0.5, 1}));
    EXPECT_EQ(d.points[1], (Point{1.5, 3}));
    EXPECT_EQ(d.extent[0][0], 0.5);
    EXPECT_EQ(d.extent[1][1], 3.0);
}

TEST_F(DerivativeCurve, TitleIsCutTo512Characters) {
    const DerivativeOutcome outcome = derivativeCurve(diagram, 0, std::string(600, 'a'), defaults);
    ASSERT_EQ(outcome.index, 1);
    EXPECT_EQ(diagram.curves[1].title.size(), 512u);
}

TEST_F(DerivativeCurve, TwoPointsAreRefusedWithNothingCreated) {
    diagram.curves[0].points = document::PointBuffer(std::vector<Point>{{0, 0}, {1, 1}});
    const DerivativeOutcome outcome = derivativeCurve(diagram, 0, "d", defaults);
    EXPECT_EQ(outcome.index, -1);
    EXPECT_EQ(outcome.message.id, 252);
    EXPECT_EQ(outcome.message.formatted(),
              "ERREUR\n\nD\xC3\xA9rivation impossible !\n\nLe nombre de points de la courbe doit \xC3\xAAtre > 2.");
    EXPECT_EQ(diagram.curveCount(), 1);
}

TEST_F(DerivativeCurve, MathErrorRemovesTheNewCurve) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    diagram.curves[0].points = document::PointBuffer(std::vector<Point>{{0, 0}, {1, nan}, {2, 4}});
    const DerivativeOutcome outcome = derivativeCurve(diagram, 0, "d", defaults);
    EXPECT_EQ(outcome.index, -1);
    EXPECT_EQ(outcome.message.id, 459);
    EXPECT_EQ(outcome.message.text, "Impossible de cr\xC3\xA9" "er la courbe d\xC3\xA9riv\xC3\xA9" "e !\n\nErreur math\xC3\xA9matique.");
    EXPECT_EQ(diagram.curveCount(), 1);
}

// ---- point-based surfaces ----

void expectValue(const CalculusValue& v, double expected, const char* what, double tolerance = 1e-12) {
    ASSERT_EQ(v.state, CalculusState::Available) << what;
    EXPECT_NEAR(v.value, expected, tolerance) << what;
}

TEST(SurfaceAndLength, TriangleBetweenItsEnds) {
    // Worked by hand: the triangle (0,0),(1,1),(2,0) has area 1; the parabola
    // through its points, y = 2x - x², has area 4 - 8/3 = 4/3.
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}}), 0, 2);
    EXPECT_TRUE(r.message.empty());
    expectValue(r.forward, 1, "forward");
    expectValue(r.backward, 1, "backward");
    expectValue(r.trapezoid, 1, "trapezoid");
    expectValue(r.simpson, 4.0 / 3.0, "simpson");
    EXPECT_EQ(r.model.state, CalculusState::NotApplicable);
    EXPECT_TRUE(r.pointToPoint);
    expectValue(r.length, 2 * std::sqrt(2.0), "length");
}

TEST(SurfaceAndLength, FewerThanTwoPointsBetweenTheBounds) {
    // Only (1,1) lies in [0.5, 1.5]: no point-based result. The length runs
    // (0.5,0.5) -> (1,1) -> (1.5,0.5): 2·√0.5 by hand.
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}}), 0.5, 1.5);
    for (const CalculusValue* v : {&r.forward, &r.backward, &r.trapezoid, &r.simpson})
        EXPECT_EQ(v->state, CalculusState::NotAvailable);
    expectValue(r.length, 2 * std::sqrt(0.5), "length");
}

TEST(SurfaceAndLength, UpperBoundBetweenPointsKeepsThePointsInside) {
    // [0, 1.5] over (0,0),(1,1),(2,0),(3,1): a = 0, b = 1. Rectangles use the
    // points only: forward 1·0, backward 1·1. Trapezoids run (0,0),(1,1),
    // (1.5,0.5): 0.5 + 0.375. Simpson: the parabola through those three points
    // is y = -4/3·x² + 7/3·x, whose area over [0, 1.5] is 1.125 (all by hand).
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}, {3, 1}}), 0, 1.5);
    expectValue(r.forward, 0, "forward");
    expectValue(r.backward, 1, "backward");
    expectValue(r.trapezoid, 0.875, "trapezoid");
    expectValue(r.simpson, 1.125, "simpson");
    expectValue(r.length, std::sqrt(2.0) + std::sqrt(0.5), "length");
}

TEST(SurfaceAndLength, LowerBoundBetweenPointsIsInterpolated) {
    // [0.5, 3] over the same points: (0.5, 0.5) starts the line, then (1,1),
    // (2,0), (3,1). Trapezoids 0.375 + 0.5 + 0.5; Simpson: the pair
    // (0.5,0.5),(1,1),(2,0) has the parabola y = -4/3·x² + 3x - 2/3 (area
    // 1.125 over [0.5, 2]) and the last interval is a trapezoid, 0.5. Hand-worked.
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}, {3, 1}}), 0.5, 3);
    expectValue(r.forward, 1, "forward");
    expectValue(r.backward, 1, "backward");
    expectValue(r.trapezoid, 1.375, "trapezoid");
    expectValue(r.simpson, 1.625, "simpson");
}

TEST(SurfaceAndLength, SimpsonIsExactForAParabolaOnUnevenSpacing) {
    // y = x² at x = 0, 0.5, 2, 2.2, 3: two pairs, ∫0..3 x² = 9. Unordered on
    // purpose: the computation sorts a copy and leaves the curve as it was.
    const document::Curve curve = curveOf({{2.2, 4.84}, {0, 0}, {3, 9}, {0.5, 0.25}, {2, 4}});
    const document::Curve before = curve;
    const SurfaceResult r = surfaceAndLength(curve, 0, 3);
    expectValue(r.simpson, 9, "simpson", 1e-12);
    // Trapezoids by hand: 0.0625 + 3.1875 + 0.884 + 5.536.
    expectValue(r.trapezoid, 9.67, "trapezoid");
    EXPECT_EQ(curve, before);
}

TEST(SurfaceAndLength, OddIntervalCountEndsWithATrapezoid) {
    // Pair (0,0),(1,1),(2,0): 4/3; last interval (2,0),(3,1): 0.5.
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}, {3, 1}}), 0, 3);
    expectValue(r.simpson, 4.0 / 3.0 + 0.5, "simpson");
    expectValue(r.trapezoid, 1.5, "trapezoid");
}

TEST(SurfaceAndLength, ZeroWidthIntervalMakesSimpsonUnavailable) {
    // (1,1) and (1,2) share x: no parabola; trapezoids 0.5 + 0 + 1.
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {1, 1}, {1, 2}, {2, 0}}), 0, 2);
    EXPECT_EQ(r.simpson.state, CalculusState::NotAvailable);
    expectValue(r.trapezoid, 1.5, "trapezoid");
}

TEST(SurfaceAndLength, TwoPointsGiveNoSums) {
    const SurfaceResult r = surfaceAndLength(curveOf({{0, 0}, {2, 2}}), 0, 2);
    EXPECT_EQ(r.trapezoid.state, CalculusState::NotAvailable);
    expectValue(r.length, std::sqrt(8.0), "length");
}

TEST(SurfaceAndLength, IncorrectBoundsAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const document::Curve curve = curveOf({{0, 0}, {1, 1}, {2, 0}});
    for (const auto& [lower, upper] : {std::pair{1.0, 1.0}, std::pair{2.0, 1.0}, std::pair{nan, 1.0}}) {
        const SurfaceResult r = surfaceAndLength(curve, lower, upper);
        EXPECT_EQ(r.message.id, 107);
        EXPECT_EQ(r.message.formatted(), "ERREUR\n\nLes bornes de calcul sont incorrectes !");
        EXPECT_EQ(r.trapezoid.state, CalculusState::NotAvailable);
    }
    const Bounds extent = surfaceDefaultBounds(curveOf({{3, 0}, {-1, 5}, {2, 0}}));
    EXPECT_EQ(extent.lower, -1);
    EXPECT_EQ(extent.upper, 3);
}

// ---- areas and lengths of the models ----

struct AreaCase {
    const char* name;
    int kind;
    std::vector<double> a;
    std::vector<double> fixed;
    double lower, upper;
    double expected;
};

TEST(ModelArea, AntiderivativesAgainstIndependentIntegrals) {
    // References: by hand where noted, otherwise mpmath 1.3 quad at 30 digits.
    const AreaCase cases[] = {
        {"LIN 1+2x", KindLIN, {1, 2}, {}, 0, 3, 12},                    // 3 + 9 by hand
        {"LINTP", KindLINTP, {1, 2}, {5, 11}, 0, 3, 12},                // same line
        {"LINTO 2x", KindLINTO, {2}, {}, 0, 3, 9},                      // by hand
        {"EXP 2e^0.5x", KindEXP, {2, 0.5}, {}, 0, 2, 6.87312731383618094},  // 4(e-1)
        {"EXP flat", KindEXP, {2, 0}, {}, 0, 2, 4},
        {"HYP 1+2/x", KindHYP, {1, 2}, {}, 1, std::exp(1.0), 3.71828182845904524},
        {"HYPTP", KindHYPTP, {1, 2}, {2, 2}, 1, std::exp(1.0), 3.71828182845904524},
        {"HYP2 on negative x", KindHYP2, {1, 2, 3}, {}, -3, -1, 1.80277542266378062},
        {"HOMO", KindHOMO, {2, 1, 0.5}, {}, 0, 4, 9.40832626799134185},
        {"HOMO a2=0", KindHOMO, {2, 1, 0}, {}, 0, 4, 20},               // 4 + 16 by hand
        {"RECHYP", KindRECHYP, {2, 1}, {}, 0, 3, 1.01352246273617167},
        {"RECLIN", KindRECLIN, {2, 3}, {}, 0, 2, 0.462098120373296873},
        {"RECLINTP", KindRECLINTP, {2, 3}, {}, 0, 2, 0.462098120373296873},
        {"MODPOW", KindMODPOW, {2, 3}, {}, 0, 2, 14.5638276260293983},
        {"LOG from 0", KindLOG, {1, 2}, {}, 0, 2, 0.772588722239781238},
        {"LOG10", KindLOG10, {1, 2}, {}, 1, 10, 21.1826993257414671},
        {"GPOL2", KindGPOL2, {2, 3}, {0.5, -1}, 1, 4, 13.4922164166930052},
        {"GPOL3", KindGPOL3, {1, 2, -1}, {2, 3, -2}, 1, 2, 9.33333333333333333},
        {"PUI from 0", KindPUI, {3, -0.5}, {}, 0, 4, 12},
        {"LINHYP", KindLINHYP, {1, 2, 3}, {}, 1, 2, 6.07944154167983593},
        {"POL3", KindPOL3, {1, -2, 3, 4}, {}, -1, 2, 24},
        {"POL2TO", KindPOL2TO, {2, 3}, {}, 0, 2, 12},
        {"POL2", KindPOL2, {0, 0, 1}, {}, 0, 3, 9},
        {"POL6 x^6", KindPOL6, {0, 0, 0, 0, 0, 0, 1}, {}, 0, 1, 1.0 / 7.0},
    };
    for (const AreaCase& c : cases) {
        const CalculusValue v = modelArea(modelCurve(c.kind, c.a, c.fixed), c.lower, c.upper);
        ASSERT_EQ(v.state, CalculusState::Available) << c.name;
        EXPECT_NEAR(v.value, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.name;
    }
}

TEST(ModelArea, PolesNoAntiderivativeAndOtherKinds) {
    struct Case {
        const char* name;
        int kind;
        std::vector<double> a;
        std::vector<double> fixed;
        double lower, upper;
        CalculusState expected;
    };
    const Case cases[] = {
        {"HYP across 0", KindHYP, {1, 2}, {}, -1, 1, CalculusState::Error},
        {"HYP ending at 0", KindHYP, {1, 2}, {}, 0, 1, CalculusState::Error},
        {"HYP2 across 0", KindHYP2, {1, 0, 3}, {}, -1, 1, CalculusState::Error},
        {"RECLIN pole at -2/3", KindRECLIN, {2, 3}, {}, -1, 0, CalculusState::Error},
        {"HOMO pole at -2", KindHOMO, {2, 1, 0.5}, {}, -3, 0, CalculusState::Error},
        {"PUI 1/x at 0", KindPUI, {1, -1}, {}, 0, 1, CalculusState::Error},
        {"LOG below 0", KindLOG, {1, 2}, {}, -1, 1, CalculusState::Error},
        {"NOR has none", KindNOR, {1, 0, -1}, {}, 0, 1, CalculusState::Error},
        {"BETA has none", KindBETA, {1, 1, 1}, {}, 0, 1, CalculusState::Error},
        {"EXP overflow", KindEXP, {1, 1000}, {}, 0, 1, CalculusState::Error},
        {"Fourier", KindFOU, {}, {}, 0, 1, CalculusState::NotApplicable},
        {"point to point", KindJPP, {}, {}, 0, 1, CalculusState::NotApplicable},
    };
    for (const Case& c : cases)
        EXPECT_EQ(modelArea(modelCurve(c.kind, c.a, c.fixed), c.lower, c.upper).state, c.expected) << c.name;
}

TEST(ModelLength, AgainstClosedFormsAndQuadrature) {
    struct Case {
        const char* name;
        int kind;
        std::vector<double> a;
        double lower, upper;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        // Straight distance √(3² + 6²) by hand.
        {"LIN", KindLIN, {1, 2}, 0, 3, std::sqrt(45.0), 1e-12},
        {"LINTO", KindLINTO, {2}, 0, 3, std::sqrt(45.0), 1e-12},
        // (2√5 + asinh 2)/4: the parabolic arcs are exact on a parabola.
        {"POL2 x²", KindPOL2, {0, 0, 1}, 0, 1, 1.47894285754459743, 1e-12},
        // mpmath quad of √(1 + y'²); the arcs are accurate to O(C⁴).
        {"EXP e^x", KindEXP, {1, 1}, 0, 1, 2.00349711162735248, 1e-9},
        {"LOG ln x", KindLOG, {0, 1}, 1, 2, 1.22201617708663423, 1e-9},
        {"NOR bell", KindNOR, {2, 1, -1}, -1, 3, 5.83693875124520573, 1e-9},
    };
    for (const Case& c : cases) {
        const document::Curve curve = modelCurve(c.kind, c.a);
        const SurfaceResult r = surfaceAndLength(curve, c.lower, c.upper);
        EXPECT_FALSE(r.pointToPoint) << c.name;
        ASSERT_EQ(r.length.state, CalculusState::Available) << c.name;
        EXPECT_NEAR(r.length.value, c.expected, c.tolerance) << c.name;
    }
}

TEST(ModelLength, DrawingKindsAndFailedModels) {
    for (int kind : {KindBSP, KindSPC, KindBEZ, KindFOU})
        EXPECT_EQ(surfaceAndLength(curveOf({{0, 0}, {1, 1}, {2, 0}}, kind), 0, 2).length.state,
                  CalculusState::NotApplicable)
            << kind;
    // ln x has no value at -1: the walk stops on the first sample.
    EXPECT_EQ(modelLength(modelCurve(KindLOG, {0, 1}), -1, 1).state, CalculusState::Error);
    // 1/x has no value at the lower bound.
    EXPECT_EQ(modelLength(modelCurve(KindRECLIN, {0, 1}), 0, 1).state, CalculusState::Error);
}

}  // namespace
}  // namespace ordinax::numerics
