#!/usr/bin/env python3
"""Writes the math library's tables, one file per family: the constants and
tables of the fast double-double paths, each entry rounded from 300-bit
mpmath values.

Run by hand after changing a table's layout; the output is committed, and
`make test` checks that it is what this script writes:
    python3 tools/gen_math_tables.py exponential > mathlib/exponentialtables.cpp
    python3 tools/gen_math_tables.py trigonometric > mathlib/trigonometrictables.cpp
    python3 tools/gen_math_tables.py inversetrigonometric > mathlib/inversetrigonometrictables.cpp
    python3 tools/gen_math_tables.py hyperbolic > mathlib/hyperbolictables.cpp
    python3 tools/gen_math_tables.py --check mathlib
Needs Debian's python3-mpmath.
"""

import io
import os
import struct
import sys

from mpmath import mp, mpf

mp.prec = 300


def dd(value):
    """value as hi + lo, each a double, hi the nearest double."""
    hi = float(value)
    lo = float(value - mpf(hi))
    return hi, lo


def split_bits(value, bits):
    """value as a sum of doubles of at most `bits` significant bits each
    (the last one of 53): pieces whose products with small integers are
    exact."""
    pieces = []
    rest = value
    for _ in range(2):
        exponent = mp.floor(mp.log(abs(rest), 2))
        unit = mpf(2) ** (exponent - bits + 1)
        piece = mp.nint(rest / unit) * unit
        pieces.append(float(piece))
        rest -= piece
    pieces.append(float(rest))
    return pieces


def h(x):
    return float(x).hex()


def pair(value):
    hi, lo = dd(value)
    return f"{{{h(hi)}, {h(lo)}}}"


def integral_taylor(value, q0, q1, q2, alpha, n):
    """f(c + t) = a0 + a1 t + ... + an t^n for f(c) = value and f' =
    q^alpha, q = q0 + q1 t + q2 t^2: a_k = g_(k-1)/k for the coefficients
    g of q^alpha, which follow from q g' = alpha q' g."""
    g = [q0 ** alpha]
    for k in range(n):
        previous = g[k - 1] if k >= 1 else mpf(0)
        g.append((q1 * (alpha - k) * g[k] + q2 * (2 * alpha - k + 1) * previous)
                 / (q0 * (k + 1)))
    return [value] + [g[k - 1] / k for k in range(1, n + 1)]


def sinh_taylor(c, n):
    return [(mp.sinh(c) if k % 2 == 0 else mp.cosh(c)) / mp.factorial(k) for k in range(n + 1)]


def cosh_taylor(c, n):
    return [(mp.cosh(c) if k % 2 == 0 else mp.sinh(c)) / mp.factorial(k) for k in range(n + 1)]


def tanh_taylor(c, n):
    """From y' = 1 - y^2: (k + 1) y_(k+1) = [k = 0] - sum y_j y_(k-j)."""
    y = [mp.tanh(c)]
    for k in range(n):
        square = sum(y[j] * y[k - j] for j in range(k + 1))
        y.append(((1 if k == 0 else 0) - square) / (k + 1))
    return y


TAYLOR_GRID = mpf(2) ** -44
TAYLOR_REACH = mpf(2) ** -9 * (1 + mpf(2) ** -40)


class TaylorTable:
    """The Taylor polynomials of degree 8 of f at c = i/256, i < count,
    for |t| <= 2^-9, with the limits the generator checks (as powers of
    2, relative to f): of the remainder with the table's roundings, and of
    the part the kernel evaluates in doubles."""

    def __init__(self, name, function, taylor, count, remainder_limit, higher_limit):
        self.name = name
        self.function = function
        self.taylor = taylor
        self.count = count
        self.remainder_limit = remainder_limit
        self.higher_limit = higher_limit

    def measure(self):
        """Per entry: the 61 Taylor coefficients, and, relative to the
        smallest |f| of the interval (for i = 0 of an odd f relative to t
        itself, which f(t) exceeds), the Taylor remainder with the
        double-doubles' roundings (the coefficients shrink by about 2^-8 a
        term against 2^-9 per power of t, so 60 terms leave nothing), and
        the size of the part in doubles, t^2 (a2 + ...), whose rounding the
        kernel bounds. Returns (entries, worst remainder, worst higher)."""
        reach = TAYLOR_REACH
        entries = []
        worst_remainder = worst_higher = mpf(0)
        for i in range(self.count):
            c = mpf(i) / 256
            a = self.taylor(c, 60)
            if i == 0:
                smallest = reach if self.function(mpf(0)) == 0 else self.function(mpf(0))
            else:
                smallest = self.function(c - reach)
            remainder = mpf(2) ** -98 + abs(a[1] - sum(dd(a[1]), mpf(0))) * reach
            remainder += sum(abs(a[k]) * reach ** k for k in range(9, 61))
            higher = sum(abs(a[k]) * reach ** k for k in range(2, 9))
            worst_remainder = max(worst_remainder, remainder / smallest)
            worst_higher = max(worst_higher, higher / smallest)
            entries.append(a)
        return entries, worst_remainder, worst_higher

    def write(self, out):
        """The table: f(c) as a head on the 2^-44 grid and a tail, so that
        pi/2 (split the same way) plus or minus it or twice it is exact; the
        slope as a double-double and the seven higher coefficients as
        doubles. Checked: the two limits; that |a4| <= 1, which bounds the
        term the kernel leaves out of a low part's derivative; and that
        f(c) >= |slope| 2^-9 for i > 0, so that f(c) and the slope's product
        add as an exact fastTwoSum."""
        entries, worst_remainder, worst_higher = self.measure()
        out.write(f"const TaylorEntry {self.name}[{self.count}] = {{\n")
        for i, a in enumerate(entries):
            assert abs(a[4]) <= 1
            assert i == 0 or a[0] >= abs(a[1]) * TAYLOR_REACH
            coefficients = ", ".join(h(a[k]) for k in range(2, 9))
            head = mp.nint(a[0] / TAYLOR_GRID) * TAYLOR_GRID
            out.write(f"    {{{{{h(head)}, {h(a[0] - head)}}}, {pair(a[1])}, {{{coefficients}}}}},\n")
        assert worst_remainder < mpf(2) ** self.remainder_limit, mp.log(worst_remainder, 2)
        assert worst_higher < mpf(2) ** self.higher_limit, mp.log(worst_higher, 2)
        out.write("};\n")


