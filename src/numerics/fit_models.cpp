// Rows of the linearised least-squares problems and the conversion of their
// solutions, model by model.
#include "numerics/fit_models.h"

#include <cmath>
#include <numbers>

namespace ordinax::numerics {

namespace {

using document::Point;

// A layout: regressor columns, response, X' and Y' columns, columns in all.
SumLayout layout(std::initializer_list<int> z, int w, int xs, int ys, int columns) {
    SumLayout l;
    l.m = static_cast<int>(z.size());
    int i = 0;
    for (int c : z) l.z[i++] = c;
    l.w = w;
    l.xs = xs;
    l.ys = ys;
    l.columns = columns;
    return l;
}

// The common shape: constant, one regressor in column 1, response in column 2,
// X' the regressor and Y' the response.
SumLayout straightLine() { return layout({0, 1}, 2, 1, 2, 3); }

// x^N in extended precision, by squaring.
template <int N>
long double powerOf(long double x) {
    if constexpr (N == 0) {
        return 1.0L;
    } else if constexpr (N == 1) {
        return x;
    } else {
        const long double half = powerOf<N / 2>(x);
        if constexpr (N % 2 == 0) {
            return half * half;
        } else {
            return half * half * x;
        }
    }
}

// Adds Σ x^(First + k)·(y or 1), k = 0 .. Count - 1, over a block of points;
// the powers are formed in extended precision and the accumulators stay in
// registers (at most four per sweep).
template <int First, int Count, bool Weighted>
void powerSweep(const Point* p, int n, long double* out) {
    long double acc[Count] = {};
    for (int i = 0; i < n; ++i) {
        const long double x = p[i].x;
        long double term = powerOf<First>(x);
        if constexpr (Weighted) term *= static_cast<long double>(p[i].y);
#pragma GCC unroll 8
        for (int k = 0; k < Count; ++k) {
            acc[k] += term;
            term *= x;
        }
    }
    for (int k = 0; k < Count; ++k) out[k] += acc[k];
}

// Σx^k for k = First .. Last in sweeps of four.
template <int First, int Last, bool Weighted>
void powerSweeps(const Point* p, int n, long double* sums) {
    if constexpr (First <= Last) {
        constexpr int Count = Last - First + 1 < 4 ? Last - First + 1 : 4;
        powerSweep<First, Count, Weighted>(p, n, sums + First);
        powerSweeps<First + Count, Last, Weighted>(p, n, sums);
    }
}

// Power sums of a degree-D polynomial: Σx^k (k = 0 .. 2D), Σx^k·y (k = 0 .. D), Σy².
template <int D>
NormalSums powerSums(std::span<const Point> pts) {
    long double s[2 * D + 1] = {};
    long double t[D + 1] = {};
    long double yy = 0.0L;
    const std::size_t total = pts.size();
    for (std::size_t first = 0; first < total; first += BlockPoints) {
        const int n = static_cast<int>(total - first < BlockPoints ? total - first : BlockPoints);
        const Point* p = pts.data() + first;
        powerSweeps<1, 2 * D, false>(p, n, s);
        powerSweeps<0, D, true>(p, n, t);
        long double squares = 0.0L;
        for (int i = 0; i < n; ++i) squares += static_cast<long double>(p[i].y) * p[i].y;
        yy += squares;
    }
    s[0] = static_cast<long double>(total);
    NormalSums sums;
    sums.m = D + 1;
    for (int i = 0; i <= D; ++i) {
        for (int j = 0; j <= D; ++j) sums.g[i][j] = s[i + j];
        sums.h[i] = t[i];
    }
    sums.ww = yy;
    sums.count = s[0];
    sums.sx = s[1];
    sums.sxx = s[2];
    sums.sy = t[0];
    sums.syy = yy;
    return sums;
}

// The straight line y = c0 + c1·x straight from the points: its five sums fit
// in the extended-precision registers, so no staging is needed.
NormalSums lineSums(std::span<const Point> pts) {
    long double sx = 0.0L, sxx = 0.0L, sy = 0.0L, sxy = 0.0L, syy = 0.0L;
    for (const Point& p : pts) {
        const long double x = p.x, y = p.y;
        sx += x;
        sxx += x * x;
        sy += y;
        sxy += x * y;
        syy += y * y;
    }
    NormalSums sums;
    sums.m = 2;
    sums.count = static_cast<long double>(pts.size());
    sums.g[0][0] = sums.count;
    sums.g[0][1] = sums.g[1][0] = sums.sx = sx;
    sums.g[1][1] = sums.sxx = sxx;
    sums.h[0] = sums.sy = sy;
    sums.h[1] = sxy;
    sums.ww = sums.syy = syy;
    return sums;
}

NormalSums sumsOf(int kind, std::span<const Point> pts, const FitParameters& fp) {
    const double r = fp.r, s = fp.s, t = fp.t;
    using std::log;
    switch (kind) {
        case KindBETA:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 1, 3, 4), [](double x, double y, double* v) {
                v[1] = log(x), v[2] = log(1.0 - x), v[3] = log(y);
            });
        case KindCAUCHY:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 1, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = x * x, v[3] = 1.0 / y; });
        case KindEXP:
        case KindMODPOW:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = x, v[2] = log(y); });
        case KindGAMMA:
        case KindHOERL:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 2, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = log(x), v[3] = log(y); });
        case KindGPOL2:
            return accumulateRows(pts, layout({1, 2}, 3, 4, 3, 5), [r, s](double x, double y, double* v) {
                v[1] = std::pow(x, r), v[2] = std::pow(x, s), v[3] = y, v[4] = x;
            });
        case KindGPOL3:
            return accumulateRows(pts, layout({1, 2, 3}, 4, 5, 4, 6), [r, s, t](double x, double y, double* v) {
                v[1] = std::pow(x, r), v[2] = std::pow(x, s), v[3] = std::pow(x, t), v[4] = y, v[5] = x;
            });
        case KindHOMO:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 1, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = -x * y, v[3] = y; });
        case KindHYP:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = 1.0 / x, v[2] = y; });
        case KindHYPTP: {
            const double ir = 1.0 / r;
            return accumulateRows(pts, layout({1}, 2, 3, 4, 5), [ir, s](double x, double y, double* v) {
                const double ix = 1.0 / x;
                v[1] = ix - ir, v[2] = y - s, v[3] = ix, v[4] = y;
            });
        }
        case KindHYP2:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 2, 3, 4), [](double x, double y, double* v) {
                const double ix = 1.0 / x;
                v[1] = ix, v[2] = ix * ix, v[3] = y;
            });
        case KindLIN:
            return lineSums(pts);
        case KindLINTO:
            return accumulateRows(pts, layout({1}, 2, 1, 2, 3), [](double x, double y, double* v) { v[1] = x, v[2] = y; });
        case KindLINTP:
            return accumulateRows(pts, layout({1}, 2, 3, 4, 5), [r, s](double x, double y, double* v) {
                v[1] = x - r, v[2] = y - s, v[3] = x, v[4] = y;
            });
        case KindLINHYP:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 2, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = 1.0 / x, v[3] = y; });
        case KindLOG:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = log(x), v[2] = y; });
        case KindLOG10: {
            SumLayout l = straightLine();
            l.xsScale = 1.0L / std::numbers::ln10_v<long double>;
            return accumulateRows(pts, l, [](double x, double y, double* v) { v[1] = log(x), v[2] = y; });
        }
        case KindLOGNOR:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 1, 3, 4), [](double x, double y, double* v) {
                const double lx = log(x);
                v[1] = lx, v[2] = lx * lx, v[3] = log(y);
            });
        case KindMODEXP:
        case KindROOT:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = 1.0 / x, v[2] = log(y); });
        case KindMODGEO:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = log(x) / x, v[2] = log(y); });
        case KindMODHOERL:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 2, 3, 4),
                                  [](double x, double y, double* v) { v[1] = 1.0 / x, v[2] = log(x), v[3] = log(y); });
        case KindNOR:
            return accumulateRows(pts, layout({0, 1, 2}, 3, 1, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = x * x, v[3] = log(y); });
        case KindPOL2:
            return powerSums<2>(pts);
        case KindPOL2TO:
            return accumulateRows(pts, layout({1, 2}, 3, 1, 3, 4),
                                  [](double x, double y, double* v) { v[1] = x, v[2] = x * x, v[3] = y; });
        case KindPOL2TP:
            return accumulateRows(pts, layout({1, 2}, 3, 4, 5, 6), [r, s](double x, double y, double* v) {
                const double d = x - r;
                v[1] = d, v[2] = d * d, v[3] = y - s, v[4] = x, v[5] = y;
            });
        case KindPOL3:
            return powerSums<3>(pts);
        case KindPOL4:
            return powerSums<4>(pts);
        case KindPOL5:
            return powerSums<5>(pts);
        case KindPOL6:
            return powerSums<6>(pts);
        case KindPUI:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = log(x), v[2] = log(y); });
        case KindRECHYP:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = 1.0 / x, v[2] = 1.0 / y; });
        case KindRECLIN:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = x, v[2] = 1.0 / y; });
        case KindRECLINTP: {
            const double is = 1.0 / s;
            return accumulateRows(pts, layout({1}, 2, 3, 4, 5), [r, is](double x, double y, double* v) {
                const double iy = 1.0 / y;
                v[1] = x - r, v[2] = iy - is, v[3] = x, v[4] = iy;
            });
        }
        case KindRECLOG:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = log(x), v[2] = 1.0 / y; });
        case KindSUPGEO:
            return accumulateRows(pts, straightLine(), [](double x, double y, double* v) { v[1] = x * log(x), v[2] = log(y); });
        default:
            return NormalSums{};
    }
}

}  // namespace

