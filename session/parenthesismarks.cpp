#include "parenthesismarks.h"

namespace quorvex {

namespace {

bool isParenthesis(char c) noexcept {
  return c == '(' || c == ')';
}

} // namespace

ParenthesisMarks parenthesisMarks(std::string_view formula, std::size_t caret) {
  ParenthesisMarks marks;
  if (caret > 0 && caret <= formula.size() && isParenthesis(formula[caret - 1]))
    marks.atCaret = caret - 1;
  else if (caret < formula.size() && isParenthesis(formula[caret]))
    marks.atCaret = caret;
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < formula.size(); ++i) {
    if (formula[i] == '(') {
      open.push_back(i);
    } else if (formula[i] == ')') {
      if (open.empty()) {
        marks.unmatched.push_back(i);
        continue;
      }
      if (marks.atCaret == i)
        marks.partner = open.back();
      else if (marks.atCaret == open.back())
        marks.partner = i;
      open.pop_back();
    }
  }
  // A ")" without a partner came while nothing was open, so before every
  // "(" still open: appending keeps the offsets ascending.
  marks.unmatched.insert(marks.unmatched.end(), open.begin(), open.end());
  return marks;
}

} // namespace quorvex
