#!/usr/bin/env python3
"""Writes the reference table for the math routines' accuracy test.

Each row names a routine of the standard math context, its argument(s), and
either the correctly rounded double of the true result or the message of the
error the routine must raise. The true result is computed with mpmath at 300
bits, for the functions exactly as the calculator defines them (its domain
checks, its power rules, arccot in (-pi/2, pi/2), arcsec in [0, pi], ...).

Run by hand after changing the argument lists; the table is committed:
    python3 tools/gen_math_reference.py > tests/mathlib/data/math_reference.csv
With --arguments FILE it describes the "function,x,z" lines of FILE instead
(the ordinary and the hard-to-round arguments that tools/mathcheck.cpp
writes), in the same format:
    python3 tools/gen_math_reference.py --arguments args.csv > table.csv
Needs Debian's python3-mpmath.
"""

import math
import random
import sys
from fractions import Fraction

import mpmath
from mpmath import mp, mpf

# The sibling modules, imported without leaving compiled files in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, __file__.rsplit("/", 1)[0])
import mathcatalogue  # noqa: E402

mp.prec = 300

DOMAIN = "Domain check failure in Kerrowin"
POWER_INFINITE = "Power function: Result is infinite"
POWER_COMPLEX = "Power function: Result is complex"
ZERO_DIVIDE = "Floating point division by zero"
INVALID = "Invalid floating point operation"
OVERFLOW = "Floating point overflow"

TWO_63 = mpf(2) ** 63
DBL_MAX = sys.float_info.max
DBL_TRUE_MIN = 5e-324


class Fault(Exception):
    """The error a routine raises for an argument."""


def fail(message):
    raise Fault(message)


def check(failed, message=DOMAIN):
    if failed:
        fail(message)


def guarded(x):
    check(abs(x) > TWO_63)
    return x


# --- the functions as the calculator defines them --------------------------

class Definitions:
    """One method per catalogue function (mathlib/catalogue.def), named as
    the function: its true value for mpf arguments, or the Fault the
    routine raises. A catalogue function without one stops the script."""

    @staticmethod
    def sin(x):
        return mpmath.sin(x)

    @staticmethod
    def cos(x):
        return mpmath.cos(x)

    @staticmethod
    def exp(x):
        return mpmath.exp(x)

    @staticmethod
    def ln(x):
        check(x == 0, ZERO_DIVIDE)
        check(x < 0, INVALID)
        return mpmath.log(x)

    @staticmethod
    def square(x):
        return x * x

    @staticmethod
    def sqrt(x):
        check(x < 0, INVALID)
        return mpmath.sqrt(x)

    @staticmethod
    def abs(x):
        return abs(x)

    @staticmethod
    def tan(x):
        return mpmath.tan(guarded(x))

    @staticmethod
    def arctan(x):
        return mpmath.atan(x)

    @staticmethod
    def logbase10(x):
        check(x <= 0)
        return mpmath.log10(x)

    @staticmethod
    def logbase2(x):
        check(x <= 0)
        return mpmath.log(x, 2)

    @staticmethod
    def cot(x):
        guarded(x)
        check(x == 0, ZERO_DIVIDE)
        return 1 / mpmath.tan(x)

    @staticmethod
    def sec(x):
        return 1 / mpmath.cos(guarded(x))

    @staticmethod
    def csc(x):
        guarded(x)
        check(x == 0)
        return 1 / mpmath.sin(x)

    @staticmethod
    def arcsin(x):
        check(abs(x) > 1)
        return mpmath.asin(x)

    @staticmethod
    def arccos(x):
        check(abs(x) > 1)
        return mpmath.acos(x)

    @staticmethod
    def arccot(x):
        check(x == 0)
        return mpmath.atan(1 / x)

    @staticmethod
    def arcsec(x):
        check(abs(x) < 1, INVALID)
        return mpmath.acos(1 / x)

    @staticmethod
    def arccsc(x):
        check(abs(x) < 1, INVALID)
        return mpmath.asin(1 / x)

    @staticmethod
    def cosh(x):
        return mpmath.cosh(x)

    @staticmethod
    def coth(x):
        check(x == 0, ZERO_DIVIDE)
        return mpmath.coth(x)

    @staticmethod
    def csch(x):
        check(x == 0)
        return mpmath.csch(x)

    @staticmethod
    def sech(x):
        return mpmath.sech(x)

    @staticmethod
    def sinh(x):
        return mpmath.sinh(x)

    @staticmethod
    def tanh(x):
        return mpmath.tanh(x)

    @staticmethod
    def arccosh(x):
        check(x < 1)
        return mpmath.acosh(x)

    @staticmethod
    def arccoth(x):
        check(abs(x) == 1)
        check(abs(x) < 1, INVALID)
        return mpmath.acoth(x)

    @staticmethod
    def arccsch(x):
        check(x == 0)
        return mpmath.asinh(1 / x)

    @staticmethod
    def arcsech(x):
        check(abs(x) > 1)
        check(x == 0, ZERO_DIVIDE)
        check(x < 0, INVALID)
        return mpmath.log((1 + mpmath.sqrt(1 - x * x)) / x)

    @staticmethod
    def arcsinh(x):
        return mpmath.asinh(x)

    @staticmethod
    def arctanh(x):
        check(abs(x) >= 1)
        return mpmath.atanh(x)

    @staticmethod
    def coversine(x):
        return 1 - mpmath.sin(guarded(x))

    @staticmethod
    def exsecans(x):
        return 1 / mpmath.cos(guarded(x)) - 1

    @staticmethod
    def haversine(x):
        return (1 - mpmath.cos(guarded(x))) / 2

    @staticmethod
    def versine(x):
        return 1 - mpmath.cos(guarded(x))

    @staticmethod
    def power(x, z):
        if z == 0 or x == 1:
            return mpf(1)
        if x == 0:
            if z > 0:
                return mpf(0)
            fail(POWER_INFINITE)
        if x > 0:
            return mpmath.power(x, z)
        check(z != int(z), POWER_COMPLEX)
        r = mpmath.power(-x, z)
        return -r if int(z) % 2 == 1 else r

    @staticmethod
    def pythag(h, v):
        return mpmath.hypot(h, v)

    @staticmethod
    def logbasen(base, x):
        check(x <= 0 or base <= 0 or base == 1)
        return mpmath.log(x) / mpmath.log(base)

    @staticmethod
    def arctan2(x, z):
        return mpmath.atan2(x, z)


