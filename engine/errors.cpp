#include "errors.h"

namespace quorvex {

EConvertError::EConvertError(std::string_view text)
    : Exception(MessageParts{
          QV_TRANSLATE_NOOP("Error", "'%1' is not a valid floating point value"),
          {std::string(text)}}) {}

ETrailingTextError::ETrailingTextError(std::string_view text)
    : Exception(MessageParts{
          QV_TRANSLATE_NOOP("Error", "Unexpected text after the formula: '%1'"),
          {std::string(text)}}) {}

EListError::EListError(long long index)
    : Exception(MessageParts{QV_TRANSLATE_NOOP("Error", "List index out of bounds (%1)"),
                             {std::to_string(index)}}) {}

EAssertionFailed::EAssertionFailed(std::string_view text, std::string_view file, int line)
    : Exception(std::string(text) + " (" + std::string(file) + ", line " +
                std::to_string(line) + ")") {}

void assertionFailed(std::string_view text, const char *file, int line) {
  throw EAssertionFailed(text, file, line);
}

std::string_view messageOf(const std::exception &error) noexcept {
  if (const auto *own = dynamic_cast<const Exception *>(&error))
    return own->message();
  return error.what();
}

} // namespace quorvex
