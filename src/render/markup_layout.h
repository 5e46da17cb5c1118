// Measuring and drawing a block of label markup on a drawing device: runs in
// their fonts and colours, raised and lowered runs, tabs, ruled lines, up to
// ten lines aligned in a rectangle, level or turned a quarter turn.
#pragma once

#include <string_view>

#include "base/logfont.h"
#include "render/draw_device.h"

namespace ordinax::render {

enum class MarkupMode { Measure, Draw };

// Horizontal alignment of the lines of a block (along the text when turned).
enum : int { AlignLeft = 1, AlignRight = 2, AlignCentre = 3 };

// Size of a block on the device, in pixels (already swapped for angle 90).
struct MarkupSize {
    int width = 0;
    int height = 0;
    bool operator==(const MarkupSize&) const = default;
};

// Measures the markup `text` set in `baseFont` (a device font: negative pixel
// height) and `baseColour` and, in Draw mode, draws it into `rect` with the
// alignment (1 left, 2 right, 3 centred) and angle (0, or 90 for text reading
// upwards; other angles are taken as 0). ¶S sizes and ¶e[n]/¶s[n] shifts (in
// half-points) become pixels at `pixelsPerPoint` (0: the device's vertical
// pixels per inch / 72; when the base font went through DeviceScale, pass
// its factorY() × the screen's pixels per inch / 72 so both agree). Drawing leaves the device's font, text colour and
// pen (used for ruled lines) as the last run set them.
MarkupSize layoutMarkup(DrawDevice& device, std::string_view text, const base::LogFont& baseFont, Colour baseColour,
                        const DevRect& rect, int alignment, int angle, MarkupMode mode, double pixelsPerPoint = 0.0);

}  // namespace ordinax::render
