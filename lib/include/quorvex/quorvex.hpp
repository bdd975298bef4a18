#pragma once

#include "quorvex/export.h"

#include <cstddef>
#include <exception>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The formula engine of the Quorvex calculator for C++ programs: compile a
// formula once against named variables, then evaluate it as often as the
// variables change, one value at a time or over columns of values. Formulas
// are written in the calculator's language (docs/library.md links its
// description): arguments are separated by ";", "^" is not an operator
// (power(x;y)), names ignore case, and text after a complete formula is
// ignored unless CompileOptions::rejectTrailingText asks otherwise.
//
// Threads: compiling is safe from any number of threads at once. A Formula
// is used by one thread at a time (it keeps its program's scratch values);
// it may move to another thread between calls.

namespace quorvex {

// What went wrong; the message tells the details.
enum class ErrorKind {
  Parse,             // the formula cannot be read ("Parse error: ...")
  Number,            // a number of the formula is not valid with its decimal separator
  DuplicateVariable, // two variables of the same name, in any case
  TrailingText,      // text after the formula, with rejectTrailingText
  ZeroDivide,        // "Floating point division by zero"
  Overflow,          // "Floating point overflow", also of a number in the formula
  InvalidOperation,  // "Invalid floating point operation"
  Domain,            // an argument outside a function's domain
  Usage,             // a call breaking this interface's rules (a slot out of range, ...)
  Internal,          // anything else the engine raised
};

// A run of bytes of the formula's text.
struct Span {
  std::size_t offset = 0;
  std::size_t length = 0; // 0: the place before the byte at offset
};

// The one exception type the library throws (apart from std::bad_alloc).
class QUORVEX_API Error : public std::exception {
public:
  // An Internal error with no message, to be filled by the try… calls.
  Error() = default;
  Error(ErrorKind kind, std::string message, std::optional<Span> span = std::nullopt);

  ErrorKind kind() const noexcept;
  // The message as the calculator's error report shows it, full stop
  // included. Also what what() returns.
  const std::string &message() const noexcept;
  const char *what() const noexcept override;
  // The bytes of the formula the error arose at: the token it could not
  // read, or the operation (operator with its operands, function call with
  // its arguments) that faulted while it ran. None for errors of no place
  // (a duplicate variable, a usage error).
  std::optional<Span> span() const noexcept;

private:
  ErrorKind kind_ = ErrorKind::Internal;
  std::string message_;
  std::optional<Span> span_;
};

// A variable: its name, and the double it is read from, which must outlive
// the Formula; without an address the Formula keeps the value in a slot of
// its own, set with Formula::set (0 until set).
struct Variable {
  Variable(const char *name) : name(name) {}
  Variable(std::string_view name, double *address = nullptr)
      : name(name), address(address) {}

  std::string_view name;
  double *address = nullptr;
};

struct CompileOptions {
  // The decimal separator of the formula's numbers: '.' or ','. With ',',
  // "power(2,5;2)" is 2.5 squared.
  char decimalSeparator = '.';
  // Fail with ErrorKind::TrailingText when text follows a complete formula
  // ("2^3", "2x") instead of ignoring it.
  bool rejectTrailingText = false;
};

// A row of an evaluation over columns that failed, with its error.
struct RowError {
  std::size_t row;
  Error error;
};

class QUORVEX_API Formula {
public:
  // Compiles text against variables; variable i is slot i. Throws Error.
  Formula(std::string_view text, std::span<const Variable> variables,
          const CompileOptions &options = {});
  Formula(std::string_view text, std::initializer_list<Variable> variables = {},
          const CompileOptions &options = {});
  // The same without throwing Error: none, with *error set when error is
  // not null, when the formula does not compile.
  static std::optional<Formula> tryCompile(std::string_view text,
                                           std::span<const Variable> variables,
                                           const CompileOptions &options = {},
                                           Error *error = nullptr);

