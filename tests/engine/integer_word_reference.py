#!/usr/bin/env python3
"""Writes integer_word_table.inc: reference results for integer-mode word
arithmetic, worked out on Python's unbounded integers. Regenerate with
    python3 tests/engine/integer_word_reference.py > tests/engine/integer_word_table.inc

A word is its bit pattern w, 0 <= w < 2**ws. Sign modes: 0 unsigned,
1 ones' complement, 2 two's complement."""
import math
import random
import struct
import sys

M64 = (1 << 64) - 1
UNSIGNED, ONES, TWOS = 0, 1, 2


def bit(w, i):
    return (w >> i) & 1


def plain(word):
    """A result with every flag clear."""
    return word, 0, 0, 0, 0


class Mode:
    """One word size and sign mode. Each op returns
    (word, carry, overflow, error, word2)."""

    def __init__(self, ws, sign):
        self.ws, self.sign = ws, sign
        self.mask, self.top = (1 << ws) - 1, 1 << (ws - 1)
        self.lo, self.hi = {UNSIGNED: (0, self.mask), TWOS: (-self.top, self.top - 1),
                            ONES: (1 - self.top, self.top - 1)}[sign]

    def value(self, w):
        if self.sign == UNSIGNED or not w & self.top:
            return w
        return w - (1 << self.ws) if self.sign == TWOS else -(~w & self.mask)

    def encode(self, v):
        # Ones' complement wraps modulo 2**ws - 1 (end-around carry), so a
        # zero result is always +0.
        return v % self.mask if self.sign == ONES else v % (1 << self.ws)

    def arith(self, v, carry=0):
        return self.encode(v), carry, int(not self.lo <= v <= self.hi), 0, 0

    def add(self, y, x):
        return self.arith(self.value(y) + self.value(x), int(y + x > self.mask))

    def sub(self, y, x):
        return self.arith(self.value(y) - self.value(x), int(y < x))

    def mul(self, y, x):
        return self.arith(self.value(y) * self.value(x))

    def quotient(self, y, x):
        """Quotient truncated toward zero and the remainder, which takes
        the dividend's sign."""
        a, b = self.value(y), self.value(x)
        q = abs(a) // abs(b) * (1 if (a < 0) == (b < 0) else -1)
        return q, a - q * b

    def div(self, y, x):
        if self.value(x) == 0:
            return y, 0, 0, 1, 0
        q, r = self.quotient(y, x)
        return self.arith(q, int(r != 0))

    def rmd(self, y, x):
        if self.value(x) == 0:
            return y, 0, 0, 1, 0
        return plain(self.encode(self.quotient(y, x)[1]))

    def and_(self, y, x): return plain(y & x)
    def or_(self, y, x): return plain(y | x)
    def xor(self, y, x): return plain(y ^ x)
    def not_(self, x): return plain(~x & self.mask)
    def neg(self, x): return self.arith(-self.value(x))
    def maskl(self, n): return plain(self.mask ^ (self.mask >> min(n, self.ws)))
    def maskr(self, n): return plain((1 << min(n, self.ws)) - 1)
    def bits(self, x): return self.arith(bin(x).count('1'))

    def sl(self, x, n):
        carry = bit(x, self.ws - n) if 1 <= n <= self.ws else 0
        return (x << n) & self.mask, carry, 0, 0, 0

    def sr(self, x, n):
        return x >> n, bit(x, n - 1) if 1 <= n <= self.ws else 0, 0, 0, 0

    def asr(self, x, n):
        t = bit(x, self.ws - 1)
        fill = self.mask if t else 0
        word = fill if n >= self.ws else (x >> n) | (fill & ~(self.mask >> n))
        carry = 0 if n == 0 else bit(x, n - 1) if n <= self.ws else t
        return word & self.mask, carry, 0, 0, 0

    def rl(self, x, n):
        k = n % self.ws
        word = ((x << k) | (x >> (self.ws - k))) & self.mask
        return word, bit(word, 0) if n >= 1 else 0, 0, 0, 0

    def rr(self, x, n):
        k = n % self.ws
        word = ((x >> k) | (x << (self.ws - k))) & self.mask
        return word, bit(word, self.ws - 1) if n >= 1 else 0, 0, 0, 0

    def lj(self, x):
        count = 0
        while x and not x & self.top:
            x, count = x << 1, count + 1
        return self.arith(count)[:4] + (x,)

    def resize(self, x, ws2):
        if ws2 > self.ws and self.sign != UNSIGNED and x & self.top:
            x |= ((1 << ws2) - 1) ^ self.mask
        return plain(x & ((1 << ws2) - 1))

    def fromdouble(self, d):
        if math.isnan(d):
            return plain(0)
        t = d if math.isinf(d) else int(d)
        if not self.lo <= t <= self.hi:
            return self.encode(self.hi if t > self.hi else self.lo), 0, 1, 0, 0
        return plain(self.encode(t))

    def todouble(self, w):
        if self.sign == ONES and w == self.mask:
            return -0.0
        return float(self.value(w))


