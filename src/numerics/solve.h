// x = f(y): the abscissas where a curve's fitted model takes a given value, by
// the model's closed form when it has one, else by scanning the x axis.
#pragma once

#include <vector>

#include "document/diagram.h"
#include "numerics/model_value.h"

namespace ordinax::numerics {

inline constexpr int MaxSolutions = 6;

enum class SolveMethod { Closed, Scan };

struct SolveResult {
    std::vector<double> x;  // at most MaxSolutions values, in the order found
    SolveMethod method = SolveMethod::Scan;
};

struct ScanRange {
    double min = 0.0;
    double max = 0.0;
};

// The x range scanned for the models without a closed form: the main x
// scale's origin to extremity, or the curve's x extent when that scale is
// still empty.
ScanRange solveScanRange(const document::Diagram& diagram, const document::Curve& curve);

// True when the kind is solved by a closed form rather than by the scan.
bool hasClosedForm(int kind);

// The x where the curve's model equals y (y first taken to its normal
// quantile when the y axis has the HENRY scale). Cases without a solution (a
// negative square root, a division by zero, a value outside the model's
// domain) give none.
SolveResult solveFor(const document::Curve& curve, double y, const ScanRange& range, const AxisKinds& axes);

}  // namespace ordinax::numerics
