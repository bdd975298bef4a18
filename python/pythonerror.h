#pragma once

#include "quorvex/quorvex.hpp"

#include <pybind11/pybind11.h>

#include <cstddef>
#include <optional>
#include <string_view>

// The library's errors as Python exceptions: quorvex.Error and its subclass
// for each kind (quorvex/_errors.py), made with the error report's text, the
// span in the formula's characters rather than its UTF-8 bytes, and the row
// of a columns call.

namespace quorvex::python {

// Looks the classes up; called once, as the module is imported.
void loadErrorClasses();

// The exception object for error, which arose in the formula whose UTF-8
// text is formula (at row, when it came from a row of columns).
pybind11::object errorObject(const Error &error, std::string_view formula,
                             std::optional<std::size_t> row = std::nullopt);

// Raises it: sets Python's error and throws pybind11::error_already_set.
[[noreturn]] void raise(const Error &error, std::string_view formula,
                        std::optional<std::size_t> row = std::nullopt);

} // namespace quorvex::python
