// The three layers of a curve, legend samples and the nearest-point walk.
// Long curves on raster devices: one-colour symbols have their pixels
// marked (on a second thread) and are stamped once per occupied pixel.
#include "render/curve_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

#include "base/format.h"
#include "expression/primitives.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"
#include "numerics/smoothing.h"
#include "render/graduation_text.h"
#include "render/pens.h"

namespace ordinax::render {

struct LineScratch {
    std::vector<document::Point> transformed;
    numerics::SmoothingWork work;
    std::vector<std::uint64_t> drawnSymbols;  // one bit per device pixel of the plot
    std::vector<std::uint64_t> spareMarks;    // the same, for the second marking thread
    std::vector<std::uint64_t> aheadMarks;    // marked during the line layer
    bool aheadReady = false;                  // aheadMarks hold the curve's symbols
};

namespace {

using document::Curve;
using document::Point;

// Points between two looks at the abort callback in long loops.
constexpr int AbortInterval = 65536;
// Points between two looks in the symbol walk, where each point costs more.
constexpr int SymbolAbortInterval = 1024;

// Model samples are taken every this many pixels at most 400 times across the plot.
constexpr int SamplesAcross = 400;

bool insideDelimitation(const Curve& curve, const Point& p) {
    return curve.bounds[0][0] <= p.x && p.x <= curve.bounds[0][1] && curve.bounds[1][0] <= p.y &&
           p.y <= curve.bounds[1][1];
}

int pixelOf(double coordinate) { return static_cast<int>(std::floor(std::clamp(coordinate, -1.0e9, 1.0e9))); }

// The device points of data points on two LIN main scales: the arithmetic
// of pointToDevice, in the same order so that every point lands on the same
// pixel, without its per-point dispatch on the scale kind.
class LinearPlacement {
public:
    explicit LinearPlacement(const PlotMapping& m)
        : x_(m.axis[0][static_cast<std::size_t>(m.mainSide[0])]),
          y_(m.axis[1][static_cast<std::size_t>(m.mainSide[1])]),
          originX_(m.plotRect.left + 0.5),
          originY_(m.plotRect.bottom + 0.5),
          width_(m.plotRect.width()),
          height_(m.plotRect.height()) {}

    // False when a scale is not LIN or cannot place any point (no extent).
    bool usable() const {
        return x_.kind == ScaleLin && y_.kind == ScaleLin && x_.span != 0.0 && y_.span != 0.0 &&
               std::isfinite(x_.span) && std::isfinite(y_.span);
    }

    std::optional<DevPoint> place(const Point& p) const {
        const double dx = originX_ + (p.x - x_.t0) / x_.span * width_;
        const double dy = originY_ - (p.y - y_.t0) / y_.span * height_;
        // NaN data and far-away points (NaN coordinates included) are not placed.
        if (!(std::abs(dx) <= 1e9) || !(std::abs(dy) <= 1e9)) return std::nullopt;
        return DevPoint{floorOf(dx), floorOf(dy)};
    }

private:
    // std::floor of a coordinate within +-1e9, without a library call.
    static int floorOf(double v) {
        const int i = static_cast<int>(v);
        return i > v ? i - 1 : i;
    }

