#!/usr/bin/env python3
"""Recomputes the error bound of every kernel of the math library from its
polynomial, its argument reduction and its tables, and prints it beside
the bound the code states, with the margin in bits.

Each bound is a sum of terms, each the first-order error of one step of
the kernel as mathlib/ writes it: the truncation of the polynomial, the
rounding of its coefficients to doubles, the error of the reduction and
of the tables (taken from the generator, whose output `make test` checks
against the committed tables), and u = 2^-53 per rounding times the
largest magnitude the rounded quantity reaches (two roundings per
multiply-add: the portable build's product and sum cover the fused
instruction's one). The terms are scaled by 1 + 2^-20 for the products of
small errors they leave out.

    python3 tools/math_bounds.py            # every kernel, its terms, bound and margin
    python3 tools/math_bounds.py --check    # the same; exits 1 if a stated bound is too small

Needs Debian's python3-mpmath.
"""

import glob
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# The sibling modules, imported without leaving compiled files in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import gen_math_tables as gen  # noqa: E402
from mpmath import mp, mpf  # noqa: E402

SOURCE = os.path.join(HERE, "..", "mathlib")

U = mpf(2) ** -53
SECOND_ORDER = 1 + mpf(2) ** -20


def rn(value):
    """The double nearest value, as an mpf."""
    return mpf(float(value))


def bits(value):
    """log2 of a positive bound, for printing."""
    return float(mp.log(value, 2)) if value > 0 else float("-inf")


class Budget:
    """The terms of one bound."""

    def __init__(self, name, constant):
        self.name = name
        self.constant = constant
        self.terms = []

    def add(self, what, value):
        self.terms.append((what, mpf(value)))

    def total(self):
        return sum(value for _, value in self.terms) * SECOND_ORDER


def horner(coefficients, x, roundings=2):
    """Absolute rounding error and largest magnitude of c0 + x (c1 + x (c2
    + ...)) evaluated from the inside out in doubles, |x| <= x, each step
    with `roundings` roundings (product and sum)."""
    error = mpf(0)
    magnitude = abs(coefficients[-1])
    for c in reversed(coefficients[:-1]):
        product = x * magnitude
        error = x * error + (U * product if roundings == 2 else 0) + U * (abs(c) + product)
        magnitude = abs(c) + product + error
    return error, magnitude


def taylor_tail(terms, x, first):
    """sum |terms(k)| x^k for k >= first, to 200 terms."""
    return sum(abs(terms(k)) * x ** k for k in range(first, first + 200))


def dd_error(pairs, values):
    """Largest relative error of double-double table entries."""
    return max(abs(mpf(hi) + mpf(lo) - v) / abs(v) for (hi, lo), v in zip(pairs, values) if v)


# --- argument reductions -----------------------------------------------------

def exp_reduction(largest, low):
    """x + xlo = n ln2/256 + rh + rl for |x| <= largest, |xlo| <= low:
    (bound on |rh|, on |rl|, and the reduction's absolute error)."""
    ln2 = mp.log(2)
    l0, l1, l2 = (mpf(p) for p in gen.split_bits(ln2 / 256, 34))
    c = rn(256 / ln2)
    n = mp.floor(largest * c + 1) + 1
    # RN(x C) is off by half an ulp below 2^19, C by its own rounding.
    frac = mpf(1) / 2 + mpf(2) ** -35 + largest * abs(c - 256 / ln2)
    split = abs(ln2 / 256 - (l0 + l1 + l2))
    rh = (frac * ln2 / 256 + n * (abs(l2) + split)) * (1 + U)
    error = n * split + U * n * abs(l2) + U * (low + n * abs(l2)) * (1 if low else 0)
    error += U * (U * rh + low + n * abs(l2))
    rl = U * rh + low + n * abs(l2) + error
    return rh, rl, error


def exp_assembly(q, r):
    """The roundings of T (1 + rh + q) = T1 + T1 ra + (T1 (rb + q) + T2 (1 +
    rh + q)), relative to T, with T1 ra exact (27 and 26 bits) and the table
    value T = T1 + T2. Also the rest's size relative to the head."""
    table = gen.exp_split_table()
    tail = max(abs(mpf(t)) / (mpf(h) + mpf(t)) for h, t in table)
    rb = mpf(2) ** -25 * r          # rh less its 26-bit head
    first = rb + q                  # rb + q, then T1 times it
    second = tail * (1 + r + q)     # T2 (1 + (rh + q))
    head_low = U * (1 + r)          # the exact head's low part
    error = U * first + U * first + tail * (U * (r + q) + U * (1 + r + q)) + U * second
    error += U * (first + second) + U * (head_low + first + second)
    return error, head_low + first + second


def exp_table_error():
    return max(abs(mpf(h) + mpf(t) - mpf(2) ** (mpf(j) / 256)) / mpf(2) ** (mpf(j) / 256)
               for j, (h, t) in enumerate(gen.exp_split_table()))


def exp_coefficient_error(r):
    return sum(abs(rn(1 / mp.factorial(k)) - 1 / mp.factorial(k)) * r ** k for k in range(2, 7))