BINARY = ['add', 'sub', 'mul', 'div', 'rmd', 'and', 'or', 'xor']
SHIFTS = ['sl', 'sr', 'asr', 'rl', 'rr']
MASKS = ['maskl', 'maskr']
OPS = BINARY + ['not', 'neg'] + SHIFTS + MASKS + [
    'bits', 'lj', 'resize', 'fromdouble', 'todouble']


def doubles(ws):
    return [0.0, -0.0, 0.5, -0.5, 1.0, -1.0, 1.9, -1.9,
            2.0 ** (ws - 1), -(2.0 ** (ws - 1)), 2.0 ** ws, -(2.0 ** ws),
            2.0 ** ws - 1, 1e30, -1e30, 123456789.75, -123456789.75,
            math.nan, math.inf, -math.inf, 18446744073709549568.0,
            9007199254740993.0]


def splitmix64(state):
    while True:
        state = (state + 0x9E3779B97F4A7C15) & M64
        z = state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & M64
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & M64
        yield z ^ (z >> 31)


def operands(m):
    """The words every op is tried on. Masked, so 2 is 0 at word size 1."""
    gen = splitmix64((m.ws * 1000003 + m.sign * 7919) & M64)
    fixed = [0, 1, 2, m.mask, m.top, m.top - 1, m.encode(m.hi), m.encode(m.lo)]
    return [w & m.mask for w in fixed] + [next(gen) & m.mask for _ in range(4)]


def counts(m, op):
    """The n operands of an op taking one: shift count, mask width, size."""
    if op in SHIFTS:
        return [0, 1, 2, 3, m.ws - 1, m.ws, m.ws + 1, 63, 64]
    if op in MASKS:
        return [0, 1, m.ws - 1, m.ws, 64]
    return [1, 8, 16, 31, 32, 33, 63, 64] if op == 'resize' else [0]


def run(m, op, y=0, x=0, n=0, d=0.0):
    f = getattr(m, op + '_' if op in ('and', 'or', 'not') else op)
    if op in BINARY:
        return f(y, x)
    if op in SHIFTS or op == 'resize':
        return f(x, n)
    return f(n) if op in MASKS else f(d) if op == 'fromdouble' else f(x)


def fnv1a(data):
    h = 0xcbf29ce484222325
    for b in data:
        h = ((h ^ b) * 0x100000001b3) & M64
    return h


def digest(m, op):
    """FNV-1a over every result of op on this mode's operands."""
    E = operands(m)
    if op == 'todouble':
        return fnv1a(b''.join(struct.pack('<d', m.todouble(x)) for x in E))
    if op == 'fromdouble':
        args = [(0, 0, 0, d) for d in doubles(m.ws)]
    elif op in MASKS:
        args = [(0, 0, n, 0.0) for n in counts(m, op)]
    else:
        ys = E if op in BINARY else [0]
        args = [(y, x, n, 0.0) for y in ys for x in E for n in counts(m, op)]
    out = bytearray()
    for a in args:
        word, carry, over, err, word2 = run(m, op, *a)
        out += word.to_bytes(8, 'little') + bytes([carry | over << 1 | err << 2])
        if op == 'lj':
            out += word2.to_bytes(8, 'little')
    return fnv1a(out)


def literal(d):
    if math.isnan(d):
        return 'kNaN'
    if math.isinf(d):
        return '-kInf' if d < 0 else 'kInf'
    return d.hex()


def explicit_cases():
    rng, cases = random.Random(20261208), []
    ops = OPS[:-2]  # every op but the double conversions
    for _ in range(800):
        ws = rng.choice([1, 2, 63, 64]) if rng.random() < 0.35 else rng.randint(1, 64)
        m, op = Mode(ws, rng.randint(0, 2)), rng.choice(ops)
        E = operands(m)

        def word():
            return rng.choice(E) if rng.random() < 0.5 else rng.getrandbits(64) & m.mask

        y = word() if op in BINARY else 0
        x = 0 if op in MASKS else word()
        cases.append((m, op, y, x, rng.choice(counts(m, op)), 0.0))
    for ws in (1, 8, 53, 64):
        for sign in range(3):
            cases += [(Mode(ws, sign), 'fromdouble', 0, 0, 0, d) for d in doubles(ws)]
    return cases


