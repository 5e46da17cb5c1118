// The regression models that are nonlinear in their coefficients, as the
// refinement in y sees them: their free parameters, the values of each model
// with its derivatives, and the passage between parameters and coefficients.
#pragma once

#include <array>
#include <span>

#include "document/diagram.h"
#include "numerics/fit_curve.h"

namespace ordinax::numerics {

// At most three free parameters: the refinable models have up to three coefficients.
inline constexpr int MaxRefineParameters = 3;

// True for the models nonlinear in their coefficients (BETA, CAUCHY, EXP, ...).
// The others (polynomials, LIN, LOG, HYP, GPOL2, ...) are linear in them: their
// fit already minimises the squared errors in y.
bool isRefinable(int kind);

// Number of free parameters of a refinable model: its coefficient count, one
// for RECLINTP (a0 follows from the fixed point (r, s)); 0 for other kinds.
int refineParameterCount(int kind);

// The free parameters θ of a model. Most are coefficients; a1 of HOERL,
// MODHOERL, MODPOW and ROOT is a base raised to a power and is carried as
// ln a1, which keeps it positive whatever step the minimisation tries.
using Parameters = std::array<double, MaxRefineParameters>;
using Coefficients = std::array<double, MaxCoefficients>;

// θ from coefficients; false when they have no such form (a base a1 <= 0).
bool parametersFromCoefficients(int kind, const Coefficients& a, Parameters& theta);

// Coefficients from θ (RECLINTP's a0 from the point (r, s)), and the
// derivatives ∂a_i/∂θ_j in `derivative` (row i, column j) when it is given.
void coefficientsFromParameters(int kind, const Parameters& theta, const FitParameters& fixed, Coefficients& a,
                                std::array<std::array<double, MaxRefineParameters>, MaxCoefficients>* derivative);

// The coefficient that free parameter j stands for (`coefficient`) and the
// derivative ∂θ_j/∂a of that coefficient at `a` (1, or 1/a1 for a logarithm).
double parameterScale(int kind, int j, const Coefficients& a, int& coefficient);

// Evaluates the model at the points of a block: residual[i] = f(x_i) - y_i and
// jacobian[i][j] = ∂f/∂θ_j at x_i. Values that cannot be computed come out
// as non-numbers, which the caller treats as a failed step.
void evaluateBlock(int kind, const Parameters& theta, const FitParameters& fixed,
                   std::span<const document::Point> points, double* residual,
                   std::array<double, MaxRefineParameters>* jacobian);

// f(x) and ∂f/∂θ at one abscissa.
double modelAt(int kind, const Parameters& theta, const FitParameters& fixed, double x,
               std::array<double, MaxRefineParameters>& gradient);

}  // namespace ordinax::numerics
