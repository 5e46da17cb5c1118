// Nonlinear least squares by the Levenberg-Marquardt method (the trust-region
// variant of MINPACK's lmder, as Eigen's module carries it). The problem is
// handed over already reduced at each point: a million residuals become a
// 3×3 triangular factor, so the minimiser's own work does not grow with them.
#pragma once

#include <array>

namespace ordinax::numerics {

inline constexpr int MaxLeastSquaresParameters = 3;

// The problem min ‖f(θ)‖² at one θ, as the QR factorisation J = Q·R of its
// Jacobian leaves it: R (upper triangular), the first components of Qᵀf and
// the norm of the rest of f, so that ‖f‖² = ‖qtf‖² + rest².
struct ReducedSystem {
    std::array<std::array<double, MaxLeastSquaresParameters>, MaxLeastSquaresParameters> r = {};
    std::array<double, MaxLeastSquaresParameters> qtf = {};
    double rest = 0.0;
    bool finiteJacobian = true;  // false: a derivative could not be computed
};

class ReducedProblem {
public:
    virtual ~ReducedProblem() = default;
    // Reduces the problem at θ (its first q values). Returns false to stop the
    // minimisation (the user cancelled). A residual that cannot be computed
    // leaves a non-number in `system`: the minimiser then refuses that step.
    virtual bool reduce(const double* theta, ReducedSystem& system) = 0;
};

// Why the minimisation stopped.
enum class LeastSquaresStop {
    ReductionSmall,           // the relative reduction of ‖f‖² fell below the tolerance
    StepSmall,                // the relative change of θ fell below the tolerance
    ReductionAndStepSmall,    // both
    GradientOrthogonal,       // f is orthogonal to the columns of the Jacobian
    MachinePrecision,         // no further reduction is possible in double precision
    TooManyEvaluations,       // the evaluation budget ran out first
    Cancelled,                // `reduce` asked to stop
    NumericalFailure,         // the Jacobian could not be computed or factorised
};

// True for the stops at a minimum.
constexpr bool converged(LeastSquaresStop stop) {
    return stop == LeastSquaresStop::ReductionSmall || stop == LeastSquaresStop::StepSmall ||
           stop == LeastSquaresStop::ReductionAndStepSmall || stop == LeastSquaresStop::GradientOrthogonal ||
           stop == LeastSquaresStop::MachinePrecision;
}

struct LeastSquaresSettings {
    double tolerance = 1.0e-14;  // relative, on ‖f‖² and on θ
    int maxEvaluations = 200;    // reductions at trial points
};

struct LeastSquaresResult {
    LeastSquaresStop stop = LeastSquaresStop::NumericalFailure;
    int iterations = 0;   // linearisations (Jacobians) made
    int evaluations = 0;  // values of f computed, the start included
};

// Minimises ‖f(θ)‖² from θ (q values, 1 <= q <= 3), which it replaces by the
// best point reached. The value at the start must be finite.
LeastSquaresResult minimiseLeastSquares(ReducedProblem& problem, int q, double* theta,
                                        const LeastSquaresSettings& settings);

}  // namespace ordinax::numerics
