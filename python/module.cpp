#include "pythonerror.h"
#include "pythonformula.h"

#include "quorvexversion.h"

#include "quorvex/quorvex.hpp"

#include <pybind11/pybind11.h>

#include <vector>

namespace py = pybind11;
using quorvex::python::PythonFormula;

namespace {

constexpr const char *formulaDoc =
    R"doc(A formula compiled once, evaluated once or over arrays.

Formula(text, variables=(), decimal_separator=".", strict=False)

text is written in the calculator's language: numbers, + - * /, prefix
signs, parentheses, comparisons, the functions and constants that
quorvex.functions() and quorvex.constants() list, arguments separated by
";" (power(x;2); "^" is not an operator), names without regard to case.
variables names the formula's variables in order, each a letter or "_"
followed by letters, digits and "_". decimal_separator is "." or "," for
the formula's numbers. Text after a complete formula ("2^3" is 2) is
ignored, and named by ignored_text, unless strict=True makes it an error.

Raises quorvex.Error (a subclass per kind: Parse, Number,
DuplicateVariable, TrailingText) when the formula does not compile.

A Formula keeps nothing of a call: any number of threads may use one at
once. It pickles as its text, variables and options, and so travels to
other processes (multiprocessing, Dask).

>>> f = quorvex.Formula("x*power(1+k;n)", variables=("x", "k", "n"))
>>> f(x=1000, k=0.05, n=10)
1628.894626777442
)doc";

constexpr const char *callDoc =
    R"doc(f(x=1.5, y=2) or f(1.5, 2): the formula's value for one value per variable.

Names match without regard to case (X= is x); a name that is a Python
keyword is passed as **{"in": 2}. Returns a float; raises quorvex.Error,
with e.row None, when the evaluation fails (quorvex.ZeroDivide for 1/0...).
)doc";

constexpr const char *evaluateDoc =
    R"doc(f.evaluate(x=..., y=..., out=None, errors="raise", threads=None)

The formula over arrays, row by row, as one call of f per row gives it,
bit for bit. Each variable takes a 1-D array or a number, which every row
shares; the arrays are of one length, the result's. float64 arrays are read
where they are, strided or not, without a copy; lists, tuples, pandas
Series and whatever numpy.asarray takes are converted. Arrays of booleans,
integers, float16, float32 and big-endian float64 are converted to float64
(integers beyond 2**53 round to the nearest float64); complex, longdouble,
object, string and date arrays raise TypeError; pandas' nullable types
(Float64, Int64, boolean) and masked arrays are converted with their
missing values as NaN. NaN and infinite values are computed as the
library computes them: IEEE arithmetic carries them to the result (a NaN
in gives NaN out, not a failure), and an operation they make invalid fails
the row (a comparison with NaN, inf*0, inf-inf: InvalidOperation). Arrays
of more than one dimension raise ValueError; empty arrays give an empty
result.

Returns a new float64 array, or out (a writeable 1-D float64 array of the
result's length, which may be one of the arguments: the arguments are read
as they were when the call began). With numbers alone the result is one
numpy.float64 (or out filled with it).

errors decides what a failing row does: "raise" raises the error of the
lowest failing row, with e.row its index; "nan" makes it NaN; "collect"
makes it NaN and returns (values, failures), failures the list of
(row, error) in row order.

threads: the threads to share long arrays among (None: one per CPU the
process may run on), with the same results as one. Under Dask, whose
workers already run one task per CPU, pass threads=1.

The GIL is released while the rows are computed, a piece of about 20 ms
at a time, so that other threads run and Ctrl+C (KeyboardInterrupt)
interrupts a long evaluation at once. A variable named "out", "errors" or
"threads" is passed in another case ("OUT=") or by position.
)doc";

// The catalogue's entries as (name, second, description): second a
// function's arguments or a constant's value.
template <typename Second>
py::list entryTuples(const std::vector<quorvex::CatalogueEntry> &entries,
                     Second quorvex::CatalogueEntry::*second) {
  py::list tuples;
  for (const quorvex::CatalogueEntry &e : entries)
    tuples.append(py::make_tuple(e.name, e.*second, e.description));
  return tuples;
}

} // namespace

PYBIND11_MODULE(_quorvex, m) {
  m.doc() = "The calculator's engine: quorvex.Formula, and the catalogue.";
  quorvex::python::loadErrorClasses();
  quorvex::python::loadArgumentHelpers();
  m.attr("__version__") = QUORVEX_VERSION;

  py::class_<PythonFormula> formula(m, "Formula", formulaDoc);
  formula.attr("__module__") = "quorvex";
  formula
      .def(py::init<const py::object &, const py::object &, const py::object &, bool>(),
           py::arg("text"), py::arg("variables") = py::tuple(),
           py::arg("decimal_separator") = ".", py::arg("strict") = false)
      .def("__call__", &PythonFormula::call, callDoc)
      .def("evaluate", &PythonFormula::evaluate, evaluateDoc)
      .def_property_readonly("text", &PythonFormula::text, "The formula's text.")
      .def_property_readonly("variables", &PythonFormula::variables,
                             "The variables' names, as given, in order.")
      .def_property_readonly(
          "decimal_separator",
          [](const PythonFormula &f) { return std::string(1, f.decimalSeparator()); },
          "The decimal separator of the formula's numbers.")
      .def_property_readonly("strict", &PythonFormula::strict,
                             "Whether text after the formula is an error.")
      .def_property_readonly("ignored_text", &PythonFormula::ignoredText,
                             "The text after the complete formula that it ignores, or "
                             "None.")
      .def("__repr__", &PythonFormula::repr)
      .def("__reduce__", [](const py::object &self) {
        const auto &f = self.cast<const PythonFormula &>();
        return py::make_tuple(self.get_type(),
                              py::make_tuple(f.text(), f.variables(),
                                             std::string(1, f.decimalSeparator()),
                                             f.strict()));
      });

  m.def(
      "_functions",
      [] {
        return entryTuples(quorvex::functions(), &quorvex::CatalogueEntry::arguments);
      },
      "The functions: (name, arguments, description), in catalogue order.");
  m.def(
      "_constants",
      [] { return entryTuples(quorvex::constants(), &quorvex::CatalogueEntry::value); },
      "The constants: (name, value, description), in catalogue order.");
}
