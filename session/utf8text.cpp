#include "utf8text.h"

#include <algorithm>

namespace quorvex {

std::size_t utf8SequenceLength(std::string_view text) noexcept {
  if (text.empty())
    return 0;
  const auto byte = [text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = 4;
  unsigned char low = 0x80;
  unsigned char high = 0xBF; // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : low;
    high = lead == 0xED ? 0x9F : high;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    low = lead == 0xF0 ? 0x90 : low;
    high = lead == 0xF4 ? 0x8F : high;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high)
    return 0;
  for (std::size_t i = 2; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
  return length;
}

bool isUtf8(std::string_view text) noexcept {
  while (!text.empty()) {
    const std::size_t ascii =
        std::find_if(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
        text.begin();
    text.remove_prefix(ascii);
    if (text.empty())
      return true;
    const std::size_t length = utf8SequenceLength(text);
    if (length == 0)
      return false;
    text.remove_prefix(length);
  }
  return true;
}

bool isControlCharacter(std::string_view sequence) noexcept {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  return lead < 0x20 || lead == 0x7F ||
         (lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0);
}

void appendByteEscapes(std::string_view bytes, std::string &out) {
  constexpr std::string_view digits = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += "\\x";
    out += digits[b >> 4];
    out += digits[b & 0xF];
  }
}

} // namespace quorvex
