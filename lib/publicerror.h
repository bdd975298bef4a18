#pragma once

#include "quorvex/quorvex.hpp"

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

// The library's one error type, made from whatever the engine raised: its
// kind from the exception's class, the message with the error report's
// full stop, the span as the engine gave it.

namespace quorvex {

Error publicError(const std::exception &error);

// The error of a call breaking the interface's rules; message has no full
// stop of its own.
Error usageError(std::string_view message);

// Throws the usage error of a decimal separator other than '.' and ','.
void checkDecimalSeparator(char separator);

// n in decimal, for usage messages. (std::to_string would export a table
// of libstdc++'s from the library.)
std::string decimalText(std::size_t n);

} // namespace quorvex
