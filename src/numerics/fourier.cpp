// The Fourier series of a curve from the exact integrals of its segments.
#include "numerics/fourier.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/strings_analysis_smoothing.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

namespace {

using document::Point;

constexpr double TwoPi = 6.283185307179586;
constexpr double InversePi = 0.3183098861837907;

bool byX(const Point& a, const Point& b) { return a.x < b.x; }

// sin and cos of w·x at a point, shared by the two segments meeting there.
struct Phase {
    double s = 0.0;
    double c = 0.0;
};

}  // namespace

void sortPointsByX(std::span<Point> points) {
    // A stable merge sort: O(n log n) on a million points, and points of equal
    // x keep the order they were given in.
    std::stable_sort(points.begin(), points.end(), byX);
}

int fourierFit(document::Curve& curve) {
    if (curve.pointCount() == 0) return base::MsgFourierTooFewPoints;
    // Sorting detaches the points from any undo image: skip it when they are
    // already in order.
    if (!std::is_sorted(curve.points.view().begin(), curve.points.view().end(), byX))
        sortPointsByX(curve.points.edit());
    const std::span<const Point> p = curve.points.view();

    // Trailing points at the x of the one before them add no width: the period
    // ends at the first of them.
    std::size_t m = p.size();
    while (m > 1 && p[m - 1].x == p[m - 2].x) --m;
    if (m <= 3) return base::MsgFourierTooFewPoints;

    document::FitResult fit = curve.fit;
    const int harmonics = std::clamp(fit.harmonicCount, 0, MaxHarmonics);

    const double firstY = p[0].y;
    if (std::all_of(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(m),
                    [firstY](const Point& q) { return q.y == firstY; })) {
        // A constant: no integration, no harmonic; omega stays as it was.
        fit.fourierA0 = firstY;
        fit.harmonicCount = 0;
        std::fill(fit.coefficient.begin() + 1, fit.coefficient.end(), 0.0);
        std::fill(fit.linearCoefficient.begin() + 1, fit.linearCoefficient.end(), 0.0);
        curve.fit = fit;
        return 0;
    }

    try {
        using expression::checkedResult;
        const double period = p[m - 1].x - p[0].x;
        const double omega = TwoPi / period;
        double area = 0.0;
        for (std::size_t j = 0; j + 1 < m; ++j) area += (p[j + 1].x - p[j].x) * (p[j].y + p[j + 1].y);
        fit.omega = checkedResult(omega);
        fit.fourierA0 = checkedResult((1.0 / period) * 0.5 * area);
        fit.harmonicCount = harmonics;

        // Segment by segment, the sines and cosines of every harmonic at both
        // ends: those of the fundamental from the library once per point, the
        // others by angle addition. The harmonics' sums grow side by side, so
        // the points are read once and no buffer of the curve's size is needed.
        std::array<Phase, MaxHarmonics + 1> left{};
        std::array<Phase, MaxHarmonics + 1> right{};
        std::array<double, MaxHarmonics + 1> cosine{};
        std::array<double, MaxHarmonics + 1> sine{};
        std::array<double, MaxHarmonics + 1> inverseW{};
        for (int i = 1; i <= harmonics; ++i) inverseW[static_cast<std::size_t>(i)] = 1.0 / (i * omega);
        auto phasesAt = [&](double x, std::array<Phase, MaxHarmonics + 1>& out) {
            const Phase first{std::sin(omega * x), std::cos(omega * x)};
            out[1] = first;
            for (std::size_t i = 2; i <= static_cast<std::size_t>(harmonics); ++i)
                out[i] = {out[i - 1].s * first.c + out[i - 1].c * first.s, out[i - 1].c * first.c - out[i - 1].s * first.s};
        };
        if (harmonics > 0) {
            phasesAt(p[0].x, left);
            for (std::size_t j = 0; j + 1 < m; ++j) {
                const double g = p[j].x, f = p[j + 1].x;
                phasesAt(f, right);
                if (f > g) {
                    // The segment's line y = slope·x + q times cos(w x) and sin(w x),
                    // integrated exactly (both integrals multiplied by w).
                    const double slope = (p[j + 1].y - p[j].y) / (f - g);
                    const double q = p[j].y - g * slope;
                    for (std::size_t i = 1; i <= static_cast<std::size_t>(harmonics); ++i) {
                        const Phase& pg = left[i];
                        const Phase& pf = right[i];
                        cosine[i] += slope * (f * pf.s - g * pg.s + (pf.c - pg.c) * inverseW[i]) + (pf.s - pg.s) * q;
                        sine[i] -= slope * (f * pf.c - g * pg.c - (pf.s - pg.s) * inverseW[i]) + (pf.c - pg.c) * q;
                    }
                }
                std::swap(left, right);
            }
        }
        for (int i = 1; i <= harmonics; ++i) {
            const auto k = static_cast<std::size_t>(i);
            fit.coefficient[k] = checkedResult(cosine[k] / i * InversePi);
            fit.linearCoefficient[k] = checkedResult(sine[k] / i * InversePi);
        }
    } catch (const expression::CMathError&) {
        // Values beyond the range of the numerics: the previous series stays.
        return base::MsgFourierMathError;
    }
    curve.fit = fit;
    return 0;
}

}  // namespace ordinax::numerics
