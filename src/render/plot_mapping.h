// From data values to device pixels: the transform of each scale kind and
// the linear mapping of the transformed values onto the plot rectangle.
#pragma once

#include <array>
#include <optional>

#include "document/diagram.h"
#include "render/draw_device.h"

namespace ordinax::render {

enum ScaleKind : int { ScaleLin = 0, ScaleLog = 1, ScaleHenry = 2 };

// The transformed coordinate of a value on a scale kind: the value itself
// (LIN), log10 (LOG; -35 and `failed` set for a value <= 0), the normal
// quantile (HENRY; 0 and `failed` set outside the open interval (0, 1)).
double scaleTransform(double value, int kind, bool& failed);

// The value whose transformed coordinate is t (the inverse of scaleTransform).
double inverseScaleTransform(double t, int kind, bool& failed);

// Transformed bounds of one scale, computed once per pass.
struct AxisMapping {
    int kind = ScaleLin;
    double t0 = 0.0;    // transformed origin
    double t1 = 1.0;    // transformed extremity
    double span = 1.0;  // t1 - t0
};

struct PlotMapping {
    DevRect plotRect;
    std::array<std::array<AxisMapping, 2>, 2> axis;  // [direction][side]
    std::array<int, 2> mainSide = {0, 0};
};

// The mapping of the four scales onto the plot rectangle.
PlotMapping makePlotMapping(const document::Scales& scales, const DevRect& plotRect);

// Device coordinate of a data value on (direction, side):
// x = left + 0.5 + (t - t0) / span * width, y = bottom + 0.5 - (t - t0) / span * height.
// nullopt when the transform fails or the scale has no extent.
std::optional<double> toDevice(const PlotMapping& mapping, double value, int direction, int side);

// The data value at a device coordinate (the read-out and model sampling).
std::optional<double> fromDevice(const PlotMapping& mapping, double coordinate, int direction, int side);

// A data point on the main scales, as a rounded device point.
std::optional<DevPoint> pointToDevice(const PlotMapping& mapping, double x, double y);

}  // namespace ordinax::render
