#!/usr/bin/env python3
"""Reference solutions of the nonlinear least-squares fits in y of every
refinable regression model on generated data sets, computed independently of
the C++ code with scipy.optimize.least_squares (method='lm', MINPACK's lmder,
analytic Jacobian in the model's own coefficients, ftol = xtol = gtol = 1e-15,
x_scale='jac'), started from the linearised fit computed here with
numpy.linalg.lstsq. Writes refine_references.inc (included by
refine_references_test.cpp).

Data: x_i = lo + (hi - lo) * i / 24 (25 points), y_i = f(x_i) * (1 + level * e_i)
with e_i the sum of twelve uniforms of a 64-bit LCG minus 6 (the test draws the
same numbers); the third set of each model has 1 % noise and three outliers.
Standard errors: sqrt of the diagonal of SSE / (n - q) * (J'J)^-1 at the
solution; band: sqrt(g' C g) at the middle of the x range (the half-width of
the confidence band per unit of Student's t).

Run (Debian: apt-get install python3-scipy):
    /usr/bin/python3 make_refine_references.py > ../refine_references.inc
"""
import math, sys
import numpy as np
import scipy
from scipy.optimize import least_squares

MASK = (1 << 64) - 1
def lcg(seed):
    s = seed & MASK
    while True:
        s = (s * 6364136223846793005 + 1442695040888963407) & MASK
        yield (s >> 11) * (1.0 / 9007199254740992.0)

def noise(gen):
    return sum(next(gen) for _ in range(12)) - 6.0

exp, log, pow_ = math.exp, math.log, math.pow
# model: f(a, x, r, s), linearisation: (X-columns, Y transform, conversion)
M = {}
M['BETA'] = dict(f=lambda a,x,r,s: a[0]*pow_(x,a[1])*pow_(1-x,a[2]), a=(2.0,1.5,2.5), lo=0.05, hi=0.95)
M['CAUCHY'] = dict(f=lambda a,x,r,s: 1/(a[0]*(x+a[1])**2+a[2]), a=(0.5,-2.0,0.25), lo=-1.0, hi=5.0)
M['EXP'] = dict(f=lambda a,x,r,s: a[0]*exp(a[1]*x), a=(2.0,-0.5), lo=0.0, hi=6.0)
M['GAMMA'] = dict(f=lambda a,x,r,s: a[0]*pow_(x/a[1],a[2])*exp(x/a[1]), a=(1.0,2.0,-1.5), lo=0.5, hi=6.0)
M['HOERL'] = dict(f=lambda a,x,r,s: a[0]*pow_(a[1],x)*pow_(x,a[2]), a=(1.5,0.6,1.8), lo=0.2, hi=8.0)
M['HOMO'] = dict(f=lambda a,x,r,s: (a[1]+a[0]*x)/(1+a[2]*x), a=(2.0,1.0,0.5), lo=0.0, hi=10.0)
M['LOGNOR'] = dict(f=lambda a,x,r,s: a[0]*exp((a[1]-log(x))**2/a[2]), a=(3.0,1.0,-0.5), lo=0.5, hi=10.0)
M['MODEXP'] = dict(f=lambda a,x,r,s: a[0]*exp(a[1]/x), a=(2.0,1.5), lo=0.5, hi=5.0)
M['MODGEO'] = dict(f=lambda a,x,r,s: a[0]*pow_(x,a[1]/x), a=(1.5,2.0), lo=0.5, hi=8.0)
M['MODHOERL'] = dict(f=lambda a,x,r,s: a[0]*pow_(a[1],1/x)*pow_(x,a[2]), a=(2.0,0.5,0.8), lo=0.3, hi=6.0)
M['MODPOW'] = dict(f=lambda a,x,r,s: a[0]*pow_(a[1],x), a=(3.0,0.7), lo=0.0, hi=8.0)
M['NOR'] = dict(f=lambda a,x,r,s: a[0]*exp((a[1]-x)**2/a[2]), a=(5.0,3.0,-2.0), lo=0.0, hi=6.0)
M['PUI'] = dict(f=lambda a,x,r,s: a[0]*pow_(x,a[1]), a=(1.2,1.7), lo=0.5, hi=10.0)
M['RECHYP'] = dict(f=lambda a,x,r,s: x/(a[1]+a[0]*x), a=(0.5,2.0), lo=0.5, hi=10.0)
M['RECLIN'] = dict(f=lambda a,x,r,s: 1/(a[0]+a[1]*x), a=(0.5,0.3), lo=0.0, hi=10.0)
M['RECLINTP'] = dict(f=lambda a,x,r,s: 1/(a[0]+a[1]*x), a=(1.6,0.4), lo=0.0, hi=10.0, r=1.0, s=0.5)
M['RECLOG'] = dict(f=lambda a,x,r,s: 1/(a[0]+a[1]*log(x)), a=(0.5,0.4), lo=1.0, hi=20.0)
M['ROOT'] = dict(f=lambda a,x,r,s: a[0]*pow_(a[1],1/x), a=(2.0,3.0), lo=0.5, hi=10.0)
M['SUPGEO'] = dict(f=lambda a,x,r,s: a[0]*pow_(x,a[1]*x), a=(1.5,0.3), lo=0.5, hi=4.0)
ORDER = ['BETA','CAUCHY','EXP','GAMMA','HOERL','HOMO','LOGNOR','MODEXP','MODGEO','MODHOERL','MODPOW','NOR','PUI','RECHYP','RECLIN','RECLINTP','RECLOG','ROOT','SUPGEO']

