// The refinement of every refinable model against an independent reference:
// generated data sets (1 % and 10 % noise, and 1 % with three outliers)
// fitted by scipy's least_squares from its own linearised start, written in
// refine_references.inc by data/make_refine_references.py.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "model_curve.h"
#include "numerics/fit_curve.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"
#include "numerics/refine_curve.h"
#include "numerics/refine_fit.h"
#include "numerics/refine_models.h"

namespace ordinax::numerics {
namespace {

struct ReferenceSet {
    const char* code;
    std::vector<double> truth;
    double lo, hi, r, s;
    double noise;
    bool outliers;
    std::uint64_t seed;
    std::vector<double> coefficients;
    std::vector<double> standardErrors;
    double sse;
    double band;  // √(gᵀCg) at the middle of the x range
};

const std::vector<ReferenceSet>& referenceSets() {
    static const std::vector<ReferenceSet> sets = {
#include "refine_references.inc"
    };
    return sets;
}

// The generator of the reference script: a 64-bit LCG, twelve uniforms
// summed for each normal-like deviate.
class Deviates {
public:
    explicit Deviates(std::uint64_t seed) : state_(seed) {}
    double next() {
        double sum = 0.0;
        for (int k = 0; k < 12; ++k) {
            state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
            sum += static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
        }
        return sum - 6.0;
    }

private:
    std::uint64_t state_;
};

std::vector<document::Point> generate(const ReferenceSet& set, int kind) {
    constexpr int Count = 25;
    const document::Curve truth = fixtures::modelCurve(kind, set.truth, {set.r, set.s});
    Deviates deviates(set.seed);
    std::vector<document::Point> points;
    for (int i = 0; i < Count; ++i) {
        const double x = set.lo + (set.hi - set.lo) * i / (Count - 1);
        expression::MathErrorFlag flag;
        double y = modelValue(truth, x, flag) * (1.0 + set.noise * deviates.next());
        if (set.outliers) y *= i == 3 ? 1.3 : i == 11 ? 0.75 : i == 19 ? 1.4 : 1.0;
        points.push_back({x, y});
    }
    return points;
}

std::string setName(const ReferenceSet& set) {
    return std::string(set.code) + (set.outliers ? " outliers" : set.noise < 0.05 ? " 1%" : " 10%");
}

void expectRelative(double expected, double actual, double tolerance, const std::string& what) {
    EXPECT_LE(std::fabs(actual - expected), tolerance * std::fabs(expected)) << what << ": " << actual << " vs " << expected;
}

TEST(RefineReferences, EveryRefinableModelHasItsSets) {
    int count = 0;
    for (int kind = FirstRegressionKind; kind <= LastRegressionKind; ++kind) {
        if (!isRefinable(kind)) continue;
        int sets = 0;
        for (const ReferenceSet& set : referenceSets()) sets += kindFromCode(set.code) == kind;
        EXPECT_EQ(sets, 3) << codeName(kind);
        ++count;
    }
    EXPECT_EQ(count, 19);
}

TEST(RefineReferences, AgreeWithTheReferenceAndNeverRaiseTheSquaredErrors) {
    for (const ReferenceSet& set : referenceSets()) {
        const std::string name = setName(set);
        const int kind = kindFromCode(set.code);
        const FitParameters fixed{set.r, set.s, 0.0};
        const std::vector<document::Point> points = generate(set, kind);
        FitOptions options;
        const FitOutcome linearised = computeFit(points, kind, fixed, options);
        ASSERT_EQ(linearised.status, FitOk) << name;
        const RefineOutcome refined = refineFit(points, kind, fixed, linearised.report, options);
        ASSERT_EQ(refined.refinement.status, RefineStatus::Refined) << name << ": " << refineReason(refined.refinement);

        for (std::size_t i = 0; i < set.coefficients.size(); ++i) {
            expectRelative(set.coefficients[i], refined.report.coefficients[i], 1e-6, name + " a" + std::to_string(i));
            expectRelative(set.standardErrors[i], std::sqrt(refined.report.variances[i]), 1e-6,
                           name + " standard error of a" + std::to_string(i));
        }
        expectRelative(set.sse, refined.refinement.sse, 1e-9, name + " SSE");
        EXPECT_LE(refined.refinement.sse, refined.refinement.linearisedSse) << name;
        // The linearised SSE in y is that of the linearised coefficients.
        expectRelative(squaredErrors(points, kind, fixed, linearised.report.coefficients), refined.refinement.linearisedSse,
                       1e-12, name + " linearised SSE");

        // The delta-method band of the curve at the middle x.
        document::Curve curve = fixtures::modelCurve(kind, {}, {set.r, set.s});
        curve.points = document::PointBuffer(points);
        curve.fit.studentT = refined.report.studentT;
        storeFit(curve.fit, refined.report);
        storeRefinement(curve.fit, kind, refined.refinement);
        const double middle = 0.5 * (set.lo + set.hi);
        const auto upper = refinedConfidenceBand(curve, middle, +1);
        const auto lower = refinedConfidenceBand(curve, middle, -1);
        ASSERT_TRUE(upper && lower) << name;
        expectRelative(set.band, (*upper - *lower) / (2.0 * refined.report.studentT), 1e-6, name + " band");
    }
}

TEST(RefineReferences, ManyPointsReachTheSameMinimum) {
    // Every point repeated 8 000 times: Σ(y - f(x))² is multiplied by 8 000 and keeps its
    // minimum, now over 200 000 points, more than a single pass of the reduction takes.
    for (const ReferenceSet& set : referenceSets()) {
        if (std::string(set.code) != "GAMMA" || set.noise < 0.05) continue;
        const int kind = kindFromCode(set.code);
        const std::vector<document::Point> few = generate(set, kind);
        std::vector<document::Point> many;
        for (int copy = 0; copy < 8000; ++copy) many.insert(many.end(), few.begin(), few.end());
        const FitOutcome linearised = computeFit(many, kind, {}, FitOptions{});
        ASSERT_EQ(linearised.status, FitOk);
        const RefineOutcome refined = refineFit(many, kind, {}, linearised.report, FitOptions{});
        ASSERT_EQ(refined.refinement.status, RefineStatus::Refined) << refineReason(refined.refinement);
        for (std::size_t i = 0; i < set.coefficients.size(); ++i)
            expectRelative(set.coefficients[i], refined.report.coefficients[i], 1e-6, "a" + std::to_string(i));
        expectRelative(8000.0 * set.sse, refined.refinement.sse, 1e-9, "SSE");
    }
}

}  // namespace
}  // namespace ordinax::numerics
