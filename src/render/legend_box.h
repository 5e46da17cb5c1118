// The legend box (label slot 6): one line per drawable curve with a legend,
// each a line-and-symbol sample followed by the legend text. Its size, its
// ten positions around or inside the plot, and its drawing.
#pragma once

#include <optional>
#include <vector>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/diagram_renderer.h"
#include "render/draw_device.h"
#include "render/text_blocks.h"

namespace ordinax::render {

struct LegendLine {
    int curve = -1;
    int height = 0;     // the largest of the text, 110 % of the symbol and of the line pen
    TextExtent text;
};

struct LegendBox {
    std::vector<LegendLine> lines;
    int sampleLength = 0;  // diagram width / 24
    int symbolWidth = 0;   // widest symbol of the listed curves
    int spaceX = 0;        // horizontal drawSpace in pixels
    int marginX = 0;       // inner margins of the box
    int marginY = 0;
    int frame = 0;         // border width, 0 without a border
    int width = 0;
    int height = 0;
    bool shown() const { return !lines.empty(); }
};

// What measuring and drawing the legend need besides the diagram.
struct LegendContext {
    const document::Diagram& diagram;
    DeviceScale scale;
    int screenDpiY = 96;
    int curveFilter = -1;
};

// Measures the legend lines and the box: width = sample + widest text +
// drawSpace + 2 × symbol width + 4 × margin, height = lines + 2 × margin.
LegendBox measureLegend(DrawDevice& device, MarkupBlockPainter& painter, const LegendContext& context,
                        const DevRect& diagramRect);

// The box's rectangle for placement code 0..9: inside the plot at a corner
// (0 top right, 1 top left, 2 bottom left, 3 bottom right) or outside against
// the diagram's left (4 top, 5 centred, 6 bottom) or right edge (7, 8, 9).
// `w`, `h` are the drawSpace in pixels; `plotPen` the plot frame pen.
DevRect placeLegend(const LegendBox& box, int code, const DevRect& plotRect, int plotPen, const DevRect& diagramRect,
                    int w, int h);

// The band of each line inside the box placed at `rect`, as drawLegend
// stacks them: full box width, from the top inner margin down.
std::vector<LegendLineRect> legendLineRects(const LegendBox& box, const DevRect& rect);

// Draws the box (shadow, fill, border), then each line's sample and text.
void drawLegend(DrawDevice& device, MarkupBlockPainter& painter, const LegendContext& context, const LegendBox& box,
                const DevRect& rect, bool simpleShadow, const std::optional<ClipArea>& clip);

}  // namespace ordinax::render
