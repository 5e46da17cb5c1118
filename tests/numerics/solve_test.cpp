// x = f(y) on fitted models: the closed forms (one or two solutions, none when
// the algebra has none), the scan of the x axis for the other models, the
// HENRY transform of y and the range scanned.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/fit_kind.h"
#include "numerics/solve.h"
#include "numerics/model_curve.h"

namespace ordinax::numerics {
namespace {

using fixtures::modelCurve;

constexpr ScanRange Wide{-10, 10};
const double E = std::exp(1.0);

struct Case {
    const char* name;
    int kind;
    std::vector<double> a;
    double y;
    std::vector<double> expected;
};

void expectSolutions(const SolveResult& r, const std::vector<double>& expected, const char* name, double tolerance) {
    ASSERT_EQ(r.x.size(), expected.size()) << name;
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(r.x[i], expected[i], tolerance) << name << " #" << i;
}

TEST(SolveFor, ClosedFormsWithTwoSolutions) {
    // Each worked by hand from the model's equation; solutions in increasing x.
    const Case cases[] = {
        {"POL2 x²-3x+2 = 0", KindPOL2, {2, -3, 1}, 0, {1, 2}},
        {"POL2 x²-3x+2 = 6", KindPOL2, {2, -3, 1}, 6, {-1, 4}},
        {"POL2TP", KindPOL2TP, {2, -3, 1}, 0, {1, 2}},
        {"POL2TO 2x+x² = 3", KindPOL2TO, {2, 1}, 3, {-3, 1}},
        // 2·e^(-(1-x)²) = 2/e: (1-x)² = 1.
        {"NOR", KindNOR, {2, 1, -1}, 2 / E, {0, 2}},
        // e^(-(ln x)²) = 1/e: ln x = ±1.
        {"LOGNOR", KindLOGNOR, {1, 0, -1}, 1 / E, {1 / E, E}},
        // 1/(2(x+1)² + 1) = 1/3: (x+1)² = 1.
        {"CAUCHY", KindCAUCHY, {2, 1, 1}, 1.0 / 3.0, {-2, 0}},
        // 1 - 3/x + 2/x² = 0: 2u² - 3u + 1 = 0 with u = 1/x, u = 1/2 or 1.
        {"HYP2", KindHYP2, {1, -3, 2}, 0, {1, 2}},
    };
    for (const Case& c : cases) {
        const SolveResult r = solveFor(modelCurve(c.kind, c.a), c.y, Wide, {});
        EXPECT_EQ(r.method, SolveMethod::Closed) << c.name;
        expectSolutions(r, c.expected, c.name, 1e-12);
    }
}

TEST(SolveFor, ClosedFormsWithOneSolution) {
    // Each y is the model's value at the expected x, by hand.
    const Case cases[] = {
        {"EXP 2e^(x/2)", KindEXP, {2, 0.5}, 2 * E, {2}},
        {"HOMO (1+2x)/(1+x/2)", KindHOMO, {2, 1, 0.5}, 2.5, {2}},
        {"HYP 1+2/x", KindHYP, {1, 2}, 2, {2}},
        {"HYPTP", KindHYPTP, {1, 2}, 2, {2}},
        {"LIN 1+2x", KindLIN, {1, 2}, 7, {3}},
        {"LINTP", KindLINTP, {1, 2}, 7, {3}},
        {"LINTO 2x", KindLINTO, {2}, 6, {3}},
        {"LOG 1+2ln x", KindLOG, {1, 2}, 3, {E}},
        {"LOG10 1+2log x", KindLOG10, {1, 2}, 5, {100}},
        {"MODEXP 2e^(3/x)", KindMODEXP, {2, 3}, 2 * E, {3}},
        {"MODPOW 2·3^x", KindMODPOW, {2, 3}, 18, {2}},
        {"PUI 3x²", KindPUI, {3, 2}, 12, {2}},
        {"RECHYP x/(2+x)", KindRECHYP, {1, 2}, 0.5, {2}},
        {"RECLIN 1/(2+3x)", KindRECLIN, {2, 3}, 0.2, {1}},
        {"RECLINTP", KindRECLINTP, {2, 3}, 0.2, {1}},
        {"RECLOG 1/(1+2ln x)", KindRECLOG, {1, 2}, 1.0 / 3.0, {E}},
    };
    for (const Case& c : cases) {
        const SolveResult r = solveFor(modelCurve(c.kind, c.a), c.y, Wide, {});
        EXPECT_EQ(r.method, SolveMethod::Closed) << c.name;
        expectSolutions(r, c.expected, c.name, 1e-12 * std::max(1.0, std::fabs(c.expected[0])));
    }
}

TEST(SolveFor, CasesWithoutSolution) {
    const Case cases[] = {
        {"NOR above its peak", KindNOR, {2, 1, -1}, 3, {}},
        {"NOR at a negative y", KindNOR, {2, 1, -1}, -1, {}},
        {"POL2 below its minimum", KindPOL2, {2, -3, 1}, -1, {}},
        {"CAUCHY at y = 0", KindCAUCHY, {2, 1, 1}, 0, {}},
        {"EXP of opposite sign", KindEXP, {2, 0.5}, -1, {}},
        {"HYP at its asymptote", KindHYP, {1, 2}, 1, {}},
        {"HYP without 1/x term: x = 0 is outside", KindHYP, {1, 0}, 3, {}},
        {"LIN flat", KindLIN, {1, 0}, 3, {}},
        {"RECLIN at y = 0", KindRECLIN, {2, 3}, 0, {}},
        {"MODPOW base 1", KindMODPOW, {2, 1}, 3, {}},
        {"LOG overflow", KindLOG, {0, 1}, 1000, {}},
        {"no model", KindJPP, {}, 0, {}},
    };
    for (const Case& c : cases) {
        const SolveResult r = solveFor(modelCurve(c.kind, c.a), c.y, Wide, {});
        EXPECT_TRUE(r.x.empty()) << c.name << ": " << (r.x.empty() ? 0.0 : r.x[0]);
    }
}

TEST(SolveFor, ScanFindsTheCrossingsOfACubic) {
    // x³ - x = 0 at -1, 0, 1. 100 samples over [-2, 2]: the chord root is off
    // by at most about f''·h²/(8·f') ≈ 6·0.04²/16 near ±1 (by hand).
    const SolveResult r = solveFor(modelCurve(KindPOL3, {0, -1, 0, 1}), 0, {-2, 2}, {});
    EXPECT_EQ(r.method, SolveMethod::Scan);
    expectSolutions(r, {-1, 0, 1}, "POL3", 2e-3);
}

TEST(SolveFor, ScanStopsAtSixSolutions) {
    // sin x = 0.5 on [0, 40]: crossings at π/6 + 2kπ and 5π/6 + 2kπ, the
    // first six being π/6, 5π/6, 13π/6, 17π/6, 25π/6, 29π/6.
    document::Curve fourier = modelCurve(KindFOU, {});
    fourier.fit.harmonicCount = 1;
    fourier.fit.omega = 1;
    fourier.fit.linearCoefficient[1] = 1;
    const SolveResult r = solveFor(fourier, 0.5, {0, 40}, {});
    EXPECT_EQ(r.method, SolveMethod::Scan);
    const double pi = std::acos(-1.0);
    // h = 40/99: the chord error stays below h²·max|f''|/(8·|f'|) ≈ 0.03.
    expectSolutions(r, {pi / 6, 5 * pi / 6, 13 * pi / 6, 17 * pi / 6, 25 * pi / 6, 29 * pi / 6}, "FOU", 0.03);
}

TEST(SolveFor, ScanStartsWhereTheModelExists) {
    // BETA √x·√(1-x) exists on [0, 1] only; √(x(1-x)) = 0.4 at x = 0.2 and 0.8.
    const SolveResult r = solveFor(modelCurve(KindBETA, {1, 0.5, 0.5}), 0.4, {-1, 2}, {});
    EXPECT_EQ(r.method, SolveMethod::Scan);
    expectSolutions(r, {0.2, 0.8}, "BETA", 0.01);
}

TEST(SolveFor, SampleExactlyOnTheValueIsRecordedOnce) {
    // GAMMA with a0 = a1 = a2 = 1 is x·e^x, zero only at x = 0; over
    // [-49, 50] the 100 samples are the integers, 0 among them.
    const SolveResult r = solveFor(modelCurve(KindGAMMA, {1, 1, 1}), 0, {-49, 50}, {});
    ASSERT_EQ(r.x.size(), 1u);
    EXPECT_EQ(r.x[0], 0.0);
}

TEST(SolveFor, HenryScaleSolvesForTheQuantile) {
    // The model was fitted on quantiles: y = 0.5 is the quantile 0, y = 0.975
    // about 1.96 (standard normal table); 1.5 has no quantile.
    const AxisKinds henry{ScaleLin, ScaleHenry};
    const document::Curve line = modelCurve(KindLIN, {0, 1});
    expectSolutions(solveFor(line, 0.5, Wide, henry), {0}, "p = 0.5", 1e-9);
    expectSolutions(solveFor(line, 0.975, Wide, henry), {1.96}, "p = 0.975", 0.01);
    EXPECT_TRUE(solveFor(line, 1.5, Wide, henry).x.empty());
}

TEST(SolveScanRange, MainXScaleElseTheCurveExtent) {
    document::Diagram diagram;
    document::Curve curve;
    curve.points = document::PointBuffer(std::vector<document::Point>{{3, 0}, {-2, 1}, {7, 2}});
    // A scale never set (0 to 0): the curve's own x range.
    ScanRange range = solveScanRange(diagram, curve);
    EXPECT_EQ(range.min, -2);
    EXPECT_EQ(range.max, 7);
    // The main side's scale, in increasing order whatever its direction.
    diagram.scales.mainSide[0] = 1;
    diagram.scales.axis[0][1].origin = 50;
    diagram.scales.axis[0][1].extremity = -5;
    range = solveScanRange(diagram, curve);
    EXPECT_EQ(range.min, -5);
    EXPECT_EQ(range.max, 50);
}

}  // namespace
}  // namespace ordinax::numerics
