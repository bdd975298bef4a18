#include "mathfuncerror.h"

namespace quorvex {

namespace {
const char *messageFor(EMathFuncError::Reason reason) {
  switch (reason) {
  case EMathFuncError::Reason::DomainCheck:
    return "Domain check failure in Kerrowin";
  case EMathFuncError::Reason::PowerInfinite:
    return "Power function: Result is infinite";
  case EMathFuncError::Reason::PowerComplex:
    return "Power function: Result is complex";
  }
  return "Domain check failure in Kerrowin"; // unreachable for a valid enum
}
} // namespace

EMathFuncError::EMathFuncError(Reason reason)
    : ECalcError(messageFor(reason)), reason_(reason) {}

void failDomainCheck() {
  throw EMathFuncError(EMathFuncError::Reason::DomainCheck);
}

} // namespace quorvex
