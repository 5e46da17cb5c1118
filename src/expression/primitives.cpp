// The numeric primitives: operators, built-in functions, the value-range rule
// and rounding.
#include "expression/primitives.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace ordinax::expression {

namespace {

// Above this exponent the repeated product gives way to the library power: the
// loop would cost seconds per point for exponents like 2147483647, and the
// library result is the more accurate of the two.
constexpr std::int32_t RepeatedProductLimit = 1024;

// True when b is exactly a 32-bit integer; the range test comes first because
// converting a double outside the int32 range is undefined.
bool isInt32(double b, std::int32_t& n) {
    if (!(b >= std::numeric_limits<std::int32_t>::min() && b <= std::numeric_limits<std::int32_t>::max()))
        return false;
    n = static_cast<std::int32_t>(b);
    return static_cast<double>(n) == b;
}

// a^n by repeated multiplication (n > 0) or division (n < 0), so that 2^-2 is
// exactly 1/2/2 and 0^0 is 1.
double integerPower(double a, std::int32_t n) {
    if (n == 0) return 1.0;
    if (n > RepeatedProductLimit || n < -RepeatedProductLimit) return std::pow(a, static_cast<double>(n));
    const std::int32_t count = n < 0 ? -n : n;
    double r = 1.0;
    for (std::int32_t i = 0; i < count; ++i) {
        r = n > 0 ? r * a : r / a;
        // Once infinite, zero or not a number the product cannot come back into range.
        if (r == 0.0 || !std::isfinite(r)) break;
    }
    return r;
}

double functionValue(int number, double v, RandomGenerator& random) {
    switch (number) {
        case FunctionAbs: return std::fabs(v);
        case FunctionAcos: return std::acos(v);
        case FunctionAsin: return std::asin(v);
        case FunctionAtn: return std::atan(v);
        case FunctionCos: return std::cos(v);
        case FunctionCosh: return std::cosh(v);
        case FunctionExp: return std::exp(v);
        case FunctionFix:
            if (v > 0) return std::floor(v);
            if (v < 0) return -std::floor(-v);
            return 0.0;
        case FunctionInt: return roundTo(v, 0);
        case FunctionLog: return std::log10(v);
        case FunctionLn: return std::log(v);
        case FunctionRnd: return v * random.next() * RandomScale;
        case FunctionSgn: return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
        case FunctionSin: return std::sin(v);
        case FunctionSinh: return std::sinh(v);
        case FunctionSqr: return std::sqrt(v);
        case FunctionTan: return std::tan(v);
        case FunctionTanh: return std::tanh(v);
        default: return std::numeric_limits<double>::quiet_NaN();
    }
}

}  // namespace

std::string_view functionName(int number) {
    if (number < 0 || number >= FunctionCount) return {};
    return FunctionNames[number];
}

int RandomGenerator::next() {
    // The generator of the C standard's example implementation of rand().
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ / 65536u) % 32768u);
}

RandomGenerator& defaultRandomGenerator() {
    thread_local RandomGenerator generator;
    return generator;
}

void seedRandom(std::uint32_t seed) { defaultRandomGenerator().seed(seed); }

bool clampResult(double& value) {
    if (value >= -ValueLimit && value <= ValueLimit) {
        if (std::fabs(value) < ValueEpsilon) value = 0.0;
        return false;
    }
    // A non-number fails every comparison above and is limited to the top.
    value = value < -ValueLimit ? -ValueLimit : ValueLimit;
    return true;
}

double checkedResult(double value) {
    if (clampResult(value)) throw CMathError();
    return value;
}

double roundTo(double value, int decimals) {
    if (value == 0.0) return 0.0;
    MathErrorFlag overflow;
    const double d = power(10.0, decimals, overflow);
    // 10^n beyond the double range: no double has digits that fine.
    if (overflow.isRaised()) return value;
    // 10^n below the double range: every double rounds to 0 at that scale.
    if (d == 0.0) return 0.0;
    const double scaled = value * d;
    // From 2^52 on every double is an integer: there is nothing left to round,
    // and scaling back would only add an error in the last bit.
    if (!(std::fabs(scaled) < 4503599627370496.0)) return value;
    // std::round is the integer part of (v×d ± 0.5) without the rounding error
    // of the addition (0.49999999999999994 + 0.5 is 1.0 in doubles).
    return std::round(scaled) / d;
}

double power(double a, double b, MathErrorFlag& flag) {
    if (b == 0.0) return 1.0;
    const double r = std::pow(a, b);
    if (!std::isfinite(r)) {
        flag.raise();
        return 0.0;
    }
    return r;
}

// The primitives report failures through the flag directly rather than by
// throwing and catching CMathError: the effect is the same and a function
// curve may hold a million failing points.
double applyOperator(char op, double a, double b, MathErrorFlag& flag) {
    double r = 0.0;
    switch (op) {
        case '^': {
            std::int32_t n = 0;
            r = isInt32(b, n) ? integerPower(a, n) : std::pow(a, b);
            break;
        }
        case '*': r = a * b; break;
        case '+': r = a + b; break;
        case '-': r = a - b; break;
        case '/':
            if (b == 0.0) {
                flag.raise();
                return 0.0;
            }
            r = a / b;
            break;
        default: flag.raise(); return 0.0;
    }
    if (clampResult(r)) {
        flag.raise();
        return 0.0;
    }
    return r;
}

double applyFunction(int number, double v, bool anglesInDegrees, MathErrorFlag& flag, RandomGenerator& random) {
    if (anglesInDegrees && (number == FunctionCos || number == FunctionSin || number == FunctionTan))
        v *= DegreesToRadians;
    double r = functionValue(number, v, random);
    if (anglesInDegrees && (number == FunctionAcos || number == FunctionAsin || number == FunctionAtn))
        r *= RadiansToDegrees;
    if (clampResult(r)) {
        flag.raise();
        return 0.0;
    }
    return r;
}

double applyFunction(int number, double v, bool anglesInDegrees, MathErrorFlag& flag) {
    return applyFunction(number, v, anglesInDegrees, flag, defaultRandomGenerator());
}

}  // namespace ordinax::expression