def exp_fast(low):
    """expFast of x + xlo, |x| <= 746 (csch and sech take e^-a up to it)."""
    b = Budget("expFast" + (" (double-double argument)" if low else ""), "expFastEps")
    r, rl, reduction = exp_reduction(mpf(746), low)
    b.add("reduction", reduction)
    floor = mp.exp(-r)  # e^r is at least this: absolute errors relative to it
    b.add("Taylor remainder r^7/7! + ...", taylor_tail(lambda k: 1 / mp.factorial(k), r, 7) / floor)
    b.add("coefficients rounded to doubles", exp_coefficient_error(r) / floor)
    b.add("rl (1 + rh + rh^2/2) for rl e^rh", (rl * r ** 3 / 6 * 1.01 + mp.exp(r) * rl ** 2) / floor)
    p_error, p = horner([mpf(0.5)] + [rn(1 / mp.factorial(k)) for k in range(3, 7)], r)
    a_error, a = horner([mpf(1), mpf(1), mpf(0.5)], r)
    q = rl * a + r * r * p
    b.add("q = rl A + rh^2 P in doubles",
          (r * r * (p_error + 2 * U * p) + rl * a_error + U * rl * a + U * q) / floor)
    assembly, _ = exp_assembly(q, r)
    b.add("T (1 + rh + q) summed", assembly / floor)
    b.add("table 2^(j/256)", exp_table_error())
    return b


def exp_both():
    """expBoth of a double x, 1/2 <= x <= 711: the error of either mantissa."""
    r, rl, reduction = exp_reduction(mpf(711), 0)
    floor = mp.exp(-r)
    terms = [("reduction", reduction),
             ("Taylor remainder r^7/7! + ...",
              taylor_tail(lambda k: 1 / mp.factorial(k), r, 7) / floor),
             ("coefficients rounded to doubles", exp_coefficient_error(r) / floor),
             ("rl (1 +- rh) for rl e^+-rh", (rl * r * r / 2 * 1.01 + mp.exp(r) * rl ** 2) / floor)]
    h2 = r * r * (1 + U)
    even_error, even = horner([mpf(0.5), rn(mpf(1) / 24), rn(mpf(1) / 720)], h2)
    even_error += (rn(mpf(1) / 24) + 2 * rn(mpf(1) / 720) * h2) * U * r * r
    inner_error, inner = horner([rn(mpf(1) / 6), rn(mpf(1) / 120)], h2)
    odd = r * inner
    odd_error = r * inner_error + U * odd + r * rn(mpf(1) / 120) * U * r * r
    s = even + odd
    s_error = even_error + odd_error + U * s
    low = rl * (1 + r)
    q = h2 * s + low
    q_error = h2 * s_error + U * r * r * s + U * h2 * s + U * q + U * rl * r + U * low
    terms.append(("q+- = rh^2 (even +- odd) + rl (1 +- rh) in doubles", q_error / floor))
    assembly, rest = exp_assembly(q, r)
    terms.append(("T (1 +- rh + q+-) summed", assembly / floor))
    terms.append(("table 2^(j/256)", exp_table_error()))
    return terms, rest


def pair_sums():
    """cosh and sinh from expBoth: (e^x +- e^-x 2^-2k) 2^(k-1), the heads'
    sum exact, the rests' sum rounded; sinh's difference cancels by at most
    coth(1/2) (x >= 1/2); from k = 60 on the second term is left out."""
    terms, rest = exp_both()
    rounding = U * rest + U * (U + rest)
    k60 = mp.exp(-2 * (60 * mp.log(2) - mp.log(2) / 512))
    cosh = Budget("cosh from expBoth", "coshExpEps")
    for what, v in terms:
        cosh.add("mantissas: " + what, v)
    cosh.add("the rests' sum", rounding)
    cosh.add("e^-x left out from k = 60", k60)
    sinh = Budget("sinh from expBoth", "sinhExpEps")
    kappa = mp.coth(mpf(1) / 2)
    for what, v in terms:
        sinh.add("mantissas, times coth(1/2): " + what, kappa * v)
    sinh.add("the rests' sum, times coth(1/2)", kappa * rounding)
    sinh.add("e^-x left out from k = 60", k60)
    return [cosh, sinh]


def quotient_forms(exp_double, source):
    """tanh = 1 - 2/(E + 1) and coth = 1 + 2/(E - 1) for E = e^2a, a >=
    quotientStart: E's relative error passes to 2/(E + 1) at most once
    (and 1 - q, q <= 1/2, keeps it), and to 2/(E - 1) at most E/(E - 1)
    times; the double-double sums and the quotient add 2^-103."""
    start = mpf(source["quotientStart"])
    e = mp.exp(2 * start)
    dd = mpf(2) ** -104 + 4 * U * U
    tanh = Budget("tanh = 1 - 2/(e^2a + 1)", "tanhQuotientEps")
    tanh.add("expFast", exp_double)
    tanh.add("double-double sums and quotient", dd)
    coth = Budget("coth = 1 + 2/(e^2a - 1)", "cothQuotientEps")
    coth.add("expFast times E/(E - 1)", exp_double * e / (e - 1))
    coth.add("double-double sums and quotient", dd)
    return [tanh, coth]


# --- logarithms ----------------------------------------------------------------

