#!/usr/bin/env python3
"""Settles the cases that tools/mathcheck.cpp could not decide in quad
precision, and re-checks the ones it found wrong, with 300-bit mpmath.

Each line of the cases file is "function,x,z,ours" (ours "!" when the
routine raised an error). Prints every case whose result is not the
correctly rounded double (or not the expected error) and a summary;
exits 1 if there is any.
    python3 tools/verify_math_cases.py cases.csv
"""

import sys

# The sibling modules, imported without leaving compiled files in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, __file__.rsplit("/", 1)[0])
import gen_math_reference as ref  # noqa: E402


def main():
    checked = wrong = 0
    with open(sys.argv[1]) as lines:
        for line in lines:
            line = line.strip()
            if not line:
                continue
            name, x, z, ours = line.split(",")
            args = [float(x)] + ([float(z)] if z else [])
            expected, _ = ref.describe(ref.definition(name), args)
            checked += 1
            if ours == "!":
                good = expected.startswith("!")
            else:
                good = not expected.startswith("!") and float(expected) == float(ours)
            if not good:
                wrong += 1
                print(f"WRONG {name}({x};{z}) gave {ours}, expected {expected}")
    print(f"{checked} cases settled with 300-bit arithmetic, {wrong} not correctly rounded")
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
