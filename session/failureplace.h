#pragma once

#include "engine/errors.h"

#include <cstddef>

// Where a failed Compute failed, so that a view can put the user there: the
// formula's bytes that the error arose at (a token that could not be read,
// or the operation whose run faulted), or the value cell that did not
// convert. The duplicate name has no such place.

namespace quorvex {

struct FailurePlace {
  enum class Kind { Nowhere, Formula, ValueCell };

  static FailurePlace inFormula(TextSpan span) noexcept {
    return {Kind::Formula, span, 0};
  }
  static FailurePlace atValueCell(int row) noexcept { return {Kind::ValueCell, {}, row}; }

  Kind kind = Kind::Nowhere;
  TextSpan formulaBytes; // Formula: offset and length in the formula's bytes
  int row = 0;           // ValueCell: its grid row, 1 for the first variable
};

} // namespace quorvex
