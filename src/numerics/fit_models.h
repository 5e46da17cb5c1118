// The linearised form of each regression model: the rows of its least-squares
// problem and the conversion of the solution into the model's coefficients.
#pragma once

#include <span>

#include "numerics/fit_curve.h"
#include "numerics/normal_system.h"

namespace ordinax::numerics {

// Accumulates the normal sums of model `kind` over the points (one pass).
NormalSums modelSums(int kind, std::span<const document::Point> points, const FitParameters& parameters);

// Coefficients of a model from the solution of its linear problem.
struct ModelCoefficients {
    bool ok = false;  // false: a conversion failed (a zero divisor, a logarithm of a non-positive value)
    double linear[MaxCoefficients] = {};
    double coefficient[MaxCoefficients] = {};
    bool exponentiated[MaxCoefficients] = {};  // coefficient = e^linear
};

// Converts the unknowns u of the linear problem into the linear coefficients
// c and the coefficients a of the model.
ModelCoefficients convertSolution(int kind, const Quad (&u)[MaxCoefficients], const FitParameters& parameters);

// True for the models whose first coefficient is fitted as its logarithm.
bool hasLogarithmicConstant(int kind);

}  // namespace ordinax::numerics
