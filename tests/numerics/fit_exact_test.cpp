// Every model recovers the coefficients it was generated from, evaluates its
// own equation, and matches an independent least-squares solution on noisy data.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "numerics/fit_curve.h"
#include "numerics/model_value.h"

namespace ordinax::numerics {
namespace {

using document::Point;

struct ExactCase {
    int kind;
    std::vector<double> a;  // coefficients the data are generated from
    FitParameters fixed;
    std::function<double(double)> equation;  // the model written out independently
    bool unitInterval = false;               // x in (0, 1) (BETA)
};

std::vector<ExactCase> exactCases() {
    using std::exp;
    using std::log;
    using std::pow;
    return {
        {KindBETA, {2, 0.5, 1.5}, {}, [](double x) { return 2 * pow(x, 0.5) * pow(1 - x, 1.5); }, true},
        {KindCAUCHY, {0.5, -1, 2}, {}, [](double x) { return 1 / (0.5 * (x - 1) * (x - 1) + 2); }},
        {KindEXP, {2, 0.3}, {}, [](double x) { return 2 * exp(0.3 * x); }},
        {KindGAMMA, {3, 2, 1.5}, {}, [](double x) { return 3 * pow(x / 2, 1.5) * exp(x / 2); }},
        {KindGPOL2, {1.5, -0.25}, {0.5, 2, 0}, [](double x) { return 1.5 * pow(x, 0.5) - 0.25 * x * x; }},
        {KindGPOL3, {1, 2, -0.5}, {1, 2, 3}, [](double x) { return x + 2 * x * x - 0.5 * x * x * x; }},
        {KindHOERL, {2, 1.5, 0.7}, {}, [](double x) { return 2 * pow(1.5, x) * pow(x, 0.7); }},
        {KindHOMO, {2, 1, 0.5}, {}, [](double x) { return (1 + 2 * x) / (1 + 0.5 * x); }},
        {KindHYP, {1, 2}, {}, [](double x) { return 1 + 2 / x; }},
        {KindHYPTP, {1, 2}, {2, 2, 0}, [](double x) { return 1 + 2 / x; }},
        {KindHYP2, {1, 2, -0.5}, {}, [](double x) { return 1 + 2 / x - 0.5 / (x * x); }},
        {KindLIN, {1, 2}, {}, [](double x) { return 1 + 2 * x; }},
        {KindLINTO, {2.5}, {}, [](double x) { return 2.5 * x; }},
        {KindLINTP, {1, 2}, {1, 3, 0}, [](double x) { return 1 + 2 * x; }},
        {KindLINHYP, {1, 2, 3}, {}, [](double x) { return 1 + 2 * x + 3 / x; }},
        {KindLOG, {1, 2}, {}, [](double x) { return 1 + 2 * log(x); }},
        {KindLOG10, {1, 2}, {}, [](double x) { return 1 + 2 * std::log10(x); }},
        {KindLOGNOR, {2, 0.5, -3}, {}, [](double x) { return 2 * exp((0.5 - log(x)) * (0.5 - log(x)) / -3); }},
        {KindMODEXP, {2, -0.5}, {}, [](double x) { return 2 * exp(-0.5 / x); }},
        {KindMODGEO, {2, 0.5}, {}, [](double x) { return 2 * pow(x, 0.5 / x); }},
        {KindMODHOERL, {2, 1.5, 0.7}, {}, [](double x) { return 2 * pow(1.5, 1 / x) * pow(x, 0.7); }},
        {KindMODPOW, {2, 1.3}, {}, [](double x) { return 2 * pow(1.3, x); }},
        {KindNOR, {2, 3, -4}, {}, [](double x) { return 2 * exp((3 - x) * (3 - x) / -4); }},
        {KindPOL2, {1, -2, 0.5}, {}, [](double x) { return 1 - 2 * x + 0.5 * x * x; }},
        {KindPOL2TO, {1.5, -0.5}, {}, [](double x) { return 1.5 * x - 0.5 * x * x; }},
        {KindPOL2TP, {1, -2, 0.5}, {1, -0.5, 0}, [](double x) { return 1 - 2 * x + 0.5 * x * x; }},
        {KindPOL3, {1, -1, 0.5, 0.25}, {}, [](double x) { return 1 - x + 0.5 * x * x + 0.25 * pow(x, 3); }},
        {KindPOL4, {1, -1, 0.5, 0.25, -0.125}, {},
         [](double x) { return 1 - x + 0.5 * x * x + 0.25 * pow(x, 3) - 0.125 * pow(x, 4); }},
        {KindPOL5, {1, -1, 0.5, 0.25, -0.125, 0.01}, {},
         [](double x) { return 1 - x + 0.5 * x * x + 0.25 * pow(x, 3) - 0.125 * pow(x, 4) + 0.01 * pow(x, 5); }},
        {KindPOL6, {1, -1, 0.5, 0.25, -0.125, 0.01, 0.002}, {},
         [](double x) {
             return 1 - x + 0.5 * x * x + 0.25 * pow(x, 3) - 0.125 * pow(x, 4) + 0.01 * pow(x, 5) + 0.002 * pow(x, 6);
         }},
        {KindPUI, {2, 1.5}, {}, [](double x) { return 2 * pow(x, 1.5); }},
        {KindRECHYP, {0.5, 2}, {}, [](double x) { return x / (2 + 0.5 * x); }},
        {KindRECLIN, {0.5, 2}, {}, [](double x) { return 1 / (0.5 + 2 * x); }},
        {KindRECLINTP, {0.5, 2}, {1, 0.4, 0}, [](double x) { return 1 / (0.5 + 2 * x); }},
        {KindRECLOG, {3, 2}, {}, [](double x) { return 1 / (3 + 2 * log(x)); }},
        {KindROOT, {2, 1.5}, {}, [](double x) { return 2 * pow(1.5, 1 / x); }},
        {KindSUPGEO, {2, 0.3}, {}, [](double x) { return 2 * pow(x, 0.3 * x); }},
    };
}

std::vector<Point> sample(const ExactCase& c) {
    std::vector<Point> points;
    for (int i = 0; i < 12; ++i) {
        const double x = c.unitInterval ? 0.0625 * (i + 1) : 0.5 + 0.375 * i;
        points.push_back({x, c.equation(x)});
    }
    return points;
}

void expectClose(const std::vector<double>& expected, const std::vector<double>& actual, double relative,
                 const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    double scale = 0.0;
    for (double v : expected) scale = std::max(scale, std::fabs(v));
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_NEAR(actual[j], expected[j], relative * std::max(std::fabs(expected[j]), 1e-3 * scale))
            << what << " a" << j;
}

TEST(ExactFit, EveryModelRecoversItsCoefficients) {
    const auto cases = exactCases();
    ASSERT_EQ(cases.size(), 37u);  // kinds 6..42
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(std::string(codeName(c.kind)));
        FitOptions options;
        options.statistics = true;
        const FitOutcome outcome = computeFit(sample(c), c.kind, c.fixed, options);
        ASSERT_EQ(outcome.status, FitOk);
        expectClose(c.a, outcome.report.coefficients, 1e-9, codeName(c.kind).data());
        EXPECT_NEAR(outcome.report.determination, 1.0, 1e-9);
        EXPECT_EQ(outcome.report.n, 12);
    }
}

TEST(ExactFit, ModelValueEvaluatesEveryEquation) {
    for (const ExactCase& c : exactCases()) {
        SCOPED_TRACE(std::string(codeName(c.kind)));
        document::Curve curve;
        curve.treatment = c.kind;
        curve.fit.stats = {c.fixed.r, c.fixed.s, c.fixed.t};
        for (std::size_t j = 0; j < c.a.size(); ++j) curve.fit.coefficient[j] = c.a[j];
        for (const Point& p : sample(c)) {
            expression::MathErrorFlag flag;
            EXPECT_NEAR(modelValue(curve, p.x, flag), p.y, 1e-12 * std::max(1.0, std::fabs(p.y))) << p.x;
            EXPECT_FALSE(flag.isRaised());
        }
    }
}

struct NoisyCase {
    int kind;
    double r, s, t;
    std::vector<Point> points;
    std::vector<double> coefficients;
};

// Least-squares solutions of each model's linear form, computed with mpmath
// at 50 digits by data/make_fit_references.py.
const std::vector<NoisyCase> NoisyCases = {
#include "fit_references.inc"
};

TEST(NoisyFit, MatchesAnIndependentLeastSquaresSolution) {
    ASSERT_EQ(NoisyCases.size(), 37u);
    for (const NoisyCase& c : NoisyCases) {
        SCOPED_TRACE(std::string(codeName(c.kind)));
        const FitOutcome outcome = computeFit(c.points, c.kind, {c.r, c.s, c.t}, FitOptions{});
        ASSERT_EQ(outcome.status, FitOk);
        expectClose(c.coefficients, outcome.report.coefficients, 1e-9, codeName(c.kind).data());
    }
}

}  // namespace
}  // namespace ordinax::numerics
