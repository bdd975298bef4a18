#pragma once

#include "passivepopup.h"

class QLabel;

// Just below the formula box, over the window (the formula row keeps its
// height): the arguments of the call the caret is in, or after a failed
// Compute the note on the function that failed. Its text is also its
// accessible description, for assistive technology.

namespace quorvex {

class FormulaHint final : public PassivePopup {
  Q_OBJECT
public:
  explicit FormulaHint(QWidget *parent);

  // Shows richText (plainText to assistive technology), at most width
  // wide, with its top left corner at the global position.
  void showText(const QString &richText, const QString &plainText, QPoint topLeft,
                int width);
  QString plainText() const { return accessibleDescription(); }

private:
  QLabel *label_ = nullptr;
};

} // namespace quorvex
