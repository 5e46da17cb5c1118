// refineFit: the problem over the points reduced block by block, the
// minimisation from the linearised solution, and the statistics in y.
#include "numerics/refine_fit.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

#include "base/strings.h"
#include "base/strings_refinement.h"
#include "expression/primitives.h"
#include "numerics/probability.h"
#include "numerics/refine_models.h"

namespace ordinax::numerics {

namespace {

using document::Point;
using Gradient = std::array<double, MaxRefineParameters>;

// Folds the rows [A | b] of a block into R and Qᵀf by Householder reflections
// that keep R triangular; what the reflections leave in b below R adds to the
// squared norm of the rest. A and b are overwritten.
template <int Q>
void foldBlock(ReducedSystem& s, double* b, Gradient* a, std::size_t m, long double& restSquares) {
    for (int j = 0; j < Q; ++j) {
        double sigma = 0.0;
        for (std::size_t i = 0; i < m; ++i) sigma += a[i][j] * a[i][j];
        if (sigma == 0.0) continue;
        const double alpha = s.r[j][j];
        const double norm = std::sqrt(alpha * alpha + sigma);
        const double beta = alpha >= 0.0 ? -norm : norm;
        const double inverseHead = 1.0 / (alpha - beta);
        const double tau = (beta - alpha) / beta;
        for (std::size_t i = 0; i < m; ++i) a[i][j] *= inverseHead;  // the reflection's vector, its head being 1
        for (int k = j + 1; k < Q; ++k) {
            double w = s.r[j][k];
            for (std::size_t i = 0; i < m; ++i) w += a[i][j] * a[i][k];
            w *= tau;
            s.r[j][k] -= w;
            for (std::size_t i = 0; i < m; ++i) a[i][k] -= w * a[i][j];
        }
        double w = s.qtf[j];
        for (std::size_t i = 0; i < m; ++i) w += a[i][j] * b[i];
        w *= tau;
        s.qtf[j] -= w;
        for (std::size_t i = 0; i < m; ++i) b[i] -= w * a[i][j];
        s.r[j][j] = beta;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < m; ++i) sum += b[i] * b[i];
    restSquares += sum;
}

// The points of one share of the work with the buffers of its blocks.
struct Share {
    static constexpr std::size_t Block = 256;
    std::array<double, Block> residual{};
    std::array<Gradient, Block> jacobian{};
    ReducedSystem system;
    long double restSquares = 0.0L;

    void fold(int kind, int q, const Parameters& t, const FitParameters& fixed, std::span<const Point> points) {
        system = ReducedSystem{};
        restSquares = 0.0L;
        for (std::size_t first = 0; first < points.size(); first += Block) {
            const std::size_t m = std::min(Block, points.size() - first);
            evaluateBlock(kind, t, fixed, points.subspan(first, m), residual.data(), jacobian.data());
            foldRows(q, system, residual.data(), jacobian.data(), m, restSquares);
        }
    }

    static void foldRows(int q, ReducedSystem& s, double* b, Gradient* a, std::size_t m, long double& restSquares) {
        switch (q) {
            case 1: foldBlock<1>(s, b, a, m, restSquares); break;
            case 2: foldBlock<2>(s, b, a, m, restSquares); break;
            default: foldBlock<3>(s, b, a, m, restSquares); break;
        }
    }
};

// The residuals f(x) - y of a model over the points, reduced at each θ. A
// large set is reduced in two halves at once, the second half's triangle
// then folded into the first's. The last reductions are kept: the minimiser
// and the statistics ask again for points already reduced.
class PointsProblem final : public ReducedProblem {
public:
    PointsProblem(std::span<const Point> points, int kind, const FitParameters& fixed, const RefineSettings& settings)
        : points_(points), kind_(kind), q_(refineParameterCount(kind)), fixed_(fixed), settings_(settings) {}

    bool reduce(const double* theta, ReducedSystem& s) override {
        Parameters t{};
        std::copy(theta, theta + q_, t.begin());
        for (const Kept& kept : kept_)
            if (kept.valid && kept.theta == t) {
                s = kept.system;
                return true;
            }
        ++evaluations_;
        if (settings_.progress && !settings_.progress(evaluations_)) return false;
        if (points_.size() >= TwoThreadsFrom && reduceInTwo(t)) {
            Share::foldRows(q_, first_.system, second_.system.qtf.data(), rows(second_.system), q_, first_.restSquares);
            first_.restSquares += second_.restSquares;
        } else {
            first_.fold(kind_, q_, t, fixed_, points_);
        }
        s = first_.system;
        s.rest = static_cast<double>(std::sqrt(first_.restSquares));
        for (int i = 0; i < q_; ++i)
            for (int j = i; j < q_; ++j)
                if (!std::isfinite(s.r[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)])) s.finiteJacobian = false;
        kept_[next_] = {true, t, s};
        next_ = (next_ + 1) % kept_.size();
        return true;
    }

private:
    static constexpr std::size_t TwoThreadsFrom = 100'000;

