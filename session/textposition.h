#pragma once

#include <cstddef>
#include <string_view>

// The engine counts a formula in UTF-8 bytes, the GUI's text boxes in UTF-16
// code units. utf16Position maps a byte offset of utf8 to the box's
// position: the code units of every character that starts before it. A
// character of four bytes is two units, every other one is one. An offset
// inside a character moves past that character, so a span's end never cuts
// one in two; a start is always on a character boundary already, because
// the lexer's tokens begin at one. Offsets past the end give the end.

namespace quorvex {

std::size_t utf16Position(std::string_view utf8, std::size_t byteOffset) noexcept;

} // namespace quorvex
