// The graduation walk of the three scale kinds, the tick and grid geometry and
// the placement of the graduation values.
#include "render/graduation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "base/format.h"
#include "render/graduation_text.h"
#include "render/scale_auto.h"

namespace ordinax::render {

namespace {

using document::AxisScale;
using document::PaintStyle;

// Bounds the walks over damaged scales (a step far below the span would
// otherwise draw millions of ticks); the dialog allows at most 51 steps.
constexpr int MaxMainGraduations = 10000;
constexpr int MaxLogGraduations = 9 * 1000;

constexpr std::array<int, 14> LargeSubdivisions = {12, 15, 20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};

const AxisScale& scaleOf(const document::Diagram& diagram, int direction, int side) {
    return diagram.scales.axis[static_cast<std::size_t>(direction & 1)][static_cast<std::size_t>(side & 1)];
}

// True when a device coordinate lies on the frame along the direction.
bool insideFrame(const DevRect& plot, int direction, double position) {
    const int pixel = static_cast<int>(std::floor(position));
    return direction == 0 ? pixel >= plot.left && pixel <= plot.right : pixel >= plot.top && pixel <= plot.bottom;
}

void walkLin(const AxisScale& scale, const PlotMapping& mapping, int direction, int side,
             std::vector<GraduationMark>& marks) {
    const double step = scale.step;
    if (!(step > 0.0) || !std::isfinite(step) || !std::isfinite(scale.origin) || !std::isfinite(scale.extremity))
        return;
    const int intervals = subdivisionIntervals(scale.subdivisionIndex);
    const double subStep = step / intervals;
    const double end = scale.extremity + 0.01 * step;
    double v = scale.origin;
    for (int n = 0; v < end && n < MaxMainGraduations; ++n, v += step) {
        // Repeated additions leave 1e-17 where 0 is meant.
        const double at = std::fabs(v) < 0.001 * step ? 0.0 : v;
        const auto position = toDevice(mapping, at, direction, side);
        if (!position) continue;
        GraduationMark main;
        main.value = std::fabs(at - scale.extremity) < 0.001 * step ? scale.extremity : at;
        main.position = *position;
        main.labelled = true;
        marks.push_back(main);
        for (int k = 1; k < intervals; ++k) {
            const auto subPosition = toDevice(mapping, at + k * subStep, direction, side);
            if (!subPosition || !insideFrame(mapping.plotRect, direction, *subPosition)) continue;
            marks.push_back(GraduationMark{at + k * subStep, *subPosition, false, true, false});
        }
    }
}

// One-digit mantissa and exponent of a positive bound written with "%.0e".
bool splitDecade(double value, int& mantissa, int& exponent) {
    if (!(value > 0.0) || !std::isfinite(value)) return false;
    const std::string text = base::formatPrintf("%.0e", value);
    const std::size_t e = text.find('e');
    if (e == std::string::npos || text[0] < '1' || text[0] > '9') return false;
    mantissa = text[0] - '0';
    const auto parsed = base::parseInteger(std::string_view(text).substr(e + 1));
    if (!parsed) return false;
    exponent = *parsed;
    return true;
}

// m·10^e as the nearest double (0.3 rather than 3 × 0.1).
double decadeValue(int mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void walkLog(const AxisScale& scale, const PlotMapping& mapping, int direction, int side,
             std::vector<GraduationMark>& marks) {
    int m0 = 0, e0 = 0, m1 = 0, e1 = 0;
    if (!splitDecade(scale.origin, m0, e0) || !splitDecade(scale.extremity, m1, e1)) return;
    const AxisMapping& axis = mapping.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    const bool labelAll = scale.format != 4 && axis.span <= 1.0;
    int m = m0, e = e0;
    for (int n = 0; (e < e1 || (e == e1 && m <= m1)) && n < MaxLogGraduations; ++n) {
        const double value = decadeValue(m, e);
        if (const auto position = toDevice(mapping, value, direction, side)) {
            const bool bound = (m == m0 && e == e0) || (m == m1 && e == e1);
            marks.push_back(GraduationMark{value, *position, m == 1, true, m == 1 || bound || labelAll});
        }
        if (++m > 9) {
            m = 1;
            ++e;
        }
    }
}

void walkHenry(const document::Diagram& diagram, const PlotMapping& mapping, int direction, int side,
               std::vector<GraduationMark>& marks) {
    const int extent = std::clamp(static_cast<int>(diagram.henryExtentIndex), ProbabilityTable::FirstRow,
                                  ProbabilityTable::LastRow);
    auto add = [&](double value, bool tick) {
        if (const auto position = toDevice(mapping, value, direction, side))
            marks.push_back(GraduationMark{value, *position, true, tick, true});
    };
    add(0.5, false);
    for (int r = ProbabilityTable::FirstRow; r <= extent; ++r) {
        const double p = ProbabilityTable::probability(r);
        add(p, r < extent);
        add(1.0 - p, r < extent);
    }
}

// The frame line of a frame side and the direction pointing away from the plot.
struct FrameSide {
    int line = 0;
    int outward = 1;
};

FrameSide frameSide(const DevRect& plot, int direction, int side) {
    if (direction == 0) return side == 0 ? FrameSide{plot.bottom, 1} : FrameSide{plot.top, -1};
    return side == 0 ? FrameSide{plot.left, -1} : FrameSide{plot.right, 1};
}

DevPoint alongAxis(int direction, int position, int across) {
    return direction == 0 ? DevPoint{position, across} : DevPoint{across, position};
}

Colour frameColour(const document::Diagram& diagram) {
    return static_cast<Colour>(diagram.diagramPaint[PaintStyle::BorderColour]);
}

// Pen of a grid line style: 0 "Normal", 1 "Idem cadre", 2 "Pointillés".
Pen gridPen(const GraduationContext& context, int direction, int style) {
    const Colour colour = frameColour(context.diagram);
    if (style == 1) return Pen{PenStyle::Solid, framePenWidth(context, direction), colour};
    if (style == 2) return Pen{PenStyle::Dot, 1, colour};
    return Pen{PenStyle::Solid, 1, colour};
}

// A line across the plot area at a position along the direction.
void lineAcross(DrawDevice& device, const DevRect& plot, int direction, double position) {
    const int at = static_cast<int>(std::floor(position));
    if (direction == 0)
        device.line({at, plot.top}, {at, plot.bottom});
    else
        device.line({plot.left, at}, {plot.right, at});
}

void drawTicks(const GraduationContext& context, const std::vector<GraduationMark>& marks, int direction,
               int frameSideIndex, int mode) {
    const int pen = framePenWidth(context, direction);
    const int length = tickLength(context, direction);
    const FrameSide frame = frameSide(context.mapping.plotRect, direction, frameSideIndex);
    context.device.setPen(Pen{PenStyle::Solid, pen, frameColour(context.diagram)});
    for (const GraduationMark& mark : marks) {
        if (!mark.tick) continue;
        const int len = mark.main ? length : std::max(1, length / 2);
        const int outer = frame.line + frame.outward * (len + pen / 2 + 1);
        const int inner = frame.line - frame.outward * (len + (pen + 1) / 2);
        // Mode 0 inner, 1 outer, 2 both: one segment from end to end.
        const int from = mode == 2 ? inner : frame.line;
        const int to = mode == 0 ? inner : outer;
        const int at = static_cast<int>(std::floor(mark.position));
        context.device.line(alongAxis(direction, at, from), alongAxis(direction, at, to));
    }
}

base::LogFont valueFont(const GraduationContext& context, const AxisScale& scale) {
    base::LogFont font = scale.font;
    // A zero height asks the platform for its default size; it stays so.
    if (font.height != 0) font.height = context.deviceScale.valueFontHeight(font.height);
    font.escapement = scale.orientation == 1 ? 900 : 0;
    font.orientation = font.escapement;
    return font;
}

TextExtent boxSize(TextExtent extent, bool turned) {
    return turned ? TextExtent{extent.height, extent.width} : extent;
}

}  // namespace

TextExtent PlainTextPainter::measure(DrawDevice& device, std::string_view markup) {
    return device.textExtent(markup);
}

void PlainTextPainter::draw(DrawDevice& device, const DevRect& box, std::string_view markup, bool turned) {
    const int ascent = device.fontMetrics().ascent;
    // Turned a quarter anticlockwise, the baseline runs upwards from the
    // box's bottom with the ascent on its left.
    if (turned)
        device.text(box.left + ascent, box.bottom, markup);
    else
        device.text(box.left, box.top + ascent, markup);
}

int subdivisionIntervals(int subdivisionIndex) {
    if (subdivisionIndex <= 0) return 1;
    if (subdivisionIndex <= 10) return subdivisionIndex + 1;
    const std::size_t large = static_cast<std::size_t>(subdivisionIndex - 11);
    return large < LargeSubdivisions.size() ? LargeSubdivisions[large] : 100;
}

std::vector<GraduationMark> graduationWalk(const document::Diagram& diagram, const PlotMapping& mapping,
                                           int direction, int side) {
    direction &= 1;
    side &= 1;
    std::vector<GraduationMark> marks;
    const AxisMapping& axis = mapping.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
    if (axis.span == 0.0 || !std::isfinite(axis.span)) return marks;
    const AxisScale& scale = scaleOf(diagram, direction, side);
    switch (scale.kind) {
    case ScaleLog: walkLog(scale, mapping, direction, side, marks); break;
    case ScaleHenry: walkHenry(diagram, mapping, direction, side, marks); break;
    default: walkLin(scale, mapping, direction, side, marks); break;
    }
    return marks;
}

bool showsValues(const AxisScale& scale) { return scale.orientation != -1 && scale.format > 0; }

int framePenWidth(const GraduationContext& context, int direction) {
    const PaintStyle& paint = context.diagram.diagramPaint;
    return direction == 0 ? context.deviceScale.y(paint[PaintStyle::BorderWidthY])
                          : context.deviceScale.x(paint[PaintStyle::BorderWidthX]);
}

int tickLength(const GraduationContext& context, int direction) {
    const double stored = context.diagram.dashLength[static_cast<std::size_t>(direction & 1)];
    return direction == 0 ? context.deviceScale.y(stored) : context.deviceScale.x(stored);
}

int outerTickReach(const GraduationContext& context, int direction, int side) {
    direction &= 1;
    side &= 1;
    const document::Scales& scales = context.diagram.scales;
    const AxisScale& own = scaleOf(context.diagram, direction, side);
    const int mainSide = scales.mainSide[static_cast<std::size_t>(direction)] == 1 ? 1 : 0;
    const AxisScale& main = scaleOf(context.diagram, direction, mainSide);
    int mode = -1;
    if (own.active != 0)
        mode = own.mainGraduate;
    else if (mainSide != side && main.active != 0 && main.graduateBoth != 0)
        mode = main.mainGraduate;
    if (mode != 1 && mode != 2) return 0;
    return tickLength(context, direction) + framePenWidth(context, direction) / 2 + 1;
}

TextExtent measureValueExtent(const GraduationContext& context, int direction, int side) {
    const AxisScale& scale = scaleOf(context.diagram, direction, side);
    TextExtent largest;
    if (!showsValues(scale)) return largest;
    context.device.setFont(valueFont(context, scale));
    for (const GraduationMark& mark : graduationWalk(context.diagram, context.mapping, direction, side)) {
        if (!mark.labelled) continue;
        const std::string text = formatGraduationValue(mark.value, scale);
        if (text.empty()) continue;
        const TextExtent box = boxSize(context.painter.measure(context.device, text), scale.orientation == 1);
        largest.width = std::max(largest.width, box.width);
        largest.height = std::max(largest.height, box.height);
    }
    return largest;
}

void drawGraduationMarks(const GraduationContext& context, int direction, int side) {
    direction &= 1;
    side &= 1;
    const AxisScale& scale = scaleOf(context.diagram, direction, side);
    const std::vector<GraduationMark> marks = graduationWalk(context.diagram, context.mapping, direction, side);
    const bool isMain = context.diagram.scales.mainSide[static_cast<std::size_t>(direction)] == side;
    const int mode = scale.mainGraduate;
    if (mode >= 0 && mode <= 2) {
        drawTicks(context, marks, direction, side, mode);
        const AxisScale& facing = scaleOf(context.diagram, direction, 1 - side);
        if (isMain && scale.graduateBoth != 0 && facing.active == 0) drawTicks(context, marks, direction, 1 - side, mode);
    } else if (mode == 3) {
        const DevRect& plot = context.mapping.plotRect;
        context.device.setPen(gridPen(context, direction, scale.mainGraduateLine));
        for (const GraduationMark& mark : marks)
            if (mark.tick && mark.main) lineAcross(context.device, plot, direction, mark.position);
        if (scale.subGraduate != 0) {
            context.device.setPen(gridPen(context, direction, scale.subGraduateLine));
            for (const GraduationMark& mark : marks)
                if (mark.tick && !mark.main) lineAcross(context.device, plot, direction, mark.position);
        }
    }
    if (scale.kind == ScaleHenry && isMain) {
        if (const auto half = toDevice(context.mapping, 0.5, direction, side)) {
            context.device.setPen(Pen{PenStyle::Solid, 1, frameColour(context.diagram)});
            lineAcross(context.device, context.mapping.plotRect, direction, *half);
        }
    }
}

void drawGraduationValues(const GraduationContext& context, int direction, int side) {
    direction &= 1;
    side &= 1;
    const AxisScale& scale = scaleOf(context.diagram, direction, side);
    if (!showsValues(scale)) return;
    const bool turned = scale.orientation == 1;
    context.device.setFont(valueFont(context, scale));
    context.device.setTextColour(static_cast<Colour>(scale.colour));

    // O: the plot rectangle grown by half the frame pen and the outer ticks.
    const DevRect& plot = context.mapping.plotRect;
    const int w = context.deviceScale.x(context.diagram.drawSpace[0]);
    const int h = context.deviceScale.y(context.diagram.drawSpace[1]);
    const int halfPen = framePenWidth(context, direction) / 2;
    const int reach = outerTickReach(context, direction, side);

    for (const GraduationMark& mark : graduationWalk(context.diagram, context.mapping, direction, side)) {
        if (!mark.labelled) continue;
        const std::string text = formatGraduationValue(mark.value, scale);
        if (text.empty()) continue;
        const TextExtent box = boxSize(context.painter.measure(context.device, text), turned);
        const int at = static_cast<int>(std::floor(mark.position));
        DevRect r;
        if (direction == 0) {
            r.left = at - box.width / 2;
            r.top = side == 0 ? plot.bottom + halfPen + reach + h : plot.top - halfPen - reach - h - box.height;
        } else {
            r.top = at - box.height / 2;
            r.left = side == 0 ? plot.left - halfPen - reach - w - box.width : plot.right + halfPen + reach + w;
        }
        r.right = r.left + box.width;
        r.bottom = r.top + box.height;
        context.painter.draw(context.device, r, text, turned);
    }
}

}  // namespace ordinax::render
