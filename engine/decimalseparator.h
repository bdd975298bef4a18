#pragma once

// The process-wide decimal separator. The desktop program sets it from the
// user's locale at start and again when the locale changes; the lexer, the
// value conversion and the result format read it at the moment they need it.

namespace quorvex {

char decimalSeparator() noexcept;
void setDecimalSeparator(char separator) noexcept;

} // namespace quorvex
