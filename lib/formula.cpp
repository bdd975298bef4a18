#include "publicerror.h"

#include "engine/blockevaluator.h"
#include "engine/decimalseparator.h"
#include "engine/errors.h"
#include "engine/evaluator.h"
#include "engine/workerpool.h"
#include "mathlib/standardcontext.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvex {

namespace {

// A compiled program and where its variables' values are; the block
// evaluator of its last columns call, for the variables that had a column
// then.
struct Lane {
  TCompiledEvaluator evaluator;
  std::vector<Float *> storage; // where each variable's value is
  std::unique_ptr<BlockEvaluator> block;
  std::vector<bool> blockColumns;
  std::vector<const Float *> columnPointers;

  BlockEvaluator &blockFor(std::span<const double *const> columns);
};

// The formula for one more thread of a columns call: compiled again, its
// variables in values of its own, shared as the formula's share addresses.
struct Copy : Lane {
  std::vector<Float> values;
};

} // namespace

struct Formula::Impl {
  explicit Impl(std::size_t count) : slots(count) { own.storage.assign(count, nullptr); }

  Lane own;
  std::vector<std::string> names;
  std::vector<Float> slots; // the values of variables without an address
  char decimalSeparator = '.';
  std::vector<std::unique_ptr<Copy>> copies; // made by the first call that needs them

  Float *slot(std::size_t i) const {
    if (i >= own.storage.size())
      throw usageError("Slot " + decimalText(i) + " is out of range (" +
                       decimalText(own.storage.size()) + " variables)");
    return own.storage[i];
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
    impl->decimalSeparator = options.decimalSeparator;
    TCompiledEvaluator &evaluator = impl->own.evaluator;
    evaluator.ExternalContexts.Add(StandardContext());
    for (std::size_t i = 0; i < variables.size(); ++i) {
      const Variable &v = variables[i];
      impl->names.emplace_back(v.name);
      impl->own.storage[i] = v.address != nullptr ? v.address : &impl->slots[i];
      evaluator.AddVariable(v.name, impl->own.storage[i]);
    }
    {
      const ThreadDecimalSeparator separator(options.decimalSeparator);
      evaluator.Compile(text);
    }
    const std::optional<std::size_t> ignored = evaluator.IgnoredTextOffset();
    if (options.rejectTrailingText && ignored) {
      const std::string &compiled = evaluator.Expression();
      ETrailingTextError error(std::string_view(compiled).substr(*ignored));
      error.setSpan({*ignored, compiled.size() - *ignored});
      throw error;
    }
    return impl;
  });
}

namespace {

BlockEvaluator &Lane::blockFor(std::span<const double *const> columns) {
  bool same = block != nullptr;
  for (std::size_t i = 0; same && i < columns.size(); ++i)
    same = blockColumns[i] == (columns[i] != nullptr);
  if (!same) {
    std::vector<Float *> variables;
    blockColumns.assign(columns.size(), false);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (columns[i] == nullptr)
        continue;
      if (std::find(variables.begin(), variables.end(), storage[i]) != variables.end())
        throw usageError("Two columns for variables bound to one address");
      variables.push_back(storage[i]);
      blockColumns[i] = true;
    }
    block.reset();
    block = translated(
        [&] { return std::make_unique<BlockEvaluator>(evaluator, variables); });
  }
  return *block;
}

// Compiled on the calling thread, which holds a standard context.
std::unique_ptr<Copy> copyOf(const Lane &own, const std::vector<std::string> &names,
                             char decimalSeparator) {
  return translated([&] {
    auto copy = std::make_unique<Copy>();
    const std::size_t count = own.storage.size();
    copy->values.assign(count, 0);
    copy->storage.assign(count, nullptr);
    copy->evaluator.ExternalContexts.Add(StandardContext());
    for (std::size_t i = 0; i < count; ++i) {
      const auto first = static_cast<std::size_t>(
          std::find(own.storage.begin(), own.storage.end(), own.storage[i]) -
          own.storage.begin());
      copy->storage[i] = &copy->values[first];
      copy->evaluator.AddVariable(names[i], copy->storage[i]);
    }
    const ThreadDecimalSeparator separator(decimalSeparator);
    copy->evaluator.Compile(own.evaluator.Expression());
    return copy;
  });
}

