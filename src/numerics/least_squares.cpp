// The Levenberg-Marquardt driver over Eigen's module. This is the only file
// of the program that includes Eigen: its templates are heavy to compile.
//
// The minimiser sees the reduced problem g(θ) = [Qᵀf; rest] with the Jacobian
// [R; 0]: both have the norm, the gradient Jᵀf and the Gauss-Newton matrix JᵀJ
// of the whole problem, which is all its steps and tests use.
#include "numerics/least_squares.h"

#include <cmath>

#include <Eigen/Core>
#include <unsupported/Eigen/LevenbergMarquardt>

namespace ordinax::numerics {

namespace {

struct Functor : Eigen::DenseFunctor<double> {
    ReducedProblem& problem;
    int q;
    ReducedSystem last;          // the system at `lastTheta`
    Eigen::VectorXd lastTheta;   // empty until the first reduction
    bool cancelled = false;
    bool jacobianFailed = false;
    int evaluations = 0;

    Functor(ReducedProblem& p, int parameters) : DenseFunctor<double>(parameters, parameters + 1), problem(p), q(parameters) {}

    bool reduceAt(const Eigen::VectorXd& theta) {
        if (!problem.reduce(theta.data(), last)) {
            cancelled = true;
            return false;
        }
        lastTheta = theta;
        return true;
    }

    int operator()(const Eigen::VectorXd& theta, Eigen::VectorXd& g) {
        ++evaluations;
        if (!reduceAt(theta)) return -1;
        for (int j = 0; j < q; ++j) g[j] = last.qtf[static_cast<std::size_t>(j)];
        g[q] = last.rest;
        return 0;
    }

    // The minimiser asks for the Jacobian at the point it has just accepted,
    // whose reduction is the last one made; any other point is reduced again.
    int df(const Eigen::VectorXd& theta, Eigen::MatrixXd& jacobian) {
        if (lastTheta.size() != theta.size() || lastTheta != theta) {
            if (!reduceAt(theta)) return -1;
        }
        if (!last.finiteJacobian) {
            jacobianFailed = true;
            return -1;
        }
        jacobian.setZero(q + 1, q);
        for (int i = 0; i < q; ++i)
            for (int j = i; j < q; ++j) jacobian(i, j) = last.r[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        return 0;
    }
};

LeastSquaresStop stopOf(Eigen::LevenbergMarquardtSpace::Status status, const Functor& functor) {
    using S = Eigen::LevenbergMarquardtSpace::Status;
    switch (status) {
        case S::RelativeReductionTooSmall: return LeastSquaresStop::ReductionSmall;
        case S::RelativeErrorTooSmall: return LeastSquaresStop::StepSmall;
        case S::RelativeErrorAndReductionTooSmall: return LeastSquaresStop::ReductionAndStepSmall;
        case S::CosinusTooSmall: return LeastSquaresStop::GradientOrthogonal;
        case S::FtolTooSmall: case S::XtolTooSmall: case S::GtolTooSmall: return LeastSquaresStop::MachinePrecision;
        case S::TooManyFunctionEvaluation: return LeastSquaresStop::TooManyEvaluations;
        case S::UserAsked: return functor.cancelled ? LeastSquaresStop::Cancelled : LeastSquaresStop::NumericalFailure;
        default: return LeastSquaresStop::NumericalFailure;
    }
}

}  // namespace

LeastSquaresResult minimiseLeastSquares(ReducedProblem& problem, int q, double* theta,
                                        const LeastSquaresSettings& settings) {
    LeastSquaresResult result;
    if (q < 1 || q > MaxLeastSquaresParameters) return result;
    Functor functor(problem, q);
    Eigen::LevenbergMarquardt<Functor> lm(functor);
    lm.setFtol(settings.tolerance);
    lm.setXtol(settings.tolerance);
    lm.setGtol(0.0);
    lm.setMaxfev(settings.maxEvaluations);
    Eigen::VectorXd x = Eigen::Map<const Eigen::VectorXd>(theta, q);
    const Eigen::LevenbergMarquardtSpace::Status status = lm.minimize(x);
    result.stop = stopOf(status, functor);
    result.iterations = static_cast<int>(lm.njev());
    result.evaluations = functor.evaluations;
    for (int j = 0; j < q; ++j) theta[j] = x[j];
    return result;
}

}  // namespace ordinax::numerics
