// The layout of a drawing pass: the diagram rectangle, the text blocks and
// the legend box measured, the graduation value extents, the plot rectangle
// shrunk by spacing, frames, shadow, outer ticks, labels and values, then
// every block placed around it and clamped into the diagram rectangle.
#pragma once

#include <array>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/diagram_renderer.h"
#include "render/draw_device.h"
#include "render/legend_box.h"
#include "render/text_blocks.h"

namespace ordinax::render {

// Everything the drawing steps need from the layout.
struct PageLayout {
    DiagramLayout layout;                                    // rectangles and extents kept for hit-testing
    std::array<TextBlock, document::LabelSlotCount> blocks;  // measured blocks 0..5 and 7..16
    LegendBox legend;
    bool pageFrame = false;  // the page frame is drawn (not in normal screen mode)
    bool plotFrame = false;
    int pagePen = 0;         // frame pens in device pixels, 0 when not drawn
    int plotPen = 0;
    int spaceX = 1;          // drawSpace in device pixels
    int spaceY = 1;
    bool tooSmall = false;   // the plot rectangle is narrower or lower than 2 pixels
};

// True when the pass draws on screen in a page mode (2 or 3).
bool screenPageMode(const RenderRequest& request);

// The diagram rectangle: the page, shifted up by the print offset when
// printing, deflated by 3 × drawSpace in normal screen mode.
DevRect diagramRectangle(const RenderRequest& request, const DeviceScale& scale, const document::Diagram& diagram);

// Runs the layout of a diagram whose scales are already settled.
PageLayout layoutPage(DrawDevice& device, MarkupBlockPainter& painter, const document::Diagram& diagram,
                      const RenderRequest& request);

// The device scale of a request (its page rectangle standing in for the
// output's when the caller left that empty).
DeviceScale requestScale(const RenderRequest& request);

}  // namespace ordinax::render
