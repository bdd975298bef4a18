#include "publicerror.h"

#include "engine/blockevaluator.h"
#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "mathlib/standardcontext.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

struct Formula::Impl {
  explicit Impl(std::size_t count) : slots(count), storage(count, nullptr) {}

  TCompiledEvaluator evaluator;
  std::vector<std::string> names;
  std::vector<Float> slots;     // the values of variables without an address
  std::vector<Float *> storage; // where each variable's value is
  // The block evaluator of the last columns call, for the variables that
  // had a column then.
  std::unique_ptr<BlockEvaluator> block;
  std::vector<bool> blockColumns;
  std::vector<const Float *> columnPointers;

  Float *slot(std::size_t i) const {
    if (i >= storage.size())
      throw usageError("Slot " + decimalText(i) + " is out of range (" +
                       decimalText(storage.size()) + " variables)");
    return storage[i];
  }
};

namespace {

// Runs work, turning what the engine throws into Error; running out of
// memory stays std::bad_alloc, as the interface promises.
template <class Work> auto translated(Work &&work) {
  try {
    return work();
  } catch (const std::bad_alloc &) {
    throw;
  } catch (const std::exception &e) {
    throw publicError(e);
  }
}

} // namespace

std::unique_ptr<Formula::Impl> Formula::compile(std::string_view text,
                                                std::span<const Variable> variables,
                                                const CompileOptions &options) {
  checkDecimalSeparator(options.decimalSeparator);
  return translated([&] {
    auto impl = std::make_unique<Formula::Impl>(variables.size());
    impl->evaluator.ExternalContexts.Add(StandardContext());
    for (std::size_t i = 0; i < variables.size(); ++i) {
      const Variable &v = variables[i];
      impl->names.emplace_back(v.name);
      impl->storage[i] = v.address != nullptr ? v.address : &impl->slots[i];
      impl->evaluator.AddVariable(v.name, impl->storage[i]);
    }
    {
      const ThreadDecimalSeparator separator(options.decimalSeparator);
      impl->evaluator.Compile(text);
    }
    const std::optional<std::size_t> ignored = impl->evaluator.IgnoredTextOffset();
    if (options.rejectTrailingText && ignored) {
      const std::string &compiled = impl->evaluator.Expression();
      ETrailingTextError error(std::string_view(compiled).substr(*ignored));
      error.setSpan({*ignored, compiled.size() - *ignored});
      throw error;
    }
    return impl;
  });
}

namespace {

// Marks each row that faults and keeps its error when asked to.
class RowErrorSink final : public BlockFaultSink {
public:
  RowErrorSink(double *results, std::vector<RowError> *failures)
      : results_(results), failures_(failures) {}
  void rowFailed(std::size_t row, const std::exception &error) noexcept override {
    results_[row] = std::numeric_limits<double>::quiet_NaN();
    ++count_;
    if (failures_ != nullptr) {
      try {
        failures_->push_back({row, publicError(error)});
      } catch (const std::bad_alloc &) {
        // The row still counts and reads NaN; only its message is lost.
      }
    }
  }
  std::size_t count() const noexcept { return count_; }

private:
  double *results_;
  std::vector<RowError> *failures_;
  std::size_t count_ = 0;
};

} // namespace

Formula::Formula(std::unique_ptr<Impl> impl) noexcept : impl_(std::move(impl)) {}

Formula::Formula(std::string_view text, std::span<const Variable> variables,
                 const CompileOptions &options)
    : impl_(compile(text, variables, options)) {}

Formula::Formula(std::string_view text, std::initializer_list<Variable> variables,
                 const CompileOptions &options)
    : impl_(compile(text, std::span<const Variable>(variables.begin(), variables.size()),
                    options)) {}

std::optional<Formula> Formula::tryCompile(std::string_view text,
                                           std::span<const Variable> variables,
                                           const CompileOptions &options, Error *error) {
  try {
    return Formula(compile(text, variables, options));
  } catch (const Error &e) {
    if (error != nullptr)
      *error = e;
    return std::nullopt;
  }
}

Formula::Formula(Formula &&other) noexcept = default;
Formula &Formula::operator=(Formula &&other) noexcept = default;
Formula::~Formula() = default;

std::size_t Formula::variableCount() const noexcept {
  return impl_->storage.size();
}

std::string_view Formula::variableName(std::size_t slot) const {
  impl_->slot(slot);
  return impl_->names[slot];
}

void Formula::set(std::size_t slot, double value) {
  *impl_->slot(slot) = value;
}

double Formula::value(std::size_t slot) const {
  return *impl_->slot(slot);
}

double Formula::evaluate() {
  return translated([this] { return impl_->evaluator.EvaluateInline(); });
}

std::optional<double> Formula::tryEvaluate(Error *error) {
  try {
    return impl_->evaluator.EvaluateInline();
  } catch (const std::bad_alloc &) {
    throw;
  } catch (const std::exception &e) {
    if (error != nullptr)
      *error = publicError(e);
    return std::nullopt;
  }
}

std::size_t Formula::evaluate(std::span<const double *const> columns, std::size_t rows,
                              double *results, std::vector<RowError> *failures) {
  Impl &d = *impl_;
  if (columns.size() != d.storage.size())
    throw usageError(decimalText(columns.size()) + " columns for " +
                     decimalText(d.storage.size()) + " variables");
  bool same = d.block != nullptr;
  for (std::size_t i = 0; same && i < columns.size(); ++i)
    same = d.blockColumns[i] == (columns[i] != nullptr);
  if (!same) {
    std::vector<Float *> variables;
    d.blockColumns.assign(columns.size(), false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i] == nullptr)
        continue;
      if (std::find(variables.begin(), variables.end(), d.storage[i]) != variables.end())
        throw usageError("Two columns for variables bound to one address");
      variables.push_back(d.storage[i]);
      d.blockColumns[i] = true;
    }
    d.block.reset();
    d.block = translated(
        [&] { return std::make_unique<BlockEvaluator>(d.evaluator, variables); });
  }
  d.columnPointers.clear();
  for (const double *column : columns)
    if (column != nullptr)
      d.columnPointers.push_back(column);
  RowErrorSink sink(results, failures);
  translated([&] { d.block->evaluate(d.columnPointers, rows, results, sink); });
  return sink.count();
}

const std::string &Formula::text() const noexcept {
  return impl_->evaluator.Expression();
}

std::optional<std::size_t> Formula::ignoredTextOffset() const noexcept {
  return impl_->evaluator.IgnoredTextOffset();
}

} // namespace quorvex