    AxisMapping x_, y_;
    double originX_, originY_;
    int width_, height_;
};

// Visits the points that get a symbol: inside the delimitation when points
// are excluded, with a transform that works, on PlotRect grown by one pixel.
// `visit` returns false to stop; the walk stops too when the pass is aborted.
// Points [from, to) of the curve; `to` is cut to the number of points.
struct PointRange {
    std::size_t from = 0;
    std::size_t to = static_cast<std::size_t>(-1);
};

template <typename Place, typename Visit>
void walkPlaced(const CurveContext& context, const Curve& curve, PointRange range, CurveContext* abortable, Place place,
                Visit visit) {
    const DevRect area = context.mapping.plotRect.inflated(1, 1);
    const auto points = curve.points.view();
    for (std::size_t i = range.from; i < std::min(range.to, points.size()); ++i) {
        if (abortable && i % SymbolAbortInterval == 0 && abortable->checkAbort()) return;
        const Point& p = points[i];
        if (curve.excludePoints && !insideDelimitation(curve, p)) continue;
        const std::optional<DevPoint> at = place(p);
        if (!at || !area.contains(*at)) continue;
        if (!visit(static_cast<int>(i), *at, p)) return;
    }
}

template <typename Visit>
void symbolWalk(const CurveContext& context, const Curve& curve, CurveContext* abortable, Visit visit,
                PointRange range = {}) {
    const LinearPlacement linear(context.mapping);
    if (linear.usable()) {
        walkPlaced(context, curve, range, abortable, [&linear](const Point& p) { return linear.place(p); }, visit);
        return;
    }
    const PlotMapping& mapping = context.mapping;
    auto place = [&mapping](const Point& p) { return pointToDevice(mapping, p.x, p.y); };
    walkPlaced(context, curve, range, abortable, place, visit);
}

// True when every pixel a symbol paints has the same colour (a predefined
// shape outlined without fill or filled in its outline colour, a disc of one
// colour): drawing order and repeats then make no difference to the picture.
bool symbolsCommute(const document::SymbolStyle& symbol) {
    const bool oneColour = symbol.fill == 0 || symbol.innerColour == symbol.outerColour;
    if (symbol.type == SymbolPredefined) return oneColour;
    if (symbol.type == SymbolShaded) return symbol.innerColour == symbol.outerColour;
    return false;
}

// Curves from this many points on have their occupied pixels marked by two threads.
constexpr std::size_t ParallelMarkingPoints = 100'000;

// The pixels a symbol may be centred on, one bit each, row by row.
DevRect symbolArea(const CurveContext& context) { return context.mapping.plotRect.inflated(1, 1); }
std::size_t markWords(const DevRect& area) {
    return (static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(area.height()) + 63) / 64;
}

// A walk visitor setting the bit of each visited pixel.
auto markerInto(const DevRect& area, std::vector<std::uint64_t>& bits) {
    const auto width = static_cast<std::size_t>(area.width());
    return [&bits, left = area.left, top = area.top, width](int, DevPoint at, const Point&) {
        const std::size_t bit = static_cast<std::size_t>(at.y - top) * width + static_cast<std::size_t>(at.x - left);
        bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
        return true;
    };
}

// Sets the bit of every pixel that holds a symbol of the curve. The marks do
// not depend on the order of the points, so a long curve is split in two
// halves marked side by side; only this thread asks the abort callback.
void markOccupied(CurveContext& context, const Curve& curve, const DevRect& area, std::vector<std::uint64_t>& marks,
                  std::vector<std::uint64_t>& spare) {
    const std::size_t count = curve.points.size();
    if (count < ParallelMarkingPoints) {
        symbolWalk(context, curve, &context, markerInto(area, marks));
        return;
    }
    spare.assign(marks.size(), 0);
    const std::size_t half = count / 2;
    std::jthread second([&] { symbolWalk(context, curve, nullptr, markerInto(area, spare), {half, count}); });
    symbolWalk(context, curve, &context, markerInto(area, marks), {0, half});
    second.join();
    for (std::size_t i = 0; i < marks.size(); ++i) marks[i] |= spare[i];
}

// True when a long curve's symbols, drawn above its line in one colour on a
// raster device, are worth marking on a second thread during the line.
bool marksAhead(const CurveContext& context, const Curve& curve) {
    const bool lineDrawn = curve.treatment != numerics::KindNone && curve.line.type[0] != 0;
    return lineDrawn && !curve.symbol.belowLine && curve.symbol.type != SymbolNone &&
           !isTextSymbol(curve.symbol.type) && symbolsCommute(curve.symbol) &&
           curve.points.size() >= ParallelMarkingPoints && context.device.hasPixels();
}

void selectCurveClip(CurveContext& context, const Curve& curve) {
    ClipArea area;
    area.rect = curveClipRect(context, curve);
    context.device.setClip(area);
}

// The transformed y of a model value: models drawn on a HENRY axis already
// give the normal quantile, the others give a data value.
std::optional<double> transformedModelY(double y, int kind) {
    if (kind == ScaleHenry) return y;
    bool failed = false;
    const double t = scaleTransform(y, kind, failed);
    if (failed) return std::nullopt;
    return t;
}

// Samples a function of x across the plot every max(1, width / 400) pixels,
// within the curve's delimitation; a failed sample breaks the line.
template <typename Evaluate>
void sampleAcross(CurveContext& context, const Curve& curve, LinePath& path, Evaluate evaluate) {
    const PlotMapping& m = context.mapping;
    const int sideX = m.mainSide[0];
    const AxisMapping& ax = m.axis[0][static_cast<std::size_t>(sideX)];
    const int kindY = m.axis[1][static_cast<std::size_t>(m.mainSide[1])].kind;
    const int width = m.plotRect.width();
    if (width <= 0) return;
    const int step = std::max(1, width / SamplesAcross);
    if (context.checkAbort()) return;  // at most a few hundred samples follow
    for (int i = 0;; i += step) {
        const int offset = std::min(i, width);  // the last sample sits on the right edge
        const auto x = fromDevice(m, m.plotRect.left + 0.5 + offset, 0, sideX);
        const std::optional<double> y =
            x && *x >= curve.bounds[0][0] && *x <= curve.bounds[0][1] ? evaluate(*x) : std::nullopt;
        const std::optional<double> ty = y ? transformedModelY(*y, kindY) : std::nullopt;
        if (ty) path.addTransformed({ax.t0 + ax.span * offset / width, *ty});
        else path.breakLine();
        if (offset == width) break;
    }
}

// The graduation text of a main scale, with or without its symbol.
std::string mainScaleText(const document::Diagram& diagram, double value, int direction, bool withSymbol) {
    const auto d = static_cast<std::size_t>(direction & 1);
    document::AxisScale scale = diagram.scales.axis[d][static_cast<std::size_t>(diagram.scales.mainSide[d] == 1)];
    if (!withSymbol) scale.symbol = 0;
    const std::string text = plainGraduationText(formatGraduationValue(value, scale));
    // A scale that shows no values still labels its points.
    return text.empty() ? base::formatPrintf("%g", value) : text;
}

}  // namespace

std::string plainGraduationText(const std::string& markup) {
    std::string text;
    bool superscript = false;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] != MarkupEscape) {
            text += markup[i];
            continue;
        }
        if (i + 1 < markup.size() && markup[i + 1] == 'e') {
            superscript = !superscript;
            if (superscript) text += '^';
        }
        ++i;  // the code byte after the escape
    }
    return text;
}