    struct Kept {
        bool valid = false;
        Parameters theta{};
        ReducedSystem system;
    };

    // The rows of a triangle as a block of rows to fold: R in `jacobian`.
    Gradient* rows(const ReducedSystem& other) {
        for (int i = 0; i < q_; ++i)
            for (int j = 0; j < MaxRefineParameters; ++j)
                second_.jacobian[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                    j < q_ ? other.r[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] : 0.0;
        return second_.jacobian.data();
    }

    // Reduces the two halves on two threads; false (nothing done) when no thread can be started.
    bool reduceInTwo(const Parameters& t) {
        const std::size_t half = points_.size() / 2;
        try {
            std::thread worker([&] { second_.fold(kind_, q_, t, fixed_, points_.subspan(half)); });
            first_.fold(kind_, q_, t, fixed_, points_.first(half));
            worker.join();
        } catch (const std::system_error&) {
            return false;
        }
        return true;
    }

    std::span<const Point> points_;
    int kind_;
    int q_;
    FitParameters fixed_;
    const RefineSettings& settings_;
    int evaluations_ = 0;
    Share first_, second_;
    std::array<Kept, 4> kept_{};
    std::size_t next_ = 0;
};

double squaredNorm(const ReducedSystem& s, int q) {
    double sum = s.rest * s.rest;
    for (int j = 0; j < q; ++j) sum += s.qtf[static_cast<std::size_t>(j)] * s.qtf[static_cast<std::size_t>(j)];
    return sum;
}

// (RᵀR)⁻¹ of a triangular factor; false when R is singular to working
// precision relative to the norms of its columns (dependent derivatives).
bool inverseNormalMatrix(const ReducedSystem& s, int q, double (&inverse)[MaxRefineParameters][MaxRefineParameters]) {
    double rInverse[MaxRefineParameters][MaxRefineParameters] = {};
    for (int j = 0; j < q; ++j) {
        double column = 0.0;
        for (int i = 0; i <= j; ++i) column += s.r[i][j] * s.r[i][j];
        if (!(std::fabs(s.r[j][j]) > 1.0e-12 * std::sqrt(column))) return false;
    }
    for (int j = q - 1; j >= 0; --j) {
        rInverse[j][j] = 1.0 / s.r[j][j];
        for (int i = j - 1; i >= 0; --i) {
            double sum = 0.0;
            for (int k = i + 1; k <= j; ++k) sum += s.r[i][k] * rInverse[k][j];
            rInverse[i][j] = -sum / s.r[i][i];
        }
    }
    for (int i = 0; i < q; ++i)
        for (int j = 0; j < q; ++j) {
            double sum = 0.0;
            for (int k = std::max(i, j); k < q; ++k) sum += rInverse[i][k] * rInverse[j][k];
            inverse[i][j] = sum;
        }
    return true;
}

// The points the fit works on: the normal quantiles of y without the last
// point on a probability axis, as the linearised fit takes them.
bool fittedPoints(std::span<const Point> points, bool henryY, std::vector<Point>& storage, std::span<const Point>& out) {
    if (!henryY) {
        out = points;
        return true;
    }
    if (points.empty()) return false;
    storage.assign(points.begin(), points.end() - 1);
    for (Point& p : storage) {
        const auto z = normalQuantile(p.y);
        if (!z) return false;
        p.y = *z;
    }
    out = storage;
    return true;
}

// The summary of a refinement carried by the report of the fit shown.
void summarise(const Refinement& refinement, FitReport& report) {
    report.refineAsked = true;
    report.refined = refinement.refined();
    report.refineIterations = refinement.iterations;
    report.refineReason = refineReason(refinement);
}

RefineOutcome keepLinearised(const FitReport& linearised, Refinement refinement, RefineStatus status) {
    refinement.status = status;
    refinement.sse = refinement.linearisedSse;
    refinement.covariance.clear();
    RefineOutcome outcome{linearised, std::move(refinement)};
    summarise(outcome.refinement, outcome.report);
    return outcome;
}

// The statistics in y of the refined coefficients `a` at the minimum.
void statisticsInY(std::span<const Point> points, int kind, const Coefficients& a, double sse, int q,
                   const double (&covariance)[MaxCoefficients][MaxCoefficients], double studentT, FitReport& report) {
    const int p = coefficientCount(kind);
    const int n = static_cast<int>(points.size());
    long double sx = 0, sy = 0;
    for (const Point& pt : points) sx += pt.x, sy += pt.y;
    const long double meanX = sx / n, meanY = sy / n;
    long double sxx = 0, syy = 0;
    for (const Point& pt : points) sxx += (pt.x - meanX) * (pt.x - meanX), syy += (pt.y - meanY) * (pt.y - meanY);
    const double sst = static_cast<double>(syy);

    report.kind = kind;
    report.coefficients.assign(a.begin(), a.begin() + p);
    report.n = n;
    report.dof = n - q;
    report.meanX = static_cast<double>(meanX);
    report.meanY = static_cast<double>(meanY);
    report.varX = static_cast<double>(sxx / n);
    report.varY = static_cast<double>(syy / n);
    report.residualVar = report.dof > 0 ? sse / report.dof : 0.0;
    report.explainedVar = std::max(0.0, report.varY - report.residualVar);
    double determination = 0.0;
    if (n == q) {
        determination = 1.0;
    } else if (sst > 0.0) {
        determination = 1.0 - (sse / sst) * (n - 1) / (n - q);
    }
    report.determination = std::clamp(determination, 0.0, 1.0);
    report.correlation = std::sqrt(report.determination);
    report.fValue = -1.0;
    if (q > 1 && report.dof > 0 && sse > 0.0 && report.determination < 1.0)
        report.fValue = ((sst - sse) / (q - 1)) / (sse / report.dof);
    report.studentT = studentT;
    report.hasStatistics = true;
    report.variances.assign(static_cast<std::size_t>(p), 0.0);
    report.intervals.clear();
    for (int i = 0; i < p; ++i) {
        const double variance = std::max(0.0, covariance[i][i]);
        report.variances[static_cast<std::size_t>(i)] = variance;
        const double half = studentT * std::sqrt(variance);
        report.intervals.push_back({a[static_cast<std::size_t>(i)] - half, a[static_cast<std::size_t>(i)] + half});
    }
}

}  // namespace

double squaredErrors(std::span<const Point> points, int kind, const FitParameters& fixed,
                     std::span<const double> coefficients) {
    Coefficients a{};
    std::copy_n(coefficients.begin(), std::min<std::size_t>(coefficients.size(), a.size()), a.begin());
    Parameters theta{};
    if (!isRefinable(kind) || !parametersFromCoefficients(kind, a, theta)) return std::nan("");
    const RefineSettings settings;
    PointsProblem problem(points, kind, fixed, settings);
    ReducedSystem s;
    problem.reduce(theta.data(), s);
    return squaredNorm(s, refineParameterCount(kind));
}

RefineOutcome refineFit(std::span<const Point> allPoints, int kind, const FitParameters& fixed,
                        const FitReport& linearised, const FitOptions& options, const RefineSettings& settings) {
    Refinement refinement;
    refinement.linearisedCoefficients = linearised.coefficients;
    if (!isRefinable(kind)) return keepLinearised(linearised, std::move(refinement), RefineStatus::NotRefinable);

    std::vector<Point> storage;
    std::span<const Point> points;
    Coefficients a{};
    std::copy_n(linearised.coefficients.begin(), std::min(linearised.coefficients.size(), a.size()), a.begin());
    Parameters theta{};
    const int q = refineParameterCount(kind);
    if (!fittedPoints(allPoints, options.henryY, storage, points) || static_cast<int>(points.size()) < q ||
        !parametersFromCoefficients(kind, a, theta))
        return keepLinearised(linearised, std::move(refinement), RefineStatus::StartNotFinite);
    const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                  [](const Point& l, const Point& r) { return l.y < r.y; });
    if (minY->y == maxY->y) return keepLinearised(linearised, std::move(refinement), RefineStatus::ConstantY);

