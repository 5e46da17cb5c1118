// The numeric derivative of a curve: a new curve whose points are the slopes
// between consecutive points, placed at the middle of each interval.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "document/diagram_defaults.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

inline constexpr int DerivativeTitleLimit = 512;

// Default title of the derivative of a curve titled `sourceTitle` ("Dérivée
// de %s", Windows-1252 texts).
std::string derivativeTitle(std::string_view sourceTitle);

// Checks that a curve can be derived: an empty message, or 252 when it has
// fewer than 3 points.
base::Message derivativeCheck(const document::Curve& curve);

// The derivative points of points sorted by x: n - 1 points at the middle of
// each interval with the slope of the interval (±1e35 or 0 for a vertical
// interval), both clamped to ±1e35. A value that is not a number raises `flag`.
std::vector<document::Point> derivativePoints(std::span<const document::Point> sorted,
                                              expression::MathErrorFlag& flag);

struct DerivativeOutcome {
    int index = -1;         // the new curve, which becomes the current one
    bool full = false;      // the diagram has no free curve slot: nothing created
    base::Message message;  // 252 (nothing created) or 459 (the new curve was removed)
};

// Adds the derivative of curve `source`: a copy titled `title` (cut to 512
// characters), function definition reset, drawn point to point.
DerivativeOutcome derivativeCurve(document::Diagram& diagram, int source, std::string_view title,
                                  const document::DiagramDefaults& defaults);

}  // namespace ordinax::numerics
