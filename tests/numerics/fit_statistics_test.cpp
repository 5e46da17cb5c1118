// Statistics of a fit: the F statistic of the regression, the coefficient
// variances, the linearised coordinates of each model, the intervals and the
// confidence band.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/fit_curve.h"
#include "numerics/model_value.h"
#include "numerics/probability.h"

namespace ordinax::numerics {
namespace {

using document::Point;

FitOutcome fitWithStatistics(const std::vector<Point>& points, int kind, FitParameters fixed = {}) {
    FitOptions options;
    options.statistics = true;
    return computeFit(points, kind, fixed, options);
}

// Worked by hand for (1,1), (2,2), (3,2), (4,4): n = 4, Sxx = 5, meanX = 2.5,
// Sxy = 4.5, a1 = 0.9, a0 = 0, residuals 0.1 0.2 -0.7 0.4, SSE = 0.7, dof = 2,
// residualVar = 0.35, SST = 4.75, SSR = 4.05.
class HandLine : public ::testing::Test {
protected:
    const std::vector<Point> points{{1, 1}, {2, 2}, {3, 2}, {4, 4}};
};

TEST_F(HandLine, CoefficientsAndVariances) {
    const FitOutcome o = fitWithStatistics(points, KindLIN);
    ASSERT_EQ(o.status, FitOk);
    EXPECT_NEAR(o.report.coefficients[0], 0.0, 1e-14);
    EXPECT_NEAR(o.report.coefficients[1], 0.9, 1e-14);
    EXPECT_NEAR(o.report.residualVar, 0.35, 1e-14);
    EXPECT_EQ(o.report.dof, 2);
    // Slope: 0.35 / 5. Intercept: 0.35·(1/4 + 2.5²/5) = 0.525 (not 0.35 / 4).
    EXPECT_NEAR(o.report.variances[1], 0.07, 1e-14);
    EXPECT_NEAR(o.report.variances[0], 0.525, 1e-14);
}

TEST_F(HandLine, FStatisticOfTheRegression) {
    const FitOutcome o = fitWithStatistics(points, KindLIN);
    ASSERT_EQ(o.status, FitOk);
    // (SSR / 1) / (SSE / 2) = 4.05 / 0.35.
    EXPECT_NEAR(o.report.fValue, 4.05 / 0.35, 1e-12);
    // Adjusted determination 1 - (0.7 / 4.75)·3/2.
    EXPECT_NEAR(o.report.determination, 1.0 - (0.7 / 4.75) * 1.5, 1e-14);
    EXPECT_NEAR(o.report.correlation, std::sqrt(1.0 - (0.7 / 4.75) * 1.5), 1e-14);
    // Population variances of x and y, explained variance varY - residualVar.
    EXPECT_NEAR(o.report.varX, 1.25, 1e-14);
    EXPECT_NEAR(o.report.varY, 4.75 / 4, 1e-14);
    EXPECT_NEAR(o.report.explainedVar, 4.75 / 4 - 0.35, 1e-14);
}

TEST_F(HandLine, IntervalsAndBand) {
    const FitOutcome o = fitWithStatistics(points, KindLIN);
    ASSERT_EQ(o.status, FitOk);
    const double t = o.report.studentT;
    EXPECT_NEAR(t, 4.303, 1e-3);  // two-sided 95 %, 2 degrees of freedom
    EXPECT_NEAR(o.report.intervals[1][0], 0.9 - t * std::sqrt(0.07), 1e-13);
    EXPECT_NEAR(o.report.intervals[1][1], 0.9 + t * std::sqrt(0.07), 1e-13);

    document::Curve curve;
    curve.treatment = KindLIN;
    storeFit(curve.fit, o.report);
    // At x = meanX the band is ±t·√(residualVar / n) around the line.
    const double half = t * std::sqrt(0.35 / 4);
    EXPECT_NEAR(confidenceBand(curve, 2.5, +1, 4), 0.9 * 2.5 + half, 1e-12);
    EXPECT_NEAR(confidenceBand(curve, 2.5, -1, 4), 0.9 * 2.5 - half, 1e-12);
    // At x = 4.5: w = √((1 + 4/1.25)·0.35/4).
    EXPECT_NEAR(confidenceBand(curve, 4.5, +1, 4), 0.9 * 4.5 + t * std::sqrt(4.2 * 0.35 / 4), 1e-12);
    // From a logarithmic axis the value 0 is x = 1.
    EXPECT_NEAR(confidenceBandFromAxis(curve, 0.0, +1, 4, ScaleLog), confidenceBand(curve, 1.0, +1, 4), 1e-12);
    curve.treatment = KindPOL2;
    EXPECT_EQ(confidenceBand(curve, 2.5, +1, 4), 1.0e35);
}

TEST(FitStatistics, ExpIntervalOfA0IsNotSymmetric) {
    const std::vector<Point> points{{0, 1.1}, {1, 2.6}, {2, 7.9}, {3, 19.0}, {4, 57.0}};
    const FitOutcome o = fitWithStatistics(points, KindEXP);
    ASSERT_EQ(o.status, FitOk);
    const double c0 = o.report.linear[0];
    const double half = o.report.studentT * std::sqrt(o.report.variances[0]);
    const auto& interval = o.report.intervals[0];
    EXPECT_NEAR(interval[0], std::exp(c0 - half), 1e-12 * interval[0]);
    EXPECT_NEAR(interval[1], std::exp(c0 + half), 1e-12 * interval[1]);
    const double a0 = o.report.coefficients[0];
    EXPECT_NEAR(a0, std::exp(c0), 1e-14 * a0);
    EXPECT_GT(interval[1] - a0, a0 - interval[0] + 1e-3);  // wider above than below
    EXPECT_NEAR(interval[0] * interval[1], a0 * a0, 1e-12 * a0 * a0);
}

TEST(FitStatistics, UnflaggedModelsGetNoVariances) {
    const std::vector<Point> points{{1, 1}, {2, 2}, {3, 2}, {4, 4}};
    const FitOutcome o = computeFit(points, KindLIN, {}, FitOptions{});
    ASSERT_EQ(o.status, FitOk);
    EXPECT_FALSE(o.report.hasStatistics);
    EXPECT_EQ(o.report.fValue, 0.0);
    EXPECT_EQ(o.report.studentT, 0.0);
    EXPECT_TRUE(o.report.intervals.empty());
    EXPECT_NEAR(o.report.determination, 1.0 - (0.7 / 4.75) * 1.5, 1e-14);
}

struct CoordinateCase {
    const char* what;
    int kind;
    FitParameters fixed;
    double meanX;
    double meanY;
};

// The means are those of the linearised X' and Y' of each model, worked by
// hand on x = 1, 2, 4 and y = e, e², e³.
TEST(FitStatistics, LinearisedCoordinates) {
    const double e = std::exp(1.0);
    const std::vector<Point> points{{1, e}, {2, e * e}, {4, e * e * e}};
    const double meanInverseX = (1 + 0.5 + 0.25) / 3;
    const double meanInverseY = (1 / e + 1 / (e * e) + 1 / (e * e * e)) / 3;
    const double meanY = (e + e * e + e * e * e) / 3;
    const double meanLnX = std::log(8.0) / 3;
    const CoordinateCase cases[] = {
        {"MODEXP: 1/x, ln y", KindMODEXP, {}, meanInverseX, 2.0},
        {"ROOT: 1/x, ln y", KindROOT, {}, meanInverseX, 2.0},
        {"EXP: x, ln y", KindEXP, {}, 7.0 / 3, 2.0},
        {"PUI: ln x, ln y", KindPUI, {}, meanLnX, 2.0},
        {"LOG10: log10 x, y", KindLOG10, {}, std::log10(8.0) / 3, meanY},
        {"HYPTP: 1/x, y", KindHYPTP, {2, 1, 0}, meanInverseX, meanY},
        {"RECLINTP: x, 1/y", KindRECLINTP, {2, 1, 0}, 7.0 / 3, meanInverseY},
        {"HYP2: 1/x², y", KindHYP2, {}, (1 + 0.25 + 0.0625) / 3, meanY},
        {"SUPGEO: x ln x, ln y", KindSUPGEO, {}, (2 * std::log(2.0) + 4 * std::log(4.0)) / 3, 2.0},
    };
    for (const CoordinateCase& c : cases) {
        const FitOutcome o = computeFit(points, c.kind, c.fixed, FitOptions{});
        ASSERT_EQ(o.status, FitOk) << c.what;
        EXPECT_NEAR(o.report.meanX, c.meanX, 1e-13) << c.what;
        EXPECT_NEAR(o.report.meanY, c.meanY, 1e-13) << c.what;
    }
}

TEST(FitStatistics, OnlyDeterminationStopsEarly) {
    FitOptions options;
    options.statistics = true;
    options.onlyDetermination = true;
    const FitOutcome o = computeFit(std::vector<Point>{{1, 1}, {2, 2}, {3, 2}, {4, 4}}, KindLIN, {}, options);
    ASSERT_EQ(o.status, FitOk);
    EXPECT_NEAR(o.report.determination, 1.0 - (0.7 / 4.75) * 1.5, 1e-14);
    EXPECT_EQ(o.report.fValue, 0.0);
    EXPECT_EQ(o.report.studentT, 0.0);
}

TEST(FitStatistics, ConfidenceOutsideItsRangeFails) {
    FitOptions options;
    options.statistics = true;
    options.confidence = 100.0;
    EXPECT_EQ(computeFit(std::vector<Point>{{1, 1}, {2, 2}, {3, 2}, {4, 4}}, KindLIN, {}, options).status, FitSumsImpossible);
}

}  // namespace
}  // namespace ordinax::numerics
