// The frame of an acquisition and the conversion of picture points.
#include "acquisition/frame.h"

#include <cmath>

#include "expression/primitives.h"

namespace ordinax::acquisition {

namespace {

// Rotation by the X-axis angle, with y turned upwards.
double rotatedU(const Frame& f, double px, double py) {
    return std::cos(f.a1) * (px - f.x0) + std::sin(f.a1) * (f.y0 - py);
}
double rotatedV(const Frame& f, double px, double py) {
    return std::cos(f.a1) * (f.y0 - py) - std::sin(f.a1) * (px - f.x0);
}

// The distance along the Y axis of a point at height v above the X axis.
// The sign is kept: a point below the X axis is below the origin's value.
double alongY(const Frame& f, double v) {
    return v * std::sqrt(1.0 + f.shear * f.shear);
}

double working(const AxisValues& axis, double value) {
    return axis.kind == AxisKind::Logarithmic ? std::log10(value) : value;
}

double limited(double value) {
    expression::clampResult(value);
    return value;
}

}  // namespace

const char* referenceName(int index) {
    static const char* const Names[ReferenceCount] = {"ORG", "EXT_Y", "EXT", "EXT_X"};
    return index >= 0 && index < ReferenceCount ? Names[index] : "";
}

AxisValues checkedAxisValues(AxisValues values) {
    if (values.kind != AxisKind::Logarithmic) return values;
    if (!(values.origin > 0.0)) values.origin = 1.0;
    if (!(values.extremity > 0.0) || values.extremity < values.origin) values.extremity = 10.0;
    return values;
}

int referencePointsSet(const ReferencePoints& points) {
    int count = 0;
    for (const PixelPoint& p : points)
        if (p.isSet()) ++count;
    return count;
}

bool frameReferencesSet(const ReferencePoints& points) {
    return points[Origin].isSet() && points[EndX].isSet() && points[EndY].isSet();
}

std::optional<Frame> computeFrame(const ReferencePoints& points) {
    if (!frameReferencesSet(points)) return std::nullopt;
    Frame f;
    f.x0 = points[Origin].x;
    f.y0 = points[Origin].y;
    const double xX = points[EndX].x, yX = points[EndX].y;
    const double xY = points[EndY].x, yY = points[EndY].y;
    f.a1 = std::atan2(f.y0 - yX, xX - f.x0);
    f.a2 = std::atan2(f.x0 - xY, f.y0 - yY);
    // Axes (nearly) parallel: the shear has no finite value.
    if (std::abs(std::cos(f.a2 - f.a1)) < 1e-6) return std::nullopt;
    f.shear = std::tan(f.a2 - f.a1);
    f.lengthX = rotatedU(f, xX, yX);
    f.lengthY = alongY(f, rotatedV(f, xY, yY));
    if (!(f.lengthX > 1e-9) || !(std::abs(f.lengthY) > 1e-9) || !std::isfinite(f.lengthY)) return std::nullopt;

    if (points[Corner].isSet()) {
        const double xE = points[Corner].x, yE = points[Corner].y;
        const double vE = rotatedV(f, xE, yE);
        const double uE = f.shear * vE + rotatedU(f, xE, yE);
        const double lengthE = alongY(f, vE);
        // A corner as far from the X axis as the end of Y: no perspective.
        if (std::abs(lengthE - f.lengthY) > 1e-12 * std::abs(f.lengthY)) {
            f.fourPoints = true;
            f.py = f.lengthY * uE / (lengthE - f.lengthY);
            // A corner right above the end of X leaves the x values as they are
            // (the factor would be infinite).
            f.correctX = std::abs(uE - f.lengthX) > 1e-12 * f.lengthX;
            if (f.correctX) f.px = lengthE * f.lengthX / (uE - f.lengthX);
        }
    }
    return f;
}

DataPoint pictureToData(const Frame& frame, const AxisValues& xAxis, const AxisValues& yAxis, double px, double py) {
    const double v = rotatedV(frame, px, py);
    double w = alongY(frame, v);
    double u = frame.shear * v + rotatedU(frame, px, py);
    if (frame.fourPoints) {
        const double wCorrected = w * frame.py / (frame.py + u);
        const double uCorrected = frame.correctX ? u * frame.px / (w + frame.px) : u;
        u = uCorrected;
        w = wCorrected;
    }
    const double xo = working(xAxis, xAxis.origin), xe = working(xAxis, xAxis.extremity);
    const double yo = working(yAxis, yAxis.origin), ye = working(yAxis, yAxis.extremity);
    double x = xo + (xe - xo) * u / frame.lengthX;
    double y = yo + (ye - yo) * w / frame.lengthY;
    if (xAxis.kind == AxisKind::Logarithmic) x = std::pow(10.0, x);
    if (yAxis.kind == AxisKind::Logarithmic) y = std::pow(10.0, y);
    return {limited(x), limited(y)};
}

}  // namespace ordinax::acquisition
