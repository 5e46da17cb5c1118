// Surfaces under a curve and its length between two bounds.
#include "numerics/integration.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "base/strings.h"
#include "base/strings_analysis_calculus.h"
#include "numerics/fit_kind.h"
#include "numerics/model_value.h"

namespace ordinax::numerics {

namespace {

using document::Curve;
using document::Point;

constexpr int ArcCount = 1000;

// A sum turned into a result: infinite, not a number or beyond ±1e35 is an error.
CalculusValue finished(double value) {
    if (!std::isfinite(value)) return {CalculusState::Error, 0.0};
    if (expression::clampResult(value)) return {CalculusState::Error, 0.0};
    return CalculusValue::of(value);
}

double interpolate(const Point& p, const Point& q, double x) { return p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x); }

// Where the bounds fall among points sorted by x: `a` is the first point with
// x >= lower (n when none), `b` the last with x <= upper (-1 when none), and
// g, f the y at the bounds, interpolated between the neighbouring points and
// taken from the end point outside the points.
struct BoundPlacement {
    std::ptrdiff_t a = 0;
    std::ptrdiff_t b = -1;
    double g = 0.0;
    double f = 0.0;
};

BoundPlacement placeBounds(std::span<const Point> p, double lower, double upper) {
    const auto n = static_cast<std::ptrdiff_t>(p.size());
    BoundPlacement at;
    at.a = std::lower_bound(p.begin(), p.end(), lower, [](const Point& q, double v) { return q.x < v; }) - p.begin();
    at.b = (std::upper_bound(p.begin(), p.end(), upper, [](double v, const Point& q) { return v < q.x; }) - p.begin()) - 1;
    const auto ua = static_cast<std::size_t>(at.a);
    const auto ub = static_cast<std::size_t>(at.b);
    if (at.a == 0) at.g = p[0].y;
    else if (at.a == n) at.g = p[p.size() - 1].y;
    else at.g = interpolate(p[ua - 1], p[ua], lower);
    if (at.b == n - 1) at.f = p[p.size() - 1].y;
    else if (at.b < 0) at.f = p[0].y;
    else at.f = interpolate(p[ub], p[ub + 1], upper);
    return at;
}

// The line between the bounds: the bound points (lower, g) and (upper, f) are
// added before and after the points that lie between them, so that no point
// inside the bounds is lost; a bound that falls on a point adds nothing.
std::vector<Point> boundedLine(std::span<const Point> p, double lower, double upper, const BoundPlacement& at) {
    std::vector<Point> line;
    const auto n = static_cast<std::ptrdiff_t>(p.size());
    if (at.a >= n || lower < p[static_cast<std::size_t>(at.a)].x) line.push_back({lower, at.g});
    for (std::ptrdiff_t i = at.a; i <= at.b; ++i) line.push_back(p[static_cast<std::size_t>(i)]);
    if (at.b < 0 || upper > p[static_cast<std::size_t>(at.b)].x) line.push_back({upper, at.f});
    return line;
}

double trapezoids(std::span<const Point> line, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += (line[i + 1].x - line[i].x) * (line[i].y + line[i + 1].y) / 2.0;
    return sum;
}

// Simpson's rule over pairs of intervals, each integrated as the parabola
// through its three points; an odd last interval is a trapezoid. A pair with
// an interval of zero width has no parabola: nullopt.
std::optional<double> simpson(std::span<const Point> line) {
    const std::size_t intervals = line.size() - 1;
    double sum = 0.0;
    std::size_t i = 0;
    for (; i + 2 <= intervals; i += 2) {
        const double x0 = line[i].x, x1 = line[i + 1].x, x2 = line[i + 2].x;
        const double y0 = line[i].y, y1 = line[i + 1].y, y2 = line[i + 2].y;
        if (x1 == x0 || x2 == x1) return std::nullopt;
        const double p = (y1 - y0) / (x1 - x0);
        const double q = ((y2 - y1) / (x2 - x1) - p) / (x2 - x0);
        const double pp = p - (x1 + x0) * q;
        sum += pp * (x2 * x2 - x0 * x0) / 2.0 + q * (x2 * x2 * x2 - x0 * x0 * x0) / 3.0 +
               (x2 - x0) * (y0 - x0 * pp - q * x0 * x0);
    }
    if (i < intervals) sum += trapezoids(line, i, intervals);
    return sum;
}

// Length of a polyline by the hypotenuse of each segment.
CalculusValue polylineLength(std::span<const Point> line) {
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const double h = std::hypot(line[i + 1].x - line[i].x, line[i + 1].y - line[i].y);
        if (!std::isfinite(h)) return {CalculusState::Error, 0.0};
        sum += h;
    }
    return finished(sum);
}

