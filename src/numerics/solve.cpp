// Solving y = f(x) for x on a fitted model.
#include "numerics/solve.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "numerics/fit_kind.h"
#include "numerics/probability.h"

namespace ordinax::numerics {

namespace {

using document::Curve;

// Real roots of a·x² + b·x + c = 0 in increasing order; a first-degree
// equation when a is 0. The form with q avoids subtracting nearly equal values.
std::vector<double> quadraticRoots(double a, double b, double c) {
    if (a == 0.0) {
        if (b == 0.0) return {};
        return {-c / b};
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0) return {};
    const double root = std::sqrt(discriminant);
    const double q = -0.5 * (b + (b < 0.0 ? -root : root));
    if (q == 0.0) return {0.0, 0.0};  // b = c = 0: the double root 0
    double x1 = q / a, x2 = c / q;
    if (x1 > x2) std::swap(x1, x2);
    return {x1, x2};
}

// u = centre ± sqrt(q): the two solutions of (u - centre)² = q.
std::vector<double> aroundCentre(double centre, double q) {
    if (!(q >= 0.0)) return {};
    const double root = std::sqrt(q);
    return {centre - root, centre + root};
}

// The candidates of the closed form of each model, before the domain check.
std::vector<double> closedFormCandidates(const Curve& curve, double y) {
    const auto& a = curve.fit.coefficient;
    switch (curve.treatment) {
        case KindCAUCHY:
            // (x + a1)² = (1/y - a2) / a0.
            if (y == 0.0 || a[0] == 0.0) return {};
            return aroundCentre(-a[1], (1.0 / y - a[2]) / a[0]);
        case KindNOR: case KindLOGNOR: {
            // (a1 - u)² = a2·ln(y/a0), u being x or ln x.
            if (a[0] == 0.0 || a[2] == 0.0 || !(y / a[0] > 0.0)) return {};
            std::vector<double> u = aroundCentre(a[1], a[2] * std::log(y / a[0]));
            if (curve.treatment == KindLOGNOR)
                for (double& v : u) v = std::exp(v);
            return u;
        }
        case KindPOL2: case KindPOL2TP: return quadraticRoots(a[2], a[1], a[0] - y);
        case KindPOL2TO: return quadraticRoots(a[1], a[0], -y);
        case KindEXP:
            if (a[0] == 0.0 || a[1] == 0.0 || !(y / a[0] > 0.0)) return {};
            return {std::log(y / a[0]) / a[1]};
        case KindHOMO: {
            // y·(1 + a2·x) = a1 + a0·x.
            const double den = y * a[2] - a[0];
            if (den == 0.0) return {};
            return {(a[1] - y) / den};
        }
        case KindHYP: case KindHYPTP:
            if (y == a[0]) return {};
            return {a[1] / (y - a[0])};
        case KindHYP2: {
            // A quadratic in u = 1/x; both of its roots are solutions.
            std::vector<double> x;
            for (double u : quadraticRoots(a[2], a[1], a[0] - y))
                if (u != 0.0) x.push_back(1.0 / u);
            std::sort(x.begin(), x.end());
            return x;
        }
        case KindLIN: case KindLINTP:
            if (a[1] == 0.0) return {};
            return {(y - a[0]) / a[1]};
        case KindLINTO:
            if (a[0] == 0.0) return {};
            return {y / a[0]};
        case KindLOG:
            if (a[1] == 0.0) return {};
            return {std::exp((y - a[0]) / a[1])};
        case KindLOG10:
            if (a[1] == 0.0) return {};
            return {std::pow(10.0, (y - a[0]) / a[1])};
        case KindMODEXP: {
            if (a[0] == 0.0 || !(y / a[0] > 0.0)) return {};
            const double l = std::log(y / a[0]);
            if (l == 0.0) return {};
            return {a[1] / l};
        }
        case KindMODPOW:
            if (a[0] == 0.0 || !(a[1] > 0.0) || a[1] == 1.0 || !(y / a[0] > 0.0)) return {};
            return {std::log(y / a[0]) / std::log(a[1])};
        case KindPUI:
            if (a[0] == 0.0 || a[1] == 0.0) return {};
            return {std::pow(y / a[0], 1.0 / a[1])};
        case KindRECHYP: {
            // y·(a1 + a0·x) = x.
            const double den = 1.0 - a[0] * y;
            if (den == 0.0) return {};
            return {y * a[1] / den};
        }
        case KindRECLIN: case KindRECLINTP:
            if (y == 0.0 || a[1] == 0.0) return {};
            return {(1.0 / y - a[0]) / a[1]};
        case KindRECLOG:
            if (y == 0.0 || a[1] == 0.0) return {};
            return {std::exp((1.0 / y - a[0]) / a[1])};
        default: return {};
    }
}

// Keeps the candidates that are numbers within ±1e35 where the model itself
// can be computed (x = 0 is no solution of a0 + a1/x, whatever the algebra says).
std::vector<double> validSolutions(const Curve& curve, const std::vector<double>& candidates) {
    std::vector<double> out;
    for (double x : candidates) {
        if (!std::isfinite(x)) continue;
        if (expression::clampResult(x)) continue;
        expression::MathErrorFlag flag;
        modelValue(curve, x, flag);
        if (!flag.isRaised()) out.push_back(x);
    }
    return out;
}

// Walks the x range, recording where f(x) - y changes sign (the root of the
// chord between the two samples), at most MaxSolutions of them.
std::vector<double> scan(const Curve& curve, double y, const ScanRange& range) {
    std::vector<double> found;
    const int m = std::max(curve.pointCount(), 100);
    const double h = (range.max - range.min) / (m - 1);
    if (!std::isfinite(h) || !(h > 0.0)) return found;
    bool started = false;
    bool havePrevious = false;
    double previousX = 0.0, previousD = 0.0;
    // One sample per step from xmin to xmax (the bound on i only guards the
    // loop against rounding).
    for (int i = 0; i <= m; ++i) {
        const double x = range.min + i * h;
        if (x > range.max + 0.2 * h) break;
        expression::MathErrorFlag flag;
        const double value = modelValue(curve, x, flag);
        if (flag.isRaised()) {
            if (started) break;
            continue;  // the scan starts at the first x where the model exists
        }
        started = true;
        const double d = value - y;
        if (d == 0.0) {
            // A sample right on y is a solution; the next sign starts afresh so
            // that the same crossing is not recorded twice.
            found.push_back(x);
            havePrevious = false;
        } else {
            if (havePrevious && (d > 0.0) != (previousD > 0.0))
                found.push_back(previousX + (x - previousX) * previousD / (previousD - d));
            previousX = x;
            previousD = d;
            havePrevious = true;
        }
        if (static_cast<int>(found.size()) >= MaxSolutions) break;
    }
    return found;
}

}  // namespace

bool hasClosedForm(int kind) {
    switch (kind) {
        case KindCAUCHY: case KindLOGNOR: case KindNOR: case KindPOL2: case KindPOL2TO: case KindPOL2TP:
        case KindEXP: case KindHOMO: case KindHYP: case KindHYPTP: case KindHYP2: case KindLIN: case KindLINTO:
        case KindLINTP: case KindLOG: case KindLOG10: case KindMODEXP: case KindMODPOW: case KindPUI:
        case KindRECHYP: case KindRECLIN: case KindRECLINTP: case KindRECLOG:
            return true;
        default: return false;
    }
}

ScanRange solveScanRange(const document::Diagram& diagram, const Curve& curve) {
    const auto& scales = diagram.scales;
    const int side = scales.mainSide[0] == 1 ? 1 : 0;
    const document::AxisScale& axis = scales.axis[0][static_cast<std::size_t>(side)];
    ScanRange range{std::min(axis.origin, axis.extremity), std::max(axis.origin, axis.extremity)};
    if (std::isfinite(range.min) && std::isfinite(range.max) && range.min < range.max) return range;
    // A diagram whose scales were never set: the curve's own x range.
    const auto points = curve.points.view();
    if (points.empty()) return {};
    range = {points[0].x, points[0].x};
    for (const document::Point& p : points) {
        range.min = std::min(range.min, p.x);
        range.max = std::max(range.max, p.x);
    }
    return range;
}

SolveResult solveFor(const Curve& curve, double y, const ScanRange& range, const AxisKinds& axes) {
    SolveResult result;
    result.method = hasClosedForm(curve.treatment) ? SolveMethod::Closed : SolveMethod::Scan;
    // Only fitted models and Fourier series have values to solve for.
    if (!isRegressionKind(curve.treatment) && curve.treatment != KindFOU) return result;
    if (axes.y == ScaleHenry) {
        const std::optional<double> z = normalQuantile(y);
        if (!z) return result;
        y = *z;
    }
    if (result.method == SolveMethod::Closed)
        result.x = validSolutions(curve, closedFormCandidates(curve, y));
    else
        result.x = scan(curve, y, range);
    if (result.x.size() > static_cast<std::size_t>(MaxSolutions)) result.x.resize(MaxSolutions);
    return result;
}

}  // namespace ordinax::numerics