N = 25
OUTLIERS = {3: 1.3, 11: 0.75, 19: 1.4}
SETS = [(0.01, False), (0.10, False), (0.01, True)]

def generate(code, level, outliers, seed):
    m = M[code]; g = lcg(seed); xs = []; ys = []
    r, s = m.get('r', 0.0), m.get('s', 0.0)
    for i in range(N):
        x = m['lo'] + (m['hi'] - m['lo']) * i / (N - 1)
        y = m['f'](m['a'], x, r, s) * (1.0 + level * noise(g))
        if outliers and i in OUTLIERS: y *= OUTLIERS[i]
        xs.append(x); ys.append(y)
    return np.array(xs), np.array(ys)

def lstsq(cols, z):
    A = np.column_stack(cols); c, *_ = np.linalg.lstsq(A, z, rcond=None); return c

def linearised(code, x, y, r, s):
    one = np.ones_like(x); ly = np.log(y) if (y > 0).all() else None; lx = np.log(x) if (x > 0).all() else None
    if code == 'BETA': c = lstsq([one, lx, np.log(1-x)], ly); return [math.exp(c[0]), c[1], c[2]]
    if code == 'CAUCHY': u = lstsq([one, x, x*x], 1/y); return [u[2], u[1]/(2*u[2]), u[0]-u[1]**2/(4*u[2])]
    if code == 'EXP': c = lstsq([one, x], ly); return [math.exp(c[0]), c[1]]
    if code == 'GAMMA': u = lstsq([one, x, lx], ly); a1 = 1/u[1]; a2 = u[2]; return [math.exp(u[0] + a2*math.log(a1)), a1, a2]
    if code == 'HOERL': c = lstsq([one, x, lx], ly); return [math.exp(c[0]), math.exp(c[1]), c[2]]
    if code == 'HOMO': c = lstsq([one, x, -x*y], y); return [c[1], c[0], c[2]]
    if code in ('LOGNOR', 'NOR'):
        t = lx if code == 'LOGNOR' else x
        u = lstsq([one, t, t*t], ly); return [math.exp(u[0]-u[1]**2/(4*u[2])), -u[1]/(2*u[2]), 1/u[2]]
    if code == 'MODEXP': c = lstsq([one, 1/x], ly); return [math.exp(c[0]), c[1]]
    if code == 'MODGEO': c = lstsq([one, lx/x], ly); return [math.exp(c[0]), c[1]]
    if code == 'MODHOERL': c = lstsq([one, 1/x, lx], ly); return [math.exp(c[0]), math.exp(c[1]), c[2]]
    if code == 'MODPOW': c = lstsq([one, x], ly); return [math.exp(c[0]), math.exp(c[1])]
    if code == 'PUI': c = lstsq([one, lx], ly); return [math.exp(c[0]), c[1]]
    if code == 'RECHYP': c = lstsq([one, 1/x], 1/y); return [c[0], c[1]]
    if code == 'RECLIN': c = lstsq([one, x], 1/y); return [c[0], c[1]]
    if code == 'RECLINTP': a1 = np.sum((x-r)*(1/y-1/s))/np.sum((x-r)**2); return [1/s - a1*r, a1]
    if code == 'RECLOG': c = lstsq([one, lx], 1/y); return [c[0], c[1]]
    if code == 'ROOT': c = lstsq([one, 1/x], ly); return [math.exp(c[0]), math.exp(c[1])]
    if code == 'SUPGEO': c = lstsq([one, x*lx], ly); return [math.exp(c[0]), c[1]]