    PointsProblem problem(points, kind, fixed, settings);
    ReducedSystem start;
    if (!problem.reduce(theta.data(), start))
        return keepLinearised(linearised, std::move(refinement), RefineStatus::Cancelled);
    refinement.linearisedSse = squaredNorm(start, q);
    if (!std::isfinite(refinement.linearisedSse))
        return keepLinearised(linearised, std::move(refinement), RefineStatus::StartNotFinite);

    const LeastSquaresResult minimum = minimiseLeastSquares(problem, q, theta.data(), settings.minimiser);
    refinement.minimiserRan = true;
    refinement.stop = minimum.stop;
    refinement.iterations = minimum.iterations;
    refinement.evaluations = minimum.evaluations;
    switch (minimum.stop) {
        case LeastSquaresStop::TooManyEvaluations:
            return keepLinearised(linearised, std::move(refinement), RefineStatus::NotConverged);
        case LeastSquaresStop::Cancelled:
            return keepLinearised(linearised, std::move(refinement), RefineStatus::Cancelled);
        case LeastSquaresStop::NumericalFailure:
            return keepLinearised(linearised, std::move(refinement), RefineStatus::NumericalFailure);
        default:
            break;
    }

    // The factor at the minimum gives the covariance of θ, carried to the coefficients.
    ReducedSystem atMinimum;
    if (!problem.reduce(theta.data(), atMinimum))
        return keepLinearised(linearised, std::move(refinement), RefineStatus::Cancelled);
    const double sse = squaredNorm(atMinimum, q);
    if (!std::isfinite(sse) || !atMinimum.finiteJacobian)
        return keepLinearised(linearised, std::move(refinement), RefineStatus::NumericalFailure);
    double normalInverse[MaxRefineParameters][MaxRefineParameters] = {};
    if (!inverseNormalMatrix(atMinimum, q, normalInverse))
        return keepLinearised(linearised, std::move(refinement), RefineStatus::Undetermined);

