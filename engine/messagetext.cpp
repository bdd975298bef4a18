#include "messagetext.h"

namespace quorvex {

std::string withFullStop(std::string_view message) {
  std::string text(message);
  if (!text.empty() &&
      static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
    text.push_back('.');
  return text;
}

std::string fillMessage(std::string_view source,
                        const std::vector<std::string> &arguments) {
  std::string text;
  text.reserve(source.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char next = i + 1 < source.size() ? source[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (source[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
      text += arguments[index];
      ++i;
    } else {
      text += source[i];
    }
  }
  return text;
}

} // namespace quorvex
