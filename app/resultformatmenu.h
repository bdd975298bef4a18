#pragma once

#include "engine/numberformat.h"

#include <QMenu>
#include <QString>

#include <array>
#include <utility>
#include <vector>

// The "Result format" submenu, in the View menu and the result box's
// context menu: one item per notation, the current one checked, and "All
// formats...". Each notation keeps the digit count last chosen for it
// during the run (General 15, Scientific and Engineering 6, Fixed 2 at
// first); choosing one that takes digits asks for the count in a small
// dialog, with that count ready, so that Enter keeps it. Nothing is saved.
// Hexadecimal is only listed in the formats window: the result box shows
// what a formula can read back.

namespace quorvex {

class ResultFormatMenu final : public QMenu {
  Q_OBJECT
public:
  explicit ResultFormatMenu(QWidget *parent = nullptr);

  // Checks format's item and makes format's count its notation's own.
  void showFormat(const NumberFormat &format);
  // Every notation at its count, with its name as the items show it
  // ("General (15 digits)"), and the hexadecimal one: the formats window's
  // lines.
  std::vector<std::pair<QString, NumberFormat>> listedFormats() const;

signals:
  void formatChosen(const NumberFormat &format);
  void allFormatsRequested();

private:
  static constexpr std::size_t notationCount = 6; // those the result box shows
  void choose(Notation notation);
  static QString titleOf(Notation notation);
  QString captionOf(Notation notation) const;
  QString nameOf(Notation notation) const;
  void showNames();

  std::array<int, notationCount> digits_{15, 6, 6, 2, 0, 0};
  std::array<QAction *, notationCount> items_{};
  NumberFormat shown_;
};

} // namespace quorvex
