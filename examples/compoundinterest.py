#!/usr/bin/python3
"""1000 at 5 % a year, compounded monthly for ten years, from Python through
the C interface with ctypes. The library is found by its name, or given as
the first argument."""
import ctypes
import sys


class Error(ctypes.Structure):
    _fields_ = [("message", ctypes.c_char_p), ("message_size", ctypes.c_size_t),
                ("span_offset", ctypes.c_size_t), ("span_length", ctypes.c_size_t),
                ("has_span", ctypes.c_int)]


lib = ctypes.CDLL(sys.argv[1] if len(sys.argv) > 1 else "libquorvex.so.1")
lib.quorvex_compile.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_char_p),
                                ctypes.POINTER(ctypes.POINTER(ctypes.c_double)),
                                ctypes.c_size_t, ctypes.c_void_p,
                                ctypes.POINTER(ctypes.c_void_p), ctypes.POINTER(Error)]
lib.quorvex_set.argtypes = [ctypes.c_void_p, ctypes.c_size_t, ctypes.c_double,
                            ctypes.POINTER(Error)]
lib.quorvex_evaluate.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_double),
                                 ctypes.POINTER(Error)]
lib.quorvex_free.argtypes = [ctypes.c_void_p]

buffer = ctypes.create_string_buffer(256)
error = Error(ctypes.cast(buffer, ctypes.c_char_p), len(buffer), 0, 0, 0)
variables = {"p": 1000, "k": 0.05, "m": 12, "n": 10}
names = (ctypes.c_char_p * len(variables))(*(name.encode() for name in variables))
formula = ctypes.c_void_p()
status = lib.quorvex_compile(b"p*power((1+k/m);(m*n))", names, None, len(variables), None,
                             ctypes.byref(formula), ctypes.byref(error))
for slot, value in enumerate(variables.values()):
    status = status or lib.quorvex_set(formula, slot, value, ctypes.byref(error))
result = ctypes.c_double()
status = status or lib.quorvex_evaluate(formula, ctypes.byref(result), ctypes.byref(error))
lib.quorvex_free(formula)
if status:
    sys.exit(buffer.value.decode())
print("%.15g" % result.value)
