#!/usr/bin/env python3
"""Reference solutions of the linearised least-squares problems of every
regression model on a small noisy data set, computed independently of the
C++ code: mpmath at 50 digits, normal equations solved by LU. Writes
fit_references.inc (included by fit_noisy_test.cpp).

Run: python3 make_fit_references.py > ../fit_references.inc
"""
import math
import mpmath
from mpmath import mp, mpf, log, matrix, lu_solve, exp

mp.dps = 50

XS = [mpf(1) / 2 + mpf(3) / 8 * i for i in range(12)]          # 0.5 .. 4.625, exact in binary
BETA_XS = [mpf(1) / 16 + mpf(1) / 16 * i for i in range(12)]   # 0.0625 .. 0.75


def noisy(values):
    """y with a deterministic 3 % wobble, rounded to 9 significant digits."""
    out = []
    for i, v in enumerate(values):
        w = float(v) * (1 + 0.03 * math.sin(1.7 * i + 0.3))
        out.append(float('%.9g' % w))
    return out


# kind: (code, xs, truth y(x) (float), r, s, t)
MODELS = {
    6: ('BETA', BETA_XS, lambda x: 2 * x**0.5 * (1 - x)**1.5, 0, 0, 0),
    7: ('CAUCHY', XS, lambda x: 1 / (0.5 * (x - 1)**2 + 2), 0, 0, 0),
    8: ('EXP', XS, lambda x: 2 * math.exp(0.3 * x), 0, 0, 0),
    9: ('GAMMA', XS, lambda x: 3 * (x / 2)**1.5 * math.exp(x / 2), 0, 0, 0),
    10: ('GPOL2', XS, lambda x: 1.5 * x**0.5 - 0.25 * x**2, 0.5, 2, 0),
    11: ('GPOL3', XS, lambda x: x + 2 * x**2 - 0.5 * x**3, 1, 2, 3),
    12: ('HOERL', XS, lambda x: 2 * 1.5**x * x**0.7, 0, 0, 0),
    13: ('HOMO', XS, lambda x: (1 + 2 * x) / (1 + 0.5 * x), 0, 0, 0),
    14: ('HYP', XS, lambda x: 1 + 2 / x, 0, 0, 0),
    15: ('HYPTP', XS, lambda x: 1 + 2 / x, 2, 2, 0),
    16: ('HYP2', XS, lambda x: 1 + 2 / x - 0.5 / x**2, 0, 0, 0),
    17: ('LIN', XS, lambda x: 1 + 2 * x, 0, 0, 0),
    18: ('LINTO', XS, lambda x: 2.5 * x, 0, 0, 0),
    19: ('LINTP', XS, lambda x: 1 + 2 * x, 1, 3, 0),
    20: ('LINHYP', XS, lambda x: 1 + 2 * x + 3 / x, 0, 0, 0),
    21: ('LOG', XS, lambda x: 1 + 2 * math.log(x), 0, 0, 0),
    22: ('LOG10', XS, lambda x: 1 + 2 * math.log10(x), 0, 0, 0),
    23: ('LOGNOR', XS, lambda x: 2 * math.exp((0.5 - math.log(x))**2 / -3), 0, 0, 0),
    24: ('MODEXP', XS, lambda x: 2 * math.exp(-0.5 / x), 0, 0, 0),
    25: ('MODGEO', XS, lambda x: 2 * x**(0.5 / x), 0, 0, 0),
    26: ('MODHOERL', XS, lambda x: 2 * 1.5**(1 / x) * x**0.7, 0, 0, 0),
    27: ('MODPOW', XS, lambda x: 2 * 1.3**x, 0, 0, 0),
    28: ('NOR', XS, lambda x: 2 * math.exp((3 - x)**2 / -4), 0, 0, 0),
    29: ('POL2', XS, lambda x: 1 - 2 * x + 0.5 * x**2, 0, 0, 0),
    30: ('POL2TO', XS, lambda x: 1.5 * x - 0.5 * x**2, 0, 0, 0),
    31: ('POL2TP', XS, lambda x: 1 - 2 * x + 0.5 * x**2, 1, -0.5, 0),
    32: ('POL3', XS, lambda x: 1 - x + 0.5 * x**2 + 0.25 * x**3, 0, 0, 0),
    33: ('POL4', XS, lambda x: 1 - x + 0.5 * x**2 + 0.25 * x**3 - 0.125 * x**4, 0, 0, 0),
    34: ('POL5', XS, lambda x: 1 - x + 0.5 * x**2 + 0.25 * x**3 - 0.125 * x**4 + 0.01 * x**5, 0, 0, 0),
    35: ('POL6', XS, lambda x: 1 - x + 0.5 * x**2 + 0.25 * x**3 - 0.125 * x**4 + 0.01 * x**5 + 0.002 * x**6, 0, 0, 0),
    36: ('PUI', XS, lambda x: 2 * x**1.5, 0, 0, 0),
    37: ('RECHYP', XS, lambda x: x / (2 + 0.5 * x), 0, 0, 0),
    38: ('RECLIN', XS, lambda x: 1 / (0.5 + 2 * x), 0, 0, 0),
    39: ('RECLINTP', XS, lambda x: 1 / (0.5 + 2 * x), 1, 0.4, 0),
    40: ('RECLOG', XS, lambda x: 1 / (3 + 2 * math.log(x)), 0, 0, 0),
    41: ('ROOT', XS, lambda x: 2 * 1.5**(1 / x), 0, 0, 0),
    42: ('SUPGEO', XS, lambda x: 2 * x**(0.3 * x), 0, 0, 0),
}


