#pragma once

// The process-wide decimal separator. The desktop program sets it from the
// user's locale at start and again when the locale changes; the lexer, the
// value conversion and the result format read it at the moment they need it.
// A thread may put its own separator in place of it for a while, so that a
// formula can be read with a separator of its own whatever the process uses.

namespace quorvex {

char decimalSeparator() noexcept;
void setDecimalSeparator(char separator) noexcept;

// Whether c may serve as a decimal separator: one ASCII punctuation
// character that can be part of no name, number or operator, so that a
// number written with it reads one way only.
bool isUsableSeparator(char c) noexcept;

// The calling thread reads separator as the decimal separator while this
// lives; the one in place before comes back when it ends.
class ThreadDecimalSeparator {
public:
  explicit ThreadDecimalSeparator(char separator) noexcept;
  ~ThreadDecimalSeparator();
  ThreadDecimalSeparator(const ThreadDecimalSeparator &) = delete;
  ThreadDecimalSeparator &operator=(const ThreadDecimalSeparator &) = delete;

private:
  char previous_;
};

} // namespace quorvex