bool CurveContext::checkAbort() {
    if (!aborted && abortRequested && abortRequested()) aborted = true;
    return aborted;
}

bool isDrawable(const CurveContext& context, int curveIndex) {
    if (curveIndex < 0 || curveIndex >= context.diagram.curveCount()) return false;
    const Curve& curve = context.diagram.curves[static_cast<std::size_t>(curveIndex)];
    return curve.hidden == 0 && (context.curveFilter == -1 || context.curveFilter == curveIndex);
}

DevRect curveClipRect(const CurveContext& context, const Curve& curve) {
    const PlotMapping& m = context.mapping;
    const int half = context.plotFramePen / 2;
    DevRect clip = m.plotRect.inflated(-half, -half);
    // A bound that cannot be mapped (the open default bounds on LOG or HENRY
    // axes) limits nothing: the line clipping sorts out the invalid values.
    DevRect limits{-1'000'000'000, -1'000'000'000, 1'000'000'000, 1'000'000'000};
    const auto x0 = toDevice(m, curve.bounds[0][0], 0, m.mainSide[0]);
    const auto x1 = toDevice(m, curve.bounds[0][1], 0, m.mainSide[0]);
    const auto y0 = toDevice(m, curve.bounds[1][0], 1, m.mainSide[1]);
    const auto y1 = toDevice(m, curve.bounds[1][1], 1, m.mainSide[1]);
    if (x0 && x1) {
        limits.left = pixelOf(std::min(*x0, *x1));
        limits.right = pixelOf(std::max(*x0, *x1)) + 1;
    }
    if (y0 && y1) {
        limits.top = pixelOf(std::min(*y0, *y1));
        limits.bottom = pixelOf(std::max(*y0, *y1)) + 1;
    }
    return intersect(clip, limits);
}

bool drawCurve(CurveContext& context, int curveIndex) {
    if (!isDrawable(context, curveIndex)) return !context.aborted;
    const Curve& curve = context.diagram.curves[static_cast<std::size_t>(curveIndex)];
    using Layer = void (*)(CurveContext&, const Curve&);
    const Layer below[] = {drawCurveSymbols, drawCurveLine, drawConfidenceLines};
    const Layer above[] = {drawCurveLine, drawConfidenceLines, drawCurveSymbols};
    // The symbols' pixels of a long curve are marked on a second thread
    // while this one draws the line; an early return joins it.
    std::jthread ahead;
    if (marksAhead(context, curve)) {
        if (!context.scratch) context.scratch = std::make_shared<LineScratch>();
        const DevRect area = symbolArea(context);
        std::vector<std::uint64_t>& marks = context.scratch->aheadMarks;
        marks.assign(markWords(area), 0);
        ahead = std::jthread([&context, &curve, area, &marks] {
            symbolWalk(context, curve, nullptr, markerInto(area, marks));
        });
    }
    for (Layer layer : curve.symbol.belowLine ? below : above) {
        if (context.checkAbort()) return false;
        if (layer == drawCurveSymbols && ahead.joinable()) {
            ahead.join();
            context.scratch->aheadReady = true;
        }
        layer(context, curve);
        if (context.scratch) context.scratch->aheadReady = false;
    }
    return !context.aborted;
}

