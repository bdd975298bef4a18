#include "publicerror.h"

#include "engine/numberformat.h"

#include "quorvex/quorvex.hpp"

namespace quorvex {

std::string formatNumber(double value, std::string_view format, char decimalSeparator) {
  checkDecimalSeparator(decimalSeparator);
  try {
    return numberText(value, parseNumberFormat(format), decimalSeparator);
  } catch (const EFormatError &e) {
    throw publicError(e);
  }
}

} // namespace quorvex
