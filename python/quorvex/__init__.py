"""The Quorvex calculator's formula engine for Python and NumPy.

Compile a formula once, then evaluate it for one value per variable or over
arrays of millions of rows, every row correctly rounded and every failing
row with the calculator's own error:

>>> import numpy as np, quorvex
>>> f = quorvex.Formula("sin(x)*cos(y) + sqrt(square(x)+square(y))", ("x", "y"))
>>> f(x=0.5, y=2)
1.8620413915587812
>>> f.evaluate(x=np.linspace(0, 1, 5), y=2.0)
array([...])

Over data beyond one machine, a Formula pickles to Dask's workers:

>>> import dask.array as da
>>> x = da.random.random(10**8, chunks=10**6)
>>> g = quorvex.Formula("1/(1-x)", ("x",))
>>> y = x.map_blocks(lambda b: g.evaluate(x=b, errors="nan", threads=1), dtype=float)

quorvex.evaluate(text, **columns) compiles and evaluates at once;
quorvex.functions() and quorvex.constants() list the catalogue. The errors
are quorvex.Error and a subclass per kind (quorvex.ZeroDivide, ...).
"""

from collections import namedtuple

from ._errors import (Error, Parse, Number, DuplicateVariable, TrailingText, ZeroDivide,
                      Overflow, InvalidOperation, Domain, Usage, Internal)
from ._quorvex import Formula, __version__, _functions, _constants

__all__ = ["Formula", "evaluate", "functions", "constants", "Function", "Constant",
           "Error", "Parse", "Number", "DuplicateVariable", "TrailingText", "ZeroDivide",
           "Overflow", "InvalidOperation", "Domain", "Usage", "Internal", "__version__"]

Function = namedtuple("Function", "name arguments description", module="quorvex")
Function.__doc__ = "A function a formula can call: its name, its arguments (\"x; z\")."
Constant = namedtuple("Constant", "name value description", module="quorvex")
Constant.__doc__ = "A constant a formula can name, and its value."


def functions():
    """Every function a formula can call, in the calculator's catalogue order."""
    return [Function(*entry) for entry in _functions()]


def constants():
    """Every constant a formula can name, in the calculator's catalogue order."""
    return [Constant(*entry) for entry in _constants()]


def evaluate(text, /, *, out=None, errors="raise", threads=None, **columns):
    """The formula text over the given columns (or numbers), compiled for them.

    quorvex.evaluate("x*y+1", x=a, y=2.5) is
    quorvex.Formula("x*y+1", ("x", "y")).evaluate(x=a, y=2.5): see
    Formula.evaluate for the columns, out, errors and threads.
    """
    formula = Formula(text, tuple(columns))
    return formula.evaluate(out=out, errors=errors, threads=threads, **columns)
