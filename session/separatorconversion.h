#pragma once

#include <string>
#include <string_view>

// Numbers written with one decimal separator, rewritten for another, so that
// texts saved in one locale read as the same numbers in another: "0,05"
// written where the separator is "," opens as "0.05" where it is ".". Only
// what the saving locale read as a number changes, and in it only the
// separator; every other byte stays as typed.

namespace quorvex {

// The formula with the separator of each number token, as the lexer
// delimits tokens under the separator from, replaced by to. A name's digits
// ("x2") are no number, and the text after a zero byte, which the lexer never
// reads, stays as it is.
std::string formulaWithSeparator(std::string_view formula, char from, char to);

// A value cell's text with its separator replaced, when the text is a number
// under the value-cell rule with the separator from (spaces, a sign, digits,
// the separator and digits, an exponent, spaces); any other text as it is.
std::string valueWithSeparator(std::string_view value, char from, char to);

} // namespace quorvex
