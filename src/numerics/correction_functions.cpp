// The correction functions of the points grid.
#include "numerics/correction_functions.h"

#include <cmath>

#include "expression/primitives.h"

namespace ordinax::numerics {

using expression::DegreesToRadians;
using expression::RadiansToDegrees;

double roundToStep(double v, double step) {
    if (!(step > 0.0) || !std::isfinite(step)) return v;
    // A step of 10^-n must give exactly what n decimals give (0.1 and 1 decimal
    // agree on 0.15), so powers of ten go through the decimal rounding.
    const double decimals = -std::log10(step);
    const double whole = std::round(decimals);
    if (std::fabs(decimals - whole) < 1e-12 && std::fabs(whole) < 308.0)
        return expression::roundTo(v, static_cast<int>(whole));
    const double scaled = v / step;
    // Beyond 2^52 every double is an integer multiple already.
    if (!(std::fabs(scaled) < 4503599627370496.0)) return v;
    return std::round(scaled) * step;
}

double correctionValue(const CorrectionParameters& p, double v) {
    const double a = p.coefficient[0];
    const double b = p.coefficient[1];
    const double c = p.coefficient[2];
    const double d = p.coefficient[3];
    const double e = p.coefficient[4];
    const double angle = p.degrees ? b * v * DegreesToRadians : b * v;
    switch (p.function) {
        case CorrectionAdd:
            return v + a;
        case CorrectionMultiply:
            return v * a;
        case CorrectionDivide:
            return v / a;
        case CorrectionPolynomial:
            return a + v * (b + v * (c + v * (d + v * e)));
        case CorrectionLog10:
            return a * std::log10(b * v) + c;
        case CorrectionPower10:
            return a * std::pow(10.0, v) + b;
        case CorrectionLn:
            return a * std::log(b * v) + c;
        case CorrectionExp:
            return a * std::exp(b * v) + c;
        case CorrectionReciprocal:
            return 1.0 / v;
        case CorrectionPower:
            return a * std::pow(v, b) + c;
        case CorrectionSin:
            return a * std::sin(angle) + c;
        case CorrectionCos:
            return a * std::cos(angle) + c;
        case CorrectionTan:
            return a * std::tan(angle) + c;
        case CorrectionAtan: {
            // In degrees the whole result is converted, not the argument.
            const double r = a * std::atan(b * v) + c;
            return p.degrees ? r * RadiansToDegrees : r;
        }
        case CorrectionAbs:
            return std::fabs(v);
        case CorrectionRound:
            return p.byStep ? roundToStep(v, p.step) : expression::roundTo(v, p.decimals);
        default:
            return v;
    }
}

}  // namespace ordinax::numerics