void drawCurveSymbols(CurveContext& context, const Curve& curve) {
    if (curve.symbol.type == SymbolNone || curve.points.empty()) return;
    selectCurveClip(context, curve);
    SymbolSetup setup = makeSymbolSetup(curve.symbol, context.scale, context.screenDpiY, context.device);
    setup.valueText = context.valueText;
    if (!setup.valueText) {
        const document::Diagram& diagram = context.diagram;
        setup.valueText = [&diagram](double value, int direction, bool withSymbol) {
            return mainScaleText(diagram, value, direction, withSymbol);
        };
    }
    ClipArea clip;
    clip.rect = curveClipRect(context, curve);
    setup.restoreClip = clip;
    DrawDevice& device = context.device;
    // Text symbols are all measured first so that justified boxes share the largest size.
    if (isTextSymbol(curve.symbol.type)) {
        symbolWalk(context, curve, &context, [&](int index, DevPoint at, const Point& p) {
            drawSymbol(device, at.x, at.y, setup, SymbolPass::Measure, index, p);
            return true;
        });
        if (context.aborted) return;
    }
    // Shapes and discs are the same picture at every point: a raster device
    // draws one and copies its pixels, clipped by the curve's clip.
    std::unique_ptr<SymbolStamp> stamp;
    SymbolSetup stampSetup = setup;
    if (!isTextSymbol(curve.symbol.type)) {
        stampSetup.restoreClip.reset();  // the ring and frame cut their hole alone
        const int reach = std::max(setup.size.width, setup.size.height) / 2 + 2 * setup.penWidth + 2;
        stamp = device.makeStamp(reach, [&stampSetup](DrawDevice& target, DevPoint anchor) {
            drawSymbol(target, anchor.x, anchor.y, stampSetup, SymbolPass::Draw);
        });
    }
    auto put = [&](int index, DevPoint at, const Point& p) {
        if (stamp) stamp->paintAt(at.x, at.y);
        else drawSymbol(device, at.x, at.y, setup, SymbolPass::Draw, index, p);
    };
    if (!symbolsCommute(curve.symbol)) {
        symbolWalk(context, curve, &context, [&](int index, DevPoint at, const Point& p) {
            put(index, at, p);
            return true;
        });
        return;
    }
    // Symbols painted in one colour give the union of their pixels whatever
    // their order: a symbol at a pixel already holding one adds nothing, so a
    // dense curve draws each occupied pixel's symbol once and looks the same.
    const DevRect area = symbolArea(context);
    const auto width = static_cast<std::size_t>(area.width());
    if (!context.scratch) context.scratch = std::make_shared<LineScratch>();
    std::vector<std::uint64_t>& drawn = context.scratch->drawnSymbols;
    drawn.assign(markWords(area), 0);
    if (stamp) {
        // Every occupied pixel is marked first (perhaps already, during the
        // line), then stamped once, row by row: no branch per point on
        // whether its pixel was already seen.
        if (context.scratch->aheadReady) drawn.swap(context.scratch->aheadMarks);
        else markOccupied(context, curve, area, drawn, context.scratch->spareMarks);
        if (context.aborted) return;  // the pass is abandoned, the picture unfinished anyway
        stamp->paintOccupied({drawn, area});
        return;
    }
    symbolWalk(context, curve, &context, [&](int index, DevPoint at, const Point& p) {
        const std::size_t bit = static_cast<std::size_t>(at.y - area.top) * width + static_cast<std::size_t>(at.x - area.left);
        std::uint64_t& word = drawn[bit / 64];
        const std::uint64_t mask = std::uint64_t{1} << (bit % 64);
        if (word & mask) return true;
        word |= mask;
        put(index, at, p);
        return true;
    });
}

