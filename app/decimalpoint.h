#pragma once

#include <QLocale>

#include <functional>

// Where the program takes its decimal separator from: the user's locale.
// Only an ASCII separator can be used by the formula syntax; a locale whose
// separator is anything else (or longer than one character) counts as
// naming none, which means ".".

namespace quorvex {

char decimalSeparatorOf(const QLocale &locale);

// Reads the locale (QLocale::system() unless replaced) and makes its
// separator the program's current one.
void readDecimalSeparator();

// Tests replace the user's locale by one of their choosing; an empty source
// restores QLocale::system().
void setLocaleSource(std::function<QLocale()> source);

} // namespace quorvex
