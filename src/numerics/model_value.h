// Values of a curve's fitted model (regression or Fourier series) and of the
// confidence band around the regressions that have one.
#pragma once

#include <optional>

#include "document/diagram.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

// Scale kinds of the axes (0 LIN, 1 LOG, 2 HENRY) that a value may come from.
enum ScaleKind : int { ScaleLin = 0, ScaleLog = 1, ScaleHenry = 2 };

struct AxisKinds {
    int x = ScaleLin;
    int y = ScaleLin;
};

// The kinds of the main x and y scales of a diagram.
AxisKinds axisKinds(const document::Diagram& diagram);

// Value at x of the curve's fitted model; 0 for kinds without a model. A
// failed operation (division by zero, logarithm of a non-positive value, a
// result outside ±1e35) raises `flag`.
double modelValue(const document::Curve& curve, double x, expression::MathErrorFlag& flag);

// The same for an x given in the coordinate of an axis of kind `xScale`
// (10^x for LOG, the normal probability for HENRY); 0 when it cannot be
// taken back.
double modelValueFromAxis(const document::Curve& curve, double axisX, int xScale, expression::MathErrorFlag& flag);

// y = f(x) of a fitted curve for a user: the model's value at x, converted back
// to a probability when the y axis has the HENRY scale; nullopt on a math error.
std::optional<double> valueAt(const document::Curve& curve, double x, const AxisKinds& axes);

// Upper (side +1) or lower (side -1) confidence line of EXP, LIN, LOG, LOG10
// and PUI fits at x; `pointCount` is the number of points the fit used.
// A refined fit of any model has the band of the delta method instead.
// 1e35 (nothing to draw) for other kinds or when the value cannot be computed.
double confidenceBand(const document::Curve& curve, double x, int side, int pointCount);

// The same for an x in the coordinate of an axis of kind `xScale`.
double confidenceBandFromAxis(const document::Curve& curve, double axisX, int side, int pointCount, int xScale);

}  // namespace ordinax::numerics
