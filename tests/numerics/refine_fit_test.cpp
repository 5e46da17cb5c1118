// refineFit beyond the reference sets: the cases that keep the linearised fit
// with their reasons, exact data, a fixed point held, the probability scale.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/message.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/probability.h"
#include "numerics/refine_fit.h"

namespace ordinax::numerics {
namespace {

using document::Point;

// y = 2·e^(-0.5·x) with a wobble: a curve whose linearised fit is not the minimum in y.
std::vector<Point> wobblyExponential() {
    std::vector<Point> points;
    for (int i = 0; i < 12; ++i) {
        const double x = 0.5 * i;
        points.push_back({x, 2.0 * std::exp(-0.5 * x) * (1.0 + 0.05 * std::sin(2.3 * i))});
    }
    return points;
}

FitReport linearisedFit(const std::vector<Point>& points, int kind, const FitParameters& fixed = {}) {
    const FitOutcome outcome = computeFit(points, kind, fixed, FitOptions{});
    EXPECT_EQ(outcome.status, FitOk);
    return outcome.report;
}

struct KeptCase {
    std::string name;
    int kind;
    std::vector<Point> points;
    RefineSettings settings;
    RefineStatus status;
    base::Heading heading;
    std::string text;  // the whole message
};

class KeepsTheLinearisedFit : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeepsTheLinearisedFit, AndSaysWhy) {
    const KeptCase& c = GetParam();
    const FitReport linearised = linearisedFit(c.points, c.kind);
    const RefineOutcome outcome = refineFit(c.points, c.kind, {}, linearised, FitOptions{}, c.settings);
    EXPECT_EQ(outcome.refinement.status, c.status);
    EXPECT_EQ(outcome.report.coefficients, linearised.coefficients);
    EXPECT_EQ(outcome.report.determination, linearised.determination);
    const base::Message message = refineWarning(outcome.refinement);
    EXPECT_EQ(message.heading, c.heading);
    EXPECT_EQ(message.text, c.text);
}

RefineSettings stopAtThirdEvaluation() {
    RefineSettings settings;
    settings.progress = [](int evaluations) { return evaluations < 3; };
    return settings;
}

RefineSettings budgetOfTwo() {
    RefineSettings settings;
    settings.minimiser.maxEvaluations = 2;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepsTheLinearisedFit,
    ::testing::Values(
        KeptCase{"LinearModel", KindLIN, wobblyExponential(), {}, RefineStatus::NotRefinable, base::Heading::Remark,
                 "L'affinage par moindres carrés non linéaires est sans objet :\nle modèle est linéaire en ses "
                 "coefficients, son ajustement minimise déjà les écarts en y."},
        KeptCase{"EqualY", KindEXP, {{1, 2}, {2, 2}, {3, 2}}, {}, RefineStatus::ConstantY, base::Heading::Remark,
                 "L'affinage par moindres carrés non linéaires est sans objet :\ntoutes les valeurs de y sont égales, "
                 "l'ajustement linéarisé est exact."},
        KeptCase{"Cancelled", KindEXP, wobblyExponential(), stopAtThirdEvaluation(), RefineStatus::Cancelled,
                 base::Heading::Warning,
                 "L'affinage par moindres carrés non linéaires n'a pas abouti :\ncalcul interrompu.\n\nL'ajustement "
                 "linéarisé est conservé."},
        KeptCase{"BudgetSpent", KindEXP, wobblyExponential(), budgetOfTwo(), RefineStatus::NotConverged,
                 base::Heading::Warning,
                 "L'affinage par moindres carrés non linéaires n'a pas abouti :\npas de convergence après 2 évaluations "
                 "du modèle.\n\nL'ajustement linéarisé est conservé."}),
    [](const auto& info) { return info.param.name; });

TEST(RefineFit, AStartWithoutValueAtAPointIsRefused) {
    // 1/(1 - x) has no value at x = 1: a start no minimisation can leave from.
    const std::vector<Point> points = {{0, 1}, {0.5, 2}, {1, 5}, {2, -1}};
    FitReport start;
    start.kind = KindRECLIN;
    start.coefficients = {1.0, -1.0};
    const RefineOutcome outcome = refineFit(points, KindRECLIN, {}, start, FitOptions{});
    EXPECT_EQ(outcome.refinement.status, RefineStatus::StartNotFinite);
    EXPECT_EQ(outcome.report.coefficients, start.coefficients);
    EXPECT_EQ(refineWarning(outcome.refinement).text,
              "L'affinage par moindres carrés non linéaires n'a pas abouti :\nle modèle de l'ajustement linéarisé n'a "
              "pas de valeur en certains points.\n\nL'ajustement linéarisé est conservé.");
}

TEST(RefineFit, ExactDataWithAsManyPointsAsCoefficients) {
    // Two points of y = 3·e^(0.4·x): no degree of freedom left, nothing to estimate the spread with.
    const std::vector<Point> points = {{1, 3.0 * std::exp(0.4)}, {4, 3.0 * std::exp(1.6)}};
    const RefineOutcome outcome = refineFit(points, KindEXP, {}, linearisedFit(points, KindEXP), FitOptions{});
    ASSERT_EQ(outcome.refinement.status, RefineStatus::Refined);
    const FitReport& r = outcome.report;
    EXPECT_NEAR(r.coefficients[0], 3.0, 1e-12);
    EXPECT_NEAR(r.coefficients[1], 0.4, 1e-12);
    EXPECT_EQ(r.dof, 0);
    EXPECT_EQ(r.determination, 1.0);
    EXPECT_EQ(r.residualVar, 0.0);
    EXPECT_LT(outcome.refinement.sse, 1e-24);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(r.intervals[i][0], r.coefficients[i]);
        EXPECT_EQ(r.intervals[i][1], r.coefficients[i]);
    }
}

