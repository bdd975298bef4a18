"""What a formula takes as a variable's values, from whatever a caller passes.

The module's C++ part takes a float64 NumPy array and a Python number as they
are and hands everything else to value() here.
"""

import numpy as np

_FLOAT64 = np.dtype(np.float64)


def _refused(name, what, advice):
    return TypeError(f"variable {name!r}: {what} are refused: {advice}")


def _numbers(name, array):
    """array as float64, when that loses nothing; else TypeError."""
    dtype = array.dtype
    if dtype == _FLOAT64:  # native byte order only
        return array
    # Booleans, integers, float16, float32 and float64 of the other byte
    # order: what NumPy calls a safe cast.
    # Integers beyond 2**53 round to the nearest float64, as a value typed
    # with that many digits does.
    if dtype.kind in "biuf" and np.can_cast(dtype, _FLOAT64, "safe"):
        return array.astype(_FLOAT64)
    if dtype.kind == "c":
        raise _refused(name, f"complex values ({dtype})",
                       "formulas compute with real numbers; pass .real or abs() explicitly")
    if dtype.kind == "f":
        raise _refused(name, f"{dtype} values",
                       "they would be rounded to float64; round them with .astype(float)")
    if dtype.kind == "O":
        raise _refused(name, "arrays of Python objects (dtype object)",
                       "their items may be anything; convert with .astype(float)")
    raise _refused(name, f"values of dtype {dtype}", "pass numbers")


def value(name, value):
    """A variable's value: a float, or a 1-D float64 array of its rows.

    Lists, tuples, pandas Series and anything numpy.asarray takes become
    arrays. Missing values of pandas' nullable types (pd.NA) and masked
    entries of a NumPy masked array become NaN, which the formula computes
    with as with any NaN. TypeError for values that are not real numbers,
    ValueError for arrays of more than one dimension.
    """
    if isinstance(value, (str, bytes)):
        raise TypeError(f"variable {name!r}: a {type(value).__name__} is not a number")
    dtype = getattr(value, "dtype", None)
    if isinstance(value, np.ma.MaskedArray):
        array = _numbers(name, np.asarray(value.data)).copy()
        array[np.ma.getmaskarray(value)] = np.nan
    elif dtype is not None and not isinstance(dtype, np.dtype) and \
            getattr(dtype, "kind", None) in ("b", "i", "u", "f") and hasattr(value, "to_numpy"):
        # pandas' nullable Float64, Int64, boolean...: missing values as NaN.
        array = value.to_numpy(dtype=_FLOAT64, na_value=np.nan)
    else:
        array = _numbers(name, np.asarray(value))
    if array.ndim == 0:
        return float(array)
    if array.ndim != 1:
        raise ValueError(f"variable {name!r}: a {array.ndim}-D array of shape {array.shape}; "
                         "formulas take 1-D arrays (flatten it with .ravel())")
    return array
