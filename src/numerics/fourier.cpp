// The Fourier series of a curve from the exact integrals of its segments.
#include "numerics/fourier.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/strings_analysis_smoothing.h"
#include "expression/primitives.h"

namespace ordinax::numerics {

namespace {

using document::Point;

constexpr double TwoPi = 6.283185307179586;
constexpr double InversePi = 0.3183098861837907;

bool byX(const Point& a, const Point& b) { return a.x < b.x; }

// sin and cos of w·x at every point, shared by the two segments meeting there.
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

        std::vector<Phase> phase(harmonics > 0 ? m : 0);
        for (int i = 1; i <= harmonics; ++i) {
            const double w = i * omega;
            for (std::size_t j = 0; j < m; ++j) phase[j] = {std::sin(w * p[j].x), std::cos(w * p[j].x)};
            double cosine = 0.0, sine = 0.0;
            for (std::size_t j = 0; j + 1 < m; ++j) {
                const double g = p[j].x, f = p[j + 1].x;
                if (!(f > g)) continue;
                // The segment's line y = slope·x + q times cos(w x) and sin(w x),
                // integrated exactly (both integrals multiplied by w).
                const double slope = (p[j + 1].y - p[j].y) / (f - g);
                const double q = p[j].y - g * slope;
                const Phase& pg = phase[j];
                const Phase& pf = phase[j + 1];
                cosine += slope * (f * pf.s - g * pg.s + (pf.c - pg.c) / w) + (pf.s - pg.s) * q;
                sine -= slope * (f * pf.c - g * pg.c - (pf.s - pg.s) / w) + (pf.c - pg.c) * q;
            }
            fit.coefficient[static_cast<std::size_t>(i)] = checkedResult(cosine / i * InversePi);
            fit.linearCoefficient[static_cast<std::size_t>(i)] = checkedResult(sine / i * InversePi);
        }
    } catch (const expression::CMathError&) {
        // Values beyond the range of the numerics: the previous series stays.
        return base::MsgFourierMathError;
    }
    curve.fit = fit;
    return 0;
}

}  // namespace ordinax::numerics