TEST(RefineFit, TheFixedPointIsHeld) {
    // RECLINTP through (r, s) = (2, 0.25): only a1 is free, a0 = 1/s - a1·r.
    std::vector<Point> points;
    for (int i = 0; i < 10; ++i) {
        const double x = i;
        points.push_back({x, 1.0 / (1.0 + 1.5 * x) * (1.0 + 0.08 * std::cos(1.9 * i))});
    }
    const FitParameters fixed{2.0, 0.25, 0.0};
    const RefineOutcome outcome =
        refineFit(points, KindRECLINTP, fixed, linearisedFit(points, KindRECLINTP, fixed), FitOptions{});
    ASSERT_EQ(outcome.refinement.status, RefineStatus::Refined);
    const auto& a = outcome.report.coefficients;
    EXPECT_NEAR(1.0 / (a[0] + a[1] * fixed.r), fixed.s, 1e-14);
    EXPECT_EQ(outcome.report.dof, 9);  // one free parameter
    EXPECT_LT(outcome.refinement.sse, outcome.refinement.linearisedSse);
}

TEST(RefineFit, OnAProbabilityAxisTheQuantilesAreFittedWithoutTheLastPoint) {
    std::vector<Point> probabilities, quantiles;
    for (int i = 1; i <= 9; ++i) {
        const double x = i;
        const double p = 0.55 + 0.4 * (1.0 - std::exp(-0.3 * x)) + 0.01 * std::sin(3.1 * i);
        probabilities.push_back({x, p});
        if (i < 9) quantiles.push_back({x, *normalQuantile(p)});
    }
    FitOptions henry;
    henry.henryY = true;
    const FitOutcome linearised = computeFit(probabilities, KindPUI, {}, henry);
    ASSERT_EQ(linearised.status, FitOk);
    const RefineOutcome onAxis = refineFit(probabilities, KindPUI, {}, linearised.report, henry);
    const RefineOutcome direct = refineFit(quantiles, KindPUI, {}, linearisedFit(quantiles, KindPUI), FitOptions{});
    ASSERT_EQ(onAxis.refinement.status, RefineStatus::Refined);
    EXPECT_EQ(onAxis.report.n, 8);
    EXPECT_EQ(onAxis.report.coefficients, direct.report.coefficients);
    EXPECT_EQ(onAxis.refinement.sse, direct.refinement.sse);
}

TEST(RefineFit, TheReportKeepsTheLinearisedProblemAndGivesStatisticsInY) {
    const std::vector<Point> points = wobblyExponential();
    const FitReport linearised = linearisedFit(points, KindEXP);
    const RefineOutcome outcome = refineFit(points, KindEXP, {}, linearised, FitOptions{});
    ASSERT_EQ(outcome.refinement.status, RefineStatus::Refined);
    EXPECT_EQ(outcome.report.linear, linearised.linear);
    EXPECT_EQ(outcome.refinement.linearisedCoefficients, linearised.coefficients);
    // Means and variances of x and y themselves, not of x and ln y.
    double meanY = 0.0;
    for (const Point& p : points) meanY += p.y;
    meanY /= static_cast<double>(points.size());
    EXPECT_NEAR(outcome.report.meanX, 2.75, 1e-15);
    EXPECT_NEAR(outcome.report.meanY, meanY, 1e-15);
    EXPECT_NEAR(outcome.report.residualVar, outcome.refinement.sse / 10.0, 1e-18);
    EXPECT_TRUE(outcome.report.hasStatistics);
    EXPECT_EQ(outcome.report.intervals.size(), 2u);
    EXPECT_EQ(refineReason(outcome.refinement).empty(), false);
}

}  // namespace
}  // namespace ordinax::numerics
