#pragma once

#include "contexts.h"
#include "floattypes.h"
#include "virtmach.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The engine's front object: attach contexts, bind variables by address,
// compile once, evaluate many times.

namespace quorvex {

class TEasyEvaluator {
public:
  TEasyEvaluator();
  TEasyEvaluator(const TEasyEvaluator &) = delete;
  TEasyEvaluator &operator=(const TEasyEvaluator &) = delete;

  // Binds name to caller-owned storage that must outlive every run.
  // Throws "Duplicate hash list entry: %s" for a name already bound (any case).
  void AddVariable(std::string_view name, const Float *address);

  TExprHashContext LocalContext{false, 127}; // the variables, owned
  TExprSetContext ExternalContexts{false};   // attached by callers, not owned
  TExprSetContext SearchContext{false};      // ExternalContexts, then LocalContext
};

class TCompiledEvaluator final : public TEasyEvaluator {
public:
  // A formula longer than this is refused before it is scanned, so no input
  // can make the compiler's memory grow without bound.
  static constexpr std::size_t maxExpressionLength = 1u << 20;

  // Compiles text into Machine. An unchanged text after a successful compile
  // returns at once; after a failed one it is parsed again, so the same error
  // is reported rather than an empty machine left behind. An error raised
  // while the text is read carries the span of the token it arose at.
  void Compile(std::string_view text);
  // Runs the program once. A fault of an op carries the span of the
  // formula's text that op computes; the run itself does nothing for that,
  // the fault's handler finds the op.
  Float Evaluate() { return Run<false>(); }
  // Evaluate with the machine's run compiled into the caller, for a caller
  // that is itself reached through a call (the shared library's evaluate).
  Float EvaluateInline() { return Run<true>(); }

  const std::string &Expression() const noexcept { return expression_; }
  // The index in Machine.CodeList of the op that raised the fault of the
  // last Evaluate that failed while running; none before any did. A
  // caller that reports the failure reads that op's operands there.
  std::optional<std::size_t> LastFaultOp() const noexcept { return lastFaultOp_; }

  // After a successful Compile: the byte offset of the text that the grammar
  // did not read (its first character that is not a blank), or none when the
  // formula ran to the end. The text from there on takes no part in the
  // program; a zero byte ends what is read, so it starts such a text too.
  std::optional<std::size_t> IgnoredTextOffset() const noexcept { return ignoredOffset_; }

  TExprVirtMach Machine;

private:
  template <bool InlineRun> Float Run() {
    try {
      if constexpr (InlineRun)
        return Machine.ExecuteInline();
      else
        return Machine.Execute();
    } catch (Exception &fault) {
      lastFaultOp_ = Machine.LocateFault(fault);
      throw;
    }
  }

  std::string expression_;
  bool compiled_ = false;
  std::optional<std::size_t> ignoredOffset_;
  std::optional<std::size_t> lastFaultOp_;
};

} // namespace quorvex
