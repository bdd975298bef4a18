#pragma once

#include "engine/floattypes.h"
#include "mathlib/mathfuncerror.h"

#include <array>
#include <optional>
#include <string>

// What a view says when Compute failed inside one of the standard context's
// functions: which function, given which values, and why, as a note beside
// the error report ("arcsin(2): outside the domain |x| <= 1"). The values
// are those the call was given, not the text of its arguments, so the note
// tells what a sub-expression came to (arcsin(x+1) with x = 1 reads
// "arcsin(2)").

namespace quorvex {

class TExprVirtMachOp;
struct CatalogueFunction;

struct FunctionFailure {
  const CatalogueFunction *function = nullptr;
  std::array<Float, 2> arguments{}; // the first argumentCount() are set
  // Set when the function refused its arguments itself (its domain check,
  // or power's own two errors): only then does the note say they lie
  // outside its domain. Otherwise the call met a floating-point fault
  // (exp(710) overflows, arcsinh(-1E10) divides by zero) and the note
  // names the fault, whose message this is.
  std::optional<EMathFuncError::Reason> refusal;
  std::string message;
  MessageParts messageParts;
};

// The failure of the op that raised error, when that op calls a function
// of the standard context; none for every other op (an operator's fault).
// The op's operands must still hold the values of the run that failed.
std::optional<FunctionFailure> functionFailure(const TExprVirtMachOp &op,
                                               const Exception &error);

// Gives the text a user reads for (context, text): the note's patterns
// have the context "FunctionFailure", the function's domain "Catalogue",
// the fault's message "Error".
// Null leaves them English.
using NoteTranslator = std::string (*)(const char *context, const char *text);

// "arcsin(2): outside the domain |x| <= 1", "power(0; -1): the result is
// infinite, outside the domain ...", "exp(710): Floating point overflow;
// its domain: x up to about 709.78";
// the values written as the result box writes them, with separator.
std::string functionFailureNote(const FunctionFailure &failure, char separator,
                                NoteTranslator translate = nullptr);

} // namespace quorvex
