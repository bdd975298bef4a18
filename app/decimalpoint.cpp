#include "decimalpoint.h"

#include "engine/decimalseparator.h"

#include <utility>

namespace quorvex {
namespace {

std::function<QLocale()> &localeSource() {
  static std::function<QLocale()> source;
  return source;
}

} // namespace

char decimalSeparatorOf(const QLocale &locale) {
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() > 32 && point.at(0).unicode() < 127)
    return static_cast<char>(point.at(0).unicode());
  return '.';
}

void readDecimalSeparator() {
  const auto &source = localeSource();
  setDecimalSeparator(decimalSeparatorOf(source ? source() : QLocale::system()));
}

void setLocaleSource(std::function<QLocale()> source) {
  localeSource() = std::move(source);
}

} // namespace quorvex
