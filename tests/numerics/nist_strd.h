// Reader of the NIST StRD regression files used as certified references.
#pragma once

#include <string>
#include <vector>

#include "document/point_buffer.h"

namespace ordinax::numerics::test {

struct NistDataset {
    std::vector<double> estimate;   // B0, B1, ... (B1 only for the no-intercept sets)
    std::vector<double> deviation;  // standard deviation of each estimate
    double residualDeviation = 0.0;
    double rSquared = 0.0;
    double fStatistic = 0.0;        // infinity when the file says "Infinity"
    std::vector<document::Point> points;  // (x, y)
};

// Reads tests/numerics/data/nist-strd/<name>.dat.
NistDataset readNist(const std::string& name);

// A nonlinear dataset: certified parameters b1.. with their standard
// deviations, the residual sum of squares and standard deviation.
struct NistNonlinear {
    std::vector<double> estimate;
    std::vector<double> deviation;
    double residualSquares = 0.0;
    double residualDeviation = 0.0;
    int dof = 0;
    std::vector<document::Point> points;  // (x, y)
};

// Reads a nonlinear file tests/numerics/data/nist-strd/<name>.dat.
NistNonlinear readNistNonlinear(const std::string& name);

// Log relative error: the number of agreeing significant digits (15 when equal).
double logRelativeError(double certified, double computed);

}  // namespace ordinax::numerics::test
