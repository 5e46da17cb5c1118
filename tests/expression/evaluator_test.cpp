// Tests of the evaluation of compiled functions: precedence and signs,
// functions in degrees, the value range and the failures of one point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expression/checker.h"
#include "expression/compiler.h"
#include "expression/evaluator.h"

namespace ordinax::expression {
namespace {

struct Result {
    double y = 0.0;
    bool failed = false;
};

Result evaluate(const std::string& expression, double x = 0.0, const std::string& constants = {},
                bool degrees = true, double p = 0.0, const std::string& parameter = {}) {
    document::FunctionDef def;
    def.expression = expression;
    def.constants = constants;
    def.anglesInDegrees = degrees ? 1 : 0;
    def.parametric = parameter.empty() ? 0 : 1;
    def.parameter = parameter;
    CompiledFunction compiled;
    EXPECT_TRUE(checkExpression(def).empty()) << expression;
    EXPECT_TRUE(compileExpression(def, compiled).empty()) << expression;
    MathErrorFlag flag;
    const double y = evaluateAt(compiled, x, p, flag);
    return {y, flag.isRaised()};
}

struct Case {
    const char* expression;
    double x;
    double expected;
};

// Expected values worked by hand from the rules: three levels (^, then * /,
// then + -) each from left to right, a sign belongs to the operand after it.
TEST(EvaluateAt, PrecedenceAndSigns) {
    const Case cases[] = {
        {"y=-x^2", 3, 9},             // (-3)^2
        {"y=-(x)^2", 3, -9},          // -1*(3^2)
        {"y=-(x+1)^2", 1, -4},
        {"y=2^3^2", 0, 64},           // (2^3)^2
        {"y=2^-1", 0, 0.5},
        {"y=2^-(x)", 3, 1.5},         // 2^-1*(3)
        {"y=8/2/2", 0, 2},
        {"y=1-2-3", 0, -4},
        {"y=2+3*4^2", 0, 50},
        {"y=(2+3)*4", 0, 20},
        {"y=-x", 5, -5},
        {"y=x^-2", 2, 0.25},
        {"y=(-x)", 4, -4},
        {"y=2*(x-(3-x))", 5, 14},
        {"y=12/3*2", 0, 8},
        {"y=7-3+1", 0, 5},
        {"y=1.5+.5", 0, 2},
        {"y=5.", 0, 5},
        {"y=((((x))))", 7, 7},
        {"y=-sin(x)", 90, -1},
        {"y=abs(-x)-abs(x)", 2, 0},
        {"y=2^+2", 0, 4},
    };
    for (const Case& c : cases) {
        const Result r = evaluate(c.expression, c.x);
        EXPECT_FALSE(r.failed) << c.expression;
        EXPECT_DOUBLE_EQ(r.y, c.expected) << c.expression;
    }
}

// By hand: sin(90°) = 1, atn(1) = 45°, int halves away from zero, fix toward zero.
TEST(EvaluateAt, FunctionsAndAngles) {
    const Case cases[] = {
        {"y=sin(x)", 90, 1},
        {"y=cos(x)", 180, -1},
        {"y=atn(1)", 0, 45},
        {"y=asin(1)", 0, 90},
        {"y=int(2.5)", 0, 3},
        {"y=int(-2.5)", 0, -3},
        {"y=fix(-2.7)", 0, -2},
        {"y=fix(2.7)", 0, 2},
        {"y=__sgn(-x)", 4, -1},
        {"y=sqr(16)", 0, 4},
        {"y=log(1000)", 0, 3},
        {"y=ln(exp(2))", 0, 2},
        {"y=0^0", 0, 1},
        {"y=(-2)^3", 0, -8},
        {"y=cosh(0)+sinh(0)+tanh(0)", 0, 1},
    };
    for (const Case& c : cases) {
        const Result r = evaluate(c.expression, c.x);
        EXPECT_FALSE(r.failed) << c.expression;
        EXPECT_NEAR(r.y, c.expected, 1e-12) << c.expression;
    }
    // Radians: sinh never converts, sin does only in degrees.
    EXPECT_NEAR(evaluate("y=sin(x)", M_PI / 2, {}, false).y, 1.0, 1e-15);
    EXPECT_NEAR(evaluate("y=sinh(x)", 1, {}, true).y, std::sinh(1.0), 1e-15);
    EXPECT_NEAR(evaluate("y=atn(1)", 0, {}, false).y, M_PI / 4, 1e-15);
}

// Every failure gives y = 0 with the flag raised; a tiny result is 0 without failure.
TEST(EvaluateAt, FailuresAndValueRange) {
    const std::pair<const char*, double> failing[] = {
        {"y=(-8)^(1/3)", 0}, {"y=1/x", 0}, {"y=sqr(x)", -1}, {"y=ln(x)", 0},
        {"y=1000000000000000000*1000000000000000000", 0},  // 1e36
        {"y=10^36", 0},
        {"y=1000000000000000000000000000000000000", 0},  // a literal 1e36 alone
        {"y=asin(2)", 0},
    };
    for (const auto& [text, x] : failing) {
        const Result r = evaluate(text, x);
        EXPECT_TRUE(r.failed) << text;
    }
    const Result tiny = evaluate("y=0.000000000000000001*0.000000000000000001", 0);  // 1e-36
    EXPECT_FALSE(tiny.failed);
    EXPECT_EQ(tiny.y, 0.0);
    const Result tinyConstant = evaluate("y=a", 0, "a=1e-36");
    EXPECT_FALSE(tinyConstant.failed);
    EXPECT_EQ(tinyConstant.y, 0.0);
    EXPECT_TRUE(evaluate("y=a", 0, "a=1e36").failed);
    // A failure inside a bracket counts even when its value does not matter.
    EXPECT_TRUE(evaluate("y=0*(1/x)", 0).failed);
}

TEST(EvaluateAt, ConstantsAndParameter) {
    EXPECT_DOUBLE_EQ(evaluate("y=a*x+b", 2, "a=3\nb=-1").y, 5.0);
    EXPECT_DOUBLE_EQ(evaluate("y=-a", 0, "a=3").y, -3.0);
    EXPECT_DOUBLE_EQ(evaluate("y=a1*a", 0, "a1=2\na=5").y, 10.0);
    EXPECT_DOUBLE_EQ(evaluate("y=k*x", 3, "", true, 0.5, "k").y, 1.5);
    EXPECT_DOUBLE_EQ(evaluate("y=-k^2", 0, "", true, 3, "k").y, 9.0);  // sign before the power
}

// A second "=" (possible when the text was not cleaned) keeps what stands before it.
TEST(EvaluateAt, SecondEqualKeepsTheLeftSide) {
    EXPECT_DOUBLE_EQ(evaluate("y=1+x=2+3", 4).y, 5.0);
    EXPECT_TRUE(evaluate("y=x=1/0", 4).failed);
}

TEST(EvaluateAt, CompiledFormIsReusable) {
    document::FunctionDef def;
    def.expression = "y=x^2-rnd(0)";
    CompiledFunction compiled;
    ASSERT_TRUE(compileExpression(def, compiled).empty());
    for (double x : {1.0, -2.0, 3.0}) {
        MathErrorFlag flag;
        EXPECT_DOUBLE_EQ(evaluateAt(compiled, x, 0.0, flag), x * x);
        EXPECT_FALSE(flag.isRaised());
    }
}

TEST(EvaluateAt, RndStaysWithinItsArgument) {
    document::FunctionDef def;
    def.expression = "y=rnd(x)";
    CompiledFunction compiled;
    ASSERT_TRUE(compileExpression(def, compiled).empty());
    RandomGenerator random(7);
    for (int i = 0; i < 200; ++i) {
        MathErrorFlag flag;
        const double y = evaluateAt(compiled, 10.0, 0.0, flag, random);
        EXPECT_GE(y, 0.0);
        EXPECT_LE(y, 10.0);
    }
}

}  // namespace
}  // namespace ordinax::expression