NormalSums modelSums(int kind, std::span<const Point> points, const FitParameters& parameters) {
    return sumsOf(kind, points, parameters);
}

bool hasLogarithmicConstant(int kind) {
    switch (kind) {
        case KindBETA: case KindEXP: case KindGAMMA: case KindLOGNOR: case KindMODEXP: case KindMODGEO:
        case KindNOR: case KindPUI: case KindSUPGEO: case KindHOERL: case KindMODHOERL: case KindMODPOW:
        case KindROOT:
            return true;
        default:
            return false;
    }
}

ModelCoefficients convertSolution(int kind, const Quad (&uq)[MaxCoefficients], const FitParameters& fp) {
    ModelCoefficients out;
    double u[MaxCoefficients];
    for (int i = 0; i < MaxCoefficients; ++i) u[i] = static_cast<double>(uq[i]);
    double* c = out.linear;
    const int count = coefficientCount(kind);
    for (int i = 0; i < count; ++i) c[i] = u[i];
    switch (kind) {
        case KindCAUCHY:
            if (u[2] == 0.0) return out;
            c[0] = u[2];
            c[1] = u[1] / (2.0 * u[2]);
            c[2] = u[0] - u[1] * u[1] / (4.0 * u[2]);
            break;
        case KindGAMMA:
            // ln y = u0 + x/a1 + a2·ln x, with u0 = ln a0 - a2·ln a1.
            if (u[1] == 0.0) return out;
            c[1] = 1.0 / u[1];
            c[2] = u[2];
            if (!(c[1] > 0.0)) return out;
            c[0] = u[0] + c[2] * std::log(c[1]);
            break;
        case KindHOMO:
            c[0] = u[1];
            c[1] = u[0];
            c[2] = u[2];
            break;
        case KindHYPTP:
            c[1] = u[0];
            c[0] = fp.s - c[1] / fp.r;
            break;
        case KindLINTP:
            c[1] = u[0];
            c[0] = fp.s - c[1] * fp.r;
            break;
        case KindLOG10:
            c[1] = u[1] * std::numbers::ln10;
            break;
        case KindLOGNOR:
        case KindNOR:
            if (u[2] == 0.0) return out;
            c[2] = 1.0 / u[2];
            c[1] = -u[1] / (2.0 * u[2]);
            c[0] = u[0] - u[1] * u[1] / (4.0 * u[2]);
            break;
        case KindPOL2TP: {
            const double b1 = u[0], b2 = u[1], r = fp.r;
            c[0] = fp.s - b1 * r + b2 * r * r;
            c[1] = b1 - 2.0 * b2 * r;
            c[2] = b2;
            break;
        }
        case KindRECLINTP:
            c[1] = u[0];
            c[0] = 1.0 / fp.s - c[1] * fp.r;
            break;
        default:
            break;
    }
    for (int i = 0; i < count; ++i) out.coefficient[i] = c[i];
    if (hasLogarithmicConstant(kind)) out.exponentiated[0] = true;
    if (kind == KindHOERL || kind == KindMODHOERL || kind == KindMODPOW || kind == KindROOT) out.exponentiated[1] = true;
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(c[i])) return out;
        if (out.exponentiated[i]) {
            out.coefficient[i] = std::exp(c[i]);
            // A coefficient kept as its logarithm must come back positive.
            if (!(out.coefficient[i] > 0.0) || !std::isfinite(out.coefficient[i])) return out;
        }
    }
    out.ok = true;
    return out;
}

}  // namespace ordinax::numerics
