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
  showIgnoredText();
}

// The line edit colours ranges of its text only for an input method's
// composition; an input method event that commits and composes nothing
// carries just that colouring, and leaves text, caret and undo alone. Its
// positions count from the caret.
void FormulaLineEdit::showIgnoredText() {
  QList<QInputMethodEvent::Attribute> attributes;
  if (ignoredFrom_ >= 0 && ignoredFrom_ < text().size()) {
    QTextCharFormat dimmed;
    dimmed.setForeground(palette().brush(QPalette::PlaceholderText));
    attributes.append({QInputMethodEvent::TextFormat, ignoredFrom_ - cursorPosition(),
                       int(text().size()) - ignoredFrom_, dimmed});
  }
  QInputMethodEvent event(QString(), attributes);
  QCoreApplication::sendEvent(this, &event);
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
  if (event->type() == QEvent::PaletteChange && ignoredFrom_ >= 0)
    showIgnoredText();
}

} // namespace quorvex
