// Drop shadows of boxes: the hard shadow (two flat strips on the right and
// bottom edges) and the soft shadow, whose edges fade out through a corner
// table. On raster devices the soft shadow darkens the device's pixels; on
// other devices (printers, PDF, SVG, recording) it is computed as an image
// with alpha and drawn with image(), so no pixel is ever read there.
#pragma once

#include <vector>

#include "render/draw_device.h"

namespace ordinax::render {

// Draws the two strips of a hard shadow in `colour`: depth x along the right
// edge (moved down by depth y) and depth y along the bottom edge (moved right
// by depth x); depths are first limited to half the rectangle's size.
void hardShadow(DrawDevice& device, const DevRect& rect, int depthX, int depthY, Colour colour);

// Draws a soft shadow of hardness 0..100 behind the rectangle; `border x/y`
// are the widths of the box's border. Hardness 100, or `simpleShadow` (the
// preference for printers that cannot read pixels back), draws the hard one.
// Depths are limited to half the box and to 1000 pixels.
void softShadow(DrawDevice& device, const DevRect& rect, int depthX, int depthY, int borderX, int borderY,
                Colour colour, int hardness, bool simpleShadow = false);

// The fall-off table of a soft shadow: (depthX + 1) × (depthY + 1) values in
// 0..1, row by row (index j × (depthX + 1) + i for i, j pixels from the
// corner of the fully dark core); 0 is the full shadow colour, 1 no shadow.
std::vector<double> shadowFalloff(int depthX, int depthY, int hardness);

// The corner-table entry of one colour channel c for a fall-off value:
// c + falloff × (255 − c), rounded and limited to 0..255 (255: unchanged).
int shadowEntry(int channel, double falloff);

// The rectangle a soft shadow covers (depths already limited): the box grown
// by half its border widths and moved right and down by depth × (1 + hardness/100).
DevRect softShadowRect(const DevRect& rect, int depthX, int depthY, int borderX, int borderY, int hardness);

// A depth limited to half of a rectangle's side, never negative.
int limitedDepth(int depth, int side);

}  // namespace ordinax::render