    std::array<std::array<double, MaxRefineParameters>, MaxCoefficients> derivative{};
    coefficientsFromParameters(kind, theta, fixed, a, &derivative);
    const int p = coefficientCount(kind);
    for (int i = 0; i < p; ++i) {
        double value = a[static_cast<std::size_t>(i)];
        if (!std::isfinite(value) || expression::clampResult(value))
            return keepLinearised(linearised, std::move(refinement), RefineStatus::OutOfRange);
    }
    const int n = static_cast<int>(points.size());
    const double residualVar = n > q ? sse / (n - q) : 0.0;
    double covariance[MaxCoefficients][MaxCoefficients] = {};
    for (int i = 0; i < p; ++i)
        for (int j = 0; j < p; ++j) {
            double sum = 0.0;
            for (int k = 0; k < q; ++k)
                for (int l = 0; l < q; ++l)
                    sum += derivative[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] * normalInverse[k][l] *
                           derivative[static_cast<std::size_t>(j)][static_cast<std::size_t>(l)];
            covariance[i][j] = residualVar * sum;
        }
    const std::optional<double> t = studentQuantile(1.0 - options.confidence / 100.0, n - q);
    if (!t) return keepLinearised(linearised, std::move(refinement), RefineStatus::NumericalFailure);

    RefineOutcome outcome;
    outcome.report.linear = linearised.linear;
    statisticsInY(points, kind, a, sse, q, covariance, *t, outcome.report);
    refinement.status = RefineStatus::Refined;
    refinement.sse = sse;
    refinement.covariance.clear();
    for (int i = 0; i < p; ++i)
        for (int j = 0; j < p; ++j) refinement.covariance.push_back(covariance[i][j]);
    outcome.refinement = std::move(refinement);
    summarise(outcome.refinement, outcome.report);
    return outcome;
}

std::string refineReason(RefineStatus status, LeastSquaresStop stop, int evaluations) {
    using base::messageText;
    switch (status) {
        case RefineStatus::Refined:
            switch (stop) {
                case LeastSquaresStop::ReductionSmall: return std::string(messageText(base::MsgRefineStopReduction));
                case LeastSquaresStop::StepSmall: return std::string(messageText(base::MsgRefineStopStep));
                case LeastSquaresStop::ReductionAndStepSmall: return std::string(messageText(base::MsgRefineStopBoth));
                case LeastSquaresStop::GradientOrthogonal: return std::string(messageText(base::MsgRefineStopGradient));
                default: return std::string(messageText(base::MsgRefineStopPrecision));
            }
        case RefineStatus::NotRefinable: return std::string(messageText(base::MsgRefineReasonNotRefinable));
        case RefineStatus::ConstantY: return std::string(messageText(base::MsgRefineReasonConstantY));
        case RefineStatus::StartNotFinite: return std::string(messageText(base::MsgRefineReasonStartNotFinite));
        case RefineStatus::NotConverged:
            return base::makeMessage(base::MsgRefineReasonNotConverged, base::Heading::None, std::to_string(evaluations)).text;
        case RefineStatus::Cancelled: return std::string(messageText(base::MsgRefineReasonCancelled));
        case RefineStatus::NumericalFailure: return std::string(messageText(base::MsgRefineReasonNumerical));
        case RefineStatus::Undetermined: return std::string(messageText(base::MsgRefineReasonUndetermined));
        case RefineStatus::OutOfRange: return std::string(messageText(base::MsgRefineReasonOutOfRange));
    }
    return {};
}

std::string refineReason(const Refinement& refinement) {
    return refineReason(refinement.status, refinement.stop, refinement.evaluations);
}

base::Message refineWarning(const Refinement& refinement) {
    if (refinement.refined()) return {};
    if (refinement.status == RefineStatus::NotRefinable || refinement.status == RefineStatus::ConstantY)
        return base::makeMessage(base::MsgRefineNotNeeded, base::Heading::Remark, refineReason(refinement));
    return base::makeMessage(base::MsgRefineNotKept, base::Heading::Warning, refineReason(refinement));
}

}  // namespace ordinax::numerics
