#include "publicerror.h"

#include "engine/errors.h"
#include "engine/messagetext.h"
#include "engine/numberformat.h"
#include "mathlib/mathfuncerror.h"

#include <cstdio>

namespace quorvex {

namespace {

ErrorKind kindOf(const std::exception &error) {
  if (dynamic_cast<const EExprEvalError *>(&error) != nullptr)
    return ErrorKind::Parse;
  if (dynamic_cast<const EConvertError *>(&error) != nullptr)
    return ErrorKind::Number;
  if (dynamic_cast<const EStringHashMapError *>(&error) != nullptr)
    return ErrorKind::DuplicateVariable;
  if (dynamic_cast<const ETrailingTextError *>(&error) != nullptr)
    return ErrorKind::TrailingText;
  if (dynamic_cast<const EZeroDivide *>(&error) != nullptr)
    return ErrorKind::ZeroDivide;
  if (dynamic_cast<const EOverflow *>(&error) != nullptr)
    return ErrorKind::Overflow;
  if (dynamic_cast<const EInvalidOp *>(&error) != nullptr)
    return ErrorKind::InvalidOperation;
  if (dynamic_cast<const EMathFuncError *>(&error) != nullptr)
    return ErrorKind::Domain;
  if (dynamic_cast<const EFormatError *>(&error) != nullptr)
    return ErrorKind::Usage;
  return ErrorKind::Internal;
}

} // namespace

Error publicError(const std::exception &error) {
  std::optional<Span> span;
  if (const auto *engineError = dynamic_cast<const Exception *>(&error);
      engineError != nullptr && engineError->span())
    span = Span{engineError->span()->offset, engineError->span()->length};
  return {kindOf(error), withFullStop(error.what()), span};
}

Error usageError(std::string_view message) {
  return {ErrorKind::Usage, withFullStop(message)};
}

void checkDecimalSeparator(char separator) {
  if (separator != '.' && separator != ',')
    throw usageError("The decimal separator must be '.' or ','");
}

std::string decimalText(std::size_t n) {
  char text[24];
  const int length = std::snprintf(text, sizeof text, "%zu", n);
  return {text, static_cast<std::size_t>(length)};
}

Error::Error(ErrorKind kind, std::string message, std::optional<Span> span)
    : kind_(kind), message_(std::move(message)), span_(span) {}

ErrorKind Error::kind() const noexcept {
  return kind_;
}

const std::string &Error::message() const noexcept {
  return message_;
}

const char *Error::what() const noexcept {
  return message_.c_str();
}

std::optional<Span> Error::span() const noexcept {
  return span_;
}

} // namespace quorvex