def definition(name):
    """The definition of the catalogue function `name`."""
    return getattr(Definitions, name)


def catalogue(arity):
    """(name, definition) of every catalogue function of that many
    arguments, in catalogue order."""
    return [(f.name, definition(f.name)) for f in mathcatalogue.functions() if f.arity == arity]


# --- arguments ---------------------------------------------------------------

def up(x):
    return math.nextafter(x, math.inf)


def down(x):
    return math.nextafter(x, -math.inf)


def signed(values):
    return sorted({v for x in values for v in (x, -x)})


# Magnitudes every unary routine is tried at, with both signs.
COMMON = signed([
    0.0, DBL_TRUE_MIN, 1e-310, 1e-300, 1e-30, 1e-10, 1e-5, 0.001, 0.1, 0.3,
    0.5, 0.7, 0.9, 1.0, 1.5, 2.0, 3.0, 5.0, 10.0, 33.3, 100.0, 1e3, 1e5,
    1e10, 1e15, 1e19, 1e100, 1e300, DBL_MAX,
])

PI = math.pi
TWO_63_F = 9223372036854775808.0
# Near zeros and poles of the trigonometric functions, the 2^63 guard, and
# arguments whose reduction modulo pi is notoriously hard.
TRIG = signed([
    PI / 2, up(PI / 2), down(PI / 2), PI, up(PI), 2 * PI, 3 * PI / 2,
    100 * PI, 1e6 * PI, 710.0, 1e22, 5.319372648326541e255,
    TWO_63_F, down(TWO_63_F), up(TWO_63_F), 1.5e-8, 2e-4,
])

NEAR_ONE = signed([
    down(1.0), up(1.0), 0.9999, 1.0001, 1 - 2 ** -30, 1 + 2 ** -30, 0.99, 1.01,
])

