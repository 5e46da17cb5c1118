// The graduations of a scale: one walk over its ticks, grid lines and value
// positions (LIN with sub-divisions, LOG by decades, HENRY by the probability
// table), used to measure the graduation values before the layout and to
// draw ticks, grids and values afterwards.
//
// Geometry: the plot frame lines lie on the pixel rows and columns
// PlotRect.left, .right, .top and .bottom, which is where toDevice puts the
// origin and the extremity of a scale. Tick lengths and frame pen widths are
// stored sizes converted through DeviceScale: vertically (y) for the X
// scales, whose ticks are vertical, horizontally (x) for the Y scales.
#pragma once

#include <string_view>
#include <vector>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

// Draws label markup (Part of the rich-text layout) on a device whose font is
// already selected. The layout of markup implements it; tests use a stand-in.
class MarkupPainter {
public:
    virtual ~MarkupPainter() = default;
    // Size of the markup laid out unturned in the device's current font.
    virtual TextExtent measure(DrawDevice& device, std::string_view markup) = 0;
    // Draws the markup inside `box`, which is the measured size, or that size
    // with width and height exchanged when `turned` (reading upwards).
    virtual void draw(DrawDevice& device, const DevRect& box, std::string_view markup, bool turned) = 0;
};

// Stand-in painter: the markup bytes are measured and drawn as plain text.
class PlainTextPainter : public MarkupPainter {
public:
    TextExtent measure(DrawDevice& device, std::string_view markup) override;
    void draw(DrawDevice& device, const DevRect& box, std::string_view markup, bool turned) override;
};

// Intervals per step for a position of the sub-division list (0, 1, ..., 10,
// 12, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100). Positions 0..10
// give position + 1 intervals (so the shown number counts the sub-division
// ticks); the larger entries give as many intervals as the shown number,
// so that 12, 20, 25, 50 or 100 cut a step into round fractions.
int subdivisionIntervals(int subdivisionIndex);

// One point visited by the walk.
struct GraduationMark {
    double value = 0.0;     // data value; for a labelled LIN value 0 and the extremity are exact
    double position = 0.0;  // device coordinate along the scale (x for X scales, y for Y scales)
    bool main = true;       // main graduation, else a sub-division
    bool tick = true;       // a tick or grid line belongs here
    bool labelled = false;  // a graduation value belongs here
};

// The graduations of the scale (direction, side) in visiting order. Empty
// when the scale cannot be walked (no extent, a step that is not positive).
std::vector<GraduationMark> graduationWalk(const document::Diagram& diagram, const PlotMapping& mapping,
                                           int direction, int side);

// True when the scale writes values (orientation not -1, format not 0).
bool showsValues(const document::AxisScale& scale);

// What a graduation pass needs besides the diagram.
struct GraduationContext {
    DrawDevice& device;
    MarkupPainter& painter;
    const document::Diagram& diagram;
    const PlotMapping& mapping;
    DeviceScale deviceScale;
};

// Frame pen width in device pixels of the frame sides of `direction` (the
// horizontal sides for X, the vertical ones for Y), at least 1.
int framePenWidth(const GraduationContext& context, int direction);

// Main tick length in device pixels of the scales of `direction`.
int tickLength(const GraduationContext& context, int direction);

// How far outer ticks reach beyond the frame line on frame side `side` of
// `direction` (the scale's own, or the main scale's repeated with
// "Graduer les 2 côtés"): length + pen/2 + 1, or 0 without outer ticks.
int outerTickReach(const GraduationContext& context, int direction, int side);

// Largest width and height of the scale's values in its font (turned boxes
// for vertical values); zero when it writes none.
TextExtent measureValueExtent(const GraduationContext& context, int direction, int side);

// Ticks (modes 0-2, repeated on the opposite side when asked), grid lines
// (mode 3) and, on a main HENRY scale, the line at probability 0.5.
void drawGraduationMarks(const GraduationContext& context, int direction, int side);

// The values of the scale beside the frame, in its font and colour.
void drawGraduationValues(const GraduationContext& context, int direction, int side);

}  // namespace ordinax::render
