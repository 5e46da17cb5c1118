// The rules of fitCurve before and around the least squares: equal x or y,
// too few points, the data restrictions of each model, singular systems, the
// probability axis, and what a failed fit leaves in the curve.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/fit_curve.h"
#include "numerics/probability.h"

namespace ordinax::numerics {
namespace {

using document::Point;
using Points = std::vector<Point>;

FitOutcome fit(const Points& points, int kind, FitParameters fixed = {}) {
    FitOptions options;
    options.statistics = true;
    return computeFit(points, kind, fixed, options);
}

// Worked by hand: the line through (0,1), (1,3), (2,5) is y = 1 + 2x.
TEST(FitRules, ExactLineOnThreePoints) {
    const FitOutcome o = fit({{0, 1}, {1, 3}, {2, 5}}, KindLIN);
    ASSERT_EQ(o.status, FitOk);
    EXPECT_DOUBLE_EQ(o.report.coefficients[0], 1.0);
    EXPECT_DOUBLE_EQ(o.report.coefficients[1], 2.0);
    EXPECT_EQ(o.report.residualVar, 0.0);
    EXPECT_EQ(o.report.determination, 1.0);
    EXPECT_EQ(o.report.correlation, 1.0);
    EXPECT_EQ(o.report.fValue, -1.0);
    EXPECT_EQ(o.report.dof, 1);
}

TEST(FitRules, AsManyPointsAsCoefficientsGiveDeterminationOne) {
    const FitOutcome line = fit({{0, 1}, {1, 4}}, KindLIN);
    ASSERT_EQ(line.status, FitOk);
    EXPECT_EQ(line.report.dof, 0);
    EXPECT_EQ(line.report.residualVar, 0.0);
    EXPECT_EQ(line.report.determination, 1.0);
    const FitOutcome parabola = fit({{0, 1}, {1, 4}, {3, 2}}, KindPOL2);
    ASSERT_EQ(parabola.status, FitOk);
    EXPECT_EQ(parabola.report.determination, 1.0);
    // 1 = a0, 4 = a0 + a1 + a2, 2 = a0 + 3 a1 + 9 a2 -> a2 = -4/3, a1 = 13/3.
    EXPECT_NEAR(parabola.report.coefficients[1], 13.0 / 3.0, 1e-13);
    EXPECT_NEAR(parabola.report.coefficients[2], -4.0 / 3.0, 1e-13);
}

TEST(FitRules, TooFewPoints) {
    EXPECT_EQ(fit({{1, 2}}, KindLIN).status, FitTooFewPoints);
    EXPECT_EQ(fit({}, KindLIN).status, FitTooFewPoints);
    EXPECT_EQ(fit({{1, 2}, {2, 3}, {3, 5}}, KindPOL3).status, FitTooFewPoints);
}

TEST(FitRules, AllXEqualIsUnsuitable) {
    for (int kind : {KindLIN, KindEXP, KindPOL3, KindHYP})
        EXPECT_EQ(fit({{2, 1}, {2, 3}, {2, 5}, {2, 6}}, kind).status, FitUnsuitableModel) << kind;
}

TEST(FitRules, KindsOutsideTheRegressionsAreUnsuitable) {
    for (int kind : {0, 1, 5, 43, -1}) EXPECT_EQ(fit({{1, 1}, {2, 3}}, kind).status, FitUnsuitableModel) << kind;
}

TEST(FitRules, AllYEqualWithExp) {
    const FitOutcome o = fit({{-1, 3}, {2, 3}, {5, 3}}, KindEXP);
    ASSERT_EQ(o.status, FitOk);
    EXPECT_EQ(o.report.coefficients, (std::vector<double>{3.0, 0.0}));
    EXPECT_EQ(o.report.determination, 1.0);
    EXPECT_EQ(o.report.correlation, 1.0);
    EXPECT_EQ(o.report.dof, 0);
    EXPECT_EQ(o.report.studentT, -1.0);
    EXPECT_EQ(o.report.fValue, 0.0);
    EXPECT_DOUBLE_EQ(o.report.meanX, 2.0);  // (-1 + 2 + 5) / 3
    EXPECT_EQ(o.report.meanY, 3.0);
    ASSERT_EQ(o.report.intervals.size(), 2u);
    EXPECT_EQ(o.report.intervals[0][0], 3.0);
    EXPECT_EQ(o.report.intervals[0][1], 3.0);
}

struct ConstantYCase {
    int kind;
    FitParameters fixed;
    double y0;
    int status;
    std::vector<double> coefficients;
};

TEST(FitRules, AllYEqualPerModel) {
    const ConstantYCase cases[] = {
        {KindCAUCHY, {}, 2, FitUnsuitableModel, {}},
        {KindRECLIN, {}, 2, FitUnsuitableModel, {}},
        {KindROOT, {}, 2, FitUnsuitableModel, {}},
        {KindGPOL2, {0, 1, 0}, 2, FitOk, {2, 0}},
        {KindGPOL2, {1, 0, 0}, 2, FitOk, {0, 2}},
        {KindGPOL2, {1, 2, 0}, 2, FitUnsuitableModel, {}},
        {KindGPOL3, {1, 2, 0}, 2, FitOk, {0, 0, 2}},
        {KindLINTP, {5, 2, 0}, 2, FitOk, {2, 0}},
        {KindLINTP, {5, 3, 0}, 2, FitUnsuitableModel, {}},
        {KindPOL2TP, {5, 2, 0}, 2, FitOk, {2, 0, 0}},
        {KindLINTO, {}, 0, FitOk, {0}},
        {KindLINTO, {}, 1, FitUnsuitableModel, {}},
        {KindPOL2TO, {}, 1, FitUnsuitableModel, {}},
        {KindPOL6, {}, -4, FitOk, {-4, 0, 0, 0, 0, 0, 0}},  // before the point count is checked
        {KindLOG, {}, -4, FitOk, {-4, 0}},
    };
    for (const ConstantYCase& c : cases) {
        const FitOutcome o = fit({{1, c.y0}, {2, c.y0}, {4, c.y0}}, c.kind, c.fixed);
        EXPECT_EQ(o.status, c.status) << codeName(c.kind);
        if (c.status == FitOk) {
            EXPECT_EQ(o.report.coefficients, c.coefficients) << codeName(c.kind);
        }
    }
}

struct DataCase {
    const char* what;
    int kind;
    FitParameters fixed;
    Points points;
    int status;
};

TEST(FitRules, DataRestrictions) {
    const DataCase cases[] = {
        {"PUI x = 0", KindPUI, {}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"PUI y = -1", KindPUI, {}, {{1, 1}, {2, -1}, {3, 4}}, FitNegativeValue},
        {"BETA x = 1", KindBETA, {}, {{0.5, 1}, {1, 2}, {0.7, 4}}, FitValueAtLeastOne},
        {"BETA x >= 1 before x < 0", KindBETA, {}, {{0.5, 1}, {2, 2}, {-0.5, 4}, {0.2, 1}}, FitValueAtLeastOne},
        {"BETA x < 0 before x >= 1", KindBETA, {}, {{0.5, 1}, {-0.5, 2}, {2, 4}, {0.2, 1}}, FitNegativeValue},
        {"LOG x = 0", KindLOG, {}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"LOG x < 0", KindLOG10, {}, {{1, 1}, {-2, 2}, {3, 4}}, FitNegativeValue},
        {"LOG negative y", KindLOG, {}, {{1, -1}, {2, -3}, {3, 4}}, FitOk},
        {"EXP y = 0", KindEXP, {}, {{1, 1}, {2, 0}, {3, 4}}, FitZeroValue},
        {"EXP y < 0", KindEXP, {}, {{1, 1}, {2, -2}, {3, 4}}, FitNegativeValue},
        {"EXP negative x", KindEXP, {}, {{-1, 1}, {-2, 3}, {3, 4}}, FitOk},
        {"GPOL2 r = 0.5, x = 0", KindGPOL2, {0.5, 1, 0}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"GPOL2 r = 0.5, x < 0", KindGPOL2, {0.5, 1, 0}, {{1, 1}, {-2, 2}, {3, 4}}, FitNegativeValue},
        {"GPOL2 r = 2, s = 3, any x", KindGPOL2, {2, 3, 0}, {{-1, 1}, {0, 2}, {3, 4}, {-2, 1}}, FitOk},
        {"GPOL2 negative exponent, x = 0", KindGPOL2, {-1, 2, 0}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"HYP x = 0", KindHYP, {}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"RECLIN y = 0", KindRECLIN, {}, {{1, 1}, {2, 0}, {3, 4}}, FitZeroValue},
        {"RECHYP x = 0", KindRECHYP, {}, {{1, 1}, {0, 2}, {3, 4}}, FitZeroValue},
        {"MODEXP y < 0", KindMODEXP, {}, {{1, 1}, {2, -2}, {3, 4}}, FitNegativeValue},
        {"HYPTP through r = 0", KindHYPTP, {0, 1, 0}, {{1, 1}, {2, 2}, {3, 4}}, FitSumsImpossible},
        {"RECLINTP through s = 0", KindRECLINTP, {1, 0, 0}, {{1, 1}, {2, 2}, {3, 4}}, FitSumsImpossible},
        {"a coordinate that is not a number", KindLIN, {}, {{1, 1}, {2, NAN}, {3, 4}}, FitSumsImpossible},
        {"an infinite coordinate", KindLIN, {}, {{1, 1}, {INFINITY, 2}, {3, 4}}, FitSumsImpossible},
    };
    for (const DataCase& c : cases) {
        EXPECT_EQ(fit(c.points, c.kind, c.fixed).status, c.status) << c.what;
        const FitParameters p = c.fixed;
        if (c.status >= FitNegativeValue && c.status <= FitValueAtLeastOne) {
            EXPECT_EQ(checkModelData(c.kind, p, surveyPoints(c.points)), c.status) << c.what;
        }
    }
}

TEST(FitRules, SingularSystems) {
    // Three distinct x cannot carry a cubic: the normal matrix is singular.
    EXPECT_EQ(fit({{1, 1}, {2, 3}, {3, 2}, {3, 5}, {1, 0}}, KindPOL3).status, FitMatrixNotInvertible);
    // x and 1/x coincide on ±1: a singular two-regressor system.
    EXPECT_EQ(fit({{1, 1}, {-1, 3}, {1, 2}, {-1, 5}}, KindLINHYP).status, FitSumsImpossible);
}

TEST(FitRules, ConversionFailures) {
    // A parabola with no curvature in 1/y: CAUCHY's a0 = u2 = 0 cannot be divided by.
    EXPECT_EQ(fit({{0, 1}, {1, 0.5}, {3, 0.25}, {7, 0.125}}, KindCAUCHY).status, FitSumsImpossible);
}

// On the probability axis the fit works on the normal quantiles of y and
// leaves out the last point: quantiles 1 + 0.5x on four points, then a last
// point far off the line that must not matter.
TEST(FitRules, ProbabilityAxis) {
    Points points;
    for (double x : {-1.0, 0.0, 1.0, 2.0}) points.push_back({x, *normalProbability(-1.0 + 0.5 * x)});
    points.push_back({3.0, 0.999});
    FitOptions options;
    options.henryY = true;
    const FitOutcome o = computeFit(points, KindLIN, {}, options);
    ASSERT_EQ(o.status, FitOk);
    EXPECT_EQ(o.report.n, 4);
    // The quantile walk has steps of 0.001.
    EXPECT_NEAR(o.report.coefficients[0], -1.0, 2e-3);
    EXPECT_NEAR(o.report.coefficients[1], 0.5, 2e-3);
    points[1].y = 1.2;  // no quantile
    EXPECT_EQ(computeFit(points, KindLIN, {}, options).status, FitSumsImpossible);
}

TEST(FitRules, FitCurveStoresOnSuccessOnly) {
    Catalogue catalogue;
    catalogue.model[KindLIN].flag = 1;
    document::Curve curve;
    curve.treatment = KindLIN;
    const Point line[] = {{0, 1}, {1, 3}, {2, 5}, {3, 7.5}};
    curve.points = document::PointBuffer(line);
    FitReport report;
    ASSERT_EQ(fitCurve(curve, catalogue, false, &report), FitOk);
    EXPECT_EQ(curve.fit.coefficient[0], report.coefficients[0]);
    EXPECT_EQ(curve.fit.coefficient[1], report.coefficients[1]);
    EXPECT_EQ(curve.fit.residualVar, report.residualVar);
    EXPECT_EQ(curve.fit.studentT, report.studentT);
    EXPECT_GT(curve.fit.studentT, 0.0);
    EXPECT_EQ(curve.fit.detail[0], report.variances[0]);

    const document::FitResult before = curve.fit;
    curve.treatment = KindPUI;
    const Point bad[] = {{0, 1}, {1, 3}, {2, 5}};
    curve.points = document::PointBuffer(bad);
    EXPECT_EQ(fitCurve(curve, catalogue, false), FitZeroValue);
    EXPECT_EQ(curve.fit, before);
}

}  // namespace
}  // namespace ordinax::numerics
