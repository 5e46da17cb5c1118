// The numeric primitives shared by the evaluator and the numerical analysis:
// one operator or one built-in function on doubles, the value-range rule of all
// numerics, rounding, and the error flag that replaces every failed operation.
#pragma once

#include <cstdint>
#include <exception>
#include <string_view>

namespace ordinax::expression {

// Magnitudes above ValueLimit are errors; magnitudes below ValueEpsilon are 0.
inline constexpr double ValueLimit = 1.0e35;
inline constexpr double ValueEpsilon = 1.0e-35;

inline constexpr double DegreesToRadians = 0.0174532925199433;
inline constexpr double RadiansToDegrees = 57.29577951308232;
inline constexpr double RandomScale = 0.00003051850947599719;  // 1 / 32767
inline constexpr int RandomMax = 32767;

// Set by the primitives when an operation failed. The caller owns it (one per
// evaluation, usually cleared before each point and read after it), so the
// primitives keep no global error state and two evaluations never share a flag.
struct MathErrorFlag {
    bool raised = false;

    void raise() { raised = true; }
    void clear() { raised = false; }
    bool isRaised() const { return raised; }
};

// The exception of a failed numeric operation. It is caught inside the
// numerics, where it becomes a MathErrorFlag or a status, and never reaches the
// user interface.
class CMathError : public std::exception {
public:
    static constexpr int ErrorNumber = 9999;

    int code() const { return -1; }
    int detail() const { return 0; }
    int errorNumber() const { return ErrorNumber; }
    const char* what() const noexcept override { return "math_error"; }
};

// The built-in functions by number, in the order of the parser's function table.
enum FunctionNumber : int {
    FunctionAbs = 0,
    FunctionAcos = 1,
    FunctionAsin = 2,
    FunctionAtn = 3,
    FunctionCos = 4,
    FunctionCosh = 5,
    FunctionExp = 6,
    FunctionFix = 7,
    FunctionInt = 8,
    FunctionLog = 9,
    FunctionLn = 10,
    FunctionRnd = 11,
    FunctionSgn = 12,
    FunctionSin = 13,
    FunctionSinh = 14,
    FunctionSqr = 15,
    FunctionTan = 16,
    FunctionTanh = 17,
    FunctionCount = 18,
};

// Names of the functions by number ("abs", "acos", ..., "__sgn", ...), without bracket.
inline constexpr std::string_view FunctionNames[FunctionCount] = {
    "abs", "acos", "asin", "atn", "cos", "cosh", "exp", "fix", "int",
    "log", "ln", "rnd", "__sgn", "sin", "sinh", "sqr", "tan", "tanh",
};

// Returns the name of a function number, empty when the number is unknown.
std::string_view functionName(int number);

// A small linear congruential generator yielding uniform integers 0..32767 for
// `rnd`; it holds its own state so that results are reproducible per seed.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 1) : state_(seed) {}

    // Restarts the sequence from `seed`.
    void seed(std::uint32_t seed) { state_ = seed; }
    // Returns the next value in 0..32767.
    int next();

private:
    std::uint32_t state_;
};

// The generator used by `rnd` when the caller gives none: one per thread.
RandomGenerator& defaultRandomGenerator();

// Restarts the calling thread's default generator from `seed`.
void seedRandom(std::uint32_t seed);

// Applies the value-range rule: a value within ±1e35 passes (below 1e-35 in
// magnitude it becomes 0); otherwise, or for a non-number, it is limited to
// ±1e35 and the function returns true (out of range).
bool clampResult(double& value);

// clampResult for the numerical code: throws CMathError when the value is out
// of range, returns the adjusted value otherwise.
double checkedResult(double value);

// Rounds `value` to `decimals` decimals, halves away from zero.
double roundTo(double value, int decimals);

// a^b with the standard library (b = 0 gives 1); an infinite or non-number
// result raises `flag` and gives 0.
double power(double a, double b, MathErrorFlag& flag);

// Applies one operator ('^', '*', '/', '+', '-') to a and b; a failure (division
// by zero, a result out of range, an unknown operator) raises `flag` and gives 0.
double applyOperator(char op, double a, double b, MathErrorFlag& flag);

// Applies the built-in function `number` to v, angles in degrees when asked; a
// failure (domain error, result out of range, unknown number) raises `flag` and
// gives 0. `rnd` draws from `random`.
double applyFunction(int number, double v, bool anglesInDegrees, MathErrorFlag& flag, RandomGenerator& random);

// The same, `rnd` drawing from the calling thread's default generator.
double applyFunction(int number, double v, bool anglesInDegrees, MathErrorFlag& flag);

}  // namespace ordinax::expression
