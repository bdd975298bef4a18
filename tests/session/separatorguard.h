#pragma once

#include "engine/decimalseparator.h"

// Sets the process-wide decimal separator for one test and restores it, so a
// comma test cannot leak into the tests that run after it.
class SeparatorGuard {
public:
  explicit SeparatorGuard(char separator) : saved_(quorvex::decimalSeparator()) {
    quorvex::setDecimalSeparator(separator);
  }
  ~SeparatorGuard() { quorvex::setDecimalSeparator(saved_); }
  SeparatorGuard(const SeparatorGuard &) = delete;
  SeparatorGuard &operator=(const SeparatorGuard &) = delete;

private:
  char saved_;
};
