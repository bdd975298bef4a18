#include "messagetext.h"

namespace quorvex {

std::string withFullStop(std::string_view message) {
  std::string text(message);
  if (!text.empty() &&
      static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
    text.push_back('.');
  return text;
}

} // namespace quorvex