class LogEntries:
    """The reduction's table: per entry i, c, the interval of m it serves
    (m = 1 + i/256 +- 1/512 within [1, 2)), the largest |r| = |m c - 1|
    there, the table value and its error, and the smallest |ln x| with e
    = 0."""

    def __init__(self):
        self.rows = gen.log_table()
        self.r = []
        self.value = []
        self.smallest_log = []
        for i, (c, head, tail) in enumerate(self.rows):
            low = max(mpf(1), 1 + (mpf(i) - mpf(1) / 2) / 256)
            high = min(mpf(2), 1 + (mpf(i) + mpf(1) / 2) / 256)
            self.r.append(max(abs(low * c - 1), abs(high * c - 1)))
            shifted = i > 106
            self.value.append(-mp.log(c) - (mp.log(2) if shifted else 0))
            # x = m below sqrt 2, m/2 above: |ln x| at the interval's end
            # nearest 1.
            ends = (low / 2, high / 2) if shifted else (low, high)
            self.smallest_log.append(min(abs(mp.log(ends[0])), abs(mp.log(ends[1]))))
        self.table_error = max(abs(mpf(h) + mpf(t) - v)
                               for (_, h, t), v in zip(self.rows, self.value))
        self.largest_r = max(self.r)

    def near_one(self, i):
        return self.rows[i][1] == 0 and self.rows[i][2] == 0

    def ratio(self):
        """The smallest |ln x| / |r| over the entries with e = 0 whose table
        value is not 0: how far the result may fall below |r|."""
        return min(self.smallest_log[i] / self.r[i]
                   for i in range(len(self.rows)) if not self.near_one(i))

    def smallest_far_from_one(self):
        return min(self.smallest_log[i] for i in range(len(self.rows)) if not self.near_one(i))


def exponent_ratio():
    """The largest |e| / |ln x| for e != 0: x lies within a factor sqrt 2
    (and an entry's half width) of 2^e."""
    slack = mp.log(mp.sqrt(2) * (1 + mpf(1) / 512))
    return max(e / (e * mp.log(2) - slack) for e in range(1, 1100))


def ln2_pieces():
    return [mpf(p) for p in gen.split_bits(mp.log(2), 42)]


def log_fast(entries):
    """logFast: r - r^2/2 + r^3/3 as double-doubles, r^4 (-1/4 + ... +
    r^5/9) in doubles, then the table part and e ln 2 (two pieces)."""
    b = Budget("logFast", "logFastEps")
    r = entries.largest_r
    # Relative to |r|.
    truncation = taylor_tail(lambda k: mpf(1) / k, r, 10) / r
    coefficients = sum(abs(rn(mpf(1) / k) - mpf(1) / k) * r ** (k - 1) for k in range(5, 10))
    poly_error, poly = horner([rn(c) for c in (-mpf(1) / 4, mpf(1) / 5, -mpf(1) / 6,
                                               mpf(1) / 7, -mpf(1) / 8, mpf(1) / 9)], r)
    higher = r ** 3 * poly
    higher_rounding = r ** 3 * (3 * U * poly + poly_error + U * poly)
    zl = (2 * r + mpf(2) ** -25 * r) * mpf(2) ** -25 * r
    pieces = (2 * U * zl / 2 + U * r * zl + U * (U * r ** 3 + r * zl)) / r + 4 * U * U * r * r
    # thirdLo - zl/2, + higher, + lead.lo, + withCube.lo: four roundings
    # of at most that much.
    low_sum = 4 * U * (U * r + U * r ** 3 + zl + higher * r) / r
    relative_to_r = truncation + coefficients + higher_rounding + pieces + low_sum
    l0, l1, l2 = ln2_pieces()
    ln2 = mp.log(2)
    # Absolute terms: the table's tail, and the low sum's roundings of it
    # (three sums) and of sum.lo, up to u (|table| + |r|).
    table_part = max(abs(v) for v in entries.value)
    absolute = entries.table_error + 3 * U * mpf(2) ** -43 + U * U * (table_part + r)
    # e = 0, table value 0: ln x is ln(1 + r), at least |r| (1 - r/2).
    near = relative_to_r / (1 - r / 2)
    # e = 0 otherwise: ln x may fall to ratio |r|.
    middle = relative_to_r / entries.ratio() + absolute / entries.smallest_far_from_one()
    # e != 0: |ln x| >= |e| ln2 - ln(sqrt 2 (1 + 2^-9)); ln 2 in two pieces
    # (the third left out) and e ln2_1 rounded in three sums, per |e|.
    per_e = abs(ln2 - l0 - l1) + 3 * U * abs(l1) + U * U * ln2
    outer = ((relative_to_r * r + absolute) / (ln2 - mp.log(mp.sqrt(2) * (1 + mpf(1) / 512))) +
             per_e * exponent_ratio())
    worst, label = max((near, "x within 2^-9 of 1"), (middle, "e = 0, table value not 0"),
                       (outer, "e != 0"))
    scale = worst / relative_to_r  # each term's share of the worst case
    b.add(f"series truncated after r^9/9 (worst: {label})", truncation * scale)
    b.add("coefficients rounded to doubles", coefficients * scale)
    b.add("r^4 (...) in doubles", higher_rounding * scale)
    b.add("r^2 and r^3/3 as double-doubles, the low sum, the table",
          worst - (truncation + coefficients + higher_rounding) * scale)
    return b, worst


