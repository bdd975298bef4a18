#include "catalogueentries.h"
#include "publicerror.h"

#include "quorvex/quorvex.h"
#include "quorvex/quorvex.hpp"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

// The C interface: each call runs the C++ one and turns what it throws
// into a status and the caller's quorvex_error.

struct quorvex_formula {
  quorvex::Formula formula;
};

namespace {

quorvex_status report(const quorvex::Error &e, quorvex_error *error) noexcept {
  if (error != nullptr) {
    if (error->message != nullptr && error->message_size > 0) {
      const std::size_t n = std::min(e.message().size(), error->message_size - 1);
      std::memcpy(error->message, e.message().data(), n);
      error->message[n] = '\0';
    }
    const std::optional<quorvex::Span> span = e.span();
    error->has_span = span ? 1 : 0;
    error->span_offset = span ? span->offset : 0;
    error->span_length = span ? span->length : 0;
  }
  return static_cast<quorvex_status>(static_cast<int>(e.kind()) + 1);
}

quorvex_status outOfMemory(quorvex_error *error) noexcept {
  if (error != nullptr) {
    static constexpr char message[] = "Out of memory.";
    if (error->message != nullptr && error->message_size > 0) {
      const std::size_t n = std::min(sizeof message - 1, error->message_size - 1);
      std::memcpy(error->message, message, n);
      error->message[n] = '\0';
    }
    error->has_span = 0;
    error->span_offset = 0;
    error->span_length = 0;
  }
  return QUORVEX_ERROR_MEMORY;
}

// Runs call, turning its errors into the status.
template <class Call> quorvex_status guarded(quorvex_error *error, Call &&call) noexcept {
  try {
    call();
    return QUORVEX_OK;
  } catch (const quorvex::Error &e) {
    return report(e, error);
  } catch (const std::bad_alloc &) {
    return outOfMemory(error);
  } catch (const std::exception &e) {
    return report(quorvex::publicError(e), error);
  }
}

quorvex_status needed(const void *pointer, const char *what,
                      quorvex_error *error) noexcept {
  if (pointer != nullptr)
    return QUORVEX_OK;
  return guarded(error,
                 [&] { throw quorvex::usageError(std::string(what) + " is null"); });
}

} // namespace

static_assert(static_cast<int>(quorvex::ErrorKind::Internal) + 1 ==
              QUORVEX_ERROR_INTERNAL);
static_assert(static_cast<int>(quorvex::ErrorKind::Usage) + 1 == QUORVEX_ERROR_USAGE);
static_assert(static_cast<int>(quorvex::ErrorKind::Parse) + 1 == QUORVEX_ERROR_PARSE);