void drawCurveLine(CurveContext& context, const Curve& curve) {
    const int kind = curve.treatment;
    if (kind == numerics::KindNone || curve.line.type[0] == 0) return;
    const bool smoothing = kind >= numerics::KindJPP && kind <= numerics::KindBEZ;
    const bool model = kind == numerics::KindFOU || numerics::isRegressionKind(kind);
    if (!smoothing && !model) return;
    selectCurveClip(context, curve);
    context.device.setPen(linePen(curve.line, 0, context.scale));
    context.device.setBrush(HollowBrush);
    LinePath path(context.device, context.mapping, visibleBox(context.mapping, curve.bounds));
    const auto points = curve.points.view();
    if (kind == numerics::KindJPP) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i % AbortInterval == 0 && i > 0 && context.checkAbort()) return;
            path.addData(points[i].x, points[i].y);
        }
    } else if (smoothing) {
        // The smoothing runs on the transformed points, as they lie on the plot.
        if (!context.scratch) context.scratch = std::make_shared<LineScratch>();
        std::vector<Point>& transformed = context.scratch->transformed;
        const PlotMapping& m = context.mapping;
        const int kindX = m.axis[0][static_cast<std::size_t>(m.mainSide[0])].kind;
        const int kindY = m.axis[1][static_cast<std::size_t>(m.mainSide[1])].kind;
        transformed.clear();
        transformed.reserve(points.size());
        for (const Point& p : points) {
            bool failed = false;
            const Point t{scaleTransform(p.x, kindX, failed), scaleTransform(p.y, kindY, failed)};
            if (!failed) transformed.push_back(t);
        }
        if (transformed.size() < 2) return;
        numerics::smoothLine(kind, transformed, context.scratch->work, [&](std::span<const Point> piece) {
            if (context.checkAbort()) return;
            for (const Point& p : piece) path.addTransformed({p.x, p.y});
        });
    } else {
        sampleAcross(context, curve, path, [&](double x) -> std::optional<double> {
            expression::MathErrorFlag flag;
            const double y = numerics::modelValue(curve, x, flag);
            if (flag.isRaised()) return std::nullopt;
            return y;
        });
    }
}

void drawConfidenceLines(CurveContext& context, const Curve& curve) {
    if (curve.treatment == numerics::KindNone || curve.line.type[1] == 0 || context.pointPicking) return;
    if (!numerics::isRegressionKind(curve.treatment)) return;
    selectCurveClip(context, curve);
    context.device.setPen(linePen(curve.line, 1, context.scale));
    context.device.setBrush(HollowBrush);
    const ClipBox box = visibleBox(context.mapping, curve.bounds);
    for (int side : {1, -1}) {
        LinePath path(context.device, context.mapping, box);
        sampleAcross(context, curve, path, [&](double x) -> std::optional<double> {
            const double y = numerics::confidenceBand(curve, x, side, curve.pointCount());
            if (y >= 1.0e35) return std::nullopt;  // no limit there
            return y;
        });
        if (context.aborted) return;
    }
}

void drawLegendSample(DrawDevice& device, const Curve& curve, const DeviceScale& scale, int screenDpiY,
                      DevPoint start, int length, const std::optional<ClipArea>& clip) {
    const bool hasLine = curve.treatment != numerics::KindNone && curve.line.type[0] != 0 && length > 0;
    auto drawLine = [&] {
        if (!hasLine) return;
        device.setPen(linePen(curve.line, 0, scale));
        device.setBrush(HollowBrush);
        device.line(start, {start.x + length, start.y});
    };
    auto drawMark = [&] {
        if (curve.symbol.type == SymbolNone) return;
        SymbolSetup setup = makeSymbolSetup(curve.symbol, scale, screenDpiY, device);
        setup.restoreClip = clip;
        const Point first = curve.points.empty() ? Point{} : curve.points[0];
        const int x = start.x + length / 2;
        if (isTextSymbol(curve.symbol.type)) drawSymbol(device, x, start.y, setup, SymbolPass::Measure, 0, first);
        drawSymbol(device, x, start.y, setup, SymbolPass::Draw, 0, first);
    };
    if (curve.symbol.belowLine) {
        drawMark();
        drawLine();
    } else {
        drawLine();
        drawMark();
    }
}

std::optional<PointHit> nearestPoint(const CurveContext& context, DevPoint at) {
    std::optional<PointHit> best;
    for (int c = 0; c < context.diagram.curveCount(); ++c) {
        if (!isDrawable(context, c)) continue;
        const Curve& curve = context.diagram.curves[static_cast<std::size_t>(c)];
        symbolWalk(context, curve, nullptr, [&](int index, DevPoint p, const Point&) {
            const long long dx = p.x - at.x, dy = p.y - at.y;
            const long long d2 = dx * dx + dy * dy;
            if (!best || d2 < best->distance2) best = PointHit{c, index, d2};
            return true;
        });
    }
    return best;
}

}  // namespace ordinax::render
