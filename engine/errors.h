#pragma once

#include <cstddef>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messagetext.h"
#include "translationmark.h"

// Every error the calculator reports is an exception carrying the message
// text the user sees. One hierarchy, rooted in std::exception, so a single
// catch at the top of an action can report any of them.

namespace quorvex {

// A message as the template it was made from and the texts put into it:
// the desktop shows an error in the user's language by translating the
// template (context "Error") and filling in the same arguments, never by
// reading the English message back. The template is a string literal
// marked with QV_TRANSLATE_NOOP; none for a message made another way.
struct MessageParts {
  const char *source = nullptr;
  std::vector<std::string> arguments;

  bool operator==(const MessageParts &) const = default;
};

// A run of bytes of a formula text; length 0 is the place between two bytes
// (or the end of the text).
struct TextSpan {
  std::size_t offset = 0;
  std::size_t length = 0;

  bool operator==(const TextSpan &) const = default;
};

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  explicit Exception(MessageParts parts)
      : message_(fillMessage(parts.source, parts.arguments)), parts_(std::move(parts)) {}
  const char *what() const noexcept override { return message_.c_str(); }
  const std::string &message() const noexcept { return message_; }

  // The part of the formula the error arose at: the token, for an error
  // raised while the formula was read (parse errors, and the number errors
  // of its tokens); the text of the operation that faulted, for an error
  // raised while its program ran (the operator with both operands, or the
  // function call with its arguments); none for every other error. Never
  // part of the message.
  const std::optional<TextSpan> &span() const noexcept { return span_; }
  void setSpan(TextSpan span) noexcept { span_ = span; }

  const MessageParts &parts() const noexcept { return parts_; }

private:
  std::string message_;
  MessageParts parts_;
  std::optional<TextSpan> span_;
};

// Errors of the calculator's own components (engine and math library).
class ECalcError : public Exception {
public:
  using Exception::Exception;
};

// Parse errors; every message starts with "Parse error: ".
class EExprEvalError : public ECalcError {
public:
  using ECalcError::ECalcError;
};

class EStringHashMapError : public ECalcError {
public:
  using ECalcError::ECalcError;
};

// The three floating-point faults the calculator treats as errors.
class EMathError : public Exception {
public:
  using Exception::Exception;
};

class EZeroDivide final : public EMathError {
public:
  EZeroDivide()
      : EMathError(MessageParts{
            QV_TRANSLATE_NOOP("Error", "Floating point division by zero"), {}}) {}
};

class EOverflow final : public EMathError {
public:
  EOverflow()
      : EMathError(
            MessageParts{QV_TRANSLATE_NOOP("Error", "Floating point overflow"), {}}) {}
};

class EInvalidOp final : public EMathError {
public:
  EInvalidOp()
      : EMathError(MessageParts{
            QV_TRANSLATE_NOOP("Error", "Invalid floating point operation"), {}}) {}
};

// A text that is not a number under the current decimal separator.
class EConvertError final : public Exception {
public:
  explicit EConvertError(std::string_view text);
};

// Text after a complete formula, where the caller asked that it fail the
// computation instead of being ignored (quorvex-eval --strict).
class ETrailingTextError final : public Exception {
public:
  explicit ETrailingTextError(std::string_view text);
};

// Indexing an empty or too short list, e.g. running a machine with no program.
class EListError final : public Exception {
public:
  explicit EListError(long long index);
};

// A programming error: a check that use cannot make fail.
class EAssertionFailed final : public Exception {
public:
  EAssertionFailed(std::string_view text, std::string_view file, int line);
};

[[noreturn]] void assertionFailed(std::string_view text, const char *file, int line);

// The whole message of any error: what() ends at the first NUL byte, and a
// message that quotes a cell or a line of input may hold one.
std::string_view messageOf(const std::exception &error) noexcept;

} // namespace quorvex

// Checks that stay on in release builds: they guard the engine's invariants
// against callers, and their cost is negligible next to what they protect.
#define QV_ASSERT(cond, text)                                                            \
  do {                                                                                   \
    if (!(cond)) [[unlikely]]                                                            \
      ::quorvex::assertionFailed((text), __FILE__, __LINE__);                            \
  } while (false)
