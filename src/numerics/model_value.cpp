// Evaluating the fitted models and their confidence band.
#include "numerics/model_value.h"

#include <cmath>
#include <optional>

#include "numerics/fit_kind.h"
#include "numerics/probability.h"
#include "numerics/refine_curve.h"

namespace ordinax::numerics {

namespace {

using document::Curve;
using std::exp;
using std::log;
using std::pow;

double rawModelValue(const Curve& curve, double x) {
    const auto& a = curve.fit.coefficient;
    const double r = curve.fit.stats[0], s = curve.fit.stats[1], t = curve.fit.stats[2];
    const int kind = curve.treatment;
    switch (kind) {
        case KindFOU: {
            const document::FitResult& f = curve.fit;
            double y = f.fourierA0;
            const int harmonics = f.harmonicCount < 0 ? 0 : (f.harmonicCount > 50 ? 50 : f.harmonicCount);
            for (int i = 1; i <= harmonics; ++i)
                y += f.coefficient[static_cast<std::size_t>(i)] * std::cos(i * f.omega * x) +
                     f.linearCoefficient[static_cast<std::size_t>(i)] * std::sin(i * f.omega * x);
            return y;
        }
        case KindBETA: return a[0] * pow(x, a[1]) * pow(1.0 - x, a[2]);
        case KindCAUCHY: return 1.0 / (a[0] * (x + a[1]) * (x + a[1]) + a[2]);
        case KindEXP: return a[0] * exp(a[1] * x);
        case KindGAMMA: return a[0] * pow(x / a[1], a[2]) * exp(x / a[1]);
        case KindGPOL2: return a[0] * pow(x, r) + a[1] * pow(x, s);
        case KindGPOL3: return a[0] * pow(x, r) + a[1] * pow(x, s) + a[2] * pow(x, t);
        case KindHOERL: return a[0] * pow(a[1], x) * pow(x, a[2]);
        case KindHOMO: return (a[1] + a[0] * x) / (1.0 + a[2] * x);
        case KindHYP: case KindHYPTP: return a[0] + a[1] / x;
        case KindHYP2: return a[0] + a[1] / x + a[2] / (x * x);
        case KindLIN: case KindLINTP: return a[0] + a[1] * x;
        case KindLINTO: return a[0] * x;
        case KindLINHYP: return a[0] + a[1] * x + a[2] / x;
        case KindLOG: return a[0] + a[1] * log(x);
        case KindLOG10: return a[0] + a[1] * std::log10(x);
        case KindLOGNOR: return a[0] * exp((a[1] - log(x)) * (a[1] - log(x)) / a[2]);
        case KindMODEXP: return a[0] * exp(a[1] / x);
        case KindMODGEO: return a[0] * pow(x, a[1] / x);
        case KindMODHOERL: return a[0] * pow(a[1], 1.0 / x) * pow(x, a[2]);
        case KindMODPOW: return a[0] * pow(a[1], x);
        case KindNOR: return a[0] * exp((a[1] - x) * (a[1] - x) / a[2]);
        case KindPOL2: case KindPOL2TP: case KindPOL3: case KindPOL4: case KindPOL5: case KindPOL6: {
            double y = 0.0;
            for (int i = coefficientCount(kind) - 1; i >= 0; --i) y = y * x + a[static_cast<std::size_t>(i)];
            return y;
        }
        case KindPOL2TO: return a[0] * x + a[1] * x * x;
        case KindPUI: return a[0] * pow(x, a[1]);
        case KindRECHYP: return x / (a[1] + a[0] * x);
        case KindRECLIN: case KindRECLINTP: return 1.0 / (a[0] + a[1] * x);
        case KindRECLOG: return 1.0 / (a[0] + a[1] * log(x));
        case KindROOT: return a[0] * pow(a[1], 1.0 / x);
        case KindSUPGEO: return a[0] * pow(x, a[1] * x);
        default: return 0.0;
    }
}

std::optional<double> fromAxis(double axisX, int xScale) {
    if (xScale == ScaleLog) {
        const double x = std::pow(10.0, axisX);
        if (!std::isfinite(x)) return std::nullopt;
        return x;
    }
    if (xScale == ScaleHenry) return normalProbability(axisX);
    return axisX;
}

}  // namespace

AxisKinds axisKinds(const document::Diagram& diagram) {
    const auto& scales = diagram.scales;
    auto kindOf = [&](int direction) {
        const int side = scales.mainSide[static_cast<std::size_t>(direction)] == 1 ? 1 : 0;
        return scales.axis[static_cast<std::size_t>(direction)][static_cast<std::size_t>(side)].kind;
    };
    return {kindOf(0), kindOf(1)};
}

double modelValue(const Curve& curve, double x, expression::MathErrorFlag& flag) {
    double y = rawModelValue(curve, x);
    if (!std::isfinite(y)) {
        flag.raise();
        return 0.0;
    }
    if (expression::clampResult(y)) {
        flag.raise();
        return 0.0;
    }
    return y;
}

double modelValueFromAxis(const Curve& curve, double axisX, int xScale, expression::MathErrorFlag& flag) {
    const auto x = fromAxis(axisX, xScale);
    if (!x) return 0.0;
    return modelValue(curve, *x, flag);
}

std::optional<double> valueAt(const Curve& curve, double x, const AxisKinds& axes) {
    expression::MathErrorFlag flag;
    const double y = modelValue(curve, x, flag);
    if (flag.isRaised()) return std::nullopt;
    if (axes.y == ScaleHenry) return normalProbability(y);
    return y;
}

double confidenceBand(const Curve& curve, double x, int side, int pointCount) {
    constexpr double Nothing = 1.0e35;
    // A refined fit has the band of the delta method, for every refinable model.
    if (const std::optional<double> refined = refinedConfidenceBand(curve, x, side)) return *refined;
    const auto& f = curve.fit;
    const auto& a = f.coefficient;
    double xs = 0.0;
    switch (curve.treatment) {
        case KindLIN: case KindEXP: xs = x; break;
        case KindLOG: case KindPUI: xs = std::log(x); break;
        case KindLOG10: xs = std::log10(x); break;
        default: return Nothing;
    }
    if (pointCount <= 0) return Nothing;
    const double d = xs - f.meanX;
    const double w = std::sqrt((1.0 + d * d / f.varX) * f.residualVar / pointCount);
    const double shift = side * f.studentT * w;
    double y = Nothing;
    switch (curve.treatment) {
        case KindLIN: y = a[0] + a[1] * x + shift; break;
        case KindLOG: case KindLOG10: y = a[0] + a[1] * xs + shift; break;
        case KindEXP: y = a[0] * std::exp(a[1] * x + shift); break;
        case KindPUI: y = a[0] * std::exp(a[1] * xs + shift); break;
        default: break;
    }
    return std::isfinite(y) ? y : Nothing;
}

double confidenceBandFromAxis(const Curve& curve, double axisX, int side, int pointCount, int xScale) {
    const auto x = fromAxis(axisX, xScale);
    if (!x) return 1.0e35;
    return confidenceBand(curve, *x, side, pointCount);
}

}  // namespace ordinax::numerics