# asin on [0, 1/2] and atan on [0, 1]: asin' = (1 - (c + t)^2)^(-1/2),
# atan' = (1 + (c + t)^2)^-1.
ASIN_TABLE = TaylorTable(
    "asinTable", mp.asin,
    lambda c, n: integral_taylor(mp.asin(c), 1 - c * c, -2 * c, mpf(-1), mpf(-1) / 2, n),
    129, -77, -17.7)
ATAN_TAYLOR_TABLE = TaylorTable(
    "atanTaylorTable", mp.atan,
    lambda c, n: integral_taylor(mp.atan(c), 1 + c * c, 2 * c, mpf(1), mpf(-1), n),
    257, -75, -16.7)
# sinh on [0, 1/2], cosh on [0, 1] and tanh on [0, 0.55].
SINH_TAYLOR_TABLE = TaylorTable("sinhTaylorTable", mp.sinh, sinh_taylor, 129, -77, -17.7)
COSH_TAYLOR_TABLE = TaylorTable("coshTaylorTable", mp.cosh, cosh_taylor, 257, -77, -17.7)
TANH_TAYLOR_TABLE = TaylorTable("tanhTaylorTable", mp.tanh, tanh_taylor, 142, -77, -16.7)


def exp_split_table():
    """2^(j/256) for j = 0..255 as (head, tail): the head keeps 27 bits,
    the tail is (hi - head) + lo rounded to a double."""
    rows = []
    for j in range(256):
        hi, lo = dd(mpf(2) ** (mpf(j) / 256))
        bits = struct.unpack("<Q", struct.pack("<d", hi))[0] & ~((1 << 26) - 1)
        head = struct.unpack("<d", struct.pack("<Q", bits))[0]
        rows.append((head, (hi - head) + lo))
    return rows


def log_inverse(i):
    """c near 1/(1 + i/256) with 9 significant bits."""
    return mp.nint(512 / (1 + mpf(i) / 256)) / 512


LOG_GRID = mpf(2) ** -42


def log_table():
    """For the intervals centred on 1 + i/256 (i = 0..256): (c, head,
    tail). Above sqrt 2 the argument counts as half of it times 2 (see
    LogEntry). c has 9 significant bits, so that m c - 1 is exact in
    double; -ln c has a head on the 2^-42 grid of ln 2's head, so that e
    ln2 + head is exact."""
    rows = []
    for i in range(257):
        centre = 1 + mpf(i) / 256
        inverse = log_inverse(i)
        assert inverse == 1 or 256 <= inverse * 512 < 512
        low, high = centre - mpf(1) / 512, centre + mpf(1) / 512
        assert max(abs(low * inverse - 1), abs(high * inverse - 1)) < mpf(2) ** -8.3
        value = -mp.log(inverse) - (mp.log(2) if centre > mp.sqrt(2) else 0)
        head = mp.nint(value / LOG_GRID) * LOG_GRID
        rows.append((inverse, float(head), float(value - head)))
    return rows


def log2_table():
    """The same entries' -log2(c), less 1 above sqrt 2, as (head, tail),
    the head on the 2^-42 grid so that e + head is exact."""
    rows = []
    for i in range(257):
        centre = 1 + mpf(i) / 256
        value = -mp.log(log_inverse(i), 2) - (1 if centre > mp.sqrt(2) else 0)
        head = mp.nint(value / LOG_GRID) * LOG_GRID
        rows.append((float(head), float(value - head)))
    return rows


