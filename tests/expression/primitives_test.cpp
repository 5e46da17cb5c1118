// Tests of the numeric primitives: operators, functions, value range, rounding.
#include "expression/primitives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace ordinax::expression {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

struct OperatorCase {
    char op;
    double a;
    double b;
    double expected;
    bool fails;
};

// Expected values worked by hand, or (marked) computed with Python 3 loops
// and its ** operator, which calls the C library's pow.
TEST(ApplyOperator, ResultsAndFailures) {
    const OperatorCase cases[] = {
        {'^', 0, 0, 1, false},
        {'^', 5, 0, 1, false},
        {'^', 2, -2, 0.25, false},
        {'^', -2, 3, -8, false},
        {'^', -2, -1, -0.5, false},
        {'^', 2, 0.5, std::sqrt(2.0), false},  // not an integer: the library power
        {'^', -8, 1.0 / 3.0, 0, true},         // negative base, fractional exponent
        {'^', 0, -1, 0, true},                 // 1/0
        {'^', 10, 36, 0, true},
        {'^', -1, 1e10, 1, false},             // beyond int32: library power of an even number
        {'^', 2, NaN, 0, true},
        {'*', 3, 4, 12, false},
        {'*', 1e20, 1e20, 0, true},            // 1e40 out of range
        {'*', 1e-20, 1e-16, 0, false},         // 1e-36 becomes 0
        {'+', 1e35, 1e35, 0, true},
        {'+', 2, 3, 5, false},
        {'-', 5, 3, 2, false},
        {'-', -1e35, 1e35, 0, true},
        {'/', 1, 0, 0, true},
        {'/', 0, 0, 0, true},
        {'/', 1, 4, 0.25, false},
        {'/', 1, 1e-300, 0, true},
        {'=', 1, 2, 0, true},                  // not an arithmetic operator
    };
    for (const OperatorCase& c : cases) {
        MathErrorFlag flag;
        const double r = applyOperator(c.op, c.a, c.b, flag);
        EXPECT_EQ(flag.isRaised(), c.fails) << c.a << ' ' << c.op << ' ' << c.b;
        EXPECT_DOUBLE_EQ(r, c.expected) << c.a << ' ' << c.op << ' ' << c.b;
    }
}

// Integer exponents multiply or divide step by step, which differs from the
// library power in the last bits (Python: 1.3*1.3*1.3 == 2.1970000000000005,
// 1.3**3 == 2.197; 1/3/3/3/3/3 == 0.004115226337448559, 3**-5 == 0.00411522633744856).
TEST(ApplyOperator, IntegerExponentsUseRepeatedProducts) {
    MathErrorFlag flag;
    EXPECT_EQ(applyOperator('^', 1.3, 3, flag), 2.1970000000000005);
    EXPECT_EQ(applyOperator('^', 3, -5, flag), 0.004115226337448559);
    EXPECT_EQ(applyOperator('^', 1.3, 3.0000001, flag), std::pow(1.3, 3.0000001));
    EXPECT_FALSE(flag.isRaised());
}

