#!/usr/bin/env python3
"""Writes number_functions_table.inc: the exact answers, each rounded once
to the nearest double, that the number functions are held to. Run once by
hand when a row is added:  tests/engine/number_functions_reference.py

Every answer is computed in exact rational arithmetic (Python's integers
and fractions) from the doubles the test gives, and only then rounded:
float(Fraction) rounds to the nearest double."""
import math
import os
import random
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))


def text(x):
    """The double as C++ reads it back exactly."""
    if math.isnan(x):
        return 'kNaN'
    if math.isinf(x):
        return '-kInf' if x < 0 else 'kInf'
    return repr(x) if x != 0 or math.copysign(1, x) > 0 else '-0.0'


def exact(f):
    try:
        return float(f)
    except OverflowError:
        return math.inf if f > 0 else -math.inf


def combinations(n, k):
    if not all(math.isfinite(v) and v >= 0 and v == int(v) for v in (n, k)):
        return math.nan
    return exact(Fraction(math.comb(int(n), int(k))))


def permutations(n, k):
    if not all(math.isfinite(v) and v >= 0 and v == int(v) for v in (n, k)):
        return math.nan
    return exact(Fraction(math.perm(int(n), int(k))))


def modulo(y, x):
    if x == 0 or math.isnan(x) or math.isnan(y) or math.isinf(y):
        return math.nan
    if math.isinf(x):
        return y if y == 0 or (y < 0) == (x < 0) else x
    r = Fraction(y) - Fraction(x) * math.floor(Fraction(y) / Fraction(x))
    return math.copysign(0.0, x) if r == 0 else exact(r)


def whole_parts(magnitude, parts):
    """floor(m), and round(frac(m) * parts) with halves up, carried."""
    whole = math.floor(magnitude)
    scaled = (magnitude - whole) * parts
    count = math.floor(scaled + Fraction(1, 2))
    if count >= parts:
        whole, count = whole + 1, 0
    return whole, count


def hours_to_hms(h):
    if not math.isfinite(h):
        return h
    whole, micros = whole_parts(Fraction(abs(h)), 3600000000)
    minutes, rest = divmod(micros, 60000000)
    return math.copysign(exact(whole + Fraction(minutes, 100) + Fraction(rest, 10 ** 10)), h)


def hms_to_hours(x):
    if not math.isfinite(x):
        return x
    whole, count = whole_parts(Fraction(abs(x)), 10 ** 10)
    minutes, micros = divmod(count, 10 ** 8)
    return math.copysign(exact(whole + Fraction(minutes, 60) + Fraction(micros, 3600000000)), x)


def main():
    nan, inf = math.nan, math.inf
    pairs = [(5, 2), (52, 5), (60, 30), (100, 50), (170, 85), (1000, 500), (1030, 515), (1060, 530),
             (2.0 ** 53, 2), (1e15, 3), (0, 0), (5, 0), (5, 5), (3, 5), (10, 10), (20, 20), (30, 12),
             (170, 170), (171, 171), (1e6, 3), (1e6, 40), (1e6, 200), (2.5, 1), (5, 1.5), (-1, 0), (5, -1),
             (inf, 2), (nan, 1), (2e6, 1e6), (67, 33)]
    rng = random.Random(20261208)
    pairs += [(float(n), float(rng.randrange(0, n + 1))) for n in (rng.randrange(1, 400) for _ in range(20))]
    mods = [(7, 3), (-7, 3), (7, -3), (-7, -3), (5.5, 2), (-1e-20, 1), (1e300, 7), (6, 3), (-6, 3), (6, -3),
            (0.1, 0.01), (1, 0), (inf, 2), (5, inf), (-5, inf), (nan, 1), (1e-300, -1e300), (123456789.125, 0.1),
            (-0.0, 5), (2.5, -0.5)]
    mods += [(rng.uniform(-1e6, 1e6), rng.choice([-1, 1]) * rng.uniform(1e-3, 1e3)) for _ in range(20)]
    hours = [1.5, 1 + 1 / 60, 2.758333333333333, 0.1, -1.5, 1e6 + 0.5, 12.9999999999999, 0.0, -0.0,
             1 / 3600, 23.99999999, 100.25, 1e-9, 5e-11, 3e6 + 1 / 3, 1e15 + 0.5, inf, -inf, nan,
             2.0 ** 53, 0.5 / 3600000000]
    hours += [rng.uniform(0, 100) for _ in range(20)] + [rng.uniform(-1e4, 0) for _ in range(5)]
    hms = [1.3, 1.01, 0.29, 2.453, 1.75, -1.3, 0.0001, 12.5959999999, 1e6 + 0.3, 0.00005, 23.5959, 0.6,
           -0.0, inf, nan, 1e15 + 0.5, 3e6 + 0.123456]
    hms += [round(rng.uniform(0, 100), 6) for _ in range(20)]

    rows = []
    rows.append('// Made by number_functions_reference.py: exact answers, each rounded once.')
    rows.append('const TwoArguments kCombinations[] = {')
    rows += [f'    {{{text(float(n))}, {text(float(k))}, {text(combinations(float(n), float(k)))}}},' for n, k in pairs]
    rows.append('};')
    rows.append('const TwoArguments kPermutations[] = {')
    rows += [f'    {{{text(float(n))}, {text(float(k))}, {text(permutations(float(n), float(k)))}}},' for n, k in pairs]
    rows.append('};')
    rows.append('const TwoArguments kModulo[] = {')
    rows += [f'    {{{text(float(y))}, {text(float(x))}, {text(modulo(float(y), float(x)))}}},' for y, x in mods]
    rows.append('};')
    rows.append('const OneArgument kHoursToHms[] = {')
    rows += [f'    {{{text(h)}, {text(hours_to_hms(h))}}},' for h in hours]
    rows.append('};')
    rows.append('const OneArgument kHmsToHours[] = {')
    rows += [f'    {{{text(x)}, {text(hms_to_hours(x))}}},' for x in hms]
    rows.append('};')
    with open(os.path.join(HERE, 'number_functions_table.inc'), 'w') as f:
        f.write('\n'.join(rows) + '\n')


if __name__ == '__main__':
    main()
