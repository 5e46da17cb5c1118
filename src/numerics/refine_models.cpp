// Values and analytic derivatives of the refinable models. Each model is a
// small type whose `at` gives f(x) and ∂f/∂θ; a block of points is evaluated
// by one loop per model, so that the choice of the model is made once a block.
#include "numerics/refine_models.h"

#include <cmath>

namespace ordinax::numerics {

namespace {

using document::Point;
using Gradient = std::array<double, MaxRefineParameters>;

// The coefficients carried as a logarithm (index of the coefficient, or -1).
int logarithmicCoefficient(int kind) {
    switch (kind) {
        case KindHOERL: case KindMODHOERL: case KindMODPOW: case KindROOT: return 1;
        default: return -1;
    }
}

struct Beta {
    double a0, a1, a2;
    double at(double x, Gradient& g) const {
        const double lx = std::log(x), l1x = std::log1p(-x);
        const double e = std::exp(a1 * lx + a2 * l1x), f = a0 * e;
        g = {e, f * lx, f * l1x};
        return f;
    }
};

struct Cauchy {
    double a0, a1, a2;
    double at(double x, Gradient& g) const {
        const double d = x + a1, f = 1.0 / (a0 * d * d + a2), q = -f * f;
        g = {q * d * d, q * 2.0 * a0 * d, q};
        return f;
    }
};

// a0·e^(b·u(x)): EXP, MODEXP, MODGEO, MODPOW, PUI, ROOT and SUPGEO differ only by u.
template <typename U>
struct Exponential {
    double a0, b;
    U u;
    double at(double x, Gradient& g) const {
        const double t = u(x), e = std::exp(b * t), f = a0 * e;
        g = {e, f * t, 0.0};
        return f;
    }
};

struct Identity { double operator()(double x) const { return x; } };
struct Inverse { double operator()(double x) const { return 1.0 / x; } };
struct Logarithm { double operator()(double x) const { return std::log(x); } };
struct LogOverX { double operator()(double x) const { return std::log(x) / x; } };
struct XLogX { double operator()(double x) const { return x * std::log(x); } };

struct Gamma {
    double a0, a1, a2;
    double at(double x, Gradient& g) const {
        const double u = x / a1, lu = std::log(u);
        const double e = std::exp(a2 * lu + u), f = a0 * e;
        g = {e, -f * (a2 + u) / a1, f * lu};
        return f;
    }
};

// a0·e^(b·u(x))·x^c: HOERL (u = x) and MODHOERL (u = 1/x), b = ln a1.
template <typename U>
struct Hoerl {
    double a0, b, c;
    U u;
    double at(double x, Gradient& g) const {
        const double t = u(x), lx = std::log(x);
        const double e = std::exp(b * t + c * lx), f = a0 * e;
        g = {e, f * t, f * lx};
        return f;
    }
};

struct Homographic {
    double a0, a1, a2;
    double at(double x, Gradient& g) const {
        const double inv = 1.0 / (1.0 + a2 * x), f = (a1 + a0 * x) * inv;
        g = {x * inv, inv, -x * f * inv};
        return f;
    }
};

// a0·e^((a1 - u(x))²/a2): NOR (u = x) and LOGNOR (u = ln x).
template <typename U>
struct Gaussian {
    double a0, a1, a2;
    U u;
    double at(double x, Gradient& g) const {
        const double d = a1 - u(x), q = d * d / a2, e = std::exp(q), f = a0 * e;
        g = {e, 2.0 * f * d / a2, -f * q / a2};
        return f;
    }
};

struct ReciprocalHyperbolic {
    double a0, a1;
    double at(double x, Gradient& g) const {
        const double inv = 1.0 / (a1 + a0 * x), f = x * inv;
        g = {-f * f, -f * inv, 0.0};
        return f;
    }
};

// 1/(a0 + a1·u(x)): RECLIN (u = x) and RECLOG (u = ln x).
template <typename U>
struct Reciprocal {
    double a0, a1;
    U u;
    double at(double x, Gradient& g) const {
        const double t = u(x), f = 1.0 / (a0 + a1 * t), q = -f * f;
        g = {q, q * t, 0.0};
        return f;
    }
};

// 1/(1/s + a1·(x - r)): the line through (r, s), a1 its only free parameter.
struct ReciprocalThroughPoint {
    double inverseS, a1, r;
    double at(double x, Gradient& g) const {
        const double d = x - r, f = 1.0 / (inverseS + a1 * d);
        g = {-d * f * f, 0.0, 0.0};
        return f;
    }
};

template <typename Model>
void runBlock(const Model& model, std::span<const Point> points, double* residual, Gradient* jacobian) {
    for (std::size_t i = 0; i < points.size(); ++i) residual[i] = model.at(points[i].x, jacobian[i]) - points[i].y;
}

// Calls `use` with the model of `kind` at θ.
template <typename Use>
void withModel(int kind, const Parameters& t, const FitParameters& fixed, Use use) {
    switch (kind) {
        case KindBETA: use(Beta{t[0], t[1], t[2]}); break;
        case KindCAUCHY: use(Cauchy{t[0], t[1], t[2]}); break;
        case KindEXP: use(Exponential<Identity>{t[0], t[1], {}}); break;
        case KindGAMMA: use(Gamma{t[0], t[1], t[2]}); break;
        case KindHOERL: use(Hoerl<Identity>{t[0], t[1], t[2], {}}); break;
        case KindHOMO: use(Homographic{t[0], t[1], t[2]}); break;
        case KindLOGNOR: use(Gaussian<Logarithm>{t[0], t[1], t[2], {}}); break;
        case KindMODEXP: use(Exponential<Inverse>{t[0], t[1], {}}); break;
        case KindMODGEO: use(Exponential<LogOverX>{t[0], t[1], {}}); break;
        case KindMODHOERL: use(Hoerl<Inverse>{t[0], t[1], t[2], {}}); break;
        case KindMODPOW: use(Exponential<Identity>{t[0], t[1], {}}); break;
        case KindNOR: use(Gaussian<Identity>{t[0], t[1], t[2], {}}); break;
        case KindPUI: use(Exponential<Logarithm>{t[0], t[1], {}}); break;
        case KindRECHYP: use(ReciprocalHyperbolic{t[0], t[1]}); break;
        case KindRECLIN: use(Reciprocal<Identity>{t[0], t[1], {}}); break;
        case KindRECLINTP: use(ReciprocalThroughPoint{1.0 / fixed.s, t[0], fixed.r}); break;
        case KindRECLOG: use(Reciprocal<Logarithm>{t[0], t[1], {}}); break;
        case KindROOT: use(Exponential<Inverse>{t[0], t[1], {}}); break;
        case KindSUPGEO: use(Exponential<XLogX>{t[0], t[1], {}}); break;
        default: break;
    }
}

}  // namespace

bool isRefinable(int kind) { return refineParameterCount(kind) > 0; }

int refineParameterCount(int kind) {
    switch (kind) {
        case KindBETA: case KindCAUCHY: case KindGAMMA: case KindHOERL: case KindHOMO: case KindLOGNOR:
        case KindMODHOERL: case KindNOR:
            return 3;
        case KindEXP: case KindMODEXP: case KindMODGEO: case KindMODPOW: case KindPUI: case KindRECHYP:
        case KindRECLIN: case KindRECLOG: case KindROOT: case KindSUPGEO:
            return 2;
        case KindRECLINTP:
            return 1;
        default:
            return 0;
    }
}

bool parametersFromCoefficients(int kind, const Coefficients& a, Parameters& theta) {
    theta = {};
    if (kind == KindRECLINTP) {
        theta[0] = a[1];
        return true;
    }
    const int q = refineParameterCount(kind);
    for (int j = 0; j < q; ++j) theta[static_cast<std::size_t>(j)] = a[static_cast<std::size_t>(j)];
    if (const int k = logarithmicCoefficient(kind); k >= 0) {
        const auto at = static_cast<std::size_t>(k);
        if (!(a[at] > 0.0)) return false;
        theta[at] = std::log(a[at]);
    }
    return true;
}

void coefficientsFromParameters(int kind, const Parameters& theta, const FitParameters& fixed, Coefficients& a,
                                std::array<std::array<double, MaxRefineParameters>, MaxCoefficients>* derivative) {
    a = {};
    if (derivative) *derivative = {};
    if (kind == KindRECLINTP) {
        a[1] = theta[0];
        a[0] = 1.0 / fixed.s - theta[0] * fixed.r;
        if (derivative) (*derivative)[0][0] = -fixed.r, (*derivative)[1][0] = 1.0;
        return;
    }
    const int q = refineParameterCount(kind);
    const int k = logarithmicCoefficient(kind);
    for (int j = 0; j < q; ++j) {
        const auto at = static_cast<std::size_t>(j);
        a[at] = j == k ? std::exp(theta[at]) : theta[at];
        if (derivative) (*derivative)[at][at] = j == k ? a[at] : 1.0;
    }
}

double parameterScale(int kind, int j, const Coefficients& a, int& coefficient) {
    coefficient = kind == KindRECLINTP ? 1 : j;
    if (j == logarithmicCoefficient(kind)) return 1.0 / a[static_cast<std::size_t>(coefficient)];
    return 1.0;
}

void evaluateBlock(int kind, const Parameters& theta, const FitParameters& fixed, std::span<const Point> points,
                   double* residual, Gradient* jacobian) {
    withModel(kind, theta, fixed, [&](const auto& model) { runBlock(model, points, residual, jacobian); });
}

double modelAt(int kind, const Parameters& theta, const FitParameters& fixed, double x, Gradient& gradient) {
    double f = 0.0;
    gradient = {};
    withModel(kind, theta, fixed, [&](const auto& model) { f = model.at(x, gradient); });
    return f;
}

}  // namespace ordinax::numerics
