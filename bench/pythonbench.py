#!/usr/bin/python3
"""The Python module against numexpr and against the library's own columns call.

    PYTHONPATH=build/python /usr/bin/python3 bench/pythonbench.py build/lib/libquorvex.so.1

(make bench-python). One million rows, on one thread and on every CPU the
process may use, each measurement the median of REPEATS runs taken in turn
with the others so that a busy machine slows them alike; then calls of
1,000 rows, and the speed-up of two threads over one. The library's call is
quorvex_evaluate_columns_threads through ctypes, on the same arrays; the
module's results must be its bits.
"""
import ctypes
import os
import statistics
import sys
import time

import numexpr
import numpy as np

import quorvex

ROWS = 1_000_000
REPEATS = 15
POLY = "((((0.5*x - 1.25)*x + 2)*x - 3.5)*x + 0.75)*x - 4"
# name, ours, numexpr's, what the goal compares
FORMULAS = [
    ("F1", "5.22 - 5.44E-4 * (x - 817)", "5.22 - 5.44E-4 * (x - 817)", "numexpr"),
    ("F8", "(x+y)*(x-y)/(x*y+1)", "(x+y)*(x-y)/(x*y+1)", "numexpr"),
    ("poly5", POLY, POLY, "numexpr"),
    ("F4", "sin(x)*cos(y) + sqrt(square(x)+square(y)) - arctan2(y;x)",
     "sin(x)*cos(y) + sqrt(x*x+y*y) - arctan2(y,x)", "library"),
    ("F10", "exp(x)", "exp(x)", "library"),
    ("F11", "power(x;y)", "x**y", "library"),
]

P = ctypes.POINTER


class Library:
    """The library's columns call through its C interface."""

    def __init__(self, path):
        self.lib = ctypes.CDLL(path)

    def compile(self, text, names):
        handle = ctypes.c_void_p()
        array = (ctypes.c_char_p * len(names))(*(n.encode() for n in names))
        status = self.lib.quorvex_compile(text.encode(), array, None,
                                          ctypes.c_size_t(len(names)), None,
                                          ctypes.byref(handle), None)
        assert status == 0, text
        return handle

    def evaluate(self, handle, columns, out, threads):
        pointers = (P(ctypes.c_double) * len(columns))(
            *(c.ctypes.data_as(P(ctypes.c_double)) for c in columns))
        status = self.lib.quorvex_evaluate_columns_threads(
            handle, pointers, ctypes.c_size_t(len(columns)), ctypes.c_size_t(len(out)),
            out.ctypes.data_as(P(ctypes.c_double)), None, ctypes.c_size_t(threads), None)
        assert status == 0


def median_seconds(runs):
    """Median seconds of each callable, run REPEATS times in turn."""
    times = [[] for _ in runs]
    for _ in range(REPEATS):
        for run, kept in zip(runs, times):
            start = time.perf_counter()
            run()
            kept.append(time.perf_counter() - start)
    return [statistics.median(t) for t in times]


def main():
    library = Library(sys.argv[1] if len(sys.argv) > 1 else "libquorvex.so.1")
    cpus = len(os.sched_getaffinity(0))
    rng = np.random.default_rng(1)
    data = {"x": rng.uniform(0.5, 2, ROWS), "y": rng.uniform(0.5, 2, ROWS)}
    print(f"quorvex {quorvex.__version__}, numexpr {numexpr.__version__}, NumPy "
          f"{np.__version__}; {ROWS:,} rows, medians of {REPEATS}, {cpus} CPUs usable\n")
    print("| formula | threads | quorvex Mrows/s | numexpr Mrows/s | quorvex/numexpr "
          "| library Mrows/s | module/library | bits |")
    print("|---|---|---|---|---|---|---|---|")
    speeds = {}
    for name, ours, theirs, _ in FORMULAS:
        names = [n for n in ("x", "y") if n in ours]
        f = quorvex.Formula(ours, names)
        columns = [data[n] for n in names]
        kwargs = {n: data[n] for n in names}
        handle = library.compile(ours, names)
        out, expected = np.empty(ROWS), np.empty(ROWS)
        for threads in sorted({1, cpus}):
            numexpr.set_num_threads(threads)
            library.evaluate(handle, columns, expected, threads)
            same = f.evaluate(**kwargs, threads=threads).tobytes() == expected.tobytes()
            module, peer, own = median_seconds([
                lambda: f.evaluate(**kwargs, out=out, threads=threads),
                lambda: numexpr.evaluate(theirs, local_dict=kwargs, out=out),
                lambda: library.evaluate(handle, columns, out, threads)])
            speeds[name, threads] = module
            print(f"| {name} | {threads} | {ROWS / module / 1e6:.0f} | {ROWS / peer / 1e6:.0f} "
                  f"| {peer / module:.2f} | {ROWS / own / 1e6:.0f} | {own / module:.2f} "
                  f"| {'same' if same else 'DIFFER'} |")
        library.lib.quorvex_free(handle)

    print("\nCalls of 1,000 rows, microseconds per call (medians of "
          f"{REPEATS} runs of 1,000 calls), on {cpus} threads:\n")
    print("| formula | quorvex | numexpr | numexpr/quorvex |")
    print("|---|---|---|---|")
    numexpr.set_num_threads(cpus)
    small = {n: v[:1000].copy() for n, v in data.items()}
    out = np.empty(1000)
    for name, ours, theirs, _ in FORMULAS:
        names = [n for n in ("x", "y") if n in ours]
        f = quorvex.Formula(ours, names)
        kwargs = {n: small[n] for n in names}

        def module_calls():
            for _ in range(1000):
                f.evaluate(**kwargs, out=out)

        def numexpr_calls():
            for _ in range(1000):
                numexpr.evaluate(theirs, local_dict=kwargs, out=out)
        module, peer = median_seconds([module_calls, numexpr_calls])
        print(f"| {name} | {module * 1e3:.1f} | {peer * 1e3:.1f} | {peer / module:.2f} |")
    if cpus >= 2:
        f = quorvex.Formula(FORMULAS[3][1], ("x", "y"))
        one, two = median_seconds([lambda: f.evaluate(**data, threads=1),
                                   lambda: f.evaluate(**data, threads=2)])
        print(f"\nF4 over {ROWS:,} rows: threads=2 {one / two:.2f} times as fast as threads=1")


if __name__ == "__main__":
    main()