  // A moved-from Formula may only be assigned to or destroyed.
  Formula(Formula &&other) noexcept;
  Formula &operator=(Formula &&other) noexcept;
  ~Formula();

  // The number of variables, and the name of variable i as given.
  std::size_t variableCount() const noexcept;
  std::string_view variableName(std::size_t slot) const;
  // Sets or reads the value of variable slot (for a variable bound by
  // address, the double at that address). Throws a Usage error when slot is
  // not below variableCount().
  void set(std::size_t slot, double value);
  double value(std::size_t slot) const;

  // Runs the formula once on the variables' values. Throws Error with the
  // fault's message and the span of the operation that raised it.
  double evaluate();
  // The same without throwing: none, with *error set when error is not
  // null, when the run faults.
  std::optional<double> tryEvaluate(Error *error = nullptr);

  // Evaluates rows 0 .. rows - 1 at once: columns has one entry per
  // variable; columns[i][r] is variable i's value in row r, and a null
  // column leaves variable i at its value. results[r] receives the row's
  // value, the one evaluate() gives; a row that faults gets NaN (never a
  // value: a result that is not finite is a fault) and, when failures is
  // not null, an entry there, in ascending row order. Returns the number of
  // rows that faulted. results must not overlap a column. Afterwards each
  // variable with a column holds its last row's value. Throws a Usage error
  // when columns.size() != variableCount().
  std::size_t evaluate(std::span<const double *const> columns, std::size_t rows,
                       double *results, std::vector<RowError> *failures = nullptr);
  // The same on up to threads threads at once (0: one for each CPU the
  // process may run on; at most 256): long columns are split into parts,
  // each evaluated by a copy of the formula of its own thread, with the
  // results, the failures and their order, and the variables afterwards of
  // the call above, which is this one on one thread. Columns shorter than
  // 16,384 rows stay on the calling thread. The copies are compiled by the
  // first call that needs them and kept. The threads are the library's
  // own, started as needed and kept for later calls; a process that forks
  // may go on calling in the child.
  std::size_t evaluate(std::span<const double *const> columns, std::size_t rows,
                       double *results, std::vector<RowError> *failures,
                       std::size_t threads);

  // The formula's text as compiled.
  const std::string &text() const noexcept;
  // Where the text that the formula's grammar did not read begins (ignored
  // text after a complete formula), or none when it was read to the end.
  std::optional<std::size_t> ignoredTextOffset() const noexcept;

private:
  struct Impl;
  QUORVEX_LOCAL explicit Formula(std::unique_ptr<Impl> impl) noexcept;
  QUORVEX_LOCAL static std::unique_ptr<Impl> compile(std::string_view text,
                                                     std::span<const Variable> variables,
                                                     const CompileOptions &options);
  std::unique_ptr<Impl> impl_;
};

// A function or constant a formula can name.
struct CatalogueEntry {
  std::string name;
  std::string
      arguments; // a function's, as written in a formula ("x; z"); empty for a constant
  std::string description;
  double value = 0; // a constant's value
};

// value as text, as the calculator writes numbers: the decimal separator
// ('.' or ','), a capital E, no "+" or leading zeros in the exponent, "INF"
// and "NAN". format is one of "general:N", "sci:N" and "eng:N" with N
// significant digits (1 to 17), "fixed:N" with N decimals (0 to 20),
// "shortest" (the fewest digits that read back as value), "exact" (every
// digit of its binary value) and "hex" (hexadecimal floating point, always
// with "."); "general:15" is the calculator's result box:
// formatNumber(1.0 / 3) is "0.333333333333333". Throws a Usage error for an
// unknown format, a digit count out of range or another separator.
QUORVEX_API std::string formatNumber(double value, std::string_view format = "general:15",
                                     char decimalSeparator = '.');

// Every function, and every constant, in the calculator's catalogue order.
QUORVEX_API std::vector<CatalogueEntry> functions();
QUORVEX_API std::vector<CatalogueEntry> constants();

} // namespace quorvex
