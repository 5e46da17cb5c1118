// The drawing of curves: per drawable curve its symbol layer, its line
// (joined points, a smoothing, or a sampled fitted model) and its
// confidence lines, in the curve's layer order; the legend samples; and the
// walk that finds the point nearest to a device position.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/diagram.h"
#include "render/device_scale.h"
#include "render/draw_device.h"
#include "render/line_clipping.h"
#include "render/plot_mapping.h"
#include "render/symbol_drawing.h"

namespace ordinax::render {

// Buffers of the line layer kept from one curve to the next during a pass.
struct LineScratch;

// What the curve layers of one drawing pass share.
struct CurveContext {
    CurveContext(DrawDevice& target, const document::Diagram& source, const PlotMapping& plot)
        : device(target), diagram(source), mapping(plot) {}

    DrawDevice& device;
    const document::Diagram& diagram;
    PlotMapping mapping;                    // PlotRect and the transformed scale bounds
    DeviceScale scale;                      // stored sizes to device pixels
    int screenDpiY = 96;                    // resolution the symbol sizes were chosen on
    int plotFramePen = 0;                   // plot frame pen in device pixels, 0 without a frame
    int curveFilter = -1;                   // -1 every curve, else the only drawable one
    bool pointPicking = false;              // a point-picking tool hides the confidence lines
    std::function<bool()> abortRequested;   // Escape pressed?
    ValueTextFn valueText;                  // special symbols; the main scales' graduation text when empty
    std::shared_ptr<LineScratch> scratch;   // made on first use, freed with the context
    bool aborted = false;                   // set once the abort callback answered yes

    // Asks the abort callback unless the pass is already aborted; true when it must stop.
    bool checkAbort();
};

// A graduation text as plain text for a symbol: the superscript exponent
// markup ("2.5.10¶e+3¶e") becomes "2.5.10^+3".
std::string plainGraduationText(const std::string& markup);

// True when the curve is not hidden and passes the context's curve filter.
bool isDrawable(const CurveContext& context, int curveIndex);

// The clip of a curve: PlotRect deflated by half the plot frame pen,
// intersected with the curve's delimitation mapped to the device.
DevRect curveClipRect(const CurveContext& context, const document::Curve& curve);

// Draws the three layers of a drawable curve in its order; false when the pass was aborted.
bool drawCurve(CurveContext& context, int curveIndex);

// The symbol layer: every visible point of the curve gets its symbol.
void drawCurveSymbols(CurveContext& context, const document::Curve& curve);

// The line layer: joined points, smoothing or the sampled model.
void drawCurveLine(CurveContext& context, const document::Curve& curve);

// The upper and lower limits of the confidence interval, sampled like a model.
void drawConfidenceLines(CurveContext& context, const document::Curve& curve);

// Draws a curve's legend sample: a line of `length` pixels from `start` (its
// y the line's mid-height) with the curve's line pen, and its symbol at the
// middle, symbol first when it lies below the line. `clip` is the clip in
// force, put back after the ring and frame symbols.
void drawLegendSample(DrawDevice& device, const document::Curve& curve, const DeviceScale& scale, int screenDpiY,
                      DevPoint start, int length, const std::optional<ClipArea>& clip = std::nullopt);

// The curve and point whose symbol position is nearest to a device point.
struct PointHit {
    int curve = -1;
    int point = -1;
    long long distance2 = 0;  // squared distance in pixels
};

// Runs the symbol walk of every drawable curve without drawing; nullopt when no point is visible.
std::optional<PointHit> nearestPoint(const CurveContext& context, DevPoint at);

}  // namespace ordinax::render
