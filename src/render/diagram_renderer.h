// The drawing pass of a whole diagram: layout of the text blocks, legend box,
// graduation values and plot rectangle, then the drawing in its fixed order.
// Called by the view for painting, by printing and by picture export.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "base/message.h"
#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/picture_source.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

// What the caller supplies for one pass.
struct RenderRequest {
    DevRect pageRect;                      // the page, or in normal screen mode the diagram area
    OutputKind output;                     // printer or screen, display mode, resolutions, zoom
    DevPoint printOffset;                  // printing: the layout is shifted up by this offset
    DevRect sheetSurround;                 // page modes on screen: the area behind the sheet
    int curveFilter = -1;                  // -1 every curve, else the only curve drawn
    bool pointPicking = false;             // a point-picking tool is active (no confidence lines)
    bool simpleShadow = true;              // the SimpleShadow preference
    bool thinFrame = false;                // printing: every line one device pixel wide (ThinFrame preference)
    int language = 0;                      // interface language for date codes in texts
    std::function<bool()> abortRequested;  // Escape pressed? checked between steps
    PictureSource* pictures = nullptr;     // decodes the fill pictures and the logo (none: areas left white)
};

// One line of the legend box: the curve it stands for and its band across the box.
struct LegendLineRect {
    int curve = -1;
    DevRect rect;
    bool operator==(const LegendLineRect&) const = default;
};

// The layout results of the last pass, read by hit-testing afterwards.
struct DiagramLayout {
    DevRect diagramRect;
    DevRect plotRect;
    std::array<DevRect, document::LabelSlotCount> blocks{};  // empty rect: slot not shown
    std::array<std::array<TextExtent, 2>, 2> valueExtents{};  // [direction][side]
    // The band of each active scale beside its plot side, from the plot edge
    // out past the outer ticks and the graduation values; [direction][side].
    std::array<std::array<DevRect, 2>, 2> scaleAreas{};
    std::vector<LegendLineRect> legendLines;  // the lines of the legend box, top to bottom
    PlotMapping mapping;
    DeviceScale scale;
    // Tag positions recomputed from where each tag ended after being pushed
    // inside the diagram rectangle; the caller may store them back.
    std::array<std::array<double, 2>, document::TagCount> tagAnchors{};
};

struct RenderResult {
    bool complete = false;                 // the whole pass ran
    bool aborted = false;                  // stopped by the abort callback
    std::optional<base::Message> error;    // the plot is too small to draw
    DiagramLayout layout;
};

// Lays out and draws the diagram onto the device.
RenderResult drawDiagram(DrawDevice& device, const document::Diagram& diagram, const RenderRequest& request);

}  // namespace ordinax::render
