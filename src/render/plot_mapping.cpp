// Scale transforms and the data-to-device mapping.
#include "render/plot_mapping.h"

#include <cmath>

#include "numerics/probability.h"

namespace ordinax::render {

double scaleTransform(double value, int kind, bool& failed) {
    switch (kind) {
    case ScaleLog:
        if (!(value > 0.0)) {
            failed = true;
            return -35.0;
        }
        return std::log10(value);
    case ScaleHenry:
        if (auto z = numerics::normalQuantile(value)) return *z;
        failed = true;
        return 0.0;
    default:
        if (std::isnan(value)) failed = true;
        return value;
    }
}

double inverseScaleTransform(double t, int kind, bool& failed) {
    switch (kind) {
    case ScaleLog: {
        const double v = std::pow(10.0, t);
        if (!std::isfinite(v)) failed = true;
        return v;
    }
    case ScaleHenry:
        if (auto p = numerics::normalProbability(t)) return *p;
        failed = true;
        return 0.5;
    default:
        return t;
    }
}

PlotMapping makePlotMapping(const document::Scales& scales, const DevRect& plotRect) {
    PlotMapping mapping;
    mapping.plotRect = plotRect;
    for (int d = 0; d < 2; ++d) {
        mapping.mainSide[static_cast<std::size_t>(d)] = scales.mainSide[static_cast<std::size_t>(d)] == 1 ? 1 : 0;
        for (int s = 0; s < 2; ++s) {
            const document::AxisScale& scale = scales.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            AxisMapping& axis = mapping.axis[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            axis.kind = scale.kind;
            bool failed = false;
            axis.t0 = scaleTransform(scale.origin, scale.kind, failed);
            axis.t1 = scaleTransform(scale.extremity, scale.kind, failed);
            axis.span = axis.t1 - axis.t0;
        }
    }
    return mapping;
}

std::optional<double> toDevice(const PlotMapping& mapping, double value, int direction, int side) {
    const AxisMapping& axis = mapping.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    bool failed = false;
    const double t = scaleTransform(value, axis.kind, failed);
    if (failed || axis.span == 0.0 || !std::isfinite(axis.span)) return std::nullopt;
    const double f = (t - axis.t0) / axis.span;
    const DevRect& r = mapping.plotRect;
    return direction == 0 ? r.left + 0.5 + f * r.width() : r.bottom + 0.5 - f * r.height();
}

std::optional<double> fromDevice(const PlotMapping& mapping, double coordinate, int direction, int side) {
    const AxisMapping& axis = mapping.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    const DevRect& r = mapping.plotRect;
    const int length = direction == 0 ? r.width() : r.height();
    if (length <= 0) return std::nullopt;
    const double f = direction == 0 ? (coordinate - r.left - 0.5) / length : (r.bottom + 0.5 - coordinate) / length;
    bool failed = false;
    const double value = inverseScaleTransform(axis.t0 + f * axis.span, axis.kind, failed);
    if (failed) return std::nullopt;
    return value;
}

std::optional<DevPoint> pointToDevice(const PlotMapping& mapping, double x, double y) {
    const auto dx = toDevice(mapping, x, 0, mapping.mainSide[0]);
    const auto dy = toDevice(mapping, y, 1, mapping.mainSide[1]);
    if (!dx || !dy || std::abs(*dx) > 1e9 || std::abs(*dy) > 1e9) return std::nullopt;
    return DevPoint{static_cast<int>(std::floor(*dx)), static_cast<int>(std::floor(*dy))};
}

}  // namespace ordinax::render
