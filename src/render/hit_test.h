// Hit-testing of the diagram as the last drawing pass laid it out: which
// element lies under a device point (tag, legend line, plot, scale band,
// title or axis label, or the page background).
#pragma once

#include "document/diagram.h"
#include "render/diagram_renderer.h"
#include "render/draw_device.h"

namespace ordinax::render {

// The kinds of element the view reacts to.
enum class HitKind { Background, Tag, Legend, Plot, Scale, Label };

struct HitResult {
    HitKind kind = HitKind::Background;
    int slot = -1;       // label slot: 0..5 titles and axis labels, 6 legend, 7..16 tags
    int tag = -1;        // tag index 0..9 (slot − 7)
    int curve = -1;      // legend: the curve of the line hit, -1 between lines
    int direction = -1;  // scale: 0 X, 1 Y
    int side = -1;       // scale: 0 lower or left, 1 upper or right
    bool operator==(const HitResult&) const = default;
};

// The element under `point`, tried in this order: the tags 1..10 in use, the
// legend block and its lines, the plot rectangle, the areas of the active
// scales (DiagramLayout::scaleAreas), the titles and axis labels, else the
// page background.
HitResult hitTest(const DiagramLayout& layout, const document::Diagram& diagram, DevPoint point);

}  // namespace ordinax::render
