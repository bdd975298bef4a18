#!/usr/bin/env python3
"""Prints the doubles nearest to multiples of pi/2, one or two per binary
exponent, as "function,x," lines for gen_math_reference.py --arguments:
the arguments whose reduction modulo pi/2 cancels the most, where sin,
cos, tan and their relatives are tiny or huge and only an exact reduction
gets them right. Found from the continued fraction of 2^(E+1)/pi: its
convergents' denominators q make q 2^(E+1)/pi nearly whole.
    python3 tools/gen_reduction_cases.py >> args.csv
"""

import sys

from mpmath import mp, mpf

# The sibling modules, imported without leaving compiled files in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, __file__.rsplit("/", 1)[0])
import mathcatalogue  # noqa: E402

mp.prec = 2400

TWO_63 = 2 ** 63


def trigonometric(guarded):
    """The trigonometric functions of the catalogue, the guarded ones
    (refusing arguments beyond 2^63) or the others."""
    return [f.name for f in mathcatalogue.functions()
            if f.family == "trigonometric" and ("2^63" in f.domain) == guarded]


def convergent_denominators(alpha, limit):
    """Denominators of the continued fraction convergents of alpha below limit."""
    q_prev, q = 1, 0
    a = alpha
    out = []
    for _ in range(200):
        whole = int(mp.floor(a))
        q_prev, q = q, whole * q + q_prev
        if q >= limit:
            break
        if q > 0:
            out.append(q)
        frac = a - whole
        if frac == 0:
            break
        a = 1 / frac
    return out


def nearest_to_multiple(exponent):
    """(distance, M): a 53-bit M with M 2^exponent close to a multiple of
    pi/2, distance = |M 2^(exponent+1)/pi - nearest integer|."""
    alpha = mpf(2) ** (exponent + 1) / mp.pi
    best = None
    for q in convergent_denominators(alpha, 2 ** 53):
        m = q * -(-(2 ** 52) // q)  # the smallest multiple of q with 53 bits
        if m >= 2 ** 53:
            continue
        distance = abs(m * alpha - mp.nint(m * alpha))
        if best is None or distance < best[0]:
            best = (distance, m)
    return best


def main():
    found = []
    for exponent in range(-60, 972):
        best = nearest_to_multiple(exponent)
        if best is not None:
            found.append((best[0], best[1], exponent))
    # Every small exponent (arguments up to 2^12), and the 40 nearest of
    # all the others.
    chosen = [f for f in found if f[2] < -40]
    chosen += sorted((f for f in found if f[2] >= -40), key=lambda f: f[0])[:40]
    unguarded, guarded = trigonometric(False), trigonometric(True)
    for _, m, exponent in chosen:
        x = float(mpf(m) * mpf(2) ** exponent)
        names = unguarded + (guarded if abs(x) <= TWO_63 else [])
        for name in names:
            print(f"{name},{x!r},")


if __name__ == "__main__":
    main()