def log_series(entries, with_low):
    """logSeries and logShort's sum, as absolute errors: (terms in |r|
    powers, absolute terms, terms per unit of |e|, and for x within 2^-9
    of 1 the relative error)."""
    r = entries.largest_r
    truncation = taylor_tail(lambda k: mpf(1) / k, r, 10)
    third = rn(mpf(1) / 3)
    coefficients = (abs(third - mpf(1) / 3) * r ** 3 +
                    sum(abs(rn(mpf(1) / k) - mpf(1) / k) * r ** k for k in range(5, 10)))
    # The polynomial 1/3 - r/4 + ... + r^6/9 by Estrin's scheme.
    r2 = r * r * (1 + U)
    a_error, a = horner([-mpf(1) / 4, rn(mpf(1) / 5)], r)
    b_error, b_ = horner([-rn(mpf(1) / 6), rn(mpf(1) / 7)], r)
    c = a + r2 * b_
    c_error = a_error + r2 * b_error + b_ * U * r * r + U * r2 * b_ + U * c
    d_error, d = horner([-mpf(1) / 8, rn(mpf(1) / 9)], r)
    r4 = r2 * r2
    e = c + r4 * d
    e_error = c_error + r4 * d_error + d * 3 * U * r ** 4 + U * r4 * d + U * e
    p = third + r * e
    p_error = r * e_error + U * r * e + U * p
    # r^2 = z + zl: the FMA's rounded square and its remainder, or the
    # portable split's exact square of a 26-bit head and the rest,
    # |zl| <= 2^-24 r^2, formed with two roundings.
    zl = mpf(2) ** -24 * r * r
    tail = r ** 3 * p + zl / 2
    tail_error = r ** 3 * (2 * U * p + p_error + U * p) + U * tail + U * zl
    powers = truncation + coefficients + tail_error
    rl = mpf(2) ** -50 if with_low else mpf(0)  # xlo c 2^-e0, |xlo| <= 4 ulp(x)
    # ln(1 + r + rl) - ln(1 + r) for rl (1 - r + r^2 - r^3), and its six
    # roundings.
    rl_terms = (rl * r ** 4 + rl * rl / 2) * 1.01 + 6 * U * rl
    l0, l1, l2 = ln2_pieces()
    small = mpf(2) ** -43 + rl     # the table's tail (and rl's term)
    lead_low = U * r
    # small += rl's term, lead.lo + small, sum.lo + that (sum.lo up to
    # u (|table| + |r|)), + tail.
    absolute = (entries.table_error + U * small + U * (lead_low + small) +
                U * (U * (max(abs(v) for v in entries.value) + r) + lead_low + small) +
                U * (tail + lead_low + small))
    per_e = abs(mp.log(2) - l0 - l1) + 3 * U * abs(l1) + U * U * mp.log(2)
    # x within 2^-9 of 1: no table terms, and the terms above all shrink
    # at least as fast as |r|: relative to |r| (1 - r/2), with the final
    # sums' roundings. rl's terms relative to |r| >= 2^-26 (|x - 1| >=
    # 2^-26 once there is a low part).
    near = (truncation + coefficients + tail_error) / r + U * (2 * lead_low + tail) / r
    if with_low:
        near += (rl * r ** 4 / r + (rl * rl / 2) / mpf(2) ** -26) * 1.01
        near += (6 * U * rl + 2 * U * rl) / mpf(2) ** -26
    near /= 1 - r / 2
    return powers + rl_terms, absolute, per_e, near, tail


def log_short(entries):
    """logShort of a double or of a double-double x + xlo: abs + eps |ln x|,
    with |e| <= exponent_ratio |ln x|, and the relative error near 1; the
    double-double argument's rl makes each the larger."""
    powers, absolute, per_e, near, _ = log_series(entries, True)
    b = Budget("logShort, absolute part", "logShortAbs")
    b.add("series, its tail in doubles and rl (1 - r + r^2 - r^3)", powers)
    b.add("table tails and the low sum", absolute)
    e = Budget("logShort, relative part", "logShortEps")
    e.add(f"ln 2 in two pieces and e ln2_1 rounded, per |e| <= {float(exponent_ratio()):.2f} "
          "|ln x|", per_e * exponent_ratio())
    n = Budget("logShort, x within 2^-9 of 1", "logNearOneEps")
    n.add("series, tail, rl and the final sums relative to |r| (1 - r/2)", near)
    return [b, e, n]


def log_base2(entries):
    """logBase2Fast: e + T2 + ln(1 + r)/ln 2, the series as logShort's."""
    powers, _, _, near, tail = log_series(entries, False)
    r = entries.largest_r
    il = 1 / mp.log(2)
    table = gen.log2_table()
    table_error = max(abs(mpf(h) + mpf(t) - (-mp.log(gen.log_inverse(i), 2) -
                                             (1 if 1 + mpf(i) / 256 > mp.sqrt(2) else 0)))
                      for i, (h, t) in enumerate(table))
    inner = (U * r + tail) * il          # (lead.lo + tail) 1/ln2
    low = inner + r * U * il             # + lead.hi (1/ln2).lo
    outer = U * r * il + mpf(2) ** -43   # p.lo + t2.lo
    rounding = (U * (U * r + tail) * il + U * inner + U * r * U * il + U * low + U * outer +
                U * (U * (mpf(1) / 2 + r * il) + outer) + U * (low + outer))
    absolute = powers * il + U * U * r * il + table_error + rounding
    smallest = min(entries.smallest_log[i] for i in range(len(entries.rows))
                   if not entries.near_one(i)) / mp.log(2)
    b = Budget("log2 of a double, away from 1", "log2RelativeEps")
    b.add("series times 1/ln 2, the table, the sums, over |log2 x| >= "
          f"2^{bits(smallest):.2f}", absolute / smallest)
    n = Budget("log2 of a double, within 2^-9 of 1", "log2NearOneEps")
    n.add("logShort's series near 1", near)
    n.add("times 1/ln 2 and summed, relative to |r| (1 - r/2)",
          (4 * U * (tail + U * r) / r + 2 * U * U) / (1 - r / 2))
    return [b, n]


