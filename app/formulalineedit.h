#pragma once

#include "selectionlineedit.h"

// The formula box Edit1: a SelectionLineEdit whose programmatic edits (the
// keypad's insertions, the sign key, a recalled formula) are each one step
// of its own undo, and which shows the text after the formula, which the
// calculator ignores, dimmed like a comment.

namespace quorvex {

class FormulaLineEdit final : public SelectionLineEdit {
  Q_OBJECT
public:
  using SelectionLineEdit::SelectionLineEdit;

  // Replaces length characters at start by text as one undo step of its
  // own, apart from the typing before and after it; the caret ends after
  // the text.
  void replaceAsUndoStep(int start, int length, const QString &text);
  // Shows the text from position on in the palette's placeholder colour;
  // -1 shows all of it as usual. To be called again whenever the text
  // changes.
  void setIgnoredFrom(int position);
  int ignoredFrom() const noexcept { return ignoredFrom_; }

protected:
  void changeEvent(QEvent *event) override;

private:
  void endUndoStep();
  void showIgnoredText();

  int ignoredFrom_ = -1;
};

} // namespace quorvex
