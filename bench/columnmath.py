#!/usr/bin/python3
"""The column rows of `make bench` for NumPy and numexpr: each function over
the same 1,000,000 rows as bench/columnbench.cpp, ns per row, medians of
repeated runs, numexpr on one thread. Given the library (libquorvex.so.1),
also our formula over the same columns through its C interface, and the
share of NumPy's rows that are not correctly rounded (ours are).

    python3 bench/columnmath.py [--library PATH] [--repeat N]

Needs Debian's python3-numpy and python3-numexpr (make bench-deps).
"""

import argparse
import ctypes
import statistics
import time

import numexpr
import numpy as np

ROWS = 1000000
FIRST_STEP = 0.6180339887498949
SECOND_STEP = 0.41421356237309503

# name, our formula, x range, z range, NumPy, numexpr (None: it has no such
# function), as columnbench.cpp lists them.
FUNCTIONS = [
    ("sin", "sin(x)", (-10, 10), None, np.sin, "sin(x)"),
    ("cos", "cos(x)", (-10, 10), None, np.cos, "cos(x)"),
    ("exp", "exp(x)", (-50, 50), None, np.exp, "exp(x)"),
    ("ln", "ln(x)", (1e-3, 1000), None, np.log, "log(x)"),
    ("square", "square(x)", (-1000, 1000), None, np.square, "x*x"),
    ("sqrt", "sqrt(x)", (1e-3, 1000), None, np.sqrt, "sqrt(x)"),
    ("abs", "abs(x)", (-1000, 1000), None, np.abs, "abs(x)"),
    ("tan", "tan(x)", (-10, 10), None, np.tan, "tan(x)"),
    ("arctan", "arctan(x)", (-10, 10), None, np.arctan, "arctan(x)"),
    ("logbase10", "logbase10(x)", (1e-3, 1000), None, np.log10, "log10(x)"),
    ("logbase2", "logbase2(x)", (1e-3, 1000), None, np.log2, None),
    ("cosh", "cosh(x)", (-10, 10), None, np.cosh, "cosh(x)"),
    ("sinh", "sinh(x)", (-10, 10), None, np.sinh, "sinh(x)"),
    ("tanh", "tanh(x)", (-10, 10), None, np.tanh, "tanh(x)"),
    ("power", "power(x;z)", (1e-3, 10), (-10, 10), np.power, "x**z"),
    ("pythag", "pythag(x;z)", (-100, 100), (-100, 100), np.hypot, None),
    ("arctan2", "arctan2(x;z)", (-10, 10), (-10, 10), np.arctan2, "arctan2(x, z)"),
]


def column(low, high, step):
    """Row i: low + (high - low) frac(i step), in the same double operations
    as the C++ bench."""
    fraction = np.fmod(np.arange(ROWS, dtype=np.float64) * step, 1.0)
    return low + (high - low) * fraction


def per_row(run, repeat):
    """Median ns per row of run(), in the process's CPU time as the C++ rows
    count it: on a shared machine the wall clock also counts the others."""
    times = []
    for _ in range(repeat):
        start = time.process_time_ns()
        run()
        times.append((time.process_time_ns() - start) / ROWS)
    return statistics.median(times)


class Library:
    """Our formulas over columns through the C interface."""

    def __init__(self, path):
        self.lib = ctypes.CDLL(path)
        self.lib.quorvex_compile.argtypes = [
            ctypes.c_char_p, ctypes.POINTER(ctypes.c_char_p), ctypes.c_void_p, ctypes.c_size_t,
            ctypes.c_void_p, ctypes.POINTER(ctypes.c_void_p), ctypes.c_void_p]
        self.lib.quorvex_evaluate_columns.argtypes = [
            ctypes.c_void_p, ctypes.POINTER(ctypes.c_void_p), ctypes.c_size_t, ctypes.c_size_t,
            ctypes.c_void_p, ctypes.POINTER(ctypes.c_size_t), ctypes.c_void_p]
        self.lib.quorvex_free.argtypes = [ctypes.c_void_p]

    def evaluator(self, formula, columns, out):
        names = (ctypes.c_char_p * 2)(b"x", b"z")
        handle = ctypes.c_void_p()
        if self.lib.quorvex_compile(formula.encode(), names, None, 2, None,
                                    ctypes.byref(handle), None):
            raise RuntimeError(formula + " does not compile")
        pointers = (ctypes.c_void_p * 2)(*(c.ctypes.data for c in columns))
        failed = ctypes.c_size_t()

        def run():
            self.lib.quorvex_evaluate_columns(handle, pointers, 2, ROWS, out.ctypes.data,
                                              ctypes.byref(failed), None)
        return run


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--library", help="libquorvex.so.1, for our rows through it")
    parser.add_argument("--repeat", type=int, default=11)
    options = parser.parse_args()
    numexpr.set_num_threads(1)
    library = Library(options.library) if options.library else None
    print(f"\nThe column rows in NumPy {np.__version__} and numexpr {numexpr.__version__} "
          f"(1 thread), {ROWS} rows, ns per row (CPU time), medians of {options.repeat} runs.")
    print("ours: the library's columns call; not CR: NumPy rows not correctly rounded.\n")
    print(f"{'formula':<16} {'NumPy':>8} {'numexpr':>8} {'ours':>8} {'ours/NumPy':>11} "
          f"{'ours/numexpr':>13} {'not CR':>8}")
    print("-" * 78)
    for name, formula, xs, zs, numpy_function, expression in FUNCTIONS:
        x = column(*xs, FIRST_STEP)
        z = column(*zs, SECOND_STEP) if zs else np.ones(ROWS)
        out = np.empty(ROWS)
        arguments = (x, z) if zs else (x,)
        numpy_time = per_row(lambda: numpy_function(*arguments, out=out), options.repeat)
        numpy_result = numpy_function(*arguments)
        numexpr_time = float("nan")
        if expression:
            numexpr_time = per_row(lambda: numexpr.evaluate(expression, local_dict={"x": x, "z": z},
                                                            out=out), options.repeat)
        ours_time, not_rounded = float("nan"), float("nan")
        if library:
            ours = np.empty(ROWS)
            run = library.evaluator(formula, (x, z), ours)
            ours_time = per_row(run, options.repeat)
            not_rounded = 100 * np.count_nonzero(numpy_result != ours) / ROWS
        print(f"{formula:<16} {numpy_time:8.2f} {numexpr_time:8.2f} {ours_time:8.2f} "
              f"{ours_time / numpy_time:11.2f} {ours_time / numexpr_time:13.2f} "
              f"{not_rounded:7.1f}%")


if __name__ == "__main__":
    main()