def log_dd_and_log1p(log_fast_bound):
    """logDD: ln(w.hi) + w.lo/w.hi for |w - 1| >= 2^-26; log1p: the
    series below 2^-25, else logDD of the double-double 1 + u."""
    smallest = mp.log(1 + mpf(2) ** -26)
    dd = Budget("logDD", "logDDEps")
    dd.add("logFast of w.hi", log_fast_bound * (1 + mpf(2) ** -25))
    dd.add("w.lo/w.hi rounded, its square left out, the sum",
           (U * mpf(2) ** -52 + mpf(2) ** -105 + 2 * U * U) / smallest)
    p = Budget("log1p", "log1pEps")
    v = mpf(2) ** -25
    series_error, series = horner([-mpf(1) / 2, rn(mpf(1) / 3), -mpf(1) / 4, rn(mpf(1) / 5)], v,
                                  roundings=2)
    small = (v ** 6 / 6 + v * v * (series_error + 2 * U * series)) / v
    large = dd.total() * (1 + mpf(2) ** -26) + 2 * U * U / (v / (1 + v)) + mpf(2) ** -106 / v
    p.add("u - u^2/2 + ... + u^5/5 below 2^-25, or logDD of 1 + u",
          max(small, large))
    return [dd, p]


# --- sin and cos -------------------------------------------------------------

def trig_reductions():
    """The reductions' absolute errors, and the largest |r|."""
    pi512 = mp.pi / 512
    s0, s1, s2 = (mpf(p) for p in gen.split_bits(pi512, 33))
    p0, p1, p2 = (mpf(p) for p in gen.split_bits(pi512, 53))
    c = rn(1 / pi512)
    results = []
    # Below 2^12: n < 2^19.4, x - n S0 and n S1 exact, n S2 rounded.
    n = mp.floor(mpf(2) ** 12 * c) + 1
    short = Budget("sin and cos reduction below 2^12", "shortReductionError")
    short.add("pi/512 in three pieces, times n", n * abs(pi512 - s0 - s1 - s2))
    short.add("n S2 and r.lo - n S2 rounded", U * n * abs(s2) + U * (U * pi512 + n * abs(s2)))
    results.append(short)
    n = mp.floor(mpf(2) ** 28 * c) + 1
    wide = Budget("sin and cos reduction from 2^12 to 2^28", "wideReductionError")
    wide.add("pi/512 in three pieces, times n", n * abs(pi512 - p0 - p1 - p2))
    wide.add("n P2 rounded", U * n * abs(p2))
    results.append(wide)
    large = Budget("sin and cos reduction from 2^28 on", "largeReductionError")
    large.add("256 bits of 1/pi: M 2^-256 of a turn", mpf(2) ** 53 * mpf(2) ** -256 * 2 * mp.pi)
    large.add("the fraction to 2^-159 units of pi/512", mpf(2) ** -159 * pi512)
    results.append(large)
    # |r|: the nearest n from RN(x 512/pi), up to 2^28 (beyond, exact).
    frac = mpf(1) / 2 + mpf(2) ** -18 + mpf(2) ** 28 * abs(c - 1 / pi512)
    r = frac * pi512 * (1 + U)
    relative = max(5 * U * U, 5 * U * U + abs(rn(pi512) + rn(pi512 - rn(pi512)) - pi512) / pi512)
    return results, r, relative


def sin_cos_kernel(r, reduction_relative):
    """sinPart and cosPart for every table entry j, relative to their
    smallest result; sinPart(0) relative to sin r itself."""
    table = [gen.dd(mp.sin(mp.pi * k / 512)) for k in range(257)]
    table_error = dd_error(table, [mp.sin(mp.pi * k / 512) for k in range(257)])
    rl = U * r + mpf(2) ** -104
    z = r * r * (1 + U)
    s_error, s = horner([-rn(mpf(1) / 6), rn(mpf(1) / 120), -rn(mpf(1) / 5040),
                         rn(mpf(1) / 362880)], z)
    c_error, c = horner([-mpf(1) / 2, rn(mpf(1) / 24), -rn(mpf(1) / 720), rn(mpf(1) / 40320)], z)
    sin_truncation = taylor_tail(lambda k: 1 / mp.factorial(k) if k % 2 else 0, r, 11)
    cos_truncation = taylor_tail(lambda k: 1 / mp.factorial(k) if k % 2 == 0 else 0, r, 10)
    sin_coefficients = sum(abs(rn(1 / mp.factorial(k)) - 1 / mp.factorial(k)) * r ** k
                           for k in (3, 5, 7, 9))
    cos_coefficients = sum(abs(rn(1 / mp.factorial(k)) - 1 / mp.factorial(k)) * r ** k
                           for k in (4, 6, 8))
    cube = r * z * s
    sin_tail = rl + cube + z / 2 * rl
    sin_tail_error = (sin_truncation + sin_coefficients + rl * r ** 4 / 24 + rl * rl * r +
                      r * z * (s_error + 2 * U * s) + U * r * r * s * r + U * (rl + cube) +
                      U * z * rl + U * sin_tail)
    cos_minus_one = r * rl + z * c
    cos_error = (cos_truncation + cos_coefficients + rl * r ** 3 / 6 + rl * rl +
                 z * (c_error + U * c) + U * r * r * c + U * r * rl + U * cos_minus_one)
    worst = mpf(0)
    for j in range(256):
        sj, cj = (mpf(v[0]) + mpf(v[1]) for v in (table[j], table[256 - j]))
        for u, v in ((sj, cj), (cj, -sj)):
            u, v = abs(u), abs(v)
            if u == 0:
                continue  # sinPart(0) below
            result = u - v * r - u * r * r / 2
            # small = head.lo + (((u.lo + (X + Y)) + v sinTail) + u cosMinusOne),
            # X = v's 27-bit head times rh's 27-bit rest, Y = v's rest times rh.
            x = v * mpf(2) ** -25 * r
            y = (mpf(2) ** -26 + U) * v * r
            s1 = U * u + x + y
            s2 = s1 + v * sin_tail
            s3 = s2 + u * cos_minus_one
            s4 = U * (u + v * r) + s3
            rounding = U * (x + 2 * y + (x + y) + s1 + v * sin_tail + s2 + u * cos_minus_one +
                            s3 + s4)
            error = rounding + v * sin_tail_error + u * cos_error + table_error * (u + v * r)
            worst = max(worst, error / result)
    # sin r: the cubic term's roundings relative to |r| (1 - r^2/6).
    at_zero = (sin_tail_error / r + 4 * U * (cube + rl) / r) / (1 - r * r / 6)
    b = Budget("sin and cos of the reduced argument", "sinCosEps")
    b.add("series, coefficients, the rest in doubles, the table (j > 0)", worst)
    b.add("the same for sin r itself (j = 0)", at_zero)
    b.add("the reduction's relative error", reduction_relative)
    # Only the worse of the two cases applies to any one argument.
    b.terms = [max(b.terms[:2], key=lambda t: t[1]), b.terms[2]]
    return b


