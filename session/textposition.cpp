#include "textposition.h"

namespace quorvex {

namespace {

// The code units of the character that starts with byte; 0 for a byte that
// continues a character counted at its first byte.
std::size_t unitsStartedBy(char byte) noexcept {
  const auto b = static_cast<unsigned char>(byte);
  if ((b & 0xC0) == 0x80)
    return 0;
  return b >= 0xF0 ? 2 : 1;
}

} // namespace

std::size_t Utf16Positions::of(std::size_t byteOffset) noexcept {
  const std::size_t end = byteOffset < utf8_.size() ? byteOffset : utf8_.size();
  for (; byte_ < end; ++byte_)
    units_ += unitsStartedBy(utf8_[byte_]);
  return units_;
}

std::size_t utf16Position(std::string_view utf8, std::size_t byteOffset) noexcept {
  return Utf16Positions(utf8).of(byteOffset);
}

std::size_t byteOffset(std::string_view utf8, std::size_t utf16Position) noexcept {
  std::size_t units = 0, byte = 0;
  while (byte < utf8.size() && units < utf16Position) {
    units += unitsStartedBy(utf8[byte]);
    ++byte;
    while (byte < utf8.size() && unitsStartedBy(utf8[byte]) == 0)
      ++byte;
  }
  return byte;
}

} // namespace quorvex
