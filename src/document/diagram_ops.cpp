// Extents, data ranges, default titles, curve slots and label line counts.
#include "document/diagram_ops.h"

#include <algorithm>
#include <cstdio>

namespace ordinax::document {

namespace {

const AxisScale& mainScale(const Diagram& diagram, int direction) {
    const int side = diagram.scales.mainSide[static_cast<std::size_t>(direction)] == 1 ? 1 : 0;
    return diagram.scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)];
}

double clampToLimit(double v) { return std::clamp(v, -ValueLimit, ValueLimit); }

void extentOf(const Diagram& diagram, Curve& curve, int direction) {
    auto& range = curve.extent[static_cast<std::size_t>(direction)];
    const auto points = curve.points.view();
    if (points.empty()) {
        range = {0.0, 0.0};
        return;
    }
    const AxisScale& scale = mainScale(diagram, direction);
    std::size_t count = points.size();
    // The last point of a probability-scale curve is left out of the y extent.
    if (direction == 1 && scale.kind == 2) --count;
    const bool positiveOnly = scale.kind == 1;
    double lo = DoubleMax;
    double hi = -DoubleMax;
    for (std::size_t i = 0; i < count; ++i) {
        const double v = direction == 0 ? points[i].x : points[i].y;
        if (positiveOnly && !(v > 0.0)) continue;
        if (v < lo) lo = v;
        if (v > hi) hi = v;
    }
    range = {clampToLimit(lo), clampToLimit(hi)};
}

}  // namespace

bool hasPlainExtents(const Diagram& diagram) {
    const AxisScale& x = mainScale(diagram, 0);
    const AxisScale& y = mainScale(diagram, 1);
    return x.kind != 1 && y.kind != 1 && y.kind != 2;
}

// Both directions in one pass when neither main scale filters points: the
// common case, and the one that decides how fast a big diagram opens. The
// comparisons are written so that NaN coordinates are skipped.
void PlainExtent::add(std::span<const Point> points) {
    any_ = any_ || !points.empty();
    double loX = loX_, hiX = hiX_, loY = loY_, hiY = hiY_;
    for (const Point& p : points) {
        loX = p.x < loX ? p.x : loX;
        hiX = p.x > hiX ? p.x : hiX;
        loY = p.y < loY ? p.y : loY;
        hiY = p.y > hiY ? p.y : hiY;
    }
    loX_ = loX;
    hiX_ = hiX;
    loY_ = loY;
    hiY_ = hiY;
}

std::array<std::array<double, 2>, 2> PlainExtent::result() const {
    if (!any_) return {{{0.0, 0.0}, {0.0, 0.0}}};
    return {{{clampToLimit(loX_), clampToLimit(hiX_)}, {clampToLimit(loY_), clampToLimit(hiY_)}}};
}

namespace {

bool plainExtents(const Diagram& diagram, Curve& curve) {
    if (!hasPlainExtents(diagram)) return false;
    PlainExtent extent;
    extent.add(curve.points.view());
    curve.extent = extent.result();
    return true;
}

}  // namespace

void curveExtent(const Diagram& diagram, Curve& curve, int which) {
    if (which == -1 && plainExtents(diagram, curve)) return;
    if (which != 1) extentOf(diagram, curve, 0);
    if (which != 0) extentOf(diagram, curve, 1);
}

void recomputeExtents(Diagram& diagram) {
    for (Curve& c : diagram.curves) curveExtent(diagram, c, -1);
}

void diagramDataRange(Diagram& diagram, bool onlyActive, int which) {
    for (std::size_t d = 0; d < 2; ++d) {
        if (which == 0 && d == 1) continue;
        if (which == 1 && d == 0) continue;
        double lo = DoubleMax;
        double hi = -DoubleMax;
        for (const Curve& c : diagram.curves) {
            if (c.pointCount() <= 0 || (onlyActive && c.hidden != 0)) continue;
            lo = std::min(lo, c.extent[d][0]);
            hi = std::max(hi, c.extent[d][1]);
        }
        diagram.dataRange[d] = {clampToLimit(lo), clampToLimit(hi)};
    }
}

void renumberDefaultTitles(Diagram& diagram) {
    static const std::string prefix = [] {
        std::string t = DefaultCurveTitle;
        return t.substr(0, t.find("%d"));
    }();
    int number = 1;
    for (Curve& c : diagram.curves) {
        std::string stem = c.title;
        while (!stem.empty() && stem.back() >= '0' && stem.back() <= '9') stem.pop_back();
        if (stem == prefix) c.title = prefix + std::to_string(number);
        ++number;
    }
}

AllocateResult allocateCurve(Diagram& diagram, const DiagramDefaults& defaults, int selectedCurve) {
    if (diagram.curves.empty() && diagram.displayMode == 0) resetDiagram(diagram, defaults);
    if (diagram.curveCount() >= MaxCurves) return {selectedCurve, true};
    diagram.curves.emplace_back();
    return {diagram.curveCount() - 1, false};
}

void compactCurves(Diagram& diagram) {
    std::erase_if(diagram.curves, [](const Curve& c) { return c.pointCount() <= 0; });
}

void updateLabelLineCounts(Diagram& diagram) {
    for (int slot = 0; slot < LabelSlotCount; ++slot) {
        LabelSlot& label = diagram.labels[static_cast<std::size_t>(slot)];
        int lines = 0;
        if (slot == LegendSlot) {
            lines = static_cast<int>(std::count_if(diagram.curves.begin(), diagram.curves.end(),
                                                   [](const Curve& c) { return !c.legend.empty(); }));
        } else if (!label.text.empty()) {
            lines = slot >= FirstTagSlot ? 1 + static_cast<int>(std::count(label.text.begin(), label.text.end(), '\n'))
                                         : 1;
        }
        label.lineCount = lines;
        if (lines == 0) {
            label.placement = -1;
            if (slot >= FirstTagSlot) diagram.tagPosition[static_cast<std::size_t>(slot - FirstTagSlot)] = {0.0, 0.0};
        }
    }
}

int reduceSymbolNumber(int number) {
    // Steps of 22 bring any number back; done by division so a hostile value costs nothing.
    if (number > 23) number -= (number - 23 + 21) / 22 * 22;
    return number;
}

}  // namespace ordinax::document
