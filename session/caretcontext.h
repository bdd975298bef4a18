#pragma once

#include "engine/errors.h"

#include <cstddef>
#include <optional>
#include <string_view>

// Where the caret of the formula box stands in the formula's grammar, read
// as the lexer reads the text (names, and numbers with the current decimal
// separator, so that the "e" of "2e" is no name), also in a formula that is
// only half typed: the name the caret is in, for completing it, and the
// innermost function call whose parentheses hold the caret, for the hint
// of its arguments. One pass over the text before the caret.

namespace quorvex {

struct CatalogueFunction;
class FormulaNames;

struct CallContext {
  const CatalogueFunction *function = nullptr;
  // The argument the caret is in, 0 for the first; a number beyond the
  // function's arguments when too many are typed.
  std::size_t argument = 0;
  std::size_t nameOffset = 0; // where the call's name begins, in bytes
};

struct CaretContext {
  // The whole name (identifier token) that the caret is in or just after;
  // none when the caret follows no name, or stands before its first byte.
  std::optional<TextSpan> name;
  std::optional<CallContext> call;
};

// caret is a byte offset into formula; past the end counts as the end.
CaretContext caretContext(std::string_view formula, std::size_t caret,
                          const FormulaNames &names);

} // namespace quorvex
