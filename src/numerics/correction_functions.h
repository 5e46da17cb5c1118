// The correction functions of the points grid: sixteen formulas y = f(v) of
// one coordinate with coefficients a..e, the last one a rounding to decimals
// or to a step.
#pragma once

#include <array>

namespace ordinax::numerics {

inline constexpr int CorrectionFunctionCount = 16;

// Numbers of the formulas, in the order of the dialog's list.
enum CorrectionFunction : int {
    CorrectionAdd = 0,         // v + a
    CorrectionMultiply = 1,    // v·a
    CorrectionDivide = 2,      // v/a
    CorrectionPolynomial = 3,  // a + b·v + c·v² + d·v³ + e·v⁴
    CorrectionLog10 = 4,       // a·log10(b·v) + c
    CorrectionPower10 = 5,     // a·10^v + b
    CorrectionLn = 6,          // a·ln(b·v) + c
    CorrectionExp = 7,         // a·e^(b·v) + c
    CorrectionReciprocal = 8,  // 1/v
    CorrectionPower = 9,       // a·v^b + c
    CorrectionSin = 10,        // a·sin(b·v) + c
    CorrectionCos = 11,        // a·cos(b·v) + c
    CorrectionTan = 12,        // a·tan(b·v) + c
    CorrectionAtan = 13,       // a·atan(b·v) + c
    CorrectionAbs = 14,        // |v|
    CorrectionRound = 15,      // v rounded to n decimals, or to the nearest multiple of a step
};

// The choices of the correction dialog.
struct CorrectionParameters {
    int function = CorrectionAdd;
    std::array<double, 5> coefficient = {0.0, 0.0, 0.0, 0.0, 0.0};  // a, b, c, d, e
    bool degrees = false;                                           // angles of 10 to 13 in degrees
    int decimals = 0;                                               // 15: number of decimals n
    bool byStep = false;  // 15: round to the nearest multiple of `step` instead
    double step = 0.0;
};

// Returns f(v) before the value-range rule: an impossible operation gives an
// infinity or a non-number, which the caller limits to ±1e35. An unknown
// function number leaves v unchanged.
double correctionValue(const CorrectionParameters& parameters, double v);

// Rounds v to the nearest multiple of `step`, halves away from zero; a step that
// is a power of ten rounds exactly like the same number of decimals. A step
// that is not a positive number leaves v unchanged.
double roundToStep(double v, double step);

}  // namespace ordinax::numerics
