// The smoothing lines: point to point, clamped quadratic B-spline, cubic spline
// and Bézier curve, each streamed to the renderer in pieces so that a curve of
// a million points never needs its whole polyline in memory.
#include "numerics/smoothing.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

#include "numerics/fit_kind.h"

namespace ordinax::numerics {

namespace {

constexpr std::size_t HugePage = std::size_t{2} << 20;
constexpr std::size_t HugeThreshold = std::size_t{4} << 20;

constexpr int SplineSteps = 20;            // samples per interval of the cubic spline
constexpr int BezierSteps = 100;           // t = k / 100 for k = 1 .. 99
constexpr int BSplineSteps = 10;           // parameter step 0.1 per knot interval
constexpr std::size_t BezierLogFrom = 21;  // points from which the weights go through logarithms
// exp() of anything below this is 0 in doubles: the term adds nothing.
constexpr double ExpUnderflow = -745.2;

// Gathers points and hands them to the sink a chunk at a time.
class Emitter {
public:
    Emitter(std::vector<Point>& chunk, const PolylineSink& sink) : chunk_(chunk), sink_(sink) {
        chunk_.clear();
        chunk_.reserve(SmoothingChunk);
    }
    Emitter(const Emitter&) = delete;
    Emitter& operator=(const Emitter&) = delete;

