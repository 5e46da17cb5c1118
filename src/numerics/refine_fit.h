// Refinement of the linearised regression fits by nonlinear least squares:
// from the linearised solution, the coefficients that minimise Σ(y - f(x))²,
// with their statistics in y. A refinement that fails keeps the linearised fit.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "numerics/fit_curve.h"
#include "numerics/least_squares.h"

namespace ordinax::numerics {

// How a refinement ended.
enum class RefineStatus : int {
    Refined = 0,       // the refined fit is the one shown
    NotRefinable,      // the model is linear in its coefficients: nothing to refine
    ConstantY,         // all y are equal: the linearised fit is exact
    StartNotFinite,    // the linearised model has no value at some point
    NotConverged,      // the evaluation budget ran out before a minimum
    Cancelled,         // stopped by the caller
    NumericalFailure,  // the derivatives could not be computed or factorised
    Undetermined,      // the derivatives are dependent at the minimum: no unique coefficients
    OutOfRange,        // a coefficient beyond ±1e35 or not a number
};

struct RefineSettings {
    LeastSquaresSettings minimiser;
    // Called at each evaluation of the model over the points with their
    // count so far; returning false stops the refinement (Cancelled).
    std::function<bool(int evaluations)> progress;
};

// What a refinement tells beside the fit it shows.
struct Refinement {
    RefineStatus status = RefineStatus::NotRefinable;
    bool minimiserRan = false;
    LeastSquaresStop stop = LeastSquaresStop::NumericalFailure;  // when the minimiser ran
    int iterations = 0;
    int evaluations = 0;
    double sse = 0.0;            // Σ(y - f(x))² of the fit shown
    double linearisedSse = 0.0;  // Σ(y - f(x))² of the linearised coefficients
    std::vector<double> linearisedCoefficients;
    std::vector<double> covariance;  // p×p, row-major, of the refined coefficients

    bool refined() const { return status == RefineStatus::Refined; }
};

struct RefineOutcome {
    FitReport report;  // the fit shown: refined, or the linearised one when refinement failed
    Refinement refinement;
};

// Refines the linearised fit `linearised` of model `kind` to the points. The
// points are those the linearised fit was given (with `options.henryY` the
// normal quantiles of y are fitted, without the last point, as there). On
// success the report holds the refined coefficients and their statistics in
// y: dof = n - free parameters, Student's t for options.confidence, the
// variances and intervals of the coefficients from the Jacobian at the
// minimum. Otherwise it is `linearised` unchanged and the status says why.
RefineOutcome refineFit(std::span<const document::Point> points, int kind, const FitParameters& fixed,
                        const FitReport& linearised, const FitOptions& options, const RefineSettings& settings = {});

// Σ(y - f(x))² of model `kind` with coefficients `coefficients` over the points; not a number when
// the model has no value at a point. Only for refinable kinds.
double squaredErrors(std::span<const document::Point> points, int kind, const FitParameters& fixed,
                     std::span<const double> coefficients);

// How a refinement ended, in French (UTF-8): the stop at the minimum, or why
// the linearised fit was kept.
std::string refineReason(RefineStatus status, LeastSquaresStop stop, int evaluations);
std::string refineReason(const Refinement& refinement);

// The message shown when a refinement asked for is not kept: a warning
// ("ATTENTION") with its reason, or a remark ("REMARQUE") when there was
// nothing to refine; empty for a refined fit.
base::Message refineWarning(const Refinement& refinement);

}  // namespace ordinax::numerics
