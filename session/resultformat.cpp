#include "resultformat.h"

#include "engine/decimalseparator.h"
#include "engine/numberformat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quorvex {

void formatResult(Float value, char decimalSeparator, std::string &out) {
  writeNumber(value, NumberFormat{}, decimalSeparator, out);
}

std::string formatResult(Float value, char decimalSeparator) {
  std::string out;
  formatResult(value, decimalSeparator, out);
  return out;
}

std::string formatResult(Float value) {
  return formatResult(value, decimalSeparator());
}

void formatRoundTrip(Float value, std::string &out) {
  if (!std::isfinite(value)) {
    // As every format writes them.
    writeNumber(value, NumberFormat{}, '.', out);
    return;
  }
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  out.assign(text.data(), result.ptr);
}

std::string formatRoundTrip(Float value) {
  std::string out;
  formatRoundTrip(value, out);
  return out;
}

} // namespace quorvex
