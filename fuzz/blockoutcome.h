#pragma once

// What a row of a block run came to, in the form Evaluate's outcome takes,
// so that the fuzz target and the tests compare the two the same way.

#include "engine/blockevaluator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <typeinfo>

namespace quorvex::fuzz {

struct RowOutcome {
  bool failed = false;
  // Bits compared, so that a NaN or a -0 must match too; a failed row's is 0.
  Float value = 0;
  std::string errorClass;
  std::string message;
  std::optional<TextSpan> span;

  bool operator==(const RowOutcome &other) const {
    return failed == other.failed &&
           std::bit_cast<std::uint64_t>(value) ==
               std::bit_cast<std::uint64_t>(other.value) &&
           errorClass == other.errorClass && message == other.message &&
           span == other.span;
  }
};

inline RowOutcome failureOf(const std::exception &error) {
  RowOutcome outcome;
  outcome.failed = true;
  outcome.errorClass = typeid(error).name();
  outcome.message = error.what();
  if (const auto *calculatorError = dynamic_cast<const Exception *>(&error))
    outcome.span = calculatorError->span();
  return outcome;
}

// Evaluate's outcome with the variables as they stand.
inline RowOutcome evaluateOutcome(TCompiledEvaluator &evaluator) {
  RowOutcome outcome;
  try {
    outcome.value = evaluator.Evaluate();
  } catch (const std::exception &error) {
    outcome = failureOf(error);
  }
  return outcome;
}

// Keeps the rows a block run reported failed, and whether they came once
// each and in ascending order, as the block evaluator promises.
class RecordingSink final : public BlockFaultSink {
public:
  void rowFailed(std::size_t row, const std::exception &error) noexcept override {
    inOrder = inOrder && (faults.empty() || row > faults.rbegin()->first);
    faults.emplace(row, failureOf(error));
  }

  // The outcome of row, given the block's results.
  RowOutcome outcome(std::span<const Float> results, std::size_t row) const {
    const auto fault = faults.find(row);
    RowOutcome outcome = fault != faults.end() ? fault->second : RowOutcome{};
    outcome.value = results[row];
    return outcome;
  }

  std::map<std::size_t, RowOutcome> faults;
  bool inOrder = true;
};

} // namespace quorvex::fuzz