// ∫ sqrt(1 + s²) ds, the primitive used by the parabolic arc length.
double arcPrimitive(double s) { return (s * std::sqrt(1.0 + s * s) + std::asinh(s)) / 2.0; }

// Length over a width c of the parabola through (0, y0), (c/2, y1), (c, y2).
double parabolicArc(double c, double y0, double y1, double y2) {
    // Slopes of the parabola at both ends; their difference measures the bend.
    const double s0 = (4.0 * y1 - 3.0 * y0 - y2) / c;
    const double s1 = (3.0 * y2 - 4.0 * y1 + y0) / c;
    const double bend = s1 - s0;
    // Samples (nearly) on a straight line: the chord is the arc, and the exact
    // formula would only divide rounding noise by a tiny curvature.
    if (std::fabs(bend) <= 1e-6 * (1.0 + std::fabs(s0) + std::fabs(s1))) return std::hypot(c, y2 - y0);
    const double a2 = bend / c;  // twice the parabola's leading coefficient
    return (arcPrimitive(s1) - arcPrimitive(s0)) / a2;
}

// a·ln|x|, 0 when a is 0 (so that x = 0 with no such term is no error).
double scaledLog(double a, double x) { return a == 0.0 ? 0.0 : a * std::log(std::fabs(x)); }

// ∫ c·x^e dx = c·x^(e+1)/(e+1), or c·ln|x| for e = -1.
double powerPrimitive(double c, double e, double x) {
    if (c == 0.0) return 0.0;
    if (e == -1.0) return scaledLog(c, x);
    return c * std::pow(x, e + 1.0) / (e + 1.0);
}

// x·ln x - x, the primitive of ln x, continued by its limit 0 at x = 0.
double logPrimitive(double x) { return x == 0.0 ? 0.0 : x * std::log(x) - x; }

bool between(double v, double lower, double upper) { return v >= lower && v <= upper; }

// True when the model has an infinite value between the bounds (bounds
// included): the area is then no number and F(upper) - F(lower) would lie.
bool poleBetween(const Curve& curve, double lower, double upper) {
    const auto& a = curve.fit.coefficient;
    const auto& e = curve.fit.stats;
    const bool zeroInside = between(0.0, lower, upper);
    switch (curve.treatment) {
        case KindHYP: case KindHYPTP: return zeroInside && a[1] != 0.0;
        case KindHYP2: return zeroInside && (a[1] != 0.0 || a[2] != 0.0);
        case KindLINHYP: return zeroInside && a[2] != 0.0;
        case KindPUI: return zeroInside && a[0] != 0.0 && a[1] <= -1.0;
        case KindGPOL2: case KindGPOL3: {
            const int terms = curve.treatment == KindGPOL2 ? 2 : 3;
            for (int k = 0; k < terms; ++k)
                if (zeroInside && a[static_cast<std::size_t>(k)] != 0.0 && e[static_cast<std::size_t>(k)] <= -1.0)
                    return true;
            return false;
        }
        case KindHOMO: return a[2] != 0.0 && between(-1.0 / a[2], lower, upper);
        case KindRECHYP: return a[0] != 0.0 && a[1] != 0.0 && between(-a[1] / a[0], lower, upper);
        case KindRECLIN: case KindRECLINTP: return a[1] != 0.0 && between(-a[0] / a[1], lower, upper);
        default: return false;
    }
}

