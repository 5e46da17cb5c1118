// The state of a curve acquisition from a picture: the reference points, the
// clicked points in click order, the last click and the axis values; and
// what the window's buttons and mouse do to it. The picture itself is the
// window's business: everything here is picture pixels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "acquisition/frame.h"
#include "base/message.h"
#include "document/diagram.h"

namespace ordinax::acquisition {

struct AcquisitionState {
    ReferencePoints references;                // none set
    std::vector<PixelPoint> points;            // clicked, in click order
    std::optional<PixelPoint> lastClick;       // the last left click, none at first
    AxisValues xAxis;
    AxisValues yAxis;
};

// A left click on the picture: the point is added and becomes the last click;
// false when MaxPoints points are held (nothing added, no last click).
bool addClickedPoint(AcquisitionState& state, PixelPoint at);

// A right click: removes the clicked point nearest to `at` (the first of equal
// distances); false when there is none.
bool removeNearestPoint(AcquisitionState& state, PixelPoint at);

enum class PlaceOutcome { NoClick, AlreadyUsed, Placed };

// "ORG", "EXT_Y", "EXT", "EXT_X": the last click becomes reference point
// `index` and leaves the clicked points. AlreadyUsed (message 84) when it is
// another reference point's position.
PlaceOutcome placeReference(AcquisitionState& state, int index);

// "DELETE": forgets the clicked points; the reference points stay.
void deleteClickedPoints(AcquisitionState& state);

// The frame of the state, nullopt while it cannot be computed.
std::optional<Frame> stateFrame(const AcquisitionState& state);

// The data values of a picture position, for the read-out.
std::optional<DataPoint> valueAt(const AcquisitionState& state, double px, double py);

// The read-out "x = +1.5 - y = -2" of a data point (UTF-8).
std::string readoutText(const DataPoint& point);

struct ConversionResult {
    bool ok = false;
    base::Message message;               // why the points cannot be converted
    std::vector<document::Point> points;  // in click order
};

// "&Valider": the clicked points converted, or the message telling what is
// missing (a frame of three reference points, at least one point).
ConversionResult convertClickedPoints(const AcquisitionState& state);

// Puts the converted points and the title into a curve (points replaced).
void fillAcquiredCurve(document::Curve& curve, const std::vector<document::Point>& points, const std::string& title);

}  // namespace ordinax::acquisition
