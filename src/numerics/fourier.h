// The Fourier series of a curve: the curve is taken as one period of a
// periodic function whose points are joined by straight segments.
#pragma once

#include <span>

#include "document/diagram.h"

namespace ordinax::numerics {

inline constexpr int MaxHarmonics = 50;

// Sorts points by increasing x; points of equal x keep their order.
void sortPointsByX(std::span<document::Point> points);

// Computes the series of `curve` with curve.fit.harmonicCount harmonics (taken
// into 0..50) into omega, fourierA0, coefficient[1..N] (cosines) and
// linearCoefficient[1..N] (sines). The points are sorted by x first. Returns 0,
// or the message id of a refusal (too few distinct points, a math error), in
// which case the fit is left as it was.
int fourierFit(document::Curve& curve);

}  // namespace ordinax::numerics