EXTRAS = {
    "sin": TRIG, "cos": TRIG, "tan": TRIG, "cot": TRIG, "sec": TRIG,
    "csc": TRIG, "coversine": TRIG, "exsecans": TRIG, "haversine": TRIG,
    "versine": TRIG,
    "exp": signed([709.78, 709.782712893384, 709.79, 745.13, 745.2, 708.4,
                   1000.0, 1e-20, 0.693, 36.0, 400.0, 600.0]),
    "ln": [down(1.0), up(1.0), 2.0, 1e-308],
    "logbase10": [down(1.0), up(1.0), 1e-308, 1e22, 1e-22],
    "logbase2": [down(1.0), up(1.0), 0.75, 1e-308, 2.0 ** 1000, 3.0],
    "square": [1.3407807929942596e154, 1.3407807929942597e154, 1.5e-162],
    "cosh": signed([710.0, 710.47, 710.476, 710.48, 711.0, 11356.0, 11357.0,
                    20.0, 40.0, 1e-8]),
    "sinh": signed([710.0, 710.47, 710.476, 710.48, 711.0, 11356.0, 11357.0,
                    0.99, 1.01, 20.0, 40.0, 1e-8]),
    "tanh": signed([6000.0, 5678.26, 5678.27, 19.0, 20.0, 23.0, 0.01, 1e-8,
                    0.55, 0.6]),
    "coth": signed([6000.0, 19.0, 20.0, 0.01, 1e-8, 1e-307]),
    "csch": signed([64.0, 64.5, 700.0, 745.0, 746.0, 11357.0, 0.99, 1.01,
                    1e-8, 1e-307]),
    "sech": signed([64.0, 64.5, 700.0, 745.0, 746.0, 11357.0, 1e-8]),
    "arcsin": NEAR_ONE + signed([1e-8, 0.5000001]),
    "arccos": NEAR_ONE + signed([1e-8, 0.5000001]),
    "arcsec": NEAR_ONE + signed([1.7, 4.0, 1e8]),
    "arccsc": NEAR_ONE + signed([1.7, 4.0, 1e8]),
    "arctanh": NEAR_ONE + signed([0.55, 1e-8]),
    "arccoth": NEAR_ONE + signed([1.7, 4.0, 1e8]),
    # Between 2^27 and 1e10 the arguments below round differently without
    # the 1/(4x^2) term of the large-argument series.
    "arccosh": NEAR_ONE + [1.7, 4.0, 1e8, 1e154, 1e155, 302225489.8813885,
                           160664703.33403027, 1253636790.5044522],
    "arcsech": NEAR_ONE + [1e-8, 0.05, 0.25],
    "arcsinh": signed([0.75, 1.9, 2.1, 1e154, 1e-8, 180974950.87632978,
                       327367549.88798827, 1139867295.4508193]),
    "arccsch": signed([0.75, 1.9, 2.1, 1e154, 1e-8, 1e-154]),
    "arccot": signed([1e-8, 0.75, 4.0]),
    "arctan": signed([1e-8, 0.75, 4.0, 1e16]),
}

# Extra random arguments per routine: log-uniform magnitudes in [lo, hi],
# negated when `both_signs`.
RANDOM_RANGES = {
    "exp": (1e-6, 700.0, True),
    "cosh": (1e-6, 700.0, True),
    "sinh": (1e-6, 700.0, True),
    "tanh": (1e-6, 30.0, True),
    "coth": (1e-6, 30.0, True),
    "csch": (1e-6, 700.0, True),
    "sech": (1e-6, 700.0, True),
    "arcsin": (1e-6, 1.0, True),
    "arccos": (1e-6, 1.0, True),
    "arctanh": (1e-6, 1.0, True),
    "arcsech": (1e-6, 1.0, False),
    "arccosh": (1.0, 1e6, False),
    "sqrt": (1e-6, 1e6, False),
    "ln": (1e-6, 1e6, False),
    "logbase10": (1e-6, 1e6, False),
    "logbase2": (1e-6, 1e6, False),
}
DEFAULT_RANGE = (1e-6, 1e6, True)

