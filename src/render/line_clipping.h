// Curve lines from data or transformed coordinates to device polylines:
// scale transforms (a failed one breaks the line), clipping against the
// transformed bounds by linear interpolation, batching into polylines and
// the column reduction of long curves, whose output covers exactly the
// pixels of the full polyline drawn with a one-pixel pen.
#pragma once

#include <cstddef>
#include <vector>

#include "document/diagram.h"
#include "render/draw_device.h"
#include "render/plot_mapping.h"

namespace ordinax::render {

// A point in transformed coordinates (log10 on LOG axes, the normal quantile on HENRY ones).
struct TPoint {
    double x = 0.0;
    double y = 0.0;
};

// The visible box in transformed coordinates; empty when xmin > xmax or ymin > ymax.
struct ClipBox {
    double xmin = 0.0;
    double xmax = 0.0;
    double ymin = 0.0;
    double ymax = 0.0;
    bool empty() const { return !(xmin <= xmax && ymin <= ymax); }
    bool contains(TPoint p) const { return p.x >= xmin && p.x <= xmax && p.y >= ymin && p.y <= ymax; }
};

// The transformed bounds of the main scales, intersected with a curve's
// delimitation ([direction][0 lower / 1 upper], data values).
ClipBox visibleBox(const PlotMapping& mapping, const std::array<std::array<double, 2>, 2>& delimitation);

// Cuts the segment a-b to the box, moving its ends along the segment;
// false when no part of it is inside (or an end is not a number).
bool clipSegment(TPoint& a, TPoint& b, const ClipBox& box);

// Builds the polylines of one line: points are added in order, the line
// breaks where asked or where a transform fails, and every visible run is
// handed to the device in batches.
class LinePath {
public:
    // Points per polyline call before a batch is handed over; the next batch
    // starts at the last point so the line stays joined.
    static constexpr std::size_t BatchSize = 8192;

    LinePath(DrawDevice& device, const PlotMapping& mapping, const ClipBox& box);
    ~LinePath() { finish(); }
    LinePath(const LinePath&) = delete;
    LinePath& operator=(const LinePath&) = delete;

    // Adds a data point on the main scales; a failed transform breaks the line.
    void addData(double x, double y) {
        if (linear_) addTransformed({x, y});  // NaN and infinities break the line there
        else addDataSlow(x, y);
    }

    // Adds a point already in transformed coordinates; NaN breaks the line.
    void addTransformed(TPoint p) {
        // The common case of a long curve: the run goes on inside the box,
        // often within the column already reached.
        if (open_ && box_.contains(p)) {
            previous_ = p;
            appendInside(toPixel(p));
            return;
        }
        addTransformedSlow(p);
    }

    // Ends the current run: the next point starts a new polyline.
    void breakLine();

    // Hands the pending run to the device.
    void finish();

    // Device points handed over so far (the benchmark and tests read it).
    std::size_t emittedPoints() const { return emitted_; }

private:
    void addDataSlow(double x, double y);
    void addTransformedSlow(TPoint p);
    // Floor of a device coordinate (the box keeps it well inside the int range).
    static int floorOf(double v) {
        const int i = static_cast<int>(v);
        return i > v ? i - 1 : i;
    }
    DevPoint toPixel(TPoint p) const {
        return {floorOf(originX_ + (p.x - t0x_) / scaleX_ * width_), floorOf(originY_ - (p.y - t0y_) / scaleY_ * height_)};
    }
    void appendInside(DevPoint p) {
        if (inColumn_ && p.x == columnX_) {
            // Still in the column: only its extremes and its last point matter.
            if (p.y < minY_) {
                minY_ = p.y;
                minFirst_ = false;
            } else if (p.y > maxY_) {
                maxY_ = p.y;
                minFirst_ = true;
            }
            lastY_ = p.y;
            return;
        }
        append(p);
    }
    void append(DevPoint p);
    void closeColumn();
    void flush();

    DrawDevice& device_;
    ClipBox box_;
    bool drawable_ = false;
    bool linear_ = false;  // both main scales are LIN: data and transformed coordinates agree
    int kindX_ = ScaleLin;
    int kindY_ = ScaleLin;
    // Device x = originX_ + (t - t0x_) / scaleX_ * width_ before flooring (y likewise, downwards).
    double originX_ = 0.0, scaleX_ = 1.0, originY_ = 0.0, scaleY_ = 1.0;
    double t0x_ = 0.0, t0y_ = 0.0;
    int width_ = 0, height_ = 0;

    bool hasPrevious_ = false;
    TPoint previous_;
    bool open_ = false;  // the run continues from the last appended point
    bool segmentInRun_ = false;  // the run holds a segment, even one of zero length

    // The column run being reduced: the points since `points_.back()` was
    // appended that stayed in its column.
    bool inColumn_ = false;
    int columnX_ = 0;
    int minY_ = 0, maxY_ = 0, lastY_ = 0;
    bool minFirst_ = true;  // the minimum came before the maximum
    std::vector<DevPoint> points_;
    std::size_t emitted_ = 0;
};

}  // namespace ordinax::render
