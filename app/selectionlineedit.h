#pragma once

#include <QLineEdit>

// A one-line box that keeps its selection (shown in the inactive colours)
// when it loses the focus, and does not select its whole text when it gets
// the focus by Tab. The formula box needs both so that keypad clicks act on
// the caret and selection the user left, and the result box keeps showing
// what Copy took.

namespace quorvex {

class SelectionLineEdit : public QLineEdit {
  Q_OBJECT
public:
  using QLineEdit::QLineEdit;

protected:
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  int anchorPosition() const;
  void restoreSelection(int anchor, int cursor);
};

} // namespace quorvex
