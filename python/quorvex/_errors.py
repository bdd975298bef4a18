"""The errors of quorvex: one class per kind, all derived from quorvex.Error."""

__all__ = ["Error", "Parse", "Number", "DuplicateVariable", "TrailingText",
           "ZeroDivide", "Overflow", "InvalidOperation", "Domain", "Usage",
           "Internal"]


class Error(Exception):
    """What went wrong compiling or evaluating a formula.

    str(e) is the text of the calculator's error report, full stop included
    ("Floating point division by zero."); e.message the message without the
    full stop the report adds; e.kind the name of the error's class
    ("ZeroDivide"); e.span the part of the formula the error arose at, as
    Python string indices (start, end), so that formula[start:end] is that
    part, or None; e.row the row of the arrays whose evaluation failed, or
    None for an error of no row.
    """

    kind = "Error"

    def __init__(self, text, span=None, row=None):
        super().__init__(text, span, row)
        self.span = span
        self.row = row

    def __str__(self):
        return self.args[0]

    @property
    def message(self):
        text = self.args[0]
        # The report adds a full stop after a character of higher code than
        # "."; names a formula can use never end in one, so a message never
        # ends in a full stop of its own after such a character.
        if len(text) >= 2 and text[-1] == "." and text[-2] > ".":
            return text[:-1]
        return text

    def __repr__(self):
        return f"quorvex.{type(self).__name__}({self.args[0]!r}, span={self.span!r}, row={self.row!r})"


class Parse(Error):
    """The formula cannot be read ("Parse error: ...")."""
    kind = "Parse"


class Number(Error):
    """A number of the formula is not valid with its decimal separator."""
    kind = "Number"


class DuplicateVariable(Error):
    """Two variables of the same name, in any case."""
    kind = "DuplicateVariable"


class TrailingText(Error):
    """Text after a complete formula, with strict=True."""
    kind = "TrailingText"


class ZeroDivide(Error, ZeroDivisionError):
    """"Floating point division by zero"."""
    kind = "ZeroDivide"


class Overflow(Error, OverflowError):
    """"Floating point overflow": a result beyond the float range."""
    kind = "Overflow"


class InvalidOperation(Error, ArithmeticError):
    """"Invalid floating point operation": 0/0, the root of a negative, a NaN."""
    kind = "InvalidOperation"


class Domain(Error, ArithmeticError):
    """An argument outside a function's domain."""
    kind = "Domain"


class Usage(Error):
    """A call breaking the library's rules."""
    kind = "Usage"


class Internal(Error):
    """Anything else the engine raised."""
    kind = "Internal"


# Shown as quorvex.X, where they are found again when unpickled.
for _class in (Error, Parse, Number, DuplicateVariable, TrailingText, ZeroDivide,
               Overflow, InvalidOperation, Domain, Usage, Internal):
    _class.__module__ = "quorvex"
del _class

# In the order of the library's kinds.
BY_KIND = (Parse, Number, DuplicateVariable, TrailingText, ZeroDivide, Overflow,
           InvalidOperation, Domain, Usage, Internal)
