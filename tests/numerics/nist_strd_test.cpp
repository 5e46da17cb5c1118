// Certified values of the NIST StRD linear regression datasets: the fits must
// agree with every certified estimate to at least 10 significant digits.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "nist_strd.h"
#include "numerics/fit_curve.h"

namespace ordinax::numerics {
namespace {

using test::logRelativeError;
using test::readNist;

struct NistCase {
    const char* name;
    int kind;
};

class NistStrd : public ::testing::TestWithParam<NistCase> {};

FitReport fitNist(const test::NistDataset& data, int kind) {
    FitOptions options;
    options.statistics = true;
    const FitOutcome outcome = computeFit(data.points, kind, {}, options);
    EXPECT_EQ(outcome.status, FitOk);
    return outcome.report;
}

TEST_P(NistStrd, EstimatesAgreeToTenDigits) {
    const auto [name, kind] = GetParam();
    const test::NistDataset data = readNist(name);
    const FitReport report = fitNist(data, kind);
    ASSERT_EQ(report.coefficients.size(), data.estimate.size());
    double worst = 15.0;
    for (std::size_t j = 0; j < data.estimate.size(); ++j) {
        const double lre = logRelativeError(data.estimate[j], report.coefficients[j]);
        worst = std::min(worst, lre);
        EXPECT_GE(lre, 10.0) << name << " B" << j << " certified " << data.estimate[j] << " computed "
                             << report.coefficients[j];
    }
    RecordProperty("min_lre_estimates", std::to_string(worst));
    std::printf("[ NIST     ] %-9s min LRE of the estimates %.1f\n", name, worst);
}

INSTANTIATE_TEST_SUITE_P(Datasets, NistStrd,
                         ::testing::Values(NistCase{"Norris", KindLIN}, NistCase{"Pontius", KindPOL2},
                                           NistCase{"NoInt1", KindLINTO}, NistCase{"NoInt2", KindLINTO},
                                           NistCase{"Wampler1", KindPOL5}, NistCase{"Wampler2", KindPOL5},
                                           NistCase{"Wampler3", KindPOL5}, NistCase{"Wampler4", KindPOL5},
                                           NistCase{"Wampler5", KindPOL5}),
                         [](const auto& info) { return std::string(info.param.name); });

// The standard deviations of the estimates, the residual deviation, the F
// statistic and the coefficient of determination of the sets with an
// intercept. The intercept deviation of Norris checks the intercept variance
// residualVar·(1/n + meanX²/Σ(X' - meanX)²); the F statistics check
// (SSR / k) / (SSE / dof).
class NistStatistics : public ::testing::TestWithParam<NistCase> {};

TEST_P(NistStatistics, DeviationsFAndDetermination) {
    const auto [name, kind] = GetParam();
    const test::NistDataset data = readNist(name);
    const FitReport report = fitNist(data, kind);
    const double n = static_cast<double>(data.points.size());
    const double p = static_cast<double>(data.estimate.size());
    ASSERT_EQ(report.variances.size(), data.deviation.size());
    for (std::size_t j = 0; j < data.deviation.size(); ++j)
        EXPECT_GE(logRelativeError(data.deviation[j], std::sqrt(report.variances[j])), 7.0) << name << " B" << j;
    EXPECT_GE(logRelativeError(data.residualDeviation, std::sqrt(report.residualVar)), 7.0);
    EXPECT_GE(logRelativeError(data.fStatistic, report.fValue), 7.0) << report.fValue;
    // The coefficient of determination is adjusted for the p coefficients and
    // limited to 0..1 (Wampler5's adjusted value is negative).
    const double adjusted = std::clamp(1.0 - (1.0 - data.rSquared) * (n - 1.0) / (n - p), 0.0, 1.0);
    EXPECT_NEAR(report.determination, adjusted, 1e-11);
    EXPECT_EQ(report.dof, static_cast<int>(n - p));
}

INSTANTIATE_TEST_SUITE_P(Datasets, NistStatistics,
                         ::testing::Values(NistCase{"Norris", KindLIN}, NistCase{"Pontius", KindPOL2},
                                           NistCase{"Wampler3", KindPOL5}, NistCase{"Wampler4", KindPOL5},
                                           NistCase{"Wampler5", KindPOL5}),
                         [](const auto& info) { return std::string(info.param.name); });

// Wampler1 and 2 are exact: the residual variance vanishes and the F value
// is the "determination is 1" marker.
TEST(NistExact, ExactPolynomialsHaveNoResidual) {
    for (const char* name : {"Wampler1", "Wampler2"}) {
        const test::NistDataset data = readNist(name);
        const FitReport report = fitNist(data, KindPOL5);
        EXPECT_LT(std::sqrt(report.residualVar), 1e-6) << name;
        EXPECT_NEAR(report.determination, 1.0, 1e-15) << name;
    }
}

}  // namespace
}  // namespace ordinax::numerics
