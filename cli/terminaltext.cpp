#include "terminaltext.h"

#include "bufferedoutput.h"

namespace quorvex {

namespace {

// The length of the well-formed UTF-8 sequence that begins text (no overlong
// form, no surrogate, nothing beyond U+10FFFF), or 0 when none begins it.
std::size_t sequenceLength(std::string_view text) noexcept {
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

bool isControl(std::string_view sequence) noexcept {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  return lead < 0x20 || lead == 0x7F ||
         (lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0);
}

void appendEscaped(std::string_view bytes, std::string &out) {
  constexpr std::string_view digits = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += "\\x";
    out += digits[b >> 4];
    out += digits[b & 0xF];
  }
}

} // namespace

std::string terminalText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = sequenceLength(text);
    const std::string_view sequence = text.substr(0, length == 0 ? 1 : length);
    if (length == 0 || isControl(sequence))
      appendEscaped(sequence, shown);
    else
      shown.append(sequence);
    text.remove_prefix(sequence.size());
  }
  return shown;
}

void writeMessage(BufferedOutput &out, std::string_view prefix, std::string_view text) {
  out.write(prefix);
  out.write(terminalText(text));
  out.write('\n');
}

} // namespace quorvex
