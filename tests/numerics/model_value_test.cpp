// Values of fitted models: special cases, the Fourier series, the axis
// transforms and the value-range rule.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numerics/fit_kind.h"
#include "numerics/model_value.h"

namespace ordinax::numerics {
namespace {

document::Curve fitted(int kind, std::initializer_list<double> a) {
    document::Curve curve;
    curve.treatment = kind;
    std::size_t i = 0;
    for (double v : a) curve.fit.coefficient[i++] = v;
    return curve;
}

double valueOf(const document::Curve& curve, double x, bool& error) {
    expression::MathErrorFlag flag;
    const double y = modelValue(curve, x, flag);
    error = flag.isRaised();
    return y;
}

TEST(ModelValue, WorkedValues) {
    bool error = false;
    EXPECT_EQ(valueOf(fitted(KindLINTO, {2}), 3, error), 6.0);
    EXPECT_FALSE(error);
    // Horner over the four coefficients: 1 + 2·2 + 3·4 + 4·8.
    EXPECT_EQ(valueOf(fitted(KindPOL3, {1, 2, 3, 4}), 2, error), 49.0);
    // 1 / (1 + 1·(-1)) divides by zero.
    valueOf(fitted(KindRECLIN, {1, 1}), -1, error);
    EXPECT_TRUE(error);
    valueOf(fitted(KindLOG, {1, 1}), 0, error);
    EXPECT_TRUE(error);
    // Beyond ±1e35 the value-range rule fails.
    valueOf(fitted(KindEXP, {1, 100}), 1, error);
    EXPECT_TRUE(error);
}

TEST(ModelValue, KindsWithoutModelGiveZero) {
    for (int kind : {0, 1, 2, 3, 4, 43}) {
        bool error = true;
        EXPECT_EQ(valueOf(fitted(kind, {5, 5}), 2, error), 0.0) << kind;
        EXPECT_FALSE(error);
    }
}

TEST(ModelValue, FourierSeries) {
    document::Curve curve;
    curve.treatment = KindFOU;
    curve.fit.harmonicCount = 2;
    curve.fit.omega = std::numbers::pi / 2;
    curve.fit.fourierA0 = 1;
    curve.fit.coefficient[1] = 2;        // cos(ωx)
    curve.fit.linearCoefficient[1] = 3;  // sin(ωx)
    curve.fit.coefficient[2] = 0.5;      // cos(2ωx)
    curve.fit.coefficient[3] = 100;      // beyond the harmonic count: unused
    bool error = false;
    // x = 1: 1 + 2·cos(π/2) + 3·sin(π/2) + 0.5·cos(π) = 3.5
    EXPECT_NEAR(valueOf(curve, 1, error), 3.5, 1e-14);
}

TEST(ModelValue, FromAxis) {
    const document::Curve line = fitted(KindLIN, {1, 2});
    expression::MathErrorFlag flag;
    EXPECT_EQ(modelValueFromAxis(line, 1.0, ScaleLog, flag), 21.0);  // x = 10
    EXPECT_EQ(modelValueFromAxis(line, 3.0, ScaleLin, flag), 7.0);
    EXPECT_DOUBLE_EQ(modelValueFromAxis(line, 0.0, ScaleHenry, flag), 2.0);  // x = 0.5
    EXPECT_EQ(modelValueFromAxis(line, 400.0, ScaleLog, flag), 0.0);  // 10^400 cannot be taken back
    EXPECT_FALSE(flag.isRaised());
}

TEST(ModelValue, ValueAtConvertsBackFromTheProbabilityScale) {
    const document::Curve line = fitted(KindLIN, {1, 2});
    EXPECT_EQ(*valueAt(line, 3.0, {}), 7.0);
    // A fit on the probability scale gives quantiles: 0 is the probability 0.5.
    EXPECT_EQ(*valueAt(fitted(KindLIN, {0, 0}), 3.0, {ScaleLin, ScaleHenry}), 0.5);
    EXPECT_FALSE(valueAt(fitted(KindRECLIN, {1, 1}), -1.0, {}));
}

TEST(ModelValue, AxisKindsOfTheMainScales) {
    document::Diagram diagram;
    diagram.scales.axis[0][1].kind = ScaleLog;
    diagram.scales.axis[1][0].kind = ScaleHenry;
    EXPECT_EQ(axisKinds(diagram).x, ScaleLin);
    EXPECT_EQ(axisKinds(diagram).y, ScaleHenry);
    diagram.scales.mainSide[0] = 1;
    EXPECT_EQ(axisKinds(diagram).x, ScaleLog);
}

}  // namespace
}  // namespace ordinax::numerics
