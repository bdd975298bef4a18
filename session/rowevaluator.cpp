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
  slots_.push_back(value);
  try {
    evaluator_.AddVariable(name, &slots_.back());
  } catch (...) {
    slots_.pop_back();
    throw;
  }
  return slots_.size() - 1;
}

void RowEvaluator::compile(std::string_view formula) {
  evaluator_.Compile(formula);
}

void RowEvaluator::setValue(std::size_t slot, Float value) {
  QV_ASSERT(slot < slots_.size(), "slot < slotCount()");
  slots_[slot] = value;
}

void RowEvaluator::setValueText(std::size_t slot, std::string_view text) {
  setValue(slot, valueTextToFloat(text));
}

template <class Step>
void RowEvaluator::capture(Step &&step, RowOutcome &outcome) noexcept {
  try {
    step();
    outcome.value = evaluate();
    outcome.ok = true;
    outcome.error.clear();
    outcome.errorSpan.reset();
  } catch (const std::exception &e) {
    // Not only quorvex::Exception: running out of memory while quoting one
    // row's text must fail that row, not the run.
    outcome.ok = false;
    outcome.value = 0;
    const auto *calculatorError = dynamic_cast<const Exception *>(&e);
    outcome.errorSpan = calculatorError ? calculatorError->span() : std::nullopt;
    try {
      outcome.error.assign(e.what());
    } catch (...) {
      outcome.error.clear();
    }
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
  for (std::size_t row = 0; row < outcomes.size(); ++row) {
    const std::string_view *rowTexts = texts.data() + row * width;
    capture(
        [&] {
          for (std::size_t k = 0; k < width; ++k)
            setValueText(slots[k], rowTexts[k]);
        },
        outcomes[row]);
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

} // namespace quorvex
