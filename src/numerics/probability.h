// Probability helpers of the fits: the normal quantile and probability of the
// normal-probability (HENRY) scale, and Student's two-sided quantile.
#pragma once

#include <optional>

namespace ordinax::numerics {

// Normal quantile z of a probability p, walked from a small table of z values
// with the trapezoid rule in steps of 0.001 (at most z = 4). p outside the
// open interval (0, 1) has no quantile: nullopt.
std::optional<double> normalQuantile(double p);

// Normal probability of z, the inverse of normalQuantile (same table and walk);
// nullopt for a value that is not a number.
std::optional<double> normalProbability(double z);

// Upper-tail normal quantile for a probability q in (0, 0.5] by the rational
// approximation used for Student's quantile (absolute error below 4.5e-4).
std::optional<double> normalQuantileApprox(double q);

// Two-sided Student quantile t(alpha, dof): 0 for dof 0, closed forms for 1
// and 2, Hill's approximation up to 20, a normal expansion above; nullopt
// when alpha is outside (0, 2) or the computation fails.
std::optional<double> studentQuantile(double alpha, int dof);

}  // namespace ordinax::numerics
