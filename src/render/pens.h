// Pens of curve lines and symbols, and the pixel size of a curve symbol.
#pragma once

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"

namespace ordinax::render {

// A pen of platform style `style` (PenStyle order: 0 solid .. 4 dash-dot-dot,
// 5 none; anything else reads as solid); a width of 0 or less becomes 1.
Pen makePen(int style, int width, Colour colour);

// The pen of a curve's line (index 0) or confidence line (index 1): line
// type minus one as style, the stored width converted for the device.
Pen linePen(const document::LineStyle& line, int index, const DeviceScale& scale);

// Width and height of a symbol in device pixels.
struct SymbolExtent {
    int width = 0;
    int height = 0;
    bool operator==(const SymbolExtent&) const = default;
};

// The pixel size of a symbol of `sizePoints` points: below 1 it is taken as
// 12; the height goes through the vertical device scale (points seen on a
// screen of `screenDpiY`), the width follows the device's aspect ratio; each
// is at least 4 pixels.
SymbolExtent symbolSize(int sizePoints, const DeviceScale& scale, int screenDpiY, int deviceDpiX, int deviceDpiY);

}  // namespace ordinax::render
