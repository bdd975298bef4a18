#include "mathfuncerror.h"

#include "engine/translationmark.h"

namespace quorvex {

namespace {
const char *messageFor(EMathFuncError::Reason reason) {
  switch (reason) {
  case EMathFuncError::Reason::DomainCheck:
    return QV_TRANSLATE_NOOP("Error", "Domain check failure in Kerrowin");
  case EMathFuncError::Reason::PowerInfinite:
    return QV_TRANSLATE_NOOP("Error", "Power function: Result is infinite");
  case EMathFuncError::Reason::PowerComplex:
    return QV_TRANSLATE_NOOP("Error", "Power function: Result is complex");
  }
  return QV_TRANSLATE_NOOP(
      "Error", "Domain check failure in Kerrowin"); // unreachable for a valid enum
}
} // namespace

EMathFuncError::EMathFuncError(Reason reason)
    : ECalcError(MessageParts{messageFor(reason), {}}), reason_(reason) {}

void failDomainCheck() {
  throw EMathFuncError(EMathFuncError::Reason::DomainCheck);
}

} // namespace quorvex
