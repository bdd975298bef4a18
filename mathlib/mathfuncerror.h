#pragma once

#include "engine/errors.h"

// Errors the math routines raise themselves, before computing anything.
// Floating-point faults met while computing are the engine's EZeroDivide,
// EInvalidOp and EOverflow instead.

namespace quorvex {

class EMathFuncError final : public ECalcError {
public:
  enum class Reason { DomainCheck, PowerInfinite, PowerComplex };
  explicit EMathFuncError(Reason reason);
  Reason reason() const noexcept { return reason_; }

private:
  Reason reason_;
};

// Raises the domain error.
[[noreturn]] void failDomainCheck();

// The one domain check every guarded routine makes first: raises the domain
// error when `failed` holds. Inline, so that the routines' fast paths keep
// their registers across it.
inline void domainCheck(bool failed) {
  if (failed) [[unlikely]]
    failDomainCheck();
}

} // namespace quorvex
