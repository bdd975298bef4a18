#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The keypad's sign key ("±"): flips the sign before the number at the caret,
// or prefixes that number with "-", working on the formula text alone. A
// number is only a run of digits and decimal separators; blanks are space and
// tab; signs are "+" and "-".
//
// Rule, given text t, selection start p and selection length:
//  1. A selection of exactly one sign character: replace it by InverseOf it;
//     caret just after it.
//  2. Otherwise work from p (a longer selection is not replaced).
//  3. p at or past the end: no change.
//  4. Walk back from t[p] over number characters; the number starts at s, the
//     first of that run, or at p + 1 when t[p] is not a number character.
//  5. No character at s, or t[s] not a digit: no change.
//  6. Skip blanks back from s - 1 to j.
//  7. t[j] a sign: flip it; caret p.
//  8. Otherwise insert "-" before t[s]; caret p + 1.
// The result replaces the whole text and leaves nothing selected.
//
// Positions count code units of the given string type. The GUI passes its
// UTF-16 text so positions match its caret; the rule only ever inspects ASCII
// characters, so any other unit is simply "not a number, blank or sign". A
// selection reaching past the end of the text is clipped to it.

namespace quorvex {

template <class CharT> struct TSignToggleEdit {
  std::basic_string<CharT> Text; // the formula box's whole new text
  std::size_t Caret = 0;         // new caret position, nothing selected
};

// std::nullopt means "no case applies": text, caret and selection stay.
std::optional<TSignToggleEdit<char>> ToggleSign(std::string_view text,
                                                std::size_t selStart,
                                                std::size_t selLength,
                                                char decimalSeparator);
std::optional<TSignToggleEdit<char16_t>> ToggleSign(std::u16string_view text,
                                                    std::size_t selStart,
                                                    std::size_t selLength,
                                                    char decimalSeparator);

// "+" gives "-" and "-" gives "+". Anything else is a programming error:
// EAssertionFailed "Unexpected input to InverseOf (file, line n)".
char InverseOf(char sign);

} // namespace quorvex