BINARY_ARGUMENTS = {
    "power": [
        (0.0, 0.0), (1.0, 1e308), (0.0, 2.0), (0.0, -1.0), (-8.0, 0.5),
        (-2.0, 3.0), (-2.0, 2.0), (-2.0, -3.0), (-0.5, 5.0), (-3.0, 1e20),
        (2.0, 0.5), (2.0, 1023.0), (2.0, 1024.0), (2.0, -1074.0),
        (2.0, -1075.0), (10.0, 308.0), (10.0, 309.0), (10.0, -323.0),
        (1.0000001, 7.09e9), (0.9999999, 7.4e9), (1.5, 1750.0),
        (1.4, 2100.0), (0.75, -2460.0), (1e308, 1.0), (1e-308, -1.0),
        (1e300, 1.02), (5e-324, 0.5), (-5e-324, 1.0), (7.0, 1 / 3),
        (-27.0, 3.0), (3.0, -0.5), (123.456, 7.89), (0.001, 100.0),
        (2.5, 1e-10), (1e10, 30.0), (-1e10, 31.0), (-10.0, 308.0),
        (-10.0, 309.0), (-1.0, 1e300), (-1.0, 12345.0), (0.0, -0.5),
        (-4.0, 2.5), (-1.0, 0.5), (1.0, -1e308),
    ],
    "pythag": [
        (3.0, 4.0), (-3.0, -4.0), (0.0, 0.0), (1e200, 1e200), (0.0, 5.0),
        (5.0, 0.0), (1e308, 1e308), (1.2e308, 1.2e308), (DBL_MAX, 1.0),
        (DBL_TRUE_MIN, DBL_TRUE_MIN), (1e-310, 3e-310), (1e-200, 1e-200),
        (1.0, 1e-10), (1e-10, 1.0), (1.0, 1.0), (-7.5, 2.25), (1e154, 1e154),
        (6.0, 8.0), (0.1, 0.2), (1e300, 1e-300),
    ],
    "logbasen": [
        (1.0, 5.0), (2.0, 0.0), (4.0, 6.25), (10.0, 1000.0), (2.0, 1024.0),
        (0.5, 8.0), (-2.0, 8.0), (0.0, 8.0), (2.0, -1.0), (up(1.0), 2.0),
        (down(1.0), 2.0), (1e-308, 1e308), (1e308, 1e-308), (3.0, 3.0),
        (7.0, 1.0), (2.0, DBL_TRUE_MIN), (1.0001, 1.0001 ** 2), (1e-5, 1e10),
        (100.0, up(1.0)), (5.0, 0.2), (0.5, 1.0),
    ],
    "arctan2": [
        (1.0, 0.0), (0.0, -1.0), (-1.0, -1.0), (0.0, 0.0), (1.0, 1.0),
        (-1.0, 1.0), (1.0, -1.0), (0.0, 1.0), (-1.0, 0.0), (1e-300, 1e300),
        (1e300, 1e-300), (1e-300, -1e300), (-1e-300, -1e300), (3.0, 4.0),
        (DBL_TRUE_MIN, -1.0), (-DBL_TRUE_MIN, -1.0), (1e308, -1e308),
        (2.0, -1e-10), (0.5, 1e-20), (-7.0, 3.0),
    ],
}


def root_of(target, n):
    """The double nearest to target^(1/n), and its two neighbours: bases
    whose n-th power lands right at a range edge."""
    x = float(mpf(target) ** (mpf(1) / n))
    return [down(x), x, up(x)]


# Whole exponents, which take a faster path than the rest: the common
# cases, the ends of that path, and powers landing at the edges of the
# double range (overflow, the smallest normal, the smallest subnormal).
WHOLE_POWERS = [
    (1.0041666666666667, 120.0), (0.999, 1000.0), (1.5, -1000.0),
    (-3.0, 51.0), (-3.0, 50.0), (-3.0, -51.0), (10.0, 22.0), (10.0, -22.0),
    (10.0, 23.0), (2.0, 1023.0), (2.0, -1022.0), (1 + 2 ** -52, 1024.0),
    (1 + 2 ** -52, 512.0), (1 - 2 ** -53, -512.0), (1.0001, 512.0),
    (1.0001, 513.0), (1.0001, -512.0), (1.0001, -513.0), (-1.0001, 511.0),
    (-1.0001, -511.0), (0.5, 512.0), (0.25, 512.0), (0.25, 537.0),
    (0.25, 538.0), (4.0, 511.0), (4.0, 512.0), (0.25, -512.0),
    (0.25, -511.0), (1e300, 2.0), (1e-300, 2.0), (1e-300, -2.0),
    (DBL_MAX, 2.0), (DBL_MAX, -2.0), (DBL_TRUE_MIN, 2.0),
    (DBL_TRUE_MIN, -2.0), (DBL_MAX, -512.0), (DBL_TRUE_MIN, 512.0),
    (-DBL_TRUE_MIN, -1.0), (7.0, 3.0), (-0.1, 3.0), (0.1, -300.0),
    # Moderate results of fractional exponents, either side of 2^64.
    (2.0, 63.5), (2.0, 64.0), (2.0, 64.5), (2.0, -63.5), (2.0, -64.5),
    (1.0041666666666667, 120.5), (1 + 2 ** -40, 3e13),
] + [
    (x, float(n))
    for target, n in [(DBL_MAX, 3), (DBL_MAX, 101), (DBL_MAX, 511),
                      (DBL_MAX, -3), (DBL_MAX, -511), (2.0 ** -1022, 5),
                      (2.0 ** -1022, 300), (DBL_TRUE_MIN, 7),
                      (DBL_TRUE_MIN, 400), (DBL_TRUE_MIN, -400)]
    for x in root_of(target, n)
]


