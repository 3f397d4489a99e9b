#!/usr/bin/env python3
"""The exact answers of the root and integral problems in
numeric_problems_test.cpp, worked out with 50 digits by mpmath. The limits
and guesses are the doubles the calculator holds (2π is the double nearest
to it), so the references are those of the problems as posed. Run it to
check the table's numbers again; its output is what the table holds."""
from mpmath import mp, mpf, cos, sin, exp, log, sqrt, atan, tanh, pi, e, quad, findroot, inf, fabs

mp.dps = 50
D = lambda x: mpf(float(x))  # a double, exactly

roots = [
    ("poly137", lambda x: x**137 + 3 * x**56 + 8 * x**2 + 5 * x - 2002, 1.05),
    ("cos_minus_x", lambda x: cos(x) - x, 0.7),
    ("wallis", lambda x: x**3 - 2 * x - 5, 2.1),
    ("sqrt2", lambda x: x**2 - 2, 1.4),
    ("e", lambda x: log(x) - 1, 2.7),
    ("omega", lambda x: x * exp(x) - 1, 0.56),
    ("kepler", lambda x: x - D(0.9) * sin(x) - D(0.5), 1.5),
    ("atan1", lambda x: atan(x) - 1, 1.5),
    ("ln10", lambda x: exp(x) - 10, 2.3),
]
for name, f, start in roots:
    print(name, mp.nstr(findroot(f, start), 25))
print("pi", mp.nstr(+pi, 25))

a_2pi = D(2 * float(pi))
integrals = [
    ("sqrt_ln", lambda x: sqrt(x) * log(x), 0, 1),
    ("inv_sqrt", lambda x: 1 / sqrt(x), 0, 1),
    ("runge", lambda x: 1 / (1 + 25 * x**2), -1, 1),
    ("sin_100", lambda x: sin(x), 0, 100),
    ("cos2_10x", lambda x: cos(10 * x) ** 2, 0, a_2pi),
    ("kink", lambda x: fabs(x - D(1 / 3.0)), 0, 1),
    ("square", lambda x: x**2, 0, 1),
    ("exp", lambda x: exp(x), 0, 1),
    ("inv_1_10", lambda x: 1 / x, 1, 10),
    ("ln", lambda x: log(x), 0, 1),
    ("gauss", lambda x: exp(-x * x), -inf, inf),
    ("exp_tail", lambda x: exp(-x), 0, inf),
    ("cauchy_tail", lambda x: 1 / (1 + x * x), 0, inf),
    ("x_sin_x", lambda x: x * sin(x), 0, D(float(pi))),
    ("sinc", lambda x: sin(x) / x, 0, 1),
    ("power_09", lambda x: x ** D(-0.9), 0, 1),
    ("half_circle", lambda x: sqrt(1 - x * x), -1, 1),
    ("ln_sin", lambda x: log(sin(x)), 0, D(float(pi) / 2)),
    ("quintic", lambda x: x**5 - 3 * x**2, 0, 2),
    ("damped", lambda x: exp(-x) * sin(x), 0, 10),
    ("reversed", lambda x: x**2, 1, 0),
    ("inv_sqrt_shifted", lambda x: 1 / sqrt(x - 1), 1, 2),
]
# Where a closed form is known, it stands instead of quad (which loses
# digits at x^-0.9's singularity).
c = D(1 / 3.0)
closed = {
    "sqrt_ln": mpf(-4) / 9,
    "inv_sqrt": mpf(2),
    "ln": mpf(-1),
    "power_09": 1 / (1 - D(0.9)),
    "kink": c * c / 2 + (1 - c) ** 2 / 2,
    "half_circle": pi / 2,
    "inv_sqrt_shifted": mpf(2),
}
for name, f, a, b in integrals:
    value = closed[name] if name in closed else quad(f, [a, b], maxdegree=12)
    print(name, mp.nstr(value, 25))