    void add(double x, double y) {
        chunk_.push_back(Point{x, y});
        if (chunk_.size() == SmoothingChunk) flush();
    }
    void add(const Point& p) { add(p.x, p.y); }
    void flush() {
        if (chunk_.empty()) return;
        sink_(chunk_);
        chunk_.clear();
    }

private:
    std::vector<Point>& chunk_;
    const PolylineSink& sink_;
};

void pointToPoint(std::span<const Point> points, const PolylineSink& sink) {
    // The points are already the polyline: hand them over without a copy.
    for (std::size_t at = 0; at < points.size(); at += SmoothingChunk)
        sink(points.subspan(at, std::min(SmoothingChunk, points.size() - at)));
}

// One Bézier curve of degree n - 1 with the points as control points, sampled
// at t = 0.01 .. 0.99 between the first and the last point.
void bezier(std::span<const Point> p, Emitter& out) {
    const std::size_t n = p.size();
    const double c = static_cast<double>(n - 1);
    out.add(p[0]);
    for (int step = 1; step < BezierSteps; ++step) {
        // t from the step number, not by adding 0.01 repeatedly: the sum
        // drifts past 0.99 and would lose the last sample.
        const double t = step / static_cast<double>(BezierSteps);
        const double u = 1.0 - t;
        double x = 0.0, y = 0.0;
        if (n < BezierLogFrom) {
            double w = std::pow(u, c);
            x = w * p[0].x;
            y = w * p[0].y;
            for (std::size_t k = 0; k + 1 < n; ++k) {
                const double kk = static_cast<double>(k);
                w = w * (c - kk) * t / (u * (kk + 1.0));
                x += w * p[k + 1].x;
                y += w * p[k + 1].y;
            }
        } else {
            // Large degrees: (1 - t)^c underflows and the binomials overflow,
            // so the recurrence runs on the logarithms of the weights.
            double lw = c * std::log(u);
            if (lw > ExpUnderflow) {
                const double w = std::exp(lw);
                x = w * p[0].x;
                y = w * p[0].y;
            }
            for (std::size_t k = 0; k + 1 < n; ++k) {
                const double kk = static_cast<double>(k);
                lw += std::log((c - kk) * t / (u * (kk + 1.0)));
                if (lw <= ExpUnderflow) continue;
                const double w = std::exp(lw);
                x += w * p[k + 1].x;
                y += w * p[k + 1].y;
            }
        }
        out.add(x, y);
    }
    out.add(p[n - 1]);
}

// The natural-like cubic spline of the points (x increasing). Returns false,
// having emitted nothing, when an interval has no width or the system gives
// no finite solution.
bool cubicSpline(std::span<const Point> p, SmoothingWork& work, Emitter& out) {
    const std::size_t n = p.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (!(p[i + 1].x - p[i].x != 0.0)) return false;

    double* buffer = work.splineBuffer(n);
    double* m = buffer;              // the second derivatives (the unknowns)
    double* diag = buffer + n;       // the diagonal during elimination
    double* rhs = buffer + 2 * n;    // the right-hand side during elimination
    std::fill_n(m, n, 0.0);
    if (n > 2) {
        // Rows 1 .. n-2 (0-based) of the tridiagonal system; the terms of the
        // two end unknowns are left out.
        for (std::size_t r = 1; r + 1 < n; ++r) {
            const double h0 = p[r].x - p[r - 1].x;
            const double h1 = p[r + 1].x - p[r].x;
            diag[r] = 2.0 * (h0 + h1);
            rhs[r] = 6.0 * ((p[r + 1].y - p[r].y) / h1 - (p[r].y - p[r - 1].y) / h0);
        }
        if (n > 3) diag[n - 2] -= (p[n - 1].x - p[n - 2].x) / 2.0;
        for (std::size_t r = 2; r + 1 < n; ++r) {
            // Sub-diagonal of row r and super-diagonal of row r - 1 are both h(r-1).
            const double h = p[r].x - p[r - 1].x;
            const double factor = h / diag[r - 1];
            diag[r] -= factor * h;
            rhs[r] -= factor * rhs[r - 1];
        }
        m[n - 2] = rhs[n - 2] / diag[n - 2];
        for (std::size_t r = n - 2; r-- > 1;) m[r] = (rhs[r] - (p[r + 1].x - p[r].x) * m[r + 1]) / diag[r];
        m[0] = 2.0 * m[1];
        m[n - 1] = 0.0;
        for (std::size_t i = 0; i < n; ++i)
            if (!std::isfinite(m[i])) return false;
    }

    out.add(p[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double xi = p[i].x, xj = p[i + 1].x;
        const double h = xj - xi;
        const double mi = m[i], mj = m[i + 1];
        const double slope = (p[i + 1].y - p[i].y) / h - h * (mj - mi) / 6.0;
        const double base = p[i].y - h * h * mi / 6.0;
        for (int k = 1; k <= SplineSteps; ++k) {
            const double x = xi + h * k / SplineSteps;
            const double d = x - xi;
            const double e = xj - x;
            out.add(x, (d * d * d * mj + e * e * e * mi) / (6.0 * h) + d * slope + base);
        }
    }
    return true;
}

// The clamped quadratic B-spline whose control points are all points but the
// last, sampled every 0.1 of its parameter, then a straight segment to the last.
void bSpline(std::span<const Point> p, Emitter& out) {
    const std::size_t n = p.size();
    out.add(p[0]);
    if (n > 3) {
        const long last = static_cast<long>(n) - 3;  // parameter range 0 .. n-3
        // Knot j of 0, 0, 0, 1, 2, ..., n-4, n-3, n-3, n-3.
        auto knot = [last](long j) { return static_cast<double>(std::clamp(j - 2, 0L, last)); };
        const long samples = last * BSplineSteps;  // parameters k/10 below n-3
        for (long k = 1; k < samples; ++k) {
            const double t = static_cast<double>(k) / BSplineSteps;
            const long s = std::min(static_cast<long>(t), last - 1);  // unit interval [s, s+1)
            const long span = s + 2;                                   // its knot index
            const Point& p0 = p[static_cast<std::size_t>(s)];
            const Point& p1 = p[static_cast<std::size_t>(s + 1)];
            const Point& p2 = p[static_cast<std::size_t>(s + 2)];
            // de Boor's algorithm for degree 2.
            const double a2 = (t - knot(span)) / (knot(span + 2) - knot(span));
            const double a1 = (t - knot(span - 1)) / (knot(span + 1) - knot(span - 1));
            const double d2x = (1.0 - a2) * p1.x + a2 * p2.x, d2y = (1.0 - a2) * p1.y + a2 * p2.y;
            const double d1x = (1.0 - a1) * p0.x + a1 * p1.x, d1y = (1.0 - a1) * p0.y + a1 * p1.y;
            const double a = (t - knot(span)) / (knot(span + 1) - knot(span));
            out.add((1.0 - a) * d1x + a * d2x, (1.0 - a) * d1y + a * d2y);
        }
    }
    out.add(p[n - 1]);
}

}  // namespace

SmoothingWork::~SmoothingWork() { release(); }

double* SmoothingWork::splineBuffer(std::size_t pointCount) {
    if (pointCount <= splineCapacity_) return spline_;
    release();
    const std::size_t bytes = std::max<std::size_t>(pointCount, 1) * 3 * sizeof(double);
    void* memory = nullptr;
    if (bytes >= HugeThreshold) {
        // Fresh pages are what costs most on a large curve: ask for huge ones.
        const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
        memory = std::aligned_alloc(HugePage, rounded);
        if (memory) madvise(memory, rounded, MADV_HUGEPAGE);
    } else {
        memory = std::malloc(bytes);
    }
    if (!memory) throw std::bad_alloc();
    spline_ = static_cast<double*>(memory);
    splineCapacity_ = pointCount;
    return spline_;
}

void SmoothingWork::release() {
    std::free(spline_);
    spline_ = nullptr;
    splineCapacity_ = 0;
    std::vector<Point>().swap(chunk_);
}

std::size_t smoothedPointCount(int kind, std::size_t n) {
    if (kind < KindJPP || kind > KindBEZ) return 0;
    if (kind == KindJPP || n < 2) return n;
    switch (kind) {
        case KindBSP: return n <= 3 ? 2 : 2 + (n - 3) * BSplineSteps - 1;
        case KindSPC: return 1 + (n - 1) * SplineSteps;
        default: return static_cast<std::size_t>(BezierSteps) + 1;
    }
}

void smoothLine(int kind, std::span<const Point> points, SmoothingWork& work, const PolylineSink& sink) {
    if (kind < KindJPP || kind > KindBEZ || points.empty()) return;
    if (kind == KindJPP || points.size() < 2) {
        pointToPoint(points, sink);
        return;
    }
    Emitter out(work.chunk(), sink);
    switch (kind) {
        case KindBSP: bSpline(points, out); break;
        case KindSPC:
            // Two points at the same x have no spline between them: the line
            // falls back to the points joined directly instead of dividing by zero.
            if (!cubicSpline(points, work, out)) {
                out.flush();
                pointToPoint(points, sink);
                return;
            }
            break;
        default: bezier(points, out); break;
    }
    out.flush();
}

std::vector<Point> smoothLine(int kind, std::span<const Point> points) {
    std::vector<Point> polyline;
    polyline.reserve(smoothedPointCount(kind, points.size()));
    SmoothingWork work;
    smoothLine(kind, points, work,
               [&polyline](std::span<const Point> part) { polyline.insert(polyline.end(), part.begin(), part.end()); });
    return polyline;
}

}  // namespace ordinax::numerics
