#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Which parentheses of a formula the formula box marks: the one at the
// caret with its partner, and those without a partner. Every "(" and ")"
// byte is a parenthesis token (neither is part of a name or a number), so
// the bytes alone decide. One pass over the text.

namespace quorvex {

struct ParenthesisMarks {
  // The parenthesis just before the caret, or else just after it; none
  // when neither byte is one.
  std::optional<std::size_t> atCaret;
  std::optional<std::size_t> partner; // of atCaret, when it has one
  // Byte offsets, ascending.
  std::vector<std::size_t> unmatched;

  bool operator==(const ParenthesisMarks &) const = default;
};

// caret is a byte offset into formula.
ParenthesisMarks parenthesisMarks(std::string_view formula, std::size_t caret);

} // namespace quorvex
