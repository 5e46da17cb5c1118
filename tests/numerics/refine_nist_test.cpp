// Certified values of the NIST StRD nonlinear datasets whose models are in
// the catalogue, reached by refining our own linearised fit (not NIST's
// starting values): DanWood is PUI, Eckerle4 is NOR.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "nist_strd.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/refine_fit.h"

namespace ordinax::numerics {
namespace {

using test::logRelativeError;
using test::NistNonlinear;
using test::readNistNonlinear;

struct NistRefineCase {
    std::string name;
    int kind;
    // The certified b1.. written as the model's coefficients a0..
    std::vector<double> (*coefficients)(const std::vector<double>& b);
    int certifiedCoefficient;  // a coefficient that is one of the b, for its standard deviation
    int certifiedParameter;
    double digits;             // significant digits required
};

std::vector<double> danWood(const std::vector<double>& b) { return {b[0], b[1]}; }
std::vector<double> eckerle4(const std::vector<double>& b) { return {b[0] / b[1], b[2], -2.0 * b[1] * b[1]}; }

class NistRefine : public ::testing::TestWithParam<NistRefineCase> {};

TEST_P(NistRefine, ReachesTheCertifiedValuesFromTheLinearisedFit) {
    const NistRefineCase& c = GetParam();
    const NistNonlinear data = readNistNonlinear(c.name);
    FitOptions options;
    options.statistics = true;
    const FitOutcome linearised = computeFit(data.points, c.kind, {}, options);
    ASSERT_EQ(linearised.status, FitOk);
    const RefineOutcome refined = refineFit(data.points, c.kind, {}, linearised.report, options);
    ASSERT_EQ(refined.refinement.status, RefineStatus::Refined) << refineReason(refined.refinement);

    const std::vector<double> certified = c.coefficients(data.estimate);
    double digits = 15.0;
    for (std::size_t i = 0; i < certified.size(); ++i)
        digits = std::min(digits, logRelativeError(certified[i], refined.report.coefficients[i]));
    const double sseDigits = logRelativeError(data.residualSquares, refined.refinement.sse);
    EXPECT_GE(digits, c.digits) << c.name << " coefficients";
    EXPECT_GE(sseDigits, c.digits) << c.name << " residual sum of squares";
    RecordProperty("coefficientDigits", std::to_string(digits));
    RecordProperty("sseDigits", std::to_string(sseDigits));

    // The statistics in y: degrees of freedom, residual variance and the
    // standard deviation of a coefficient that is a certified parameter.
    EXPECT_EQ(refined.report.dof, data.dof);
    EXPECT_GE(logRelativeError(data.residualDeviation * data.residualDeviation, refined.report.residualVar), 6.0);
    const double deviation = std::sqrt(refined.report.variances[static_cast<std::size_t>(c.certifiedCoefficient)]);
    EXPECT_GE(logRelativeError(data.deviation[static_cast<std::size_t>(c.certifiedParameter)], deviation), 6.0);
    // The linearised fit was not the minimum in y.
    EXPECT_LT(refined.refinement.sse, refined.refinement.linearisedSse);
}

INSTANTIATE_TEST_SUITE_P(Datasets, NistRefine,
                         ::testing::Values(NistRefineCase{"DanWood", KindPUI, danWood, 1, 1, 8.0},
                                           NistRefineCase{"Eckerle4", KindNOR, eckerle4, 1, 2, 8.0}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace ordinax::numerics
