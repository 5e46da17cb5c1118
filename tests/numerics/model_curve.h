// A curve that carries a fitted model: its treatment, coefficients and fixed parameters.
#pragma once

#include <cstddef>
#include <vector>

#include "document/diagram.h"

namespace ordinax::numerics::fixtures {

inline document::Curve modelCurve(int kind, std::vector<double> a, std::vector<double> fixed = {}) {
    document::Curve curve;
    curve.treatment = kind;
    for (std::size_t i = 0; i < a.size(); ++i) curve.fit.coefficient[i] = a[i];
    for (std::size_t i = 0; i < fixed.size(); ++i) curve.fit.stats[i] = fixed[i];
    return curve;
}

}  // namespace ordinax::numerics::fixtures
