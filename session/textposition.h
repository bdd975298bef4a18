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

// utf16Position of many offsets of one text, given in ascending order, in
// one pass over the text however many there are.
class Utf16Positions {
public:
  explicit Utf16Positions(std::string_view utf8) noexcept : utf8_(utf8) {}
  // byteOffset must not be below the one asked before.
  std::size_t of(std::size_t byteOffset) noexcept;

private:
  std::string_view utf8_;
  std::size_t byte_ = 0;
  std::size_t units_ = 0;
};

// The other way: the byte offset of a box's position, the bytes of every
// character before it. A position between the two units of a character
// moves past it; positions past the end give the end.
std::size_t byteOffset(std::string_view utf8, std::size_t utf16Position) noexcept;

} // namespace quorvex