def self_check():
    def r(ws, sign, op, *args, **kw):
        return run(Mode(ws, sign), op, *args, **kw)

    assert r(8, TWOS, 'add', 0x7F, 1)[:3] == (0x80, 0, 1)
    assert r(8, UNSIGNED, 'add', 0xFF, 1)[:3] == (0, 1, 1)
    assert r(8, ONES, 'add', 0xFE, 0x01)[:3] == (0, 0, 0)
    assert r(8, ONES, 'add', 0xFE, 0xFE)[0] == 0xFD          # -1 + -1 = -2
    assert r(8, TWOS, 'sub', 0, 1)[:3] == (0xFF, 1, 0)
    assert r(8, TWOS, 'div', 0x80, 0xFF)[:3] == (0x80, 0, 1)  # -128 / -1
    assert r(8, TWOS, 'div', 0xF9, 2)[:3] == (0xFD, 1, 0)     # -7 / 2 = -3
    assert r(8, TWOS, 'rmd', 0xF9, 2)[0] == 0xFF              # remainder -1
    assert r(8, ONES, 'div', 5, 0xFF)[:4] == (5, 0, 0, 1)     # by -0
    assert r(8, ONES, 'neg', 0xFF)[0] == 0
    assert r(8, TWOS, 'asr', x=0x80, n=1)[:2] == (0xC0, 0)
    assert r(8, UNSIGNED, 'asr', x=0x81, n=9)[:2] == (0xFF, 1)
    assert r(8, UNSIGNED, 'sl', x=0x81, n=1)[:2] == (0x02, 1)
    assert r(8, UNSIGNED, 'rl', x=0x81, n=1)[:2] == (0x03, 1)
    assert r(8, UNSIGNED, 'rr', x=0x01, n=9)[:2] == (0x80, 1)
    assert r(8, UNSIGNED, 'maskl', n=3)[0] == 0xE0
    assert r(8, UNSIGNED, 'lj', x=0x05) == (5, 0, 0, 0, 0xA0)
    assert r(1, TWOS, 'bits', x=1)[:3] == (1, 0, 1)
    assert r(8, ONES, 'resize', x=0x80, n=16)[0] == 0xFF80
    assert r(8, TWOS, 'fromdouble', d=-1e30)[:3] == (0x80, 0, 1)
    assert r(8, ONES, 'fromdouble', d=-0.5)[:3] == (0, 0, 0)
    assert r(64, UNSIGNED, 'fromdouble', d=18446744073709549568.0)[0] == M64 - 2047
    assert Mode(64, UNSIGNED).todouble(M64) == 18446744073709551616.0
    assert math.copysign(1, Mode(8, ONES).todouble(0xFF)) < 0
    assert Mode(8, ONES).encode(Mode(8, ONES).lo) == 0x80
    assert next(splitmix64(0)) == 0xE220A8397B1DCDAF


def main():
    self_check()
    w = sys.stdout.write
    w("// Generated by integer_word_reference.py from Python's integers; do not edit.\n")
    w('// Digests: {word size, sign mode, "op", FNV-1a of the op\'s results}\n')
    w('inline constexpr WordDigest kWordDigests[] = {\n')
    for ws in range(1, 65):
        for sign in range(3):
            m = Mode(ws, sign)
            for op in OPS:
                w(f'    {{{ws}, {sign}, "{op}", 0x{digest(m, op):016x}ULL}},\n')
    w('};\n')
    w('// Cases: {word size, sign mode, "op", y, x, n, double operand, word, word2, carry, overflow, error}\n')
    w('// (unary ops take x; y is 0 then; n is the count / mask count / target word size, 0 when unused;\n')
    w('//  "double operand" is used only by fromdouble, written as a C++ hex-float literal or one of\n')
    w('//  kNaN / kInf / -kInf, 0.0 otherwise; word2 is lj\'s justified word, 0 otherwise)\n')
    w('inline constexpr WordCase kWordCases[] = {\n')
    for m, op, y, x, n, d in explicit_cases():
        word, carry, over, err, word2 = run(m, op, y, x, n, d)
        dl = literal(d) if op == 'fromdouble' else '0.0'
        w(f'    {{{m.ws}, {m.sign}, "{op}", 0x{y:x}ULL, 0x{x:x}ULL, {n}, {dl}, '
          f'0x{word:x}ULL, 0x{word2:x}ULL, {carry}, {over}, {err}}},\n')
    w('};\n')


if __name__ == '__main__':
    main()
