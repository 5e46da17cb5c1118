// A curve's refined fit: what it stores, what the diagram file keeps of it,
// how a linearised fit (ours or an older program's) forgets it, and its band.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "document/diagram_defaults.h"
#include "document/orx_file.h"
#include "numerics/catalogue.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"

namespace ordinax::numerics {
namespace {

using document::Curve;
using document::Point;

// A Cauchy peak with a wobble: no linearised band, and a linearised fit far from the minimum in y.
Curve cauchyCurve() {
    std::vector<Point> points;
    for (int i = 0; i < 15; ++i) {
        const double x = -1.0 + 0.4 * i;
        points.push_back({x, 1.0 / (0.5 * (x - 2.0) * (x - 2.0) + 0.25) * (1.0 + 0.04 * std::sin(2.7 * i))});
    }
    Curve curve;
    curve.treatment = KindCAUCHY;
    curve.points = document::PointBuffer(points);
    return curve;
}

const Catalogue& catalogue() {
    static const Catalogue c = [] {
        Catalogue out;
        for (int kind = 0; kind < KindCount; ++kind) out.model[static_cast<std::size_t>(kind)].code = std::string(codeName(kind));
        return out;
    }();
    return c;
}

TEST(RefineCurve, StoresTheRefinedFitAndRemembersIt) {
    Curve curve = cauchyCurve();
    CurveFit result;
    ASSERT_EQ(refineCurve(curve, catalogue(), false, &result), FitOk);
    ASSERT_TRUE(result.refinement.refined());
    EXPECT_TRUE(isRefined(curve));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(curve.fit.coefficient[i], result.report.coefficients[i]);
        EXPECT_EQ(curve.fit.detail[i], result.report.variances[i]);
    }
    EXPECT_EQ(curve.fit.residualVar, result.report.residualVar);
    const auto record = storedRefinement(curve);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->iterations, result.refinement.iterations);
    EXPECT_EQ(record->sse, result.refinement.sse);
    EXPECT_EQ(record->linearisedSse, result.refinement.linearisedSse);
    EXPECT_EQ(record->covariance[1][2], result.refinement.covariance[1 * 3 + 2]);

    // Fitting again the way it was fitted gives the same refined fit.
    Curve again = curve;
    ASSERT_EQ(refitCurve(again, catalogue(), false), FitOk);
    EXPECT_TRUE(isRefined(again));
    EXPECT_EQ(again.fit, curve.fit);
}

TEST(RefineCurve, TheDiagramFileKeepsTheRefinement) {
    document::Diagram diagram;
    diagram.curves.push_back(cauchyCurve());
    ASSERT_EQ(refineCurve(diagram.curves[0], catalogue(), false), FitOk);
    const std::vector<std::uint8_t> bytes = document::writeDiagramBytes(diagram, "01/02/2026 (10:00)");
    document::Diagram read;
    ASSERT_TRUE(document::readDiagramBytes(bytes, document::DiagramDefaults{}, read).ok);
    ASSERT_EQ(read.curveCount(), 1);
    EXPECT_TRUE(isRefined(read.curves[0]));
    EXPECT_EQ(read.curves[0].fit, diagram.curves[0].fit);
}

TEST(RefineCurve, ALinearisedFitForgetsTheRefinement) {
    // What a linearised fit writes, an older program's included, zeroes the record.
    Curve curve = cauchyCurve();
    ASSERT_EQ(refineCurve(curve, catalogue(), false), FitOk);
    ASSERT_EQ(fitCurve(curve, catalogue(), false), FitOk);
    EXPECT_FALSE(isRefined(curve));
    ASSERT_EQ(refitCurve(curve, catalogue(), false), FitOk);
    EXPECT_FALSE(isRefined(curve));
}

TEST(RefineCurve, AFailedRefinementStoresTheLinearisedFit) {
    Curve linearised = cauchyCurve();
    ASSERT_EQ(fitCurve(linearised, catalogue(), false), FitOk);
    Curve curve = cauchyCurve();
    RefineSettings stop;
    stop.progress = [](int) { return false; };
    CurveFit result;
    ASSERT_EQ(refineCurve(curve, catalogue(), false, &result, stop), FitOk);
    EXPECT_EQ(result.refinement.status, RefineStatus::Cancelled);
    EXPECT_FALSE(isRefined(curve));
    EXPECT_EQ(curve.fit, linearised.fit);
}

TEST(RefineCurve, AFailedLinearisedFitLeavesTheCurveAsItWas) {
    Curve curve;
    curve.treatment = KindPUI;
    curve.points = document::PointBuffer(std::vector<Point>{{0, 1}, {1, 2}, {2, 3}});
    const Curve before = curve;
    EXPECT_EQ(refineCurve(curve, catalogue(), false), FitZeroValue);
    EXPECT_EQ(curve, before);
}

TEST(RefineCurve, TheBandOfARefinedFitSurroundsItsModel) {
    Curve plain = cauchyCurve();
    ASSERT_EQ(fitCurve(plain, catalogue(), false), FitOk);
    EXPECT_EQ(confidenceBand(plain, 2.0, 1, plain.pointCount()), 1.0e35);  // no linearised band for CAUCHY

    Curve refined = cauchyCurve();
    ASSERT_EQ(refineCurve(refined, catalogue(), false), FitOk);
    expression::MathErrorFlag flag;
    for (double x : {-1.0, 0.5, 2.0, 3.3}) {
        const double y = modelValue(refined, x, flag);
        const double upper = confidenceBand(refined, x, 1, refined.pointCount());
        const double lower = confidenceBand(refined, x, -1, refined.pointCount());
        EXPECT_GT(upper, y) << x;
        EXPECT_LT(lower, y) << x;
        EXPECT_NEAR(upper - y, y - lower, 1e-12 * std::fabs(y)) << x;
    }
}

TEST(RefineCurve, ADamagedRecordIsNotARefinement) {
    Curve curve = cauchyCurve();
    ASSERT_EQ(refineCurve(curve, catalogue(), false), FitOk);
    // Slots read from a file can hold anything.
    Curve badStop = curve;
    badStop.fit.linearCoefficient[10] = 99.0;
    EXPECT_FALSE(isRefined(badStop));
    Curve otherModel = curve;
    otherModel.treatment = KindLIN;
    EXPECT_FALSE(isRefined(otherModel));
    Curve badCovariance = curve;
    badCovariance.fit.linearCoefficient[13] = std::numeric_limits<double>::quiet_NaN();
    badCovariance.fit.linearCoefficient[8] = 1e300;
    ASSERT_TRUE(isRefined(badCovariance));
    EXPECT_EQ(confidenceBand(badCovariance, 1.0, 1, badCovariance.pointCount()), 1.0e35);
    EXPECT_GE(storedRefinement(badCovariance)->iterations, 0);
}

}  // namespace
}  // namespace ordinax::numerics
