#include "terminaltext.h"

#include "bufferedoutput.h"

#include "session/utf8text.h"

namespace quorvex {

std::string terminalText(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = utf8SequenceLength(text);
    const std::string_view sequence = text.substr(0, length == 0 ? 1 : length);
    if (length == 0 || isControlCharacter(sequence))
      appendByteEscapes(sequence, shown);
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
