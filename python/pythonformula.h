#pragma once

#include "quorvex/quorvex.hpp"

#include <pybind11/pybind11.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// quorvex.Formula: a formula compiled once, evaluated from Python once or
// over arrays. Nothing of a call stays on it, so that any number of Python
// threads may use one Formula at once: each call borrows a compiled copy of
// its own from those the Formula keeps, compiling another when all are in
// use.

namespace quorvex::python {

// Looks up what converting arguments needs; called once, as the module is
// imported.
void loadArgumentHelpers();

class PythonFormula {
public:
  PythonFormula(const pybind11::object &text, const pybind11::object &variables,
                const pybind11::object &decimalSeparator, bool strict);

  // f(x=1.5, y=2), or f(1.5, 2): one value.
  double call(const pybind11::args &args, const pybind11::kwargs &kwargs);
  // f.evaluate(x=array, y=..., out=None, errors="raise", threads=None).
  pybind11::object evaluate(const pybind11::args &args, const pybind11::kwargs &kwargs);

  const pybind11::str &text() const noexcept { return textObject_; }
  pybind11::tuple variables() const;
  char decimalSeparator() const noexcept { return options_.decimalSeparator; }
  bool strict() const noexcept { return options_.rejectTrailingText; }
  // The text after the formula it ignores, or None.
  pybind11::object ignoredText() const;
  std::string repr() const;

  // A compiled copy, taken from those not in use or compiled anew, and
  // handed back when the lease ends.
  class Lease;

private:
  struct Arguments;
  Arguments bind(const pybind11::args &args, const pybind11::kwargs &kwargs,
                 bool takesOptions) const;
  std::unique_ptr<Formula> compiled() const;

  pybind11::str textObject_;
  std::string text_; // as UTF-8
  std::vector<std::string> names_;
  CompileOptions options_;
  std::optional<std::size_t> ignoredOffset_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Formula>> idle_;
};

} // namespace quorvex::python