def grad(code, a, x, r, s):
    f = M[code]['f']; out = []
    # analytic derivatives in the coefficients
    if code == 'BETA': v = f(a,x,r,s); return [v/a[0], v*log(x), v*log(1-x)]
    if code == 'CAUCHY': d = x+a[1]; D = a[0]*d*d+a[2]; q = -1/D**2; return [q*d*d, q*2*a[0]*d, q]
    if code == 'EXP': e = exp(a[1]*x); return [e, a[0]*x*e]
    if code == 'GAMMA': v = f(a,x,r,s); u = x/a[1]; return [v/a[0], -v*(a[2]+u)/a[1], v*log(u)]
    if code == 'HOERL': v = f(a,x,r,s); return [v/a[0], v*x/a[1], v*log(x)]
    if code == 'HOMO': D = 1+a[2]*x; v = (a[1]+a[0]*x)/D; return [x/D, 1/D, -x*v/D]
    if code in ('LOGNOR','NOR'):
        t = log(x) if code == 'LOGNOR' else x; d = a[1]-t; e = exp(d*d/a[2]); v = a[0]*e
        return [e, 2*v*d/a[2], -v*d*d/a[2]**2]
    if code == 'MODEXP': e = exp(a[1]/x); return [e, a[0]*e/x]
    if code == 'MODGEO': v = f(a,x,r,s); return [v/a[0], v*log(x)/x]
    if code == 'MODHOERL': v = f(a,x,r,s); return [v/a[0], v/(x*a[1]), v*log(x)]
    if code == 'MODPOW': v = f(a,x,r,s); return [v/a[0], v*x/a[1]]
    if code == 'PUI': v = f(a,x,r,s); return [v/a[0], v*log(x)]
    if code == 'RECHYP': D = a[1]+a[0]*x; return [-x*x/D**2, -x/D**2]
    if code == 'RECLIN': D = a[0]+a[1]*x; return [-1/D**2, -x/D**2]
    if code == 'RECLINTP': D = 1/s + a[0]*(x-r); return [-(x-r)/D**2]
    if code == 'RECLOG': D = a[0]+a[1]*log(x); return [-1/D**2, -log(x)/D**2]
    if code == 'ROOT': v = f(a,x,r,s); return [v/a[0], v/(x*a[1])]
    if code == 'SUPGEO': v = f(a,x,r,s); return [v/a[0], v*x*log(x)]

def solve(code, x, y):
    m = M[code]; r, s = m.get('r', 0.0), m.get('s', 0.0)
    a0 = linearised(code, x, y, r, s)
    if code == 'RECLINTP':
        fun = lambda p: np.array([1/(1/s + p[0]*(xi - r)) - yi for xi, yi in zip(x, y)])
        jac = lambda p: np.array([grad(code, p, xi, r, s) for xi in x])
        start = [a0[1]]
    else:
        fun = lambda p: np.array([m['f'](p, xi, r, s) - yi for xi, yi in zip(x, y)])
        jac = lambda p: np.array([grad(code, p, xi, r, s) for xi in x])
        start = list(a0)
    res = least_squares(fun, start, jac=jac, method='lm', ftol=1e-15, xtol=1e-15, gtol=1e-15, max_nfev=20000, x_scale='jac')
    p = res.x; J = jac(p); sse = float(np.sum(res.fun**2)); q = len(p); dof = len(x) - q
    cov = sse/dof * np.linalg.inv(J.T @ J)
    if code == 'RECLINTP':
        a = [1/s - p[0]*r, p[0]]; A = np.array([[-r],[1.0]]); cov_a = A @ cov @ A.T
    else:
        a = list(p); cov_a = cov
    se = [math.sqrt(cov_a[i][i]) for i in range(len(a))]
    xm = 0.5*(m['lo']+m['hi'])
    g = np.array(grad(code, p, xm, r, s)); band = math.sqrt(g @ cov @ g)
    lin_sse = float(np.sum((np.array([m['f'](a0, xi, r, s) for xi in x]) - y)**2))
    return a, se, sse, band, res, a0, lin_sse

def main():
    print(f"// Generated by data/make_refine_references.py (scipy {scipy.__version__}, numpy {np.__version__}): do not edit.")
    print("// code, true coefficients, x range, fixed r and s, noise level, outliers, seed;")
    print("// reference coefficients, standard errors, SSE in y, band half-width per unit t at the middle x.")
    for k, code in enumerate(ORDER):
        m = M[code]
        for j, (level, outl) in enumerate(SETS):
            seed = 1000 * (k + 1) + j
            x, y = generate(code, level, outl, seed)
            a, se, sse, band, res, a0, lin_sse = solve(code, x, y)
            assert res.status > 0 and sse <= lin_sse
            fmt = lambda v: "{" + ", ".join(f"{t!r}" for t in v) + "}"
            print(f'{{"{code}", {fmt(m["a"])}, {m["lo"]!r}, {m["hi"]!r}, {m.get("r", 0.0)!r}, {m.get("s", 0.0)!r}, '
                  f'{level!r}, {str(outl).lower()}, {seed}u, {fmt(a)}, {fmt(se)}, {sse!r}, {band!r}}},')


if __name__ == '__main__':
    main()
