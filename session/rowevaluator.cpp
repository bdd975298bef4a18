#include "rowevaluator.h"

#include "engine/errors.h"
#include "engine/numberconversion.h"
#include "mathlib/standardcontext.h"

#include <algorithm>
#include <exception>

namespace quorvex {

RowEvaluator::RowEvaluator() {
  evaluator_.ExternalContexts.Add(StandardContext());
}

std::size_t RowEvaluator::addVariable(std::string_view name, Float value) {
  std::string kept(name);
  names_.reserve(slots_.size() + 1);
  slots_.push_back(value);
  try {
    evaluator_.AddVariable(name, &slots_.back());
  } catch (...) {
    slots_.pop_back();
    throw;
  }
  names_.push_back(std::move(kept));
  return slots_.size() - 1;
}

std::unique_ptr<RowEvaluator> RowEvaluator::clone() const {
  auto copy = std::make_unique<RowEvaluator>();
  for (std::size_t slot = 0; slot < slots_.size(); ++slot)
    copy->addVariable(names_[slot], slots_[slot]);
  // Without a program (no compile, or a failed one) the copy has none either.
  if (evaluator_.Machine.HasProgram())
    copy->compile(evaluator_.Expression());
  return copy;
}

void RowEvaluator::compile(std::string_view formula) {
  block_.reset(); // made for the program being replaced
  evaluator_.Compile(formula);
}

void RowEvaluator::setValue(std::size_t slot, Float value) {
  QV_ASSERT(slot < slots_.size(), "slot < slotCount()");
  slots_[slot] = value;
}

void RowEvaluator::setValueText(std::size_t slot, std::string_view text) {
  setValue(slot, valueTextToFloat(text));
}

namespace {

// The rows a block evaluates at once: the cells of a chunk of rows are
// converted, then evaluated together.
constexpr std::size_t chunkRows = 1024;

void succeed(RowOutcome &outcome, Float value) noexcept {
  outcome.value = value;
  outcome.ok = true;
  outcome.error.clear();
  outcome.errorParts.source = nullptr;
  outcome.errorParts.arguments.clear();
  outcome.errorSpan.reset();
}

void fail(RowOutcome &outcome, const std::exception &e) noexcept {
  // Not only quorvex::Exception: running out of memory while quoting one
  // row's text must fail that row, not the run.
  outcome.ok = false;
  outcome.value = 0;
  const auto *calculatorError = dynamic_cast<const Exception *>(&e);
  outcome.errorSpan = calculatorError ? calculatorError->span() : std::nullopt;
  try {
    outcome.error.assign(messageOf(e));
    outcome.errorParts = calculatorError ? calculatorError->parts() : MessageParts{};
  } catch (...) {
    outcome.error.clear();
    outcome.errorParts = {};
  }
}

// Keeps the error of each row of a block that fails, in its outcome.
class OutcomeSink final : public BlockFaultSink {
public:
  OutcomeSink(std::span<RowOutcome> outcomes, const std::size_t *rowOf,
              std::vector<std::size_t> &failed)
      : outcomes_(outcomes), rowOf_(rowOf), failed_(failed) {}
  void rowFailed(std::size_t row, const std::exception &error) noexcept override {
    failed_.push_back(row); // within the capacity reserved for a block
    fail(outcomes_[rowOf_ != nullptr ? rowOf_[row] : row], error);
  }

private:
  std::span<RowOutcome> outcomes_;
  const std::size_t *rowOf_;
  std::vector<std::size_t> &failed_;
};

} // namespace

template <class Step>
void RowEvaluator::capture(Step &&step, RowOutcome &outcome) noexcept {
  try {
    step();
    succeed(outcome, evaluate());
  } catch (const std::exception &e) {
    fail(outcome, e);
  }
}

BlockEvaluator &RowEvaluator::blockFor(std::span<const std::size_t> slots) {
  if (block_ == nullptr ||
      !std::equal(slots.begin(), slots.end(), blockSlots_.begin(), blockSlots_.end())) {
    std::vector<Float *> storage;
    for (const std::size_t slot : slots) {
      QV_ASSERT(slot < slots_.size(), "slot < slotCount()");
      storage.push_back(&slots_[slot]);
    }
    block_.reset();
    block_ = std::make_unique<BlockEvaluator>(evaluator_, storage);
    blockSlots_.assign(slots.begin(), slots.end());
    columnPointers_.resize(slots.size());
    results_.resize(chunkRows);
    failed_.reserve(chunkRows);
  }
  return *block_;
}

void RowEvaluator::evaluateColumns(std::size_t rows, const std::size_t *rowOf,
                                   std::span<RowOutcome> outcomes) {
  failed_.clear();
  OutcomeSink sink(outcomes, rowOf, failed_);
  block_->evaluate(columnPointers_, rows, results_.data(), sink);
  std::size_t nextFailed = 0;
  for (std::size_t i = 0; i < rows; ++i) {
    if (nextFailed < failed_.size() && failed_[nextFailed] == i) {
      ++nextFailed;
      continue;
    }
    succeed(outcomes[rowOf != nullptr ? rowOf[i] : i], results_[i]);
  }
}

void RowEvaluator::evaluateRow(std::span<const std::string_view> texts,
                               RowOutcome &outcome) {
  capture(
      [&] {
        for (std::size_t i = 0; i < texts.size(); ++i)
          setValueText(i, texts[i]);
      },
      outcome);
}

void RowEvaluator::evaluateRows(std::span<const std::string_view> texts,
                                std::span<const std::size_t> slots,
                                std::span<RowOutcome> outcomes) {
  const std::size_t width = slots.size();
  QV_ASSERT(texts.size() == outcomes.size() * width, "texts.size() == rows * width");
  if (outcomes.empty())
    return;
  blockFor(slots);
  columnValues_.resize(width * chunkRows);
  rowOf_.resize(chunkRows);
  for (std::size_t k = 0; k < width; ++k)
    columnPointers_[k] = columnValues_.data() + k * chunkRows;
  for (std::size_t first = 0; first < outcomes.size(); first += chunkRows) {
    const std::size_t last = std::min(outcomes.size(), first + chunkRows);
    // The cells first: a row whose cell does not convert fails with that
    // cell's error and takes no part in the evaluation.
    std::size_t converted = 0;
    for (std::size_t row = first; row < last; ++row) {
      const std::string_view *rowTexts = texts.data() + row * width;
      try {
        for (std::size_t k = 0; k < width; ++k)
          columnValues_[k * chunkRows + converted] = valueTextToFloat(rowTexts[k]);
        rowOf_[converted++] = row;
      } catch (const std::exception &e) {
        fail(outcomes[row], e);
      }
    }
    evaluateColumns(converted, rowOf_.data(), outcomes);
  }
}

std::vector<std::size_t> RowEvaluator::slotsRead() const {
  const std::vector<const void *> inputs = evaluator_.Machine.ExternalInputs();
  std::vector<std::size_t> slots;
  for (std::size_t slot = 0; slot < slots_.size(); ++slot)
    if (std::find(inputs.begin(), inputs.end(), &slots_[slot]) != inputs.end())
      slots.push_back(slot);
  return slots;
}

void RowEvaluator::evaluateAt(std::size_t slot, Float value, RowOutcome &outcome) {
  capture([&] { setValue(slot, value); }, outcome);
}

void RowEvaluator::evaluateAt(std::size_t slot, std::span<const Float> values,
                              std::span<RowOutcome> outcomes) {
  QV_ASSERT(values.size() == outcomes.size(), "values.size() == outcomes.size()");
  const std::size_t slots[] = {slot};
  blockFor(slots);
  for (std::size_t first = 0; first < values.size(); first += chunkRows) {
    const std::size_t rows = std::min(values.size() - first, chunkRows);
    columnPointers_[0] = values.data() + first;
    evaluateColumns(rows, nullptr, outcomes.subspan(first, rows));
  }
}

} // namespace quorvex
