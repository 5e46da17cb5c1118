// Tags (label slots 7 .. 16): the anchor stored in the diagram is the offset
// of the tag's centre from the centre of the plot rectangle, in 1/100000 of
// its half-width and half-height, so a tag keeps its place relative to the
// plot when the page or window changes size. Also the drawing order by zOrder.
#pragma once

#include <array>
#include <vector>

#include "document/diagram.h"
#include "render/draw_device.h"

namespace ordinax::render {

// Units of a tag anchor across half the plot rectangle.
inline constexpr double TagAnchorUnit = 100000.0;

using TagPosition = std::array<double, 2>;

// The device point a stored tag position designates (rounded to pixels).
DevPoint tagCentre(const DevRect& plotRect, const TagPosition& position);

// The stored position of a tag whose box is `tagRect`; (0, 0) on a plot
// rectangle without width or height.
TagPosition tagAnchor(const DevRect& plotRect, const DevRect& tagRect);

struct TagPlacement {
    DevRect rect;         // the tag's box on the device
    TagPosition anchor;   // its position recomputed from that box
};

// Centres a box of the given size on the tag's position, pushes it back into
// the diagram rectangle (the left and top edges win when the box is larger)
// and recomputes the anchor from where it ended.
TagPlacement placeTag(const DevRect& plotRect, const DevRect& diagramRect, const TagPosition& position,
                      int width, int height);

// The stored position that makes placeTag put a box back exactly on `rect`
// (the inverse of the placement): the anchor of the pixel centre placeTag
// would use, (0, 0) on a plot rectangle without width or height.
TagPosition tagPositionFromRect(const DevRect& plotRect, const DevRect& rect);

// A tag box moved by (dx, dy) while dragging, kept inside the diagram
// rectangle by the same push-back as the placement.
DevRect movedTagRect(const DevRect& start, int dx, int dy, const DevRect& diagramRect);

// The slots (7 .. 16) of the tags in drawing order: every tag of zOrder 0,
// then 1, ... up to 9; free tags (zOrder −1) and empty slots are left out.
std::vector<int> tagDrawingOrder(const document::Diagram& diagram);

}  // namespace ordinax::render
