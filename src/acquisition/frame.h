// The frame of a curve acquired from a picture: the reference points the
// user marks on the picture's axes (origin, end of Y, opposite corner, end
// of X), the axis values they stand for, and the conversion of a picture
// point into data values. The conversion undoes a rotation and a shear of
// the axes, and with four reference points a perspective seen at an angle.
// Picture coordinates are pixels with y pointing down.
#pragma once

#include <array>
#include <optional>

namespace ordinax::acquisition {

// A position on the picture in pixels; -1 marks a reference point not set.
struct PixelPoint {
    int x = -1;
    int y = -1;
    bool isSet() const { return x >= 0 && y >= 0; }
    bool operator==(const PixelPoint&) const = default;
};

enum ReferenceIndex : int { Origin = 0, EndY = 1, Corner = 2, EndX = 3 };
inline constexpr int ReferenceCount = 4;
using ReferencePoints = std::array<PixelPoint, ReferenceCount>;

// The button of each reference point: "ORG", "EXT_Y", "EXT", "EXT_X".
const char* referenceName(int index);

enum class AxisKind : int { Linear = 0, Logarithmic = 1 };

// What an axis's reference points stand for.
struct AxisValues {
    AxisKind kind = AxisKind::Linear;
    double origin = 0.0;
    double extremity = 10.0;
    bool operator==(const AxisValues&) const = default;
};

// The value rules of a logarithmic axis: an origin <= 0 becomes 1, an
// extremity <= 0 or below the origin becomes 10. A linear axis is kept.
AxisValues checkedAxisValues(AxisValues values);

// The number of reference points set.
int referencePointsSet(const ReferencePoints& points);

// True when the origin and both axis ends are set.
bool frameReferencesSet(const ReferencePoints& points);

// The frame quantities computed from the reference points (picture pixels).
struct Frame {
    double x0 = 0.0, y0 = 0.0;  // the origin
    double a1 = 0.0;            // angle of the X axis
    double a2 = 0.0;            // angle of the Y axis from the vertical
    double shear = 0.0;         // tan(a2 - a1)
    double lengthX = 0.0;       // Lx
    double lengthY = 0.0;       // Ly, signed: negative when the Y axis points down
    bool fourPoints = false;    // the perspective correction is used
    bool correctX = false;      // Px is finite (the corner lies off the end of X)
    double px = 0.0, py = 0.0;  // the perspective factors
};

// Computes the frame; nullopt when the origin or an axis end is missing, or
// when they do not make a frame (an axis of no length, parallel axes).
std::optional<Frame> computeFrame(const ReferencePoints& points);

struct DataPoint {
    double x = 0.0;
    double y = 0.0;
};

// Converts a picture point into data values. Results beyond +-1e35 (a point
// on the horizon of a perspective) are limited to +-1e35.
DataPoint pictureToData(const Frame& frame, const AxisValues& xAxis, const AxisValues& yAxis, double px, double py);

}  // namespace ordinax::acquisition
