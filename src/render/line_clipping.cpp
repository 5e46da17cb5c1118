// Transform, clip, batch and reduce the polylines of curve lines.
#include "render/line_clipping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ordinax::render {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Transformed lower or upper bound of a delimitation; a bound the transform
// cannot take (0 or below on LOG, outside (0, 1) on HENRY) limits nothing
// when it lies below the valid values and everything when above.
double transformedBound(double value, int kind) {
    bool failed = false;
    const double t = scaleTransform(value, kind, failed);
    if (!failed) return t;
    const bool belowValid = kind == ScaleHenry ? value <= 0.5 : true;
    return belowValid ? -Infinity : Infinity;
}

}  // namespace

ClipBox visibleBox(const PlotMapping& mapping, const std::array<std::array<double, 2>, 2>& delimitation) {
    const AxisMapping& ax = mapping.axis[0][static_cast<std::size_t>(mapping.mainSide[0])];
    const AxisMapping& ay = mapping.axis[1][static_cast<std::size_t>(mapping.mainSide[1])];
    ClipBox box{std::min(ax.t0, ax.t1), std::max(ax.t0, ax.t1), std::min(ay.t0, ay.t1), std::max(ay.t0, ay.t1)};
    box.xmin = std::max(box.xmin, transformedBound(delimitation[0][0], ax.kind));
    box.xmax = std::min(box.xmax, transformedBound(delimitation[0][1], ax.kind));
    box.ymin = std::max(box.ymin, transformedBound(delimitation[1][0], ay.kind));
    box.ymax = std::min(box.ymax, transformedBound(delimitation[1][1], ay.kind));
    return box;
}

bool clipSegment(TPoint& a, TPoint& b, const ClipBox& box) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return false;
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t0 = 0.0, t1 = 1.0;
    // Each edge limits the parameter range of the segment inside it.
    auto edge = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, a.x - box.xmin) || !edge(dx, box.xmax - a.x) || !edge(-dy, a.y - box.ymin) ||
        !edge(dy, box.ymax - a.y))
        return false;
    const TPoint start = a;
    // Ends on an edge are put exactly on it, so rounding never lets them out.
    if (t1 < 1.0) b = {std::clamp(start.x + t1 * dx, box.xmin, box.xmax), std::clamp(start.y + t1 * dy, box.ymin, box.ymax)};
    if (t0 > 0.0) a = {std::clamp(start.x + t0 * dx, box.xmin, box.xmax), std::clamp(start.y + t0 * dy, box.ymin, box.ymax)};
    return true;
}

LinePath::LinePath(DrawDevice& device, const PlotMapping& mapping, const ClipBox& box) : device_(device), box_(box) {
    const AxisMapping& ax = mapping.axis[0][static_cast<std::size_t>(mapping.mainSide[0])];
    const AxisMapping& ay = mapping.axis[1][static_cast<std::size_t>(mapping.mainSide[1])];
    kindX_ = ax.kind;
    kindY_ = ay.kind;
    linear_ = kindX_ == ScaleLin && kindY_ == ScaleLin;
    const DevRect& r = mapping.plotRect;
    drawable_ = !box.empty() && ax.span != 0.0 && ay.span != 0.0 && std::isfinite(ax.span) && std::isfinite(ay.span) &&
                std::isfinite(box.xmin) && std::isfinite(box.xmax) && std::isfinite(box.ymin) && std::isfinite(box.ymax);
    // The same arithmetic as toDevice, so that lines meet the symbols' pixels.
    originX_ = r.left + 0.5;
    originY_ = r.bottom + 0.5;
    scaleX_ = ax.span;
    scaleY_ = ay.span;
    t0x_ = ax.t0;
    t0y_ = ay.t0;
    width_ = r.width();
    height_ = r.height();
    points_.reserve(BatchSize + 4);
}

void LinePath::addDataSlow(double x, double y) {
    bool failed = false;
    const TPoint t{scaleTransform(x, kindX_, failed), scaleTransform(y, kindY_, failed)};
    if (failed) {
        breakLine();
        return;
    }
    addTransformed(t);
}

void LinePath::addTransformedSlow(TPoint p) {
    if (!drawable_) return;  // open_ never becomes true: the fast path is never taken either
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        breakLine();
        return;
    }
    if (!hasPrevious_) {
        previous_ = p;
        hasPrevious_ = true;
        open_ = false;
        return;
    }
    TPoint a = previous_, b = p;
    previous_ = p;
    bool startCut = false, endCut = false;
    if (!box_.contains(a) || !box_.contains(b)) {
        const TPoint fromA = a;
        if (!clipSegment(a, b, box_)) {
            if (open_) flush();
            open_ = false;
            return;
        }
        startCut = a.x != fromA.x || a.y != fromA.y;
        endCut = b.x != p.x || b.y != p.y;
    }
    if (!open_ || startCut) {
        flush();
        append(toPixel(a));
    }
    append(toPixel(b));
    segmentInRun_ = true;
    open_ = !endCut;
    // The line leaves the visible area here: the run ends.
    if (endCut) flush();
}

void LinePath::breakLine() {
    flush();
    hasPrevious_ = false;
    open_ = false;
}

void LinePath::finish() {
    flush();
    open_ = false;
}

void LinePath::append(DevPoint p) {
    if (inColumn_ && p.x == columnX_) {
        appendInside(p);
        return;
    }
    closeColumn();
    if (points_.size() >= BatchSize) {
        device_.polyline(points_);
        emitted_ += points_.size();
        const DevPoint last = points_.back();
        points_.clear();
        points_.push_back(last);
    }
    points_.push_back(p);
    inColumn_ = true;
    columnX_ = p.x;
    minY_ = maxY_ = lastY_ = p.y;
    minFirst_ = true;
}

void LinePath::closeColumn() {
    if (!inColumn_) return;
    inColumn_ = false;
    // Vertical strokes in one column cover the span from the lowest to the
    // highest y whatever their order: first, the extremes, then the last
    // point (which joins the next column) draw the same pixels.
    const int first = minFirst_ ? minY_ : maxY_;
    const int second = minFirst_ ? maxY_ : minY_;
    for (int y : {first, second, lastY_})
        if (points_.back().y != y) points_.push_back({columnX_, y});
}

void LinePath::flush() {
    closeColumn();
    if (points_.size() == 1 && segmentInRun_) points_.push_back(points_.front());  // a segment within one pixel
    if (points_.size() >= 2) {
        device_.polyline(points_);
        emitted_ += points_.size();
    }
    points_.clear();
    segmentInRun_ = false;
}

}  // namespace ordinax::render