// The antiderivative, possibly not a number (the caller checks).
std::optional<double> rawAntiderivative(const Curve& curve, double x) {
    const auto& a = curve.fit.coefficient;
    const double r = curve.fit.stats[0], s = curve.fit.stats[1], t = curve.fit.stats[2];
    constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
    switch (curve.treatment) {
        case KindEXP: return a[1] == 0.0 ? a[0] * x : a[0] * std::exp(a[1] * x) / a[1];
        case KindGPOL2: return powerPrimitive(a[0], r, x) + powerPrimitive(a[1], s, x);
        case KindGPOL3: return powerPrimitive(a[0], r, x) + powerPrimitive(a[1], s, x) + powerPrimitive(a[2], t, x);
        case KindHOMO: {
            // (a1 + a0·x) / (1 + a2·x) = a0/a2 + (a1 - a0/a2) / (1 + a2·x).
            if (a[2] == 0.0) return a[1] * x + a[0] * x * x / 2.0;
            const double q = a[0] / a[2];
            return q * x + scaledLog((a[1] - q) / a[2], 1.0 + a[2] * x);
        }
        case KindHYP: case KindHYPTP: return a[0] * x + scaledLog(a[1], x);
        case KindHYP2: return a[0] * x + scaledLog(a[1], x) + (a[2] == 0.0 ? 0.0 : -a[2] / x);
        case KindLIN: case KindLINTP: return a[0] * x + a[1] * x * x / 2.0;
        case KindLINTO: return a[0] * x * x / 2.0;
        case KindLINHYP: return a[0] * x + a[1] * x * x / 2.0 + scaledLog(a[2], x);
        case KindLOG: return x < 0.0 ? Nan : a[0] * x + a[1] * logPrimitive(x);
        case KindLOG10: return x < 0.0 ? Nan : a[0] * x + a[1] * logPrimitive(x) / std::log(10.0);
        case KindMODPOW:
            if (a[1] <= 0.0) return Nan;
            return a[1] == 1.0 ? a[0] * x : a[0] * std::pow(a[1], x) / std::log(a[1]);
        case KindPOL2: case KindPOL2TP: case KindPOL3: case KindPOL4: case KindPOL5: case KindPOL6: {
            double sum = 0.0;
            for (int k = coefficientCount(curve.treatment) - 1; k >= 0; --k)
                sum = sum * x + a[static_cast<std::size_t>(k)] / (k + 1);
            return sum * x;
        }
        case KindPOL2TO: return a[0] * x * x / 2.0 + a[1] * x * x * x / 3.0;
        case KindPUI: return powerPrimitive(a[0], a[1], x);
        case KindRECHYP:
            // x / (a1 + a0·x) = 1/a0 - (a1/a0) / (a1 + a0·x).
            if (a[0] == 0.0) return a[1] == 0.0 ? Nan : x * x / (2.0 * a[1]);
            return x / a[0] - scaledLog(a[1] / (a[0] * a[0]), a[1] + a[0] * x);
        case KindRECLIN: case KindRECLINTP:
            if (a[1] == 0.0) return a[0] == 0.0 ? Nan : x / a[0];
            return scaledLog(1.0 / a[1], a[0] + a[1] * x);
        default: return std::nullopt;
    }
}

}  // namespace

Bounds surfaceDefaultBounds(const Curve& curve) {
    const auto points = curve.points.view();
    if (points.empty()) return {};
    Bounds bounds{points[0].x, points[0].x};
    for (const Point& p : points) {
        bounds.lower = std::min(bounds.lower, p.x);
        bounds.upper = std::max(bounds.upper, p.x);
    }
    return bounds;
}