// Marks each row that faults and keeps its error when asked to. Rows count
// from the part's first, errors name them from the whole call's.
class RowErrorSink final : public BlockFaultSink {
public:
  RowErrorSink(double *results, std::size_t firstRow, std::vector<RowError> *failures)
      : results_(results), firstRow_(firstRow), failures_(failures) {}
  void rowFailed(std::size_t row, const std::exception &error) noexcept override {
    results_[row] = std::numeric_limits<double>::quiet_NaN();
    ++count_;
    if (failures_ != nullptr) {
      try {
        failures_->push_back({firstRow_ + row, publicError(error)});
      } catch (const std::bad_alloc &) {
        // The row still counts and reads NaN; only its message is lost.
      }
    }
  }
  std::size_t count() const noexcept { return count_; }

private:
  double *results_;
  std::size_t firstRow_;
  std::vector<RowError> *failures_;
  std::size_t count_ = 0;
};

// Rows of a columns call on other threads: each part at least this many
// rows, so that handing it over costs little beside it, and about this many
// parts per thread, so that a thread slowed by others' work leaves its
// parts to the rest.
constexpr std::size_t fewestPartRows = 8192;
constexpr std::size_t partsPerThread = 8;
constexpr std::size_t mostThreads = 256;

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
  return impl_->own.storage.size();
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
  return translated([this] { return impl_->own.evaluator.EvaluateInline(); });
}

std::optional<double> Formula::tryEvaluate(Error *error) {
  try {
    return impl_->own.evaluator.EvaluateInline();
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
  return evaluate(columns, rows, results, failures, 1);
}

std::size_t Formula::evaluate(std::span<const double *const> columns, std::size_t rows,
                              double *results, std::vector<RowError> *failures,
                              std::size_t threads) {
  Impl &d = *impl_;
  if (columns.size() != d.own.storage.size())
    throw usageError(decimalText(columns.size()) + " columns for " +
                     decimalText(d.own.storage.size()) + " variables");
  BlockEvaluator &block = d.own.blockFor(columns);
  if (threads == 0)
    threads = usableCpus();
  const std::size_t lanes = std::min({threads, rows / fewestPartRows, mostThreads});
  if (lanes <= 1) {
    d.own.columnPointers.clear();
    for (const double *column : columns)
      if (column != nullptr)
        d.own.columnPointers.push_back(column);
    RowErrorSink sink(results, 0, failures);
    translated([&] { block.evaluate(d.own.columnPointers, rows, results, sink); });
    return sink.count();
  }
  while (d.copies.size() + 1 < lanes)
    d.copies.push_back(copyOf(d.own, d.names, d.decimalSeparator));
  for (std::size_t c = 0; c + 1 < lanes; ++c) {
    Copy &copy = *d.copies[c];
    for (std::size_t i = 0; i < columns.size(); ++i)
      *copy.storage[i] = *d.own.storage[i];
    copy.blockFor(columns);
  }
  const std::size_t parts = std::min(lanes * partsPerThread, rows / fewestPartRows);
  std::vector<std::vector<RowError>> partFailures(failures != nullptr ? parts : 0);
  std::vector<std::size_t> partCounts(parts);
  runTasks(parts, lanes, [&](std::size_t part, std::size_t lane) {
    Lane &l = lane == 0 ? d.own : *d.copies[lane - 1];
    const std::size_t first = rows * part / parts, last = rows * (part + 1) / parts;
    l.columnPointers.clear();
    for (const double *column : columns)
      if (column != nullptr)
        l.columnPointers.push_back(column + first);
    RowErrorSink sink(results + first, first,
                      failures != nullptr ? &partFailures[part] : nullptr);
    translated([&] {
      l.block->evaluate(l.columnPointers, last - first, results + first, sink);
    });
    partCounts[part] = sink.count();
  });
  std::size_t failed = 0;
  for (std::size_t part = 0; part < parts; ++part) {
    failed += partCounts[part];
    if (failures != nullptr)
      failures->insert(failures->end(),
                       std::make_move_iterator(partFailures[part].begin()),
                       std::make_move_iterator(partFailures[part].end()));
  }
  // Each part left its last row's values in its own lane's variables.
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i] != nullptr)
      *d.own.storage[i] = columns[i][rows - 1];
  return failed;
}

const std::string &Formula::text() const noexcept {
  return impl_->own.evaluator.Expression();
}

std::optional<std::size_t> Formula::ignoredTextOffset() const noexcept {
  return impl_->own.evaluator.IgnoredTextOffset();
}

} // namespace quorvex
