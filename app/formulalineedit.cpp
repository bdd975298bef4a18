#include "formulalineedit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QStyleHints>
#include <QTextCharFormat>

namespace quorvex {

FormulaLineEdit::FormulaLineEdit(QWidget *parent) : SelectionLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    marksShown_ = false;
    if (hasFocus())
      holdCaretSteady(text().size() > longText);
  });
}

// The box merges consecutive insertions into one undo step, and a caret move
// is what separates two steps; moving the caret away and back marks the
// boundary without changing what the user sees.
void FormulaLineEdit::endUndoStep() {
  const int caret = cursorPosition();
  if (text().isEmpty())
    return; // nothing before it to keep apart
  setCursorPosition(caret > 0 ? caret - 1 : caret + 1);
  setCursorPosition(caret);
}

void FormulaLineEdit::replaceAsUndoStep(int start, int length, const QString &text) {
  endUndoStep();
  if (length > 0)
    setSelection(start, length);
  else
    setCursorPosition(start);
  insert(text);
  endUndoStep();
}

void FormulaLineEdit::setIgnoredFrom(int position) {
  // Sent again after every change of the text: the colouring is kept as a
  // range of positions, which the edit does not move along.
  ignoredFrom_ = position;
  showMarks();
}

void FormulaLineEdit::setParenthesisMarks(const QList<int> &matching,
                                          const QList<int> &unmatched) {
  // Laying out a long text again costs, and the caret moves far more often
  // than the marks change.
  if (marksShown_ && matching == matching_ && unmatched == unmatched_)
    return;
  matching_ = matching;
  unmatched_ = unmatched;
  showMarks();
}

// The line edit colours ranges of its text only for an input method's
// composition; an input method event that commits and composes nothing
// carries just that colouring, and leaves text, caret and undo alone. Its
// positions count from the caret. Later ranges are drawn over earlier ones.
void FormulaLineEdit::showMarks() {
  QList<QInputMethodEvent::Attribute> attributes;
  const int caret = cursorPosition();
  const auto size = int(text().size());
  if (ignoredFrom_ >= 0 && ignoredFrom_ < size) {
    QTextCharFormat dimmed;
    dimmed.setForeground(palette().brush(QPalette::PlaceholderText));
    attributes.append({QInputMethodEvent::TextFormat, ignoredFrom_ - caret,
                       size - ignoredFrom_, dimmed});
  }
  const QPalette &colours = palette();
  QTextCharFormat partner;
  // A third of the way from the ground to the selection's colour: plainly
  // seen, and the text on it as legible as on the ground.
  const QColor base = colours.color(QPalette::Base),
               accent = colours.color(QPalette::Highlight);
  partner.setBackground(QColor((2 * base.red() + accent.red()) / 3,
                               (2 * base.green() + accent.green()) / 3,
                               (2 * base.blue() + accent.blue()) / 3));
  for (const int at : matching_)
    if (at >= 0 && at < size)
      attributes.append({QInputMethodEvent::TextFormat, at - caret, 1, partner});
  QTextCharFormat amiss;
  // No palette role means "wrong": a red as light or dark as the text.
  const QColor alarm = base.lightness() < 128 ? QColor(255, 120, 120) : QColor(200, 0, 0);
  amiss.setForeground(alarm);
  amiss.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  amiss.setUnderlineColor(alarm);
  for (const int at : unmatched_)
    if (at >= 0 && at < size)
      attributes.append({QInputMethodEvent::TextFormat, at - caret, 1, amiss});
  QInputMethodEvent event(QString(), attributes);
  QCoreApplication::sendEvent(this, &event);
  marksShown_ = true;
}

FormulaLineEdit::~FormulaLineEdit() {
  holdCaretSteady(false);
}

void FormulaLineEdit::holdCaretSteady(bool steady) {
  QStyleHints *hints = QGuiApplication::styleHints();
  if (steady && heldFlashTime_ < 0) {
    heldFlashTime_ = hints->cursorFlashTime();
    hints->setCursorFlashTime(0);
  } else if (!steady && heldFlashTime_ >= 0) {
    hints->setCursorFlashTime(heldFlashTime_);
    heldFlashTime_ = -1;
  }
}

void FormulaLineEdit::focusInEvent(QFocusEvent *event) {
  holdCaretSteady(text().size() > longText);
  SelectionLineEdit::focusInEvent(event);
}

void FormulaLineEdit::focusOutEvent(QFocusEvent *event) {
  SelectionLineEdit::focusOutEvent(event);
  holdCaretSteady(false);
}

void FormulaLineEdit::changeEvent(QEvent *event) {
  SelectionLineEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange)
    showMarks();
}

} // namespace quorvex
