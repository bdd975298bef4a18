"""quorvex from Python against the library's C interface, through ctypes."""
import contextlib
import ctypes
import os
import pickle
import tracemalloc
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pandas as pd
import pytest

import quorvex

lib = ctypes.CDLL(os.environ["QUORVEX_LIBRARY"])
P = ctypes.POINTER


def c_columns(text, names, columns):
    """Results and failed-row count of quorvex_evaluate_columns."""
    handle = ctypes.c_void_p()
    namearray = (ctypes.c_char_p * len(names))(*(n.encode() for n in names))
    assert lib.quorvex_compile(text.encode(), namearray, None, ctypes.c_size_t(len(names)),
                               None, ctypes.byref(handle), None) == 0
    rows = len(columns[0])
    pointers = (P(ctypes.c_double) * len(columns))(
        *(c.ctypes.data_as(P(ctypes.c_double)) for c in columns))
    out = np.empty(rows)
    failed = ctypes.c_size_t()
    assert lib.quorvex_evaluate_columns(handle, pointers, ctypes.c_size_t(len(columns)),
                                        ctypes.c_size_t(rows), out.ctypes.data_as(P(ctypes.c_double)),
                                        ctypes.byref(failed), None) == 0
    lib.quorvex_free(handle)
    return out, failed.value


rng = np.random.default_rng(39)
X = rng.uniform(-3, 3, 50000)
X[::997] = 0
X[5::1009], X[7::2003] = np.nan, -np.inf
Y = rng.uniform(-3, 3, 50000)
Y[3::1013] = np.inf


def fails(f, **values):
    try:
        f(**values)
    except quorvex.Error:
        return True
    return False


@pytest.mark.parametrize("text", [
    "5.22 - 5.44E-4 * (x - 817)", "(x+y)*(x-y)/(x*y+1)", "1/x + ln(y)",
    "sin(x)*cos(y) + sqrt(square(x)+square(y)) - arctan2(y;x)",
    "((((0.5*x - 1.25)*x + 2)*x - 3.5)*x + 0.75)*x - 4"])
def test_bits_and_failures_are_the_librarys(text):
    expected, failed = c_columns(text, ["x", "y"], [X, Y])
    f = quorvex.Formula(text, ("x", "y"))
    # NaN in gives NaN out without a failure: the rows that fail are those
    # that fail alone.
    failing = [r for r in np.flatnonzero(np.isnan(expected)) if fails(f, x=X[r], y=Y[r])]
    for kwargs in ({"threads": 1}, {"threads": 2}, {"threads": None}):
        values, failures = f.evaluate(x=X, y=Y, errors="collect", **kwargs)
        assert values.tobytes() == expected.tobytes()
        assert [row for row, _ in failures] == failing
        assert len(failures) == failed
    # Strided and converted inputs, a strided out: the same rows.
    out = np.zeros(2 * len(X))[::2]
    f.evaluate(x=np.repeat(X, 2)[::2], y=list(Y), errors="nan", out=out)
    assert out.tobytes() == expected.tobytes()
    row = np.flatnonzero((X > 0) & (Y > 0) & np.isfinite(X + Y))[0]
    assert f(x=X[row], y=Y[row]) == expected[row]


@pytest.mark.parametrize("text, variables, options, values, error, part, message", [
    ("1/(x-x)", ("x",), {}, {"X": 2}, quorvex.ZeroDivide, "1/(x-x)",
     "Floating point division by zero"),
    ("ä + power(x;0,5)", ("x",), {}, {}, quorvex.Parse, "ä", None),
    ("«x» ln(x)", ("x",), {}, {}, quorvex.Parse, "«", None),
    ("ä+power(x;0,5)", ("ä",), {}, {}, ValueError, None, None),
    ("power(x;0,5)", ("x",), {"decimal_separator": ","}, {"x": -8}, quorvex.Domain,
     "power(x;0,5)", None),
    ("x*y", ("x", "X"), {}, {}, quorvex.DuplicateVariable, None,
     "Duplicate hash list entry: X"),
    ("2.5*x", ("x",), {"decimal_separator": ","}, {}, quorvex.Number, "2.5", None),
    ("2^3«", (), {"strict": True}, {}, quorvex.TrailingText, "^3«", None),
])
def test_errors_carry_report_text_kind_and_span_in_characters(text, variables, options, values,
                                                             error, part, message):
    with pytest.raises(error) as caught:
        quorvex.Formula(text, variables, **options)(**values)
    e = caught.value
    if error is ValueError:
        return
    assert e.kind == error.__name__ and str(e) in (e.message, e.message + ".")
    if message:
        assert e.message == message and str(e) == message + "."
    assert (text[slice(*e.span)] if e.span else None) == part
    assert pickle.loads(pickle.dumps(e)).span == e.span


def test_errors_modes_over_threads_and_rows():
    x = np.ones(300000)
    x[[7, 123456, 299999]] = 0
    f = quorvex.Formula("1/x", ["x"])
    with pytest.raises(quorvex.ZeroDivide) as caught:
        f.evaluate(x=x, threads=2)
    assert caught.value.row == 7
    assert np.isnan(f.evaluate(x=x, errors="nan")).sum() == 3
    values, failures = f.evaluate(x=x, errors="collect", threads=2)
    assert [(row, e.row, type(e)) for row, e in failures] == [
        (r, r, quorvex.ZeroDivide) for r in (7, 123456, 299999)]


