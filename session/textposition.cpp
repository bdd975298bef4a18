#include "textposition.h"

namespace quorvex {

std::size_t utf16Position(std::string_view utf8, std::size_t byteOffset) noexcept {
  const std::size_t end = byteOffset < utf8.size() ? byteOffset : utf8.size();
  std::size_t units = 0;
  for (std::size_t i = 0; i < end; ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte & 0xC0) == 0x80)
      continue; // continues a character counted at its first byte
    units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

} // namespace quorvex