def exponential(out):
    # exp: x = (256 k + j) ln2 / 256 + r.
    ln2 = mp.log(2)
    a, b, c = split_bits(ln2 / 256, 34)
    out.write(f"const double ln2Over256[3] = {{{h(a)}, {h(b)}, {h(c)}}};\n")
    out.write(f"const double log2eTimes256 = {h(256 / ln2)};\n\n")
    out.write("const ExpSplitEntry expSplitTable[256] = {\n")
    for head, tail in exp_split_table():
        out.write(f"    {{{h(head)}, {h(tail)}}},\n")
    out.write("};\n\n")

    a, b, c = split_bits(ln2, 42)
    out.write(f"const double ln2Parts[3] = {{{h(a)}, {h(b)}, {h(c)}}};\n")
    out.write("const LogEntry logTable[257] = {\n")
    for inverse, head, tail in log_table():
        out.write(f"    {{{h(inverse)}, {{{h(head)}, {h(tail)}}}}},\n")
    out.write("};\n\n")
    out.write("const DD log2Table[257] = {\n")
    for head, tail in log2_table():
        out.write(f"    {{{h(head)}, {h(tail)}}},\n")
    out.write("};\n\n")

    out.write(f"const DD ln2DD = {pair(ln2)};\n")
    out.write(f"const DD invLn2DD = {pair(1 / ln2)};\n")
    out.write(f"const DD invLn10DD = {pair(1 / mp.log(10))};\n")


def trigonometric(out):
    # sin and cos: sin(k pi / 512) for k = 0..256.
    out.write("const DD sinTable[257] = {\n")
    for k in range(257):
        out.write(f"    {pair(mp.sin(mp.pi * k / 512))},\n")
    out.write("};\n\n")
    a, b, c = split_bits(mp.pi / 512, 53)
    out.write(f"const double piOver512[3] = {{{h(a)}, {h(b)}, {h(c)}}};\n")
    a, b, c = split_bits(mp.pi / 512, 33)
    out.write(f"const double piOver512Short[3] = {{{h(a)}, {h(b)}, {h(c)}}};\n")
    out.write(f"const double invPiOver512 = {h(512 / mp.pi)};\n")
    # 1/pi in 64-bit words, most significant first: word w holds the bits
    # of weights 2^(-64w-1) .. 2^(-64w-64).
    words = []
    with mp.workprec(1600):
        rest = 1 / mp.pi
        for _ in range(22):
            rest *= mpf(2) ** 64
            word = int(mp.floor(rest))
            words.append(word)
            rest -= word
    out.write("const std::uint64_t invPiBits[22] = {\n")
    for i in range(0, len(words), 3):
        out.write("    " + ", ".join(f"0x{w:016x}u" for w in words[i:i + 3]) + ",\n")
    out.write("};\n")
    out.write(f"const DD piOver512DD = {pair(mp.pi / 512)};\n")


def inversetrigonometric(out):
    # atan: atan(i/256) for i = 0..256.
    out.write("const DD atanTable[257] = {\n")
    for i in range(257):
        out.write(f"    {pair(mp.atan(mpf(i) / 256))},\n")
    out.write("};\n\n")
    ASIN_TABLE.write(out)
    ATAN_TAYLOR_TABLE.write(out)
    head = mp.nint(mp.pi / 2 / TAYLOR_GRID) * TAYLOR_GRID
    out.write(f"const DD halfPiOnGrid = {{{h(head)}, {h(mp.pi / 2 - head)}}};\n\n")
    out.write(f"const DD piDD = {pair(mp.pi)};\n")
    out.write(f"const DD halfPiDD = {pair(mp.pi / 2)};\n")


def hyperbolic(out):
    SINH_TAYLOR_TABLE.write(out)
    COSH_TAYLOR_TABLE.write(out)
    TANH_TAYLOR_TABLE.write(out)


FAMILIES = {
    "exponential": exponential,
    "trigonometric": trigonometric,
    "inversetrigonometric": inversetrigonometric,
    "hyperbolic": hyperbolic,
}


def generate(family):
    """The text of mathlib/<family>tables.cpp."""
    out = io.StringIO()
    command = f"python3 tools/gen_math_tables.py {family} > mathlib/{family}tables.cpp"
    out.write(f"// Generated from 300-bit values by\n//   {command}\n// Do not edit.\n\n")
    out.write(f'#include "{family}tables.h"\n\nnamespace quorvex::fast {{\n\n')
    FAMILIES[family](out)
    out.write("\n} // namespace quorvex::fast\n")
    return out.getvalue()


def check(directory):
    """Whether every committed table is what the generator writes."""
    stale = []
    for family in FAMILIES:
        path = os.path.join(directory, f"{family}tables.cpp")
        with open(path, encoding="utf-8") as committed:
            if committed.read() != generate(family):
                stale.append(path)
    for path in stale:
        print(f"{path} differs from the generator's output")
    print(f"{len(FAMILIES) - len(stale)} of {len(FAMILIES)} tables as generated")
    return 1 if stale else 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        return check(sys.argv[2])
    if len(sys.argv) == 2 and sys.argv[1] in FAMILIES:
        sys.stdout.write(generate(sys.argv[1]))
        return 0
    sys.stderr.write(f"usage: {sys.argv[0]} {{{','.join(FAMILIES)}}} | --check DIRECTORY\n")
    return 2


if __name__ == "__main__":
    sys.exit(main())
