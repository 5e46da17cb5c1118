// Painting of an area described by a PaintStyle (the page, the plot and the
// box of each text block): drop shadow, then fill, then border. Stored sizes
// (border widths, shadow depths) are converted to device pixels first.
#pragma once

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"

namespace ordinax::render {

// Draws the style's shadow behind the rectangle when it is active: hard when
// the hardness is 100 or `simpleShadow` is set, soft otherwise.
void paintShadow(DrawDevice& device, const DevRect& rect, const document::PaintStyle& style,
                 const DeviceScale& scale, bool simpleShadow);

// Fills the rectangle with the style's gradient when the fill is active (the
// picture fills of the page and the plot are drawn by the caller).
void paintFill(DrawDevice& device, const DevRect& rect, const document::PaintStyle& style);

// Outlines the rectangle in the border colour with a pen of the mean of the
// converted border widths when the border is active.
void paintBorder(DrawDevice& device, const DevRect& rect, const document::PaintStyle& style,
                 const DeviceScale& scale);

// Shadow, fill and border of a text block's box; nothing for an empty rectangle.
void paintArea(DrawDevice& device, const DevRect& rect, const document::PaintStyle& style,
               const DeviceScale& scale, bool simpleShadow);

// Pen width of the style's border in device pixels ((x + y) / 2 of the converted widths).
int borderPenWidth(const document::PaintStyle& style, const DeviceScale& scale);

// How far the style's shadow reaches beyond the right (x) and bottom (y)
// edges of its rectangle, in device pixels; (0, 0) without a shadow. The
// limit of the depth to half the box is not applied (the box is not known yet
// during layout), so the value is an upper bound.
DevPoint shadowExtent(const document::PaintStyle& style, const DeviceScale& scale, bool simpleShadow);

}  // namespace ordinax::render
