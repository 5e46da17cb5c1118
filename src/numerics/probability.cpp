// Normal quantile walk of the probability scale and Student's quantile.
#include "numerics/probability.h"

#include <cmath>
#include <numbers>

namespace ordinax::numerics {

namespace {

struct TableRow {
    double z;
    double phi;
};

// Rows 1..13 of the probability table: quantile and its tabulated Φ.
constexpr TableRow Rows[] = {
    {0.25, 0.5987}, {0.53, 0.7019}, {0.84, 0.7995}, {1.04, 0.8508}, {1.29, 0.9015},
    {1.65, 0.9505}, {1.75, 0.9599}, {1.88, 0.9699}, {2.05, 0.9798}, {2.33, 0.9901},
    {2.57, 0.9949}, {2.88, 0.998},  {3.09, 0.999},
};
constexpr double WalkStep = 0.001;
constexpr double WalkLimit = 4.0;

double density(double z) { return std::exp(-z * z / 2.0) / std::sqrt(2.0 * std::numbers::pi); }

}  // namespace

std::optional<double> normalQuantile(double p) {
    if (!(p > 0.0 && p < 1.0)) return std::nullopt;
    if (p == 0.5) return 0.0;
    if (p < 0.5) {
        const auto q = normalQuantile(1.0 - p);
        if (!q) return std::nullopt;
        return -*q;
    }
    TableRow start{0.0, 0.5};
    for (const TableRow& row : Rows) {
        if (row.phi > p) break;
        start = row;
    }
    double z = start.z;
    double phi = start.phi;
    int steps = 0;
    // Count the steps rather than adding 0.001 repeatedly, so z stays on the grid.
    while (phi < p && z < WalkLimit) {
        const double next = start.z + (steps + 1) * WalkStep;
        phi += WalkStep * (density(z) + density(next)) / 2.0;
        z = next;
        ++steps;
    }
    return z;
}

std::optional<double> normalProbability(double z) {
    if (std::isnan(z)) return std::nullopt;
    if (z == 0.0) return 0.5;
    const double target = std::fabs(z);
    TableRow start{0.0, 0.5};
    for (const TableRow& row : Rows) {
        if (row.z > target) break;
        start = row;
    }
    double at = start.z;
    double phi = start.phi;
    for (int steps = 1; at < target; ++steps) {
        const double next = std::fmin(start.z + steps * WalkStep, target);
        phi += (next - at) * (density(at) + density(next)) / 2.0;
        at = next;
    }
    return z > 0.0 ? phi : 1.0 - phi;
}

std::optional<double> normalQuantileApprox(double q) {
    if (!(q > 0.0 && q < 1.0)) return std::nullopt;
    const double w = std::sqrt(-2.0 * std::log(q));
    return w - (2.515517 + 0.802853 * w + 0.010328 * w * w) / (1.0 + 1.432788 * w + 0.189269 * w * w + 0.001308 * w * w * w);
}

std::optional<double> studentQuantile(double alpha, int dof) {
    if (dof <= 0) return 0.0;
    if (!(alpha > 0.0 && alpha < 2.0)) return std::nullopt;
    const double nu = dof;
    double t = 0.0;
    if (dof == 1) {
        t = 1.0 / std::tan(alpha * std::numbers::pi / 2.0);
    } else if (dof == 2) {
        t = std::sqrt(2.0 / (alpha * (2.0 - alpha)) - 2.0);
    } else if (dof > 20) {
        const auto zq = normalQuantileApprox(alpha / 2.0);
        if (!zq) return std::nullopt;
        const double z = *zq;
        const double z3 = z * z * z;
        const double z5 = z3 * z * z;
        t = z + (z3 + z) / (4.0 * nu) + (5.0 * z5 + 16.0 * z3 + 3.0 * z) / (96.0 * nu * nu);
    } else {
        // Hill (1970), algorithm 396.
        const double a = 1.0 / (nu - 0.5);
        const double b = 48.0 / (a * a);
        double c = ((20700.0 * a / b - 98.0) * a - 16.0) * a + 96.36;
        const double d = ((94.5 / (b + c) - 3.0) / b + 1.0) * std::sqrt(a * std::numbers::pi / 2.0) * nu;
        double x = d * alpha;
        double y = std::pow(x, 2.0 / nu);
        if (y > 0.05 + a) {
            const auto zq = normalQuantileApprox(alpha / 2.0);
            if (!zq) return std::nullopt;
            x = *zq;
            y = x * x;
            if (dof < 5) c += 0.3 * (nu - 4.5) * (x + 0.6);
            c = (((0.05 * d * x - 5.0) * x - 7.0) * x - 2.0) * x + b + c;
            y = (((((0.4 * y + 6.3) * y + 36.0) * y + 94.5) / c - y - 3.0) / b + 1.0) * x;
            y = std::exp(a * y * y) - 1.0;
        } else {
            y = ((1.0 / (((nu + 6.0) / (nu * y) - 0.089 * d - 0.822) * (nu + 2.0) * 3.0) + 0.5 / (nu + 4.0)) * y - 1.0) *
                    (nu + 1.0) / (nu + 2.0) +
                1.0 / y;
        }
        t = std::sqrt(nu * y);
    }
    if (!std::isfinite(t)) return std::nullopt;
    return t;
}

}  // namespace ordinax::numerics
