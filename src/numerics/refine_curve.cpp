// The refined fit of a curve and its record in the curve's fit slots.
#include "numerics/refine_curve.h"

#include <algorithm>
#include <cmath>

#include "numerics/refine_models.h"

namespace ordinax::numerics {

namespace {

// Where the record lies in linearCoefficient: after the linear coefficients
// of the models, in slots that every linearised fit writes as zero.
constexpr std::size_t MarkSlot = MaxCoefficients;  // 7
constexpr std::size_t IterationsSlot = MarkSlot + 1;
constexpr std::size_t EvaluationsSlot = MarkSlot + 2;
constexpr std::size_t StopSlot = MarkSlot + 3;
constexpr std::size_t SseSlot = MarkSlot + 4;
constexpr std::size_t LinearisedSseSlot = MarkSlot + 5;
constexpr std::size_t CovarianceSlot = MarkSlot + 6;  // 9 values, 3×3 row-major
static_assert(CovarianceSlot + 9 <= document::HarmonicSlots);

// The marker of a refined fit; layout 1 of the record.
constexpr double RefinedMark = 1234.5;

FitParameters fixedOf(const document::Curve& curve) {
    return {curve.fit.stats[0], curve.fit.stats[1], curve.fit.stats[2]};
}

bool validStop(double code) {
    return code >= 0.0 && code <= static_cast<double>(LeastSquaresStop::MachinePrecision) && code == std::floor(code);
}

}  // namespace

std::optional<RefinementRecord> storedRefinement(const document::Curve& curve) {
    const auto& slots = curve.fit.linearCoefficient;
    if (!isRefinable(curve.treatment) || slots[MarkSlot] != RefinedMark || !validStop(slots[StopSlot])) return std::nullopt;
    RefinementRecord record;
    record.iterations = static_cast<int>(std::clamp(slots[IterationsSlot], 0.0, 1.0e9));
    record.evaluations = static_cast<int>(std::clamp(slots[EvaluationsSlot], 0.0, 1.0e9));
    record.stop = static_cast<LeastSquaresStop>(static_cast<int>(slots[StopSlot]));
    record.sse = slots[SseSlot];
    record.linearisedSse = slots[LinearisedSseSlot];
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) record.covariance[i][j] = slots[CovarianceSlot + 3 * i + j];
    return record;
}

void storeRefinement(document::FitResult& fit, int kind, const Refinement& refinement) {
    if (!refinement.refined() || !isRefinable(kind)) return;
    auto& slots = fit.linearCoefficient;
    slots[MarkSlot] = RefinedMark;
    slots[IterationsSlot] = refinement.iterations;
    slots[EvaluationsSlot] = refinement.evaluations;
    slots[StopSlot] = static_cast<double>(static_cast<int>(refinement.stop));
    slots[SseSlot] = refinement.sse;
    slots[LinearisedSseSlot] = refinement.linearisedSse;
    const auto p = static_cast<std::size_t>(coefficientCount(kind));
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j < p; ++j) slots[CovarianceSlot + 3 * i + j] = refinement.covariance[i * p + j];
}

int refineCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, CurveFit* result,
                const RefineSettings& settings) {
    document::Curve work = curve;
    FitReport linearised;
    if (const int status = fitCurve(work, catalogue, henryY, &linearised); status != FitOk) return status;
    FitOptions options;
    options.statistics = catalogue.statistics(work.treatment);
    options.henryY = henryY;
    options.confidence = work.confidence;
    RefineOutcome outcome = refineFit(work.points.view(), work.treatment, fixedOf(work), linearised, options, settings);
    if (outcome.refinement.refined()) {
        storeFit(work.fit, outcome.report);
        storeRefinement(work.fit, work.treatment, outcome.refinement);
    }
    curve = std::move(work);
    if (result) {
        result->report = std::move(outcome.report);
        result->refineAsked = true;
        result->refinement = std::move(outcome.refinement);
    }
    return FitOk;
}

int computeCurveFit(document::Curve& curve, const Catalogue& catalogue, bool henryY, bool refine, CurveFit* result,
                    const RefineSettings& settings) {
    if (refine) return refineCurve(curve, catalogue, henryY, result, settings);
    FitReport report;
    const int status = fitCurve(curve, catalogue, henryY, &report);
    if (status == FitOk && result) {
        result->report = std::move(report);
        result->refineAsked = false;
        result->refinement = {};
    }
    return status;
}

int refitCurve(document::Curve& curve, const Catalogue& catalogue, bool henryY, CurveFit* result,
               const RefineSettings& settings) {
    return computeCurveFit(curve, catalogue, henryY, isRefined(curve), result, settings);
}

std::optional<double> refinedConfidenceBand(const document::Curve& curve, double x, int side) {
    const std::optional<RefinementRecord> record = storedRefinement(curve);
    if (!record) return std::nullopt;
    constexpr double Nothing = 1.0e35;
    const int kind = curve.treatment;
    Coefficients a{};
    std::copy_n(curve.fit.coefficient.begin(), a.size(), a.begin());
    Parameters theta{};
    if (!parametersFromCoefficients(kind, a, theta)) return Nothing;
    std::array<double, MaxRefineParameters> gradient{};
    const double f = modelAt(kind, theta, fixedOf(curve), x, gradient);
    // The covariance of θ from that of the coefficients each parameter stands for.
    const int q = refineParameterCount(kind);
    double variance = 0.0;
    for (int j = 0; j < q; ++j) {
        int cj = 0;
        const double sj = parameterScale(kind, j, a, cj);
        for (int k = 0; k < q; ++k) {
            int ck = 0;
            const double sk = parameterScale(kind, k, a, ck);
            variance += gradient[static_cast<std::size_t>(j)] * gradient[static_cast<std::size_t>(k)] * sj * sk *
                        record->covariance[static_cast<std::size_t>(cj)][static_cast<std::size_t>(ck)];
        }
    }
    if (!std::isfinite(variance)) return Nothing;
    const double y = f + side * curve.fit.studentT * std::sqrt(std::max(0.0, variance));
    return std::isfinite(y) ? y : Nothing;
}

}  // namespace ordinax::numerics
