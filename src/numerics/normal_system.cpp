// Solving the small normal systems of the fits in quadruple precision.
#include "numerics/normal_system.h"

#include <cmath>
#include <utility>

namespace ordinax::numerics {

namespace {

Quad absQ(Quad v) { return v < 0 ? -v : v; }

// Pivots below this, on a matrix whose diagonal lies in [0.25, 2), are noise
// of the extended-precision sums: the matrix is singular at that precision.
constexpr Quad SingularPivot = 1.0e-17;

}  // namespace

bool NormalSums::finite() const {
    auto ok = [](long double v) { return std::isfinite(v); };
    for (int i = 0; i < m; ++i) {
        if (!ok(h[i])) return false;
        for (int j = 0; j < m; ++j)
            if (!ok(g[i][j])) return false;
    }
    return ok(ww) && ok(sx) && ok(sxx) && ok(sy) && ok(syy);
}

namespace {

// One sweep over a block: N products of column pairs into N accumulators.
template <int N>
void sweep(const double* const* a, const double* const* b, int count, long double* out) {
    long double acc[N] = {};
    for (int i = 0; i < count; ++i) {
#pragma GCC unroll 8
        for (int k = 0; k < N; ++k) acc[k] += static_cast<long double>(a[k][i]) * b[k][i];
    }
    for (int k = 0; k < N; ++k) out[k] += acc[k];
}

constexpr int SweepWidth = 5;
constexpr int CountPair = -1;  // the pair (1, 1): the number of points

}  // namespace

double (&blockColumns())[MaxColumns][BlockPoints] {
    struct Block {
        alignas(64) double column[MaxColumns][BlockPoints];
        Block() {
            for (double& one : column[0]) one = 1.0;
        }
    };
    static thread_local Block block;
    return block.column;
}

PairSums::PairSums(const SumLayout& layout) : layout_(layout) {
    for (int i = 0; i < layout.m; ++i) {
        for (int j = 0; j < layout.m; ++j) g_[i][j] = pairIndex(layout.z[i], layout.z[j]);
        h_[i] = pairIndex(layout.z[i], layout.w);
    }
    ww_ = pairIndex(layout.w, layout.w);
    sx_ = pairIndex(0, layout.xs);
    sxx_ = pairIndex(layout.xs, layout.xs);
    sy_ = pairIndex(0, layout.ys);
    syy_ = pairIndex(layout.ys, layout.ys);
}

int PairSums::pairIndex(int a, int b) {
    if (a > b) std::swap(a, b);
    if (layout_.hankel && b < layout_.m) {
        // Polynomial regressors: x^a·x^b is the power a + b, kept once.
        const int power = a + b, top = layout_.m - 1;
        a = power <= top ? 0 : power - top;
        b = power <= top ? power : top;
        if (a > b) std::swap(a, b);
    }
    if (a == 0 && b == 0) return CountPair;
    for (int k = 0; k < pairCount_; ++k)
        if (pairA_[k] == a && pairB_[k] == b) return k;
    pairA_[pairCount_] = a;
    pairB_[pairCount_] = b;
    return pairCount_++;
}

void PairSums::add(const double* const* column, int count) {
    for (int first = 0; first < pairCount_; first += SweepWidth) {
        const int width = pairCount_ - first < SweepWidth ? pairCount_ - first : SweepWidth;
        const double* a[SweepWidth];
        const double* b[SweepWidth];
        for (int k = 0; k < width; ++k) a[k] = column[pairA_[first + k]], b[k] = column[pairB_[first + k]];
        long double* out = total_ + first;
        switch (width) {
            case 1: sweep<1>(a, b, count, out); break;
            case 2: sweep<2>(a, b, count, out); break;
            case 3: sweep<3>(a, b, count, out); break;
            case 4: sweep<4>(a, b, count, out); break;
            default: sweep<5>(a, b, count, out); break;
        }
    }
}

long double PairSums::valueOf(int index, long double count) const { return index == CountPair ? count : total_[index]; }

NormalSums PairSums::result(long double count) const {
    NormalSums sums;
    sums.m = layout_.m;
    for (int i = 0; i < layout_.m; ++i) {
        for (int j = 0; j < layout_.m; ++j) sums.g[i][j] = valueOf(g_[i][j], count);
        sums.h[i] = valueOf(h_[i], count);
    }
    sums.ww = valueOf(ww_, count);
    sums.count = count;
    sums.sx = valueOf(sx_, count) * layout_.xsScale;
    sums.sxx = valueOf(sxx_, count) * layout_.xsScale * layout_.xsScale;
    sums.sy = valueOf(sy_, count);
    sums.syy = valueOf(syy_, count);
    return sums;
}

NormalSolution solveNormal(const NormalSums& sums) {
    NormalSolution solution;
    const int m = sums.m;
    // Scale rows and columns by powers of two so that the diagonal is near 1:
    // exact, and it makes the pivot threshold independent of the units.
    Quad scale[MaxCoefficients];
    for (int i = 0; i < m; ++i) {
        const long double d = sums.g[i][i];
        if (!(d > 0.0L)) {
            solution.singular = true;
            return solution;
        }
        int exponent = 0;
        std::frexp(d, &exponent);
        scale[i] = static_cast<Quad>(std::ldexp(1.0L, -(exponent / 2)));
    }
    Quad a[MaxCoefficients][2 * MaxCoefficients + 1] = {};
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j) a[i][j] = static_cast<Quad>(sums.g[i][j]) * scale[i] * scale[j];
        a[i][m + i] = 1;
        a[i][2 * m] = static_cast<Quad>(sums.h[i]) * scale[i];
    }
    const int width = 2 * m + 1;
    for (int col = 0; col < m; ++col) {
        int pivot = col;
        for (int row = col + 1; row < m; ++row)
            if (absQ(a[row][col]) > absQ(a[pivot][col])) pivot = row;
        if (absQ(a[pivot][col]) <= SingularPivot) {
            solution.singular = true;
            return solution;
        }
        if (pivot != col)
            for (int j = 0; j < width; ++j) std::swap(a[pivot][j], a[col][j]);
        const Quad inverse = 1 / a[col][col];
        for (int j = 0; j < width; ++j) a[col][j] *= inverse;
        for (int row = 0; row < m; ++row) {
            if (row == col || a[row][col] == 0) continue;
            const Quad factor = a[row][col];
            for (int j = 0; j < width; ++j) a[row][j] -= factor * a[col][j];
        }
    }
    for (int i = 0; i < m; ++i) {
        solution.u[i] = a[i][2 * m] * scale[i];
        solution.inverseDiagonal[i] = a[i][m + i] * scale[i] * scale[i];
    }
    return solution;
}

Quad residualSquares(const NormalSums& sums, const Quad (&u)[MaxCoefficients]) {
    Quad sse = static_cast<Quad>(sums.ww);
    for (int i = 0; i < sums.m; ++i) {
        sse -= 2 * u[i] * static_cast<Quad>(sums.h[i]);
        for (int j = 0; j < sums.m; ++j) sse += u[i] * static_cast<Quad>(sums.g[i][j]) * u[j];
    }
    return sse > 0 ? sse : 0;
}

}  // namespace ordinax::numerics