def test_names_without_regard_to_case_and_options():
    f = quorvex.Formula("in*2 + Out", ["in", "out"])
    assert f(**{"IN": 1}, OUT=3) == 5 == f(1, 3)
    assert f.evaluate(**{"in": [1, 2]}, Out=1.0).tolist() == [3, 5]
    out = np.empty(2)
    assert f.evaluate(np.array([1., 2.]), 1, out=out) is out
    for kwargs in [{"in": 1, "IN": 2, "out": 0}, {"in": 1}, {"in": 1, "out": 1, "z": 1}]:
        with pytest.raises(TypeError):
            f(**kwargs)
    with pytest.raises(TypeError):
        f.evaluate(1, 2, 3)


def test_pickles_with_its_options_and_serves_threads_at_once():
    f = quorvex.Formula("power(x;0,5)+y", ("x", "Y"), decimal_separator=",", strict=True)
    g = pickle.loads(pickle.dumps(f))
    assert (g.text, g.variables, g.decimal_separator, g.strict) == (
        f.text, f.variables, ",", True)
    columns = [rng.uniform(0, 9, 40000 + k) for k in range(8)]
    with ThreadPoolExecutor(4) as pool:
        results = list(pool.map(lambda c: g.evaluate(x=c, y=c, threads=2), columns))
    for c, r in zip(columns, results):
        assert r.tobytes() == f.evaluate(x=c, y=c, threads=1).tobytes()


missing = pd.array([1.5, None, 4], dtype="Float64")


@pytest.mark.parametrize("value, expected", [
    (np.array([1, 2, 4], dtype=np.int32), [2, 4, 8]),
    (np.array([2**53 + 1], dtype=np.int64), [2.0**54]),
    (np.array([True, False]), [2, 0]),
    (np.array([1.1], dtype=np.float32), [2 * float(np.float32(1.1))]),
    (np.array([1.25, 3], dtype=">f8"), [2.5, 6]),
    (pd.Series(missing), [3, np.nan, 8]),
    (np.ma.array([1., 2.], mask=[0, 1]), [2, np.nan]),
    (np.array([], dtype=np.float64), []),
    (np.array([1 + 2j]), TypeError), (np.array([1], dtype=np.longdouble), TypeError),
    (np.array([None, 1.0]), TypeError), (np.array(["1"]), TypeError), ("1", TypeError),
    (np.zeros((2, 2)), ValueError),
])
def test_bad_input_is_converted_or_refused(value, expected):
    if isinstance(expected, type):
        with pytest.raises(expected):
            quorvex.evaluate("x*2", x=value)
    else:
        np.testing.assert_array_equal(quorvex.evaluate("x*2", x=value), expected)


def test_bad_calls_are_refused_and_overlap_is_read_first():
    f = quorvex.Formula("x+y", ("x", "y"))
    a = np.arange(6.0)
    for text, error in [(b"x", TypeError), (1, TypeError), ("x\0", ValueError)]:
        with pytest.raises(error):
            quorvex.Formula(text, ("x",))
    for kwargs, error in [({"x": a, "y": a[:5]}, ValueError),
                          ({"out": np.empty(5)}, ValueError),
                          ({"out": np.empty(6, np.float32)}, TypeError),
                          ({"out": np.empty(6)[None]}, ValueError),
                          ({"out": np.frombuffer(bytes(48))}, ValueError)]:
        with pytest.raises(error):
            f.evaluate(**{"x": a, "y": 1.0, **kwargs})
    shifted = a.copy()
    f.evaluate(x=shifted[:-1], y=shifted[1:], out=shifted[1:])
    assert shifted.tolist() == [0, 1, 3, 5, 7, 9]
    assert f.evaluate(x=1, y=2) == 3 and np.ndim(f.evaluate(x=1, y=2)) == 0


def test_float64_columns_are_read_where_they_are():
    x = np.linspace(1, 2, 1_000_000)
    out = np.empty_like(x)
    f = quorvex.Formula("x*y", ("x", "y"))
    tracemalloc.start()
    f.evaluate(x=x, y=pd.Series(x), out=out)
    assert tracemalloc.get_traced_memory()[1] < x.nbytes / 8
    tracemalloc.stop()
    assert out.tobytes() == (x * x).tobytes()


def test_catalogue_and_version_are_the_librarys():
    name = ctypes.c_char_p()
    assert len(quorvex.functions()) == lib.quorvex_function_count()
    assert lib.quorvex_function_info(ctypes.c_size_t(3), ctypes.byref(name), None, None) == 0
    assert quorvex.functions()[3].name == name.value.decode()
    assert len(quorvex.constants()) == lib.quorvex_constant_count()
    assert quorvex.__version__ == os.environ["QUORVEX_VERSION"]


def test_memory_stays_put_over_compile_evaluate_cycles():
    x = np.linspace(0, 1, 1000)

    def cycles(n):
        for i in range(n):
            f = quorvex.Formula("sin(x)/(x-0.5) + y", ("x", "y"))
            f.evaluate(x=x, y=float(i), errors="collect")
            with contextlib.suppress(quorvex.ZeroDivide):
                f(x=0.5, y=1)
    cycles(1000)
    with open("/proc/self/statm") as statm:
        resident = int(statm.read().split()[1])
    cycles(10000)
    with open("/proc/self/statm") as statm:
        grown = (int(statm.read().split()[1]) - resident) * os.sysconf("SC_PAGE_SIZE")
    assert grown < 1 << 20, grown
