#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What texts that travel outside the program (a message on a terminal, a
// saved file) need to know of UTF-8: where a well-formed character ends,
// which characters are controls, and a visible form for any byte.

namespace quorvex {

// The length of the well-formed UTF-8 sequence that begins text (no overlong
// form, no surrogate, nothing beyond U+10FFFF), or 0 when none begins it or
// text is empty.
std::size_t utf8SequenceLength(std::string_view text) noexcept;

// Whether every byte of text belongs to a well-formed UTF-8 sequence.
bool isUtf8(std::string_view text) noexcept;

// Whether the well-formed sequence is a control character: C0, DEL or C1.
bool isControlCharacter(std::string_view sequence) noexcept;

// Appends each byte as \xNN, in upper-case hexadecimal.
void appendByteEscapes(std::string_view bytes, std::string &out);

} // namespace quorvex