void pointSums(std::span<const Point> p, double lower, double upper, SurfaceResult& result) {
    result.forward = result.backward = result.trapezoid = result.simpson = {};
    if (p.size() < 3) return;
    const BoundPlacement at = placeBounds(p, lower, upper);
    if (!(at.a < at.b)) return;

    double forward = 0.0, backward = 0.0;
    for (auto i = static_cast<std::size_t>(at.a); i < static_cast<std::size_t>(at.b); ++i) {
        forward += (p[i + 1].x - p[i].x) * p[i].y;
        backward += (p[i + 1].x - p[i].x) * p[i + 1].y;
    }
    result.forward = finished(forward);
    result.backward = finished(backward);

    const std::vector<Point> line = boundedLine(p, lower, upper, at);
    result.trapezoid = finished(trapezoids(line, 0, line.size() - 1));
    const std::optional<double> parabolas = simpson(line);
    result.simpson = parabolas ? finished(*parabolas) : CalculusValue{};
}

std::optional<double> modelAntiderivative(const Curve& curve, double x, expression::MathErrorFlag& flag) {
    const std::optional<double> value = rawAntiderivative(curve, x);
    if (!value) return std::nullopt;
    if (!std::isfinite(*value)) {
        flag.raise();
        return 0.0;
    }
    return value;
}

CalculusValue modelArea(const Curve& curve, double lower, double upper) {
    if (!isRegressionKind(curve.treatment)) return {CalculusState::NotApplicable, 0.0};
    if (poleBetween(curve, lower, upper)) return {CalculusState::Error, 0.0};
    expression::MathErrorFlag flag;
    const std::optional<double> high = modelAntiderivative(curve, upper, flag);
    const std::optional<double> low = modelAntiderivative(curve, lower, flag);
    if (!high || !low || flag.isRaised()) return {CalculusState::Error, 0.0};
    return finished(*high - *low);
}

CalculusValue modelLength(const Curve& curve, double lower, double upper) {
    if (!isRegressionKind(curve.treatment)) return {CalculusState::NotApplicable, 0.0};
    expression::MathErrorFlag flag;
    const int kind = curve.treatment;
    if (kind == KindLIN || kind == KindLINTO || kind == KindLINTP) {
        const double rise = modelValue(curve, upper, flag) - modelValue(curve, lower, flag);
        if (flag.isRaised()) return {CalculusState::Error, 0.0};
        return finished(std::hypot(upper - lower, rise));
    }
    // Nodes at lower + i·c (not a running sum, so the last node is the upper
    // bound itself); each arc reuses the end value of the previous one.
    const double c = (upper - lower) * 0.001;
    double total = 0.0;
    double start = modelValue(curve, lower, flag);
    for (int i = 0; i < ArcCount && !flag.isRaised(); ++i) {
        const double u = lower + i * c;
        const double end = i + 1 == ArcCount ? upper : lower + (i + 1) * c;
        const double middle = modelValue(curve, u + c / 2.0, flag);
        const double last = modelValue(curve, end, flag);
        if (flag.isRaised()) break;
        const double arc = parabolicArc(end - u, start, middle, last);
        if (!std::isfinite(arc)) return {CalculusState::Error, 0.0};
        total += arc;
        start = last;
    }
    if (flag.isRaised()) return {CalculusState::Error, 0.0};
    return finished(total);
}

SurfaceResult surfaceAndLength(const Curve& curve, double lower, double upper) {
    SurfaceResult result;
    // Also refuses bounds that are not numbers.
    if (!(lower < upper)) {
        result.message = base::makeMessage(base::MsgCalculusBoundsIncorrect, base::Heading::Error);
        return result;
    }
    std::vector<Point> sorted(curve.points.view().begin(), curve.points.view().end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const Point& a, const Point& b) { return a.x < b.x; });

    pointSums(sorted, lower, upper, result);
    result.model = curve.treatment < FirstRegressionKind ? CalculusValue{CalculusState::NotApplicable, 0.0}
                                                         : modelArea(curve, lower, upper);

    const int kind = curve.treatment;
    if (kind == KindNone || kind == KindJPP) {
        result.pointToPoint = true;
        if (sorted.size() >= 2) {
            const BoundPlacement at = placeBounds(sorted, lower, upper);
            result.length = polylineLength(boundedLine(sorted, lower, upper, at));
        }
    } else {
        result.length = modelLength(curve, lower, upper);
    }
    return result;
}

}  // namespace ordinax::numerics