# --- atan of a quotient --------------------------------------------------------

def atan_quotient():
    t = (mpf(1) / 512 + mpf(2) ** -51) * (1 + U)
    table = [gen.dd(mp.atan(mpf(i) / 256)) for i in range(257)]
    table_error = dd_error(table[1:], [mp.atan(mpf(i) / 256) for i in range(1, 257)])
    z = t * t * (1 + U)
    p_error, p = horner([-rn(mpf(1) / 3), rn(mpf(1) / 5), -rn(mpf(1) / 7), rn(mpf(1) / 9)], z)
    truncation = taylor_tail(lambda k: mpf(1) / k if k % 2 else 0, t, 11)
    coefficients = sum(abs(rn(mpf(1) / k) - mpf(1) / k) * t ** k for k in (3, 5, 7, 9))
    cubic = t * z * p
    tail_error = truncation + coefficients + t * z * (p_error + 2 * U * p) + U * cubic + U * (
        U * t + cubic)
    # t as a double-double quotient: 2^-104 relative; for i > 0 of a
    # numerator and denominator whose tails round by 2^-96 of d.
    at_zero = (tail_error + mpf(2) ** -104 * t) / (t * (1 - t * t / 3))
    quotient = mpf(2) ** -104 * t + 2 * mpf(2) ** -96
    smallest = mp.atan(mpf(1) / 256) - t
    elsewhere = ((tail_error + quotient + U * (U * mp.pi / 4 + cubic) + U * (U * mp.pi / 4 + cubic))
                 / smallest + table_error * mp.pi / 4 / smallest)
    b = Budget("atan(n/d) from atan(i/256)", "atanEps")
    b.add("series after t^9/9, its tail in doubles, the quotient, the table",
          max(at_zero, elsewhere))
    return b


# --- tables of Taylor polynomials ----------------------------------------------

def taylor_tables():
    """taylorAt for each table: the generator's remainder (the Taylor
    remainder with the table's roundings), the part in doubles with 4u
    (t^2, the sum with t (...), the product, a2 rounded) and u when it
    joins the low sum, the Estrin sum of the later terms with 8u of them,
    and the low terms' 2^-95 where the result is at least 2^-9."""
    results = []
    for table, constant in ((gen.ASIN_TABLE, "asinEps"), (gen.ATAN_TAYLOR_TABLE, "atanTaylorEps"),
                            (gen.SINH_TAYLOR_TABLE, "sinhTaylorEps"),
                            (gen.COSH_TAYLOR_TABLE, "coshTaylorEps"),
                            (gen.TANH_TAYLOR_TABLE, "tanhTaylorEps")):
        entries, remainder, higher = table.measure()
        later = mpf(0)
        reach = gen.TAYLOR_REACH
        for i, a in enumerate(entries):
            c = mpf(i) / 256
            smallest = (reach if table.function(mpf(0)) == 0 else table.function(mpf(0))) \
                if i == 0 else table.function(c - reach)
            later = max(later, sum(abs(a[k]) * reach ** k for k in range(3, 9)) / smallest)
        b = Budget(f"{table.name} polynomials", constant)
        b.add("Taylor remainder and the table's roundings", remainder)
        b.add("t^2 (a2 + ...) in doubles, and joining the low sum", 5 * U * higher)
        b.add("a3 t + ... + a8 t^6 by Estrin's scheme", 8 * U * later)
        b.add("the low terms, 2^-95 of results of at least 2^-9", mpf(2) ** -95 / mpf(2) ** -9)
        results.append(b)
    return results


# --- the column kernels (mathlib/columnkernels.h) ----------------------------------

def fma_step(a, a_error, b, b_error, c, c_error):
    """a b + c in doubles from operands with absolute errors, with two
    roundings (the portable build's product and sum, which cover the fused
    instruction's one): the largest magnitude and the absolute error."""
    product = a * b
    error = a_error * b + a * b_error + U * product + c_error + U * (product + c)
    return product + c + error, error


