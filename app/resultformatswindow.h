#pragma once

#include "engine/numberformat.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The last result in every format at once (View > Result format > All
// formats...): a read-only list of one line per format, beside the fixed
// main window, which it leaves usable. Below the list the chosen line's
// text stands whole, wrapped (the exact value has up to 767 digits), to
// read or select from. Copy (the button, Ctrl+C in the list) puts the
// chosen line's text on the clipboard; Escape closes the window.

namespace quorvex {

class ResultFormatsWindow final : public QWidget {
  Q_OBJECT
public:
  explicit ResultFormatsWindow(QWidget *parent = nullptr);

  // One line per format, named as given, with value written in it and the
  // decimal separator in use; the texts are empty while there is no value.
  void showValue(std::optional<Float> value,
                 const std::vector<std::pair<QString, NumberFormat>> &formats);
  void copyLine() const;

private:
  void showChosenLine();

  QTreeWidget *list_ = nullptr;
  QPlainTextEdit *chosenText_ = nullptr;
  QPushButton *copyButton_ = nullptr;
};

} // namespace quorvex
