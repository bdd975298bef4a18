#pragma once

#include "selectionlineedit.h"

// The formula box Edit1: a SelectionLineEdit whose programmatic edits (the
// keypad's insertions, the sign key, a recalled formula) are each one step
// of its own undo, and which shows the text after the formula, which the
// calculator ignores, dimmed like a comment, and marks parentheses: the one
// at the caret with its partner, and those without one.

namespace quorvex {

class FormulaLineEdit final : public SelectionLineEdit {
  Q_OBJECT
public:
  explicit FormulaLineEdit(QWidget *parent = nullptr);

  // Replaces length characters at start by text as one undo step of its
  // own, apart from the typing before and after it; the caret ends after
  // the text.
  void replaceAsUndoStep(int start, int length, const QString &text);
  // Shows the text from position on in the palette's placeholder colour;
  // -1 shows all of it as usual. To be called again whenever the text
  // changes.
  void setIgnoredFrom(int position);
  int ignoredFrom() const noexcept { return ignoredFrom_; }
  // The parentheses to mark, by position: matching ones (the one at the
  // caret and its partner) stand out on a tinted ground, unmatched ones in
  // an alarm colour, underlined. Shown until the next call; the text is
  // redrawn only when the marks or the text changed since.
  void setParenthesisMarks(const QList<int> &matching, const QList<int> &unmatched);
  const QList<int> &matchingParentheses() const noexcept { return matching_; }
  const QList<int> &unmatchedParentheses() const noexcept { return unmatched_; }
  // Where the caret is drawn, in the box's coordinates.
  QRect caretRect() const { return cursorRect(); }

  ~FormulaLineEdit() override;

  // A text longer than this costs the box a noticeable share of the
  // processor at every blink of its caret, since the whole line is laid
  // out again to paint it; with such a text the caret stays lit instead.
  static constexpr int longText = 10000;

protected:
  void changeEvent(QEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  void endUndoStep();
  void showMarks();
  // Holds the caret lit, or lets it blink again at the rate it had.
  void holdCaretSteady(bool steady);

  int ignoredFrom_ = -1;
  QList<int> matching_;
  QList<int> unmatched_;
  // The marks shown are those of the text as it is now.
  bool marksShown_ = false;
  // The caret's blink period before this box held it lit; -1 when it does
  // not. The period is the application's, so only the focused box holds it.
  int heldFlashTime_ = -1;
};

} // namespace quorvex