def rows(kind, x, y, r, s, t):
    """(regressors, response) of one point in the model's linear form."""
    ln = log
    if kind == 6: return [1, ln(x), ln(1 - x)], ln(y)
    if kind == 7: return [1, x, x * x], 1 / y
    if kind in (8, 27): return [1, x], ln(y)
    if kind in (9, 12): return [1, x, ln(x)], ln(y)
    if kind == 10: return [x**r, x**s], y
    if kind == 11: return [x**r, x**s, x**t], y
    if kind == 13: return [1, x, -x * y], y
    if kind == 14: return [1, 1 / x], y
    if kind == 15: return [1 / x - 1 / r], y - s
    if kind == 16: return [1, 1 / x, 1 / x**2], y
    if kind == 17: return [1, x], y
    if kind == 18: return [x], y
    if kind == 19: return [x - r], y - s
    if kind == 20: return [1, x, 1 / x], y
    if kind in (21, 22): return [1, ln(x)], y
    if kind == 23: return [1, ln(x), ln(x)**2], ln(y)
    if kind in (24, 41): return [1, 1 / x], ln(y)
    if kind == 25: return [1, ln(x) / x], ln(y)
    if kind == 26: return [1, 1 / x, ln(x)], ln(y)
    if kind == 28: return [1, x, x * x], ln(y)
    if 29 <= kind <= 35 and kind not in (30, 31):
        degree = {29: 2, 32: 3, 33: 4, 34: 5, 35: 6}[kind]
        return [x**k for k in range(degree + 1)], y
    if kind == 30: return [x, x * x], y
    if kind == 31: return [x - r, (x - r)**2], y - s
    if kind == 36: return [1, ln(x)], ln(y)
    if kind == 37: return [1, 1 / x], 1 / y
    if kind == 38: return [1, x], 1 / y
    if kind == 39: return [x - r], 1 / y - 1 / s
    if kind == 40: return [1, ln(x)], 1 / y
    if kind == 42: return [1, x * ln(x)], ln(y)
    raise ValueError(kind)


def coefficients(kind, u, r, s):
    """The model's coefficients a0.. from the linear solution u."""
    e = exp
    if kind == 6: return [e(u[0]), u[1], u[2]]
    if kind == 7: return [u[2], u[1] / (2 * u[2]), u[0] - u[1]**2 / (4 * u[2])]
    if kind in (8, 24, 25, 36, 42): return [e(u[0]), u[1]]
    if kind == 9:
        a1 = 1 / u[1]
        return [e(u[0] + u[2] * log(a1)), a1, u[2]]
    if kind in (12, 26): return [e(u[0]), e(u[1]), u[2]]
    if kind == 13: return [u[1], u[0], u[2]]
    if kind == 15: return [s - u[0] / r, u[0]]
    if kind == 19: return [s - u[0] * r, u[0]]
    if kind == 22: return [u[0], u[1] * log(10)]
    if kind in (23, 28): return [e(u[0] - u[1]**2 / (4 * u[2])), -u[1] / (2 * u[2]), 1 / u[2]]
    if kind in (27, 41): return [e(u[0]), e(u[1])]
    if kind == 31: return [s - u[0] * r + u[1] * r * r, u[0] - 2 * u[1] * r, u[1]]
    if kind == 39: return [1 / s - u[0] * r, u[0]]
    return list(u)


def main():
    print('// Generated by data/make_fit_references.py (mpmath %s, 50 digits): do not edit.' % mpmath.__version__)
    print('// kind, r, s, t, points {x, y}, coefficients a0.. of the least-squares solution of the linear form.')
    for kind, (code, xs, truth, r, s, t) in sorted(MODELS.items()):
        ys = noisy([truth(float(x)) for x in xs])
        r_, s_, t_ = mpf(r), mpf(s), mpf(t)
        zs = [rows(kind, x, mpf(repr(y)), r_, s_, t_) for x, y in zip(xs, ys)]
        m = len(zs[0][0])
        g = matrix(m, m)
        h = matrix(m, 1)
        for z, w in zs:
            for i in range(m):
                h[i] += z[i] * w
                for j in range(m):
                    g[i, j] += z[i] * z[j]
        u = lu_solve(g, h)
        a = coefficients(kind, [u[i] for i in range(m)], r_, s_)
        points = ', '.join('{%s, %s}' % (repr(float(x)), repr(y)) for x, y in zip(xs, ys))
        coeffs = ', '.join(mp.nstr(v, 17) for v in a)
        print('{%d, %r, %r, %r, {%s}, {%s}},' % (kind, float(r), float(s), float(t), points, coeffs))


if __name__ == '__main__':
    main()