def random_whole_powers(rng, count):
    """Bases near and far from 1 raised to whole exponents, either sign."""
    out = []
    for _ in range(count):
        n = rng.randint(-600, 600) or 1
        if rng.random() < 0.5:
            x = 1 + rng.uniform(-0.05, 0.05)
        else:
            x = 2.0 ** (rng.uniform(-1000, 1000) / n)
        out.append((-x if rng.random() < 0.3 else x, float(n)))
    return out


def random_arguments(rng, name, count):
    lo, hi, both = RANDOM_RANGES.get(name, DEFAULT_RANGE)
    out = []
    for _ in range(count):
        x = math.exp(rng.uniform(math.log(lo), math.log(hi)))
        x = min(x, down(hi)) if hi == 1.0 else x
        out.append(-x if both and rng.random() < 0.5 else x)
    return out


def random_pairs(rng, name, count):
    out = []
    for _ in range(count):
        a = math.exp(rng.uniform(math.log(1e-3), math.log(1e3)))
        b = math.exp(rng.uniform(math.log(1e-3), math.log(1e3)))
        if name == "power":
            b = rng.uniform(-60.0, 60.0)
        elif name == "logbasen":
            pass
        else:
            a = a if rng.random() < 0.5 else -a
            b = b if rng.random() < 0.5 else -b
        out.append((a, b))
    return out


# --- output --------------------------------------------------------------------

def rounded(value):
    """The double nearest to an mpf (round half to even); OverflowError when
    beyond the double range."""
    if value == 0:
        return 0.0
    # Decide the far ends before building a Fraction of a huge power of 2.
    if mpmath.mag(value) > 1100:
        raise OverflowError
    if mpmath.mag(value) < -1200:
        return math.copysign(0.0, value)
    sign, man, exp, _ = value._mpf_
    magnitude = float(Fraction(man) * Fraction(2) ** exp)
    return -magnitude if sign else magnitude


def describe(func, args):
    try:
        value = func(*[mpf(a) for a in args])
    except Fault as fault:
        return "!" + str(fault), ""
    try:
        double = rounded(value)
    except OverflowError:
        return "!" + OVERFLOW, ""
    if math.isinf(double):
        return "!" + OVERFLOW, ""
    return repr(double), mpmath.nstr(value, 25, min_fixed=1, max_fixed=0)


def describe_arguments(path):
    """Rows for the "function,x,z" lines of a file, in its order, each
    argument pair once."""
    out = sys.stdout
    out.write("# function,x,z,expected,exact\n")
    out.write("# expected: correctly rounded double, or !message of the error\n")
    seen = set()
    with open(path) as lines:
        for line in lines:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name, x, z = line.split(",")[:3]
            key = (name, float(x), z and float(z))
            if key in seen:
                continue
            seen.add(key)
            args = [float(x)] + ([float(z)] if z else [])
            expected, exact = describe(definition(name), args)
            zfield = repr(float(z)) if z else ""
            out.write(f"{name},{float(x)!r},{zfield},{expected},{exact}\n")


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--arguments":
        describe_arguments(sys.argv[2])
        return
    rng = random.Random(20261208)
    out = sys.stdout
    out.write("# function,x,z,expected,exact\n")
    out.write("# expected: correctly rounded double, or !message of the error\n")
    for name, func in catalogue(1):
        args = sorted(set(COMMON) | set(EXTRAS.get(name, [])))
        args += random_arguments(rng, name, 20)
        for x in args:
            expected, exact = describe(func, [x])
            out.write(f"{name},{x!r},,{expected},{exact}\n")
    for name, func in catalogue(2):
        pairs = BINARY_ARGUMENTS[name] + random_pairs(rng, name, 30)
        if name == "power":
            # A generator of their own keeps the other rows unchanged.
            pairs += WHOLE_POWERS + random_whole_powers(random.Random(120), 40)
        for x, z in pairs:
            expected, exact = describe(func, [x, z])
            out.write(f"{name},{x!r},{z!r},{expected},{exact}\n")


if __name__ == "__main__":
    main()
