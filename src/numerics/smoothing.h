// The smoothing lines of a curve: point to point, quadratic B-spline, cubic
// spline and Bézier curve. Each turns the curve's points into the polyline
// that the renderer joins with straight segments.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

#include "document/point_buffer.h"

namespace ordinax::numerics {

using document::Point;

// Receives the polyline a piece at a time, in order; the span is only valid
// during the call.
using PolylineSink = std::function<void(std::span<const Point>)>;

// Points handed to the sink per call.
inline constexpr std::size_t SmoothingChunk = 4096;

// Buffers kept from one curve to the next, so that drawing many curves (or one
// curve many times) does not pay for fresh memory each time.
class SmoothingWork {
public:
    SmoothingWork() = default;
    ~SmoothingWork();
    SmoothingWork(const SmoothingWork&) = delete;
    SmoothingWork& operator=(const SmoothingWork&) = delete;

    // Three doubles per point (unknown, diagonal, right-hand side) for the
    // cubic spline; grown on demand, never shrunk until release().
    double* splineBuffer(std::size_t pointCount);
    // The points waiting to be handed to the sink.
    std::vector<Point>& chunk() { return chunk_; }
    // Gives the memory back (after drawing).
    void release();

private:
    double* spline_ = nullptr;
    std::size_t splineCapacity_ = 0;  // in points
    std::vector<Point> chunk_;
};

// Number of points of the polyline of `kind` (1 to 4) for n points; 0 for
// other kinds.
std::size_t smoothedPointCount(int kind, std::size_t n);

// Builds the polyline of smoothing `kind` (1 JPP, 2 BSP, 3 SPC, 4 BEZ) through
// `points` in drawing order and hands it to `sink` in pieces. Other kinds give
// no point; fewer than two points give the points themselves.
void smoothLine(int kind, std::span<const Point> points, SmoothingWork& work, const PolylineSink& sink);

// The same, gathered into one vector.
std::vector<Point> smoothLine(int kind, std::span<const Point> points);

}  // namespace ordinax::numerics
