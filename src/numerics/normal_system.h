// The linearised least-squares problem of one fit: cross-product sums of the
// regressors z and the response w accumulated in extended precision in a
// single pass, and their solution in quadruple precision.
#pragma once

#include <limits>
#include <span>

#include "document/point_buffer.h"
#include "numerics/fit_kind.h"

namespace ordinax::numerics {

using Quad = __float128;

// The sums of one model over the points used.
struct NormalSums {
    int m = 0;                                   // unknowns of the linear problem
    long double g[MaxCoefficients][MaxCoefficients] = {};  // Σ z_i·z_j (symmetric)
    long double h[MaxCoefficients] = {};         // Σ z_i·w
    long double ww = 0.0L;                       // Σ w²
    long double count = 0.0L;                    // points used
    long double sx = 0.0L, sxx = 0.0L;           // Σ X', Σ X'² (statistics abscissa)
    long double sy = 0.0L, syy = 0.0L;           // Σ Y', Σ Y'² (statistics ordinate)

    // True when every sum is a finite number.
    bool finite() const;
};

// Where the quantities of a model's linear problem are found among the
// columns that its row maker writes for each point. Column 0 always holds 1.
struct SumLayout {
    int m = 0;                        // unknowns
    int columns = 0;                  // columns written per point, 0 included
    int z[MaxCoefficients] = {};      // column of each regressor
    int w = 0;                        // column of the response
    int xs = 0;                       // column of the statistics abscissa X'
    int ys = 0;                       // column of the statistics ordinate Y'
    long double xsScale = 1.0L;       // X' = xsScale · column xs
    bool hankel = false;              // polynomial: z_i·z_j depends only on i + j
};

inline constexpr int MaxColumns = 8;
// Points per block: the columns of a block stay in the first cache levels
// while the sums run over them several times.
inline constexpr int BlockPoints = 1024;

// Sums of products of column pairs over blocks of rows, at most five pairs per
// sweep so that the extended-precision accumulators stay in registers.
class PairSums {
public:
    explicit PairSums(const SumLayout& layout);

    // Adds the block's rows (`count` points, column c starting at column[c]).
    void add(const double* const* column, int count);
    // The normal sums once every block was added.
    NormalSums result(long double count) const;

private:
    int pairIndex(int a, int b);
    long double valueOf(int index, long double count) const;

    SumLayout layout_;
    int pairCount_ = 0;
    int pairA_[48] = {}, pairB_[48] = {};
    long double total_[48] = {};
    int g_[MaxCoefficients][MaxCoefficients] = {}, h_[MaxCoefficients] = {};
    int ww_ = 0, sx_ = 0, sxx_ = 0, sy_ = 0, syy_ = 0;
};

// The calling thread's block of columns, reused by every fit (column 0 holds 1).
double (&blockColumns())[MaxColumns][BlockPoints];

// Accumulates a model's sums over the points (one pass): `row(x, y, v)` writes
// columns 1 .. layout.columns - 1 of a point into v.
template <class RowMaker>
NormalSums accumulateRows(std::span<const document::Point> points, const SumLayout& layout, RowMaker&& row) {
    double (&buffer)[MaxColumns][BlockPoints] = blockColumns();
    const double* column[MaxColumns];
    for (int c = 0; c < MaxColumns; ++c) column[c] = buffer[c];
    PairSums sums(layout);
    const std::size_t total = points.size();
    for (std::size_t first = 0; first < total; first += BlockPoints) {
        const int count = static_cast<int>(total - first < BlockPoints ? total - first : BlockPoints);
        const document::Point* p = points.data() + first;
        for (int i = 0; i < count; ++i) {
            double v[MaxColumns];
            row(p[i].x, p[i].y, v);
            for (int c = 1; c < layout.columns; ++c) buffer[c][i] = v[c];
        }
        sums.add(column, count);
    }
    return sums.result(static_cast<long double>(total));
}

// The solution of the normal equations G·u = h.
struct NormalSolution {
    bool singular = false;
    Quad u[MaxCoefficients] = {};
    Quad inverseDiagonal[MaxCoefficients] = {};  // diagonal of G⁻¹
};

// Solves the normal equations by Gauss-Jordan elimination with partial
// pivoting on the equilibrated matrix, in quadruple precision; a pivot that
// vanishes at that precision marks the system singular.
NormalSolution solveNormal(const NormalSums& sums);

// Σ (w - z·u)², evaluated from the sums; never negative.
Quad residualSquares(const NormalSums& sums, const Quad (&u)[MaxCoefficients]);

}  // namespace ordinax::numerics
