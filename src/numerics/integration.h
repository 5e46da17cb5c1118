// Surface under a curve and its length between two bounds: the sums over the
// points (rectangles, trapezoids, Simpson's parabolas), the area from the
// antiderivative of the fitted model, and the length of the drawn line.
#pragma once

#include <optional>
#include <span>

#include "base/message.h"
#include "document/diagram.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

// What a result of the surface computation holds.
enum class CalculusState {
    Available,      // `value` holds the result
    NotAvailable,   // too few points between the bounds, or a degenerate interval
    NotApplicable,  // the curve's kind has no such result
    Error,          // the computation failed (math error, model without antiderivative)
};

struct CalculusValue {
    CalculusState state = CalculusState::NotAvailable;
    double value = 0.0;

    static CalculusValue of(double v) { return {CalculusState::Available, v}; }
    bool available() const { return state == CalculusState::Available; }
};

struct SurfaceResult {
    base::Message message;  // 107 when lower >= upper: nothing was computed
    CalculusValue forward;    // forward rectangles
    CalculusValue backward;   // backward rectangles
    CalculusValue trapezoid;
    CalculusValue simpson;
    CalculusValue model;      // F(upper) - F(lower) of the fitted model
    CalculusValue length;
    bool pointToPoint = false;  // the length runs along the points (kinds 0 and 1)
};

struct Bounds {
    double lower = 0.0;
    double upper = 0.0;
};

// The smallest and largest x of the curve's points, the initial bounds of the
// computation; (0, 0) for a curve without points.
Bounds surfaceDefaultBounds(const document::Curve& curve);

// Surfaces and length of the curve between `lower` and `upper`, over its
// points sorted by x (the curve itself is not changed). lower >= upper gives
// message 107 and no result; the caller puts the bounds back to the extent.
SurfaceResult surfaceAndLength(const document::Curve& curve, double lower, double upper);

// The four point-based sums over points sorted by x; filled into `result`.
void pointSums(std::span<const document::Point> sorted, double lower, double upper, SurfaceResult& result);

// Antiderivative F of the curve's fitted model at x, for the models that have
// one; nullopt for the others. A failed operation raises `flag`.
std::optional<double> modelAntiderivative(const document::Curve& curve, double x, expression::MathErrorFlag& flag);

// Area under the fitted model between the bounds: not applicable below kind 6,
// an error for a model without antiderivative, a pole between the bounds or a
// math error.
CalculusValue modelArea(const document::Curve& curve, double lower, double upper);

// Length of the fitted model's curve between the bounds (straight distance for
// LIN, LINTO and LINTP, 1000 parabolic arcs otherwise).
CalculusValue modelLength(const document::Curve& curve, double lower, double upper);

}  // namespace ordinax::numerics