def exp_column():
    """The column exp of a double: expFast's reduction (its last step one
    multiply-add, which rounds less), q = rh^2 P + rl (1 + rh) with P =
    (1/2 + rh/6) + rh^2 ((1/24 + rh/120) + rh^2/720), and expFast's sum."""
    b = Budget("exp over columns", "expColumnEps")
    r, rl, reduction = exp_reduction(mpf(708), 0)
    floor = mp.exp(-r)
    b.add("reduction", reduction)
    b.add("Taylor remainder r^7/7! + ...", taylor_tail(lambda k: 1 / mp.factorial(k), r, 7) / floor)
    b.add("coefficients rounded to doubles", exp_coefficient_error(r) / floor)
    b.add("rl (1 + rh) for rl e^rh", (rl * (mp.exp(r) - 1 - r) + mp.exp(r) * rl ** 2) / floor)
    c = [rn(1 / mp.factorial(k)) for k in range(2, 7)]
    r2, r2_error = r * r * (1 + U), U * r * r
    p0, p0_error = fma_step(r, 0, c[1], 0, c[0], 0)
    p1, p1_error = fma_step(r, 0, c[3], 0, c[2], 0)
    inner, inner_error = fma_step(r2, r2_error, c[4], 0, p1, p1_error)
    p, p_error = fma_step(r2, r2_error, inner, inner_error, p0, p0_error)
    low, low_error = fma_step(rl, 0, r, 0, rl, 0)
    q, q_error = fma_step(r2, r2_error, p, p_error, low, low_error)
    b.add("q = rh^2 P + rl (1 + rh) in doubles, P by Estrin's scheme", q_error / floor)
    assembly, _ = exp_assembly(q, r)
    b.add("T (1 + rh + q) summed", assembly / floor)
    b.add("table 2^(j/256)", exp_table_error())
    return b


def log_columns(entries):
    """The column logarithms of a double, as relative bounds: logShort's
    series of a double argument (no low part), its absolute part over the
    smallest |ln x| where the table part is not 0, and log2's."""
    powers, absolute, per_e, near, _ = log_series(entries, False)
    smallest = entries.smallest_far_from_one()
    far = Budget("ln over columns, away from 1", "lnColumnEps")
    far.add(f"series, its tail, the table tails, the low sum, over |ln x| >= 2^{bits(smallest):.2f}",
            (powers + absolute) / smallest)
    far.add(f"ln 2 in two pieces and e ln2_1 rounded, per |e| <= {float(exponent_ratio()):.2f} "
            "|ln x|", per_e * exponent_ratio())
    # The table part's sum with r - z/2 is a fastTwoSum, exact where the
    # table part is 0 or larger than r - z/2: at least |r| (1 + 2^-8).
    ratio = min(abs(mpf(entries.rows[i][1])) / entries.r[i]
                for i in range(len(entries.rows)) if not entries.near_one(i))
    far.add(f"the table part's sum with r - z/2, exact: the table part >= {float(ratio):.2f} |r|",
            0 if ratio > 1 + mpf(2) ** -8 else mp.inf)
    close = Budget("ln over columns, within 2^-9 of 1", "lnColumnNearOneEps")
    close.add("series, tail and the final sums relative to |r| (1 - r/2)", near)
    away, near2 = log_base2(entries)
    away.name, away.constant = "log2 over columns, away from 1", "log2ColumnEps"
    near2.name, near2.constant = "log2 over columns, within 2^-9 of 1", "log2ColumnNearOneEps"
    return [far, close, away, near2]


def log10_columns(far, close):
    """logbase10 over columns: the column ln times the double-double 1/ln 10,
    whose product (twoProd of the heads, the cross terms summed in doubles)
    is relative to it."""
    c = gen.dd(1 / mp.log(10))
    constant = abs(mpf(c[0]) + mpf(c[1]) - 1 / mp.log(10)) * mp.log(10)
    # lo c.lo dropped, the cross products and their sum with p.lo rounded.
    product = U * U + 2 * U * U * U + U * (U + U * U + U)
    result = []
    for ln, name, constant_name in ((far, "away from 1", "logBase10ColumnEps"),
                                    (close, "within 2^-9 of 1", "logBase10ColumnNearOneEps")):
        b = Budget(f"log10 over columns, {name}", constant_name)
        b.terms = list(ln.terms)
        b.add("1/ln 10 as a double-double", constant)
        b.add("the product with it, relative", product)
        result.append(b)
    return result


def power_column(entries, value):
    """power over columns is powerFast: e^y for y = z ln x from logShort and
    expFast of the double-double y, with the lane's bound |y| eps + |z| abs
    + expFastEps + slack (logShort's near 1: no abs), then widened by
    powerColumnGrowth for e^d - 1 > d. The product's low part rounded, 2u^2
    |y|, goes into the relative part; its size is what expFast takes."""
    _, relative, near = log_short(entries)
    far = Budget("power over columns, per |z ln x|", "logShortEps")
    far.terms = list(relative.terms)
    far.add("z ln x: its low part rounded", 2 * U * U)
    close = Budget("power over columns, near 1, per |z ln x|", "logNearOneEps")
    close.terms = list(near.terms)
    close.add("z ln x: its low part rounded", 2 * U * U)
    y = mpf(708)
    # p.lo <= ulp(y)/2, ln x's low part <= u |ln x|, so its product <= u |y|.
    low = (mpf(2) ** -44 + U * y * (1 + U)) * (1 + U)
    if low > mpf(3) / 2 * mpf(2) ** -43:
        raise ValueError("the low part of z ln x exceeds what expFast takes")
    # |z| < 708 / |ln x| away from 1.
    d = (y * mpf(value("logShortEps")) +
         y / entries.smallest_far_from_one() * mpf(value("logShortAbs")) +
         mpf(value("expFastEps")) + mpf(value("slack")))
    d = max(d, y * mpf(value("logNearOneEps")) + mpf(value("expFastEps")) +
            mpf(value("slack")))
    growth = Budget("power over columns, the bound's widening", "powerColumnGrowth")
    growth.add(f"(e^d - 1)/d - 1 for d up to 2^{bits(d):.2f}", (mp.exp(d) - 1) / d - 1)
    growth.add("the bound's three roundings", 3 * U)
    return [far, close, growth]


