"""The standard context's constants and functions as mathlib/catalogue.def
lists them, for the scripts: the one list, read rather than copied.

    import mathcatalogue
    for f in mathcatalogue.functions(): print(f.name, f.arity)
"""

import os
import re
from typing import NamedTuple

DEFINITION_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "mathlib",
                               "catalogue.def")

_STRING = r'"([^"\\]*)"'
_SEP = r"\s*,\s*"
_CONSTANT = re.compile(r"QUORVEX_CONSTANT\(\s*" + _STRING + _SEP + r"([0-9.eE+-]+)L" + _SEP +
                       _STRING + _SEP + _STRING + r"\s*\)")
_FUNCTION = re.compile(r"QUORVEX_FUNCTION\(\s*" + _STRING + _SEP + _STRING + _SEP +
                       r"([\w:]+)" + _SEP + _STRING + _SEP + _STRING + _SEP + _STRING +
                       r"\s*\)")


class Constant(NamedTuple):
    name: str
    value: str  # the decimal literal, as written
    meaning: str
    definition: str


class Function(NamedTuple):
    name: str
    arguments: str
    routine: str
    family: str
    domain: str
    description: str

    @property
    def arity(self):
        return self.arguments.count(";") + 1


def _entries(kind, pattern, make):
    with open(DEFINITION_FILE, encoding="utf-8") as source:
        text = re.sub(r"//[^\n]*", "", source.read())
    found = [make(*m.groups()) for m in pattern.finditer(text)]
    written = len(re.findall(kind + r"\(\s*\"", text))
    if len(found) != written:
        raise ValueError(f"{DEFINITION_FILE}: {written - len(found)} {kind} entries unreadable")
    return found


def constants():
    """Every constant, in registration order."""
    return _entries("QUORVEX_CONSTANT", _CONSTANT, Constant)


def functions():
    """Every function, in registration order."""
    return _entries("QUORVEX_FUNCTION", _FUNCTION, Function)
