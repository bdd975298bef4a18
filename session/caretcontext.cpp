#include "caretcontext.h"

#include "engine/lexer.h"
#include "formulanames.h"

#include <vector>

namespace quorvex {

namespace {

// One open parenthesis before the caret: a call's (function set) or a
// grouping one.
struct OpenParenthesis {
  const CatalogueFunction *function;
  std::size_t argument;
  std::size_t nameOffset;
};

} // namespace

CaretContext caretContext(std::string_view formula, std::size_t caret,
                          const FormulaNames &names) {
  CaretContext context;
  TExprSimpleLexer lexer(formula, TExprSimpleLexer::Numbers::OnlyScanned);
  std::vector<OpenParenthesis> open;
  // Where the token before the current one begins when it was a name,
  // which a "(" then calls; npos otherwise.
  constexpr std::size_t none = std::string_view::npos;
  std::size_t nameBefore = none;
  for (; lexer.CurrentToken != TokenKind::EndOfText && lexer.TokenStart < caret;
       lexer.Next()) {
    const std::size_t start = lexer.TokenStart;
    switch (lexer.CurrentToken) {
    case TokenKind::Identifier:
      if (caret <= start + lexer.TokenLength)
        context.name = TextSpan{start, lexer.TokenLength};
      nameBefore = start;
      continue;
    case TokenKind::LeftParen: {
      // The lexer's text is still that of the name, as "(" leaves it alone.
      const CatalogueFunction *function =
          nameBefore != none ? names.function(lexer.TokenText) : nullptr;
      open.push_back({function, 0, nameBefore != none ? nameBefore : start});
      break;
    }
    case TokenKind::RightParen:
      if (!open.empty())
        open.pop_back();
      break;
    case TokenKind::Semicolon:
      // Separates arguments only directly inside a call's parentheses.
      if (!open.empty() && open.back().function)
        ++open.back().argument;
      break;
    default:
      break;
    }
    nameBefore = none;
  }
  for (auto at = open.rbegin(); at != open.rend(); ++at)
    if (at->function) {
      context.call = CallContext{at->function, at->argument, at->nameOffset};
      break;
    }
  return context;
}

} // namespace quorvex
