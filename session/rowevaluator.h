#pragma once

#include "engine/blockevaluator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/floattypes.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One formula evaluated many times: the variables are bound once, the
// formula is compiled once, and between evaluations only the values in the
// variables' slots change. The table mode of quorvex-eval and the plot window
// run on this; a Compute, by contrast, builds and drops an evaluator for one
// value.
//
// Values convert exactly as Compute converts a value cell, and every error
// carries the message Compute would report for the same cause.

namespace quorvex {

// What one evaluation gave: a value, or the message of the error that ended
// it, as raised (the error report adds its full stop where it shows it).
struct RowOutcome {
  bool ok = false;
  Float value = 0;
  std::string error;
  // The template error was made from, for the desktop's translation.
  MessageParts errorParts;
  // The part of the formula whose operation raised the error, when it
  // arose while the program ran.
  std::optional<TextSpan> errorSpan;
};

class RowEvaluator {
public:
  // The standard math context attached, no variables yet.
  RowEvaluator();
  RowEvaluator(const RowEvaluator &) = delete;
  RowEvaluator &operator=(const RowEvaluator &) = delete;

  // Binds name to a new slot holding value and returns the slot's index
  // (0, 1, ... in order of binding). Throws "Duplicate hash list entry: %s"
  // for a name already bound, in any case.
  std::size_t addVariable(std::string_view name, Float value = 0);
  // Compiles formula against the variables bound so far; throws the
  // parser's errors. Variables bound afterwards are not seen.
  void compile(std::string_view formula);

  // A second evaluator of the same variables, values and formula, for
  // another thread to use; made on the calling thread, since compiling
  // reads the standard context.
  std::unique_ptr<RowEvaluator> clone() const;

  std::size_t slotCount() const noexcept { return slots_.size(); }
  // Asserts slot < slotCount().
  void setValue(std::size_t slot, Float value);
  // Converts text as Compute converts a value cell (spaces, sign, the current
  // decimal separator; rounded once to Float) into the slot. Throws
  // EConvertError quoting the text, or EOverflow beyond the Float range.
  void setValueText(std::size_t slot, std::string_view text);
  // Runs the compiled program on the slots as they are; throws the
  // floating-point faults and the math routines' domain errors.
  Float evaluate() { return evaluator_.Evaluate(); }
  // After compile: where the text the formula's grammar did not read begins.
  std::optional<std::size_t> ignoredTextOffset() const noexcept {
    return evaluator_.IgnoredTextOffset();
  }
  // After compile: the slots the program reads, in ascending order. The
  // others take no part in any result, so their values need not be set.
  std::vector<std::size_t> slotsRead() const;

  // Neither of these throws: the first error, in the order conversion of
  // each text then evaluation, becomes the outcome. Only the slots written
  // change, so a failing row leaves nothing behind for the next one.
  //
  // Converts texts[i] into slot i, then evaluates.
  void evaluateRow(std::span<const std::string_view> texts, RowOutcome &outcome);
  // Writes value into slot, then evaluates.
  void evaluateAt(std::size_t slot, Float value, RowOutcome &outcome);
  // Many values of one slot: outcomes[i] is what evaluateAt(slot,
  // values[i]) gives, the slot left holding the last value.
  void evaluateAt(std::size_t slot, std::span<const Float> values,
                  std::span<RowOutcome> outcomes);
  // A block of rows of width slots.size(), distinct slots: row r converts
  // texts[r * width + k] into slots[k] and evaluates into outcomes[r], each
  // row exactly as evaluateRow would.
  void evaluateRows(std::span<const std::string_view> texts,
                    std::span<const std::size_t> slots, std::span<RowOutcome> outcomes);

private:
  template <class Step> void capture(Step &&step, RowOutcome &outcome) noexcept;
  // The program run over many rows at once, with these slots read from
  // columns; made again after a compile or for other slots.
  BlockEvaluator &blockFor(std::span<const std::size_t> slots);
  // Evaluates rows rows of columnPointers_ into outcomes[rowOf[i]] (or
  // outcomes[i] without rowOf).
  void evaluateColumns(std::size_t rows, const std::size_t *rowOf,
                       std::span<RowOutcome> outcomes);

  // A deque keeps every slot at its address while more are added; the
  // compiled program reads them through those addresses.
  std::deque<Float> slots_;
  std::vector<std::string> names_; // of the slots
  TCompiledEvaluator evaluator_;
  std::unique_ptr<BlockEvaluator> block_;
  std::vector<std::size_t> blockSlots_;
  // Scratch of the blocks, kept so that a block allocates nothing.
  std::vector<Float> columnValues_; // converted cells, a column per slot
  std::vector<const Float *> columnPointers_;
  std::vector<Float> results_;
  std::vector<std::size_t> rowOf_;  // the outcome of each converted row
  std::vector<std::size_t> failed_; // the rows of a block whose evaluation failed
};

} // namespace quorvex