// A huge integer exponent must not cost billions of steps per point.
// Reference: exp(2e9 * ln(1 - 1e-10)) = exp(-0.20000000001) = 0.81873075306 (by hand).
TEST(ApplyOperator, HugeIntegerExponentsStayFast) {
    const auto start = std::chrono::steady_clock::now();
    MathErrorFlag flag;
    EXPECT_NEAR(applyOperator('^', 1 - 1e-10, 2000000000, flag), 0.81873075306, 1e-7);
    EXPECT_EQ(applyOperator('^', 2, 2147483647, flag), 0);
    EXPECT_TRUE(flag.isRaised());
    flag.clear();
    EXPECT_EQ(applyOperator('^', 0.5, -2147483648.0, flag), 0);
    EXPECT_TRUE(flag.isRaised());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(MathErrorFlagTest, StaysRaisedUntilCleared) {
    MathErrorFlag flag;
    applyOperator('/', 1, 0, flag);
    EXPECT_EQ(applyOperator('+', 1, 1, flag), 2);
    EXPECT_TRUE(flag.isRaised());
    flag.clear();
    EXPECT_FALSE(flag.isRaised());
}

TEST(ClampResult, ValueRangeRule) {
    struct Case {
        double in;
        double out;
        bool outOfRange;
    };
    const Case cases[] = {
        {1e-36, 0, false},   {-1e-36, 0, false},  {1e-35, 1e-35, false}, {0.5, 0.5, false},
        {1e35, 1e35, false}, {-1e35, -1e35, false}, {2e35, 1e35, true},   {-2e35, -1e35, true},
        {Inf, 1e35, true},   {-Inf, -1e35, true}, {NaN, 1e35, true},     {0, 0, false},
    };
    for (const Case& c : cases) {
        double v = c.in;
        EXPECT_EQ(clampResult(v), c.outOfRange) << c.in;
        EXPECT_EQ(v, c.out) << c.in;
    }
}

TEST(CheckedResult, ThrowsTheMathError) {
    EXPECT_EQ(checkedResult(1e-40), 0.0);
    EXPECT_EQ(checkedResult(-3.0), -3.0);
    try {
        checkedResult(2e35);
        FAIL() << "no exception";
    } catch (const CMathError& e) {
        EXPECT_EQ(e.code(), -1);
        EXPECT_EQ(e.detail(), 0);
        EXPECT_EQ(e.errorNumber(), 9999);
        EXPECT_STREQ(e.what(), "math_error");
    }
    EXPECT_THROW(checkedResult(NaN), CMathError);
}

TEST(RoundTo, HalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    // Worked by hand; 1.25 and 2.5 are exact binary fractions.
    const Case cases[] = {
        {2.5, 0, 3},       {-2.5, 0, -3},      {0.0, 3, 0},         {1.25, 1, 1.3},   {-1.25, 1, -1.3},
        {1234.5, -2, 1200}, {1250, -2, 1300}, {123.456, 2, 123.46}, {2.4, 0, 2},      {-2.6, 0, -3},
        {0.49999999999999994, 0, 0},  // the largest double below 0.5 rounds down
        {4503599627370497.0, 0, 4503599627370497.0},  // 2^52 + 1 is already an integer
        {1e300, 5, 1e300}, // the scaled value would overflow
        {5, 400, 5},       // 10^400 overflows: nothing to round
        {5, -400, 0},      // 10^-400 underflows: everything rounds to 0
    };
    for (const Case& c : cases) EXPECT_EQ(roundTo(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
}

TEST(Power, LibraryPowerWithInfiniteResultsFlagged) {
    MathErrorFlag flag;
    EXPECT_EQ(power(0, 0, flag), 1);
    EXPECT_EQ(power(10, 3, flag), 1000);
    EXPECT_EQ(power(10, -2, flag), 0.01);
    EXPECT_FALSE(flag.isRaised());
    EXPECT_EQ(power(10, 400, flag), 0);
    EXPECT_TRUE(flag.isRaised());
    flag.clear();
    EXPECT_EQ(power(0, -1, flag), 0);  // division by zero gives an infinity
    EXPECT_TRUE(flag.isRaised());
    flag.clear();
    EXPECT_EQ(power(-8, 1.0 / 3.0, flag), 0);  // not a number
    EXPECT_TRUE(flag.isRaised());
}

struct FunctionCase {
    int number;
    double v;
    bool degrees;
    double expected;
};

// Reference values worked by hand from the definitions.
TEST(ApplyFunction, Values) {
    const double e = std::exp(1.0);
    const double pi = 3.14159265358979323846;
    const FunctionCase cases[] = {
        {FunctionAbs, -3, false, 3},        {FunctionAcos, 1, false, 0},       {FunctionAsin, 1, false, pi / 2},
        {FunctionAtn, 1, false, pi / 4},    {FunctionCos, 0, false, 1},        {FunctionCosh, 0, false, 1},
        {FunctionExp, 1, false, e},         {FunctionFix, 2.7, false, 2},      {FunctionFix, -2.7, false, -2},
        {FunctionFix, 0, false, 0},         {FunctionInt, 2.5, false, 3},      {FunctionInt, -2.5, false, -3},
        {FunctionLog, 1000, false, 3},      {FunctionLn, e, false, 1},         {FunctionSgn, -4, false, -1},
        {FunctionSgn, 0, false, 0},         {FunctionSgn, 5, false, 1},        {FunctionSin, pi / 2, false, 1},
        {FunctionSinh, 0, false, 0},        {FunctionSqr, 16, false, 4},       {FunctionTan, 0, false, 0},
        {FunctionTanh, 0, false, 0},        {FunctionExp, -100, false, 0},     // 3.7e-44 becomes 0
        // Degrees: inputs of cos, sin and tan, results of acos, asin and atn.
        {FunctionSin, 30, true, 0.5},       {FunctionSin, 90, true, 1},        {FunctionCos, 60, true, 0.5},
        {FunctionTan, 45, true, 1},         {FunctionAtn, 1, true, 45},        {FunctionAcos, 0.5, true, 60},
        {FunctionAsin, 1, true, 90},        {FunctionExp, 1, true, e},         {FunctionSinh, 0, true, 0},
        {FunctionFix, -2.7, true, -2},
    };
    for (const FunctionCase& c : cases) {
        MathErrorFlag flag;
        const double r = applyFunction(c.number, c.v, c.degrees, flag);
        EXPECT_FALSE(flag.isRaised()) << functionName(c.number) << '(' << c.v << ')';
        EXPECT_NEAR(r, c.expected, 1e-12) << functionName(c.number) << '(' << c.v << ')';
    }
}

TEST(ApplyFunction, DomainErrorsAndRangeGiveZeroAndTheFlag) {
    const FunctionCase cases[] = {
        {FunctionSqr, -1, false, 0},  {FunctionLn, 0, false, 0},    {FunctionLn, -1, false, 0},
        {FunctionLog, 0, false, 0},   {FunctionLog, -1, false, 0},  {FunctionAcos, 2, false, 0},
        {FunctionAsin, -2, true, 0},  {FunctionExp, 100, false, 0}, {FunctionCosh, 1000, false, 0},
        {FunctionSin, NaN, false, 0}, {18, 1, false, 0},            {-1, 1, false, 0},
    };
    for (const FunctionCase& c : cases) {
        MathErrorFlag flag;
        EXPECT_EQ(applyFunction(c.number, c.v, c.degrees, flag), 0.0) << c.number << '(' << c.v << ')';
        EXPECT_TRUE(flag.isRaised()) << c.number << '(' << c.v << ')';
    }
}

// The first values of the C standard's example rand() from seed 1 are 16838,
// 5758, 10113 (recomputed with a three-line Python loop).
TEST(Random, ReproducibleSequence) {
    RandomGenerator random(1);
    EXPECT_EQ(random.next(), 16838);
    EXPECT_EQ(random.next(), 5758);
    EXPECT_EQ(random.next(), 10113);

    RandomGenerator a(1), b(7);
    MathErrorFlag flag;
    EXPECT_DOUBLE_EQ(applyFunction(FunctionRnd, 2.0, false, flag, a), 2.0 * 16838 / 32767);
    a.seed(7);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(applyFunction(FunctionRnd, 1, false, flag, a), applyFunction(FunctionRnd, 1, false, flag, b));
    EXPECT_FALSE(flag.isRaised());
}

TEST(Random, ValuesCoverZeroTo32767) {
    RandomGenerator random(12345);
    int low = RandomMax, high = 0;
    for (int i = 0; i < 200000; ++i) {
        const int r = random.next();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, RandomMax);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, RandomMax);
}

TEST(Random, DefaultGeneratorFollowsItsSeed) {
    MathErrorFlag flag;
    seedRandom(1);
    EXPECT_DOUBLE_EQ(applyFunction(FunctionRnd, 1.0, false, flag), 16838.0 / 32767);
    seedRandom(1);
    EXPECT_DOUBLE_EQ(applyFunction(FunctionRnd, 1.0, true, flag), 16838.0 / 32767);  // degrees change nothing
}

TEST(FunctionNamesTest, NamesByNumber) {
    EXPECT_EQ(functionName(FunctionAbs), "abs");
    EXPECT_EQ(functionName(FunctionSgn), "__sgn");
    EXPECT_EQ(functionName(FunctionTanh), "tanh");
    EXPECT_EQ(functionName(FunctionLn), "ln");
    EXPECT_EQ(functionName(FunctionCount), "");
    EXPECT_EQ(functionName(-1), "");
}

}  // namespace
}  // namespace ordinax::expression
