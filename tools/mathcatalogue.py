"""The standard context's constants and functions as mathlib/catalogue.def
lists them, for the scripts: the one list, read rather than copied.

    import mathcatalogue
    for f in mathcatalogue.functions(): print(f.name, f.arity)

Run as a script it reads the whole catalogue and checks it as the scripts
and the translators rely on it: every row readable, and every text a user
reads marked for translation in the context "Catalogue".
"""

import os
import re
import sys
from typing import NamedTuple

DEFINITION_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "mathlib",
                               "catalogue.def")

CONTEXT = "Catalogue"
# A string literal, a word (a number, a routine, a group), or a sign of the
# row's syntax.
_TOKEN = re.compile(r'"(?:[^"\\]|\\.)*"|[\w:.+-]+|[(),]|\s+')


class Constant(NamedTuple):
    name: str
    value: str  # the decimal literal, as written
    meaning: str
    definition: str
    guide: str  # the meaning as the user guide writes it, or ""


class Function(NamedTuple):
    name: str
    arguments: str
    routine: str
    family: str
    group: str  # the user guide's group, as GuideGroup names it
    domain: str
    description: str
    guide: str

    @property
    def arity(self):
        return self.arguments.count(";") + 1


# The columns of each kind of row that must be marked for translation.
_MARKED = {"QUORVEX_CONSTANT": {2, 4}, "QUORVEX_FUNCTION": {5, 6, 7}}


def _literal(token):
    return re.sub(r"\\(.)", r"\1", token[1:-1])


def _column(tokens):
    """A column's value and whether it is marked: string literals in a row
    are one string, QV_TRANSLATE_NOOP(context, text) is its text."""
    if tokens and tokens[0] == "QV_TRANSLATE_NOOP":
        context, text = _arguments(tokens[2:-1])
        if context != (f'"{CONTEXT}"',):
            raise ValueError(f"{DEFINITION_FILE}: a text marked in context {context}")
        return "".join(_literal(t) for t in text), True
    if tokens and all(t.startswith('"') for t in tokens):
        return "".join(_literal(t) for t in tokens), False
    return " ".join(tokens), False


def _arguments(tokens):
    """The tokens of each argument of a call, split at its own commas."""
    arguments, current, depth = [], [], 0
    for token in tokens:
        if token == "," and depth == 0:
            arguments.append(tuple(current))
            current = []
            continue
        depth += {"(": 1, ")": -1}.get(token, 0)
        current.append(token)
    arguments.append(tuple(current))
    return arguments


def _rows(kind):
    with open(DEFINITION_FILE, encoding="utf-8") as source:
        text = re.sub(r"//[^\n]*", "", source.read())
    tokens = [t for t in _TOKEN.findall(text) if not t.isspace()]
    rows = []
    calls = (i for i, t in enumerate(tokens[:-1]) if t == kind and tokens[i + 1] == "(")
    for start in calls:
        depth, end = 0, start + 1
        while True:
            depth += {"(": 1, ")": -1}.get(tokens[end], 0)
            if depth == 0:
                break
            end += 1
        columns = [_column(list(a)) for a in _arguments(tokens[start + 2:end])]
        for k, (value, marked) in enumerate(columns):
            if k in _MARKED[kind] and value and not marked:
                raise ValueError(f"{DEFINITION_FILE}: {kind} {columns[0][0]}: "
                                 f"column {k + 1} is not marked for translation")
        rows.append([value for value, _ in columns])
    return rows


def constants():
    """Every constant, in registration order."""
    rows = _rows("QUORVEX_CONSTANT")
    return [Constant(name, value.removesuffix("L"), *rest)
            for name, value, *rest in rows]


def functions():
    """Every function, in registration order."""
    return [Function(*row) for row in _rows("QUORVEX_FUNCTION")]


if __name__ == "__main__":
    try:
        print(f"{len(functions())} functions, {len(constants())} constants")
    except (ValueError, TypeError) as error:
        sys.exit(f"mathcatalogue: {error}")