def trig_columns(r, relative):
    """sin and cos over columns are the kernel as sinCosOf writes it (the
    polynomials' steps fused, which the two roundings counted cover); tan
    their quotient, relative to it, beside the reduction's absolute error
    that each lane adds as d (1 + |t|)/|c|."""
    kernel = sin_cos_kernel(r, relative)
    kernel.name, kernel.constant = "sin and cos over columns", "sinCosColumnEps"
    tan = Budget("tan over columns, relative part", "tanColumnEps")
    tan.add("the sine part", kernel.total())
    tan.add("the cosine part", kernel.total())
    tan.add("the double-double quotient", mpf(2) ** -104)
    return [kernel, tan]


def arctan2_column():
    """atan q from atan(i/256) (the quotient kernel) with the quadrant's pi/2
    or pi added: a result of at least pi/4 then, whose double-double base
    and two sums add to the kernel's relative error."""
    b = Budget("arctan2 over columns", "arcTan2ColumnEps")
    b.add("atan(n/d) from atan(i/256)", atan_quotient().total())
    half_pi, pi_dd = gen.dd(mp.pi / 2), gen.dd(mp.pi)
    base = max(abs(mpf(half_pi[0]) + mpf(half_pi[1]) - mp.pi / 2),
               abs(mpf(pi_dd[0]) + mpf(pi_dd[1]) - mp.pi))
    b.add("pi/2 or pi as double-doubles and the two sums, over a result >= pi/4",
          (base + 2 * U * U * (mp.pi + mp.pi / 4) * 2) / (mp.pi / 4))
    return b


def hyperbolic_columns():
    """cosh and sinh over columns are expBoth and pairSum as hyperbolic.cpp
    writes them (the reduction's last step fused); tanh's quotient form
    takes e^2a from the column exp."""
    cosh, sinh = pair_sums()
    cosh.name, cosh.constant = "cosh over columns", "coshColumnEps"
    sinh.name, sinh.constant = "sinh over columns", "sinhColumnEps"
    tanh, _ = quotient_forms(exp_column().total(), {"quotientStart": mpf(0.5493061443340549)})
    tanh.name, tanh.constant = "tanh over columns", "tanhColumnEps"
    return [cosh, sinh, tanh]


def pythag_column():
    b = Budget("pythag over columns", "pythagColumnEps")
    b.add("the exact squares' double-double sum, halved by the root", 3 * U * U / 2)
    b.add("the double-double root", 4 * U * U)
    return b


# --- the code's bounds ----------------------------------------------------------

def stated(source_dir):
    """The constants the code states, evaluated: `constexpr double NAME =
    EXPRESSION;` in mathlib/, hex floats and other such names allowed."""
    pattern = re.compile(r"constexpr (?:double|Float) (\w+) = ([^;]+);")
    expressions = {}
    for path in sorted(glob.glob(os.path.join(source_dir, "*.h")) +
                       glob.glob(os.path.join(source_dir, "*.cpp"))):
        with open(path, encoding="utf-8") as source:
            for name, expression in pattern.findall(source.read()):
                expressions[name] = expression
    values = {}

    def value(name):
        if name not in values:
            text = re.sub(r"\bfast::", "", expressions[name])
            text = re.sub(r"-?0x[0-9a-fA-F.]+p[-+]?\d+",
                          lambda m: repr(float.fromhex(m.group(0))), text)
            names = {n: value(n) for n in re.findall(r"(?<![\w.])[A-Za-z_]\w*", text)}
            values[name] = eval(text, {"__builtins__": {}}, names)  # noqa: S307
        return values[name]

    return value


def budgets(value):
    entries = LogEntries()
    reductions, r, relative = trig_reductions()
    exp_double = exp_fast(0)
    fast_log, fast_log_bound = log_fast(entries)
    result = [exp_double, exp_fast(mpf(3) / 2 * mpf(2) ** -43)]
    result += pair_sums()
    result += quotient_forms(exp_double.total(), {"quotientStart": value("quotientStart")})
    result += [fast_log]
    result += log_short(entries)
    result += log_base2(entries)
    result += log_dd_and_log1p(value("logFastEps"))
    result += reductions
    result += [sin_cos_kernel(r, relative), atan_quotient()]
    result += taylor_tables()
    columns_of_log = log_columns(entries)
    result += [exp_column()] + columns_of_log + trig_columns(r, relative)
    result += log10_columns(columns_of_log[0], columns_of_log[1])
    result += power_column(entries, value)
    result += [arctan2_column(), pythag_column()] + hyperbolic_columns()
    return result


def main():
    check = "--check" in sys.argv[1:]
    value = stated(SOURCE)
    failed = []
    print(f"{'kernel':<44} {'stated':>9} {'recomputed':>11} {'margin':>7}")
    for b in budgets(value):
        bound = mpf(value(b.constant))
        total = b.total()
        margin = bits(bound) - bits(total)
        print(f"{b.name:<44} 2^{bits(bound):<7.2f} 2^{bits(total):<9.2f} {margin:6.2f}  "
              f"({b.constant})")
        if "--terms" in sys.argv[1:] or margin < 0:
            for what, v in b.terms:
                print(f"    {what:<76} 2^{bits(v):.2f}")
        if margin < 0:
            failed.append(b.constant)
    if failed:
        print("stated bounds below the recomputed ones: " + ", ".join(failed))
    return 1 if failed and check else 0


if __name__ == "__main__":
    sys.exit(main())
