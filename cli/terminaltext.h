#pragma once

#include <string>
#include <string_view>

// Messages quote input: a formula's ignored text, a value, a header, a file
// name. On a terminal such a quote must show the text, never act on it.

namespace quorvex {

class BufferedOutput;

// text with every control character (C0, DEL and the C1 range) and every byte
// that is not part of well-formed UTF-8 written as \xNN, so that no input can
// send the terminal an escape sequence or leave a message unreadable; other
// characters, UTF-8 ones included, stay as they are.
std::string terminalText(std::string_view text);

// One line of a message: prefix, then text as terminalText() writes it.
void writeMessage(BufferedOutput &out, std::string_view prefix, std::string_view text);

} // namespace quorvex