extern "C" {

quorvex_status quorvex_compile(const char *text, const char *const *names,
                               double *const *addresses, size_t count,
                               const quorvex_options *options, quorvex_formula **formula,
                               quorvex_error *error) {
  if (const quorvex_status s = needed(formula, "formula", error); s != QUORVEX_OK)
    return s;
  *formula = nullptr;
  if (const quorvex_status s = needed(text, "text", error); s != QUORVEX_OK)
    return s;
  if (count > 0)
    if (const quorvex_status s = needed(names, "names", error); s != QUORVEX_OK)
      return s;
  return guarded(error, [&] {
    std::vector<quorvex::Variable> variables;
    for (std::size_t i = 0; i < count; ++i) {
      if (names[i] == nullptr)
        throw quorvex::usageError("names[" + quorvex::decimalText(i) + "] is null");
      variables.emplace_back(std::string_view(names[i]),
                             addresses != nullptr ? addresses[i] : nullptr);
    }
    quorvex::CompileOptions compileOptions;
    if (options != nullptr) {
      compileOptions.decimalSeparator = options->decimal_separator;
      compileOptions.rejectTrailingText = options->reject_trailing_text != 0;
    }
    auto handle = std::make_unique<quorvex_formula>(
        quorvex_formula{quorvex::Formula(text, variables, compileOptions)});
    *formula = handle.release();
  });
}

void quorvex_free(quorvex_formula *formula) {
  std::unique_ptr<quorvex_formula> owned(formula);
}

quorvex_status quorvex_set(quorvex_formula *formula, size_t slot, double value,
                           quorvex_error *error) {
  if (const quorvex_status s = needed(formula, "formula", error); s != QUORVEX_OK)
    return s;
  return guarded(error, [&] { formula->formula.set(slot, value); });
}

quorvex_status quorvex_evaluate(quorvex_formula *formula, double *result,
                                quorvex_error *error) {
  if (const quorvex_status s = needed(formula, "formula", error); s != QUORVEX_OK)
    return s;
  if (const quorvex_status s = needed(result, "result", error); s != QUORVEX_OK)
    return s;
  return guarded(error, [&] { *result = formula->formula.evaluate(); });
}

quorvex_status quorvex_evaluate_columns(quorvex_formula *formula,
                                        const double *const *columns, size_t column_count,
                                        size_t rows, double *results, size_t *failed_rows,
                                        quorvex_error *error) {
  return quorvex_evaluate_columns_threads(formula, columns, column_count, rows, results,
                                          failed_rows, 1, error);
}

quorvex_status quorvex_evaluate_columns_threads(quorvex_formula *formula,
                                                const double *const *columns,
                                                size_t column_count, size_t rows,
                                                double *results, size_t *failed_rows,
                                                size_t threads, quorvex_error *error) {
  if (const quorvex_status s = needed(formula, "formula", error); s != QUORVEX_OK)
    return s;
  if (column_count > 0)
    if (const quorvex_status s = needed(columns, "columns", error); s != QUORVEX_OK)
      return s;
  if (rows > 0)
    if (const quorvex_status s = needed(results, "results", error); s != QUORVEX_OK)
      return s;
  return guarded(error, [&] {
    const std::size_t failed = formula->formula.evaluate({columns, column_count}, rows,
                                                         results, nullptr, threads);
    if (failed_rows != nullptr)
      *failed_rows = failed;
  });
}

quorvex_status quorvex_format_number(double value, const char *format,
                                     char decimal_separator, char *text, size_t text_size,
                                     size_t *length, quorvex_error *error) {
  if (const quorvex_status s = needed(text, "text", error); s != QUORVEX_OK)
    return s;
  return guarded(error, [&] {
    if (text_size > 0)
      *text = '\0';
    const std::string written = quorvex::formatNumber(
        value, format != nullptr ? format : "general:15", decimal_separator);
    if (length != nullptr)
      *length = written.size();
    if (written.size() >= text_size)
      throw quorvex::usageError("The text needs " +
                                quorvex::decimalText(written.size() + 1) +
                                " bytes, not " + quorvex::decimalText(text_size));
    std::memcpy(text, written.c_str(), written.size() + 1);
  });
}

size_t quorvex_function_count(void) {
  return quorvex::functionEntries().size();
}

quorvex_status quorvex_function_info(size_t index, const char **name,
                                     const char **arguments, const char **description) {
  const auto &entries = quorvex::functionEntries();
  if (index >= entries.size())
    return QUORVEX_ERROR_USAGE;
  if (name != nullptr)
    *name = entries[index].name.c_str();
  if (arguments != nullptr)
    *arguments = entries[index].arguments.c_str();
  if (description != nullptr)
    *description = entries[index].description.c_str();
  return QUORVEX_OK;
}

size_t quorvex_constant_count(void) {
  return quorvex::constantEntries().size();
}

quorvex_status quorvex_constant_info(size_t index, const char **name, double *value,
                                     const char **description) {
  const auto &entries = quorvex::constantEntries();
  if (index >= entries.size())
    return QUORVEX_ERROR_USAGE;
  if (name != nullptr)
    *name = entries[index].name.c_str();
  if (value != nullptr)
    *value = entries[index].value;
  if (description != nullptr)
    *description = entries[index].description.c_str();
  return QUORVEX_OK;
}

} // extern "C"
