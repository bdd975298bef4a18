#include "selectionlineedit.h"

namespace quorvex {

void SelectionLineEdit::focusInEvent(QFocusEvent *event) {
  const int cursor = cursorPosition();
  const int anchor = anchorPosition();
  QLineEdit::focusInEvent(event); // may select all on Tab
  restoreSelection(anchor, cursor);
}

void SelectionLineEdit::focusOutEvent(QFocusEvent *event) {
  const int cursor = cursorPosition();
  const int anchor = anchorPosition();
  QLineEdit::focusOutEvent(event); // deselects
  restoreSelection(anchor, cursor);
}

int SelectionLineEdit::anchorPosition() const {
  const int cursor = cursorPosition();
  if (!hasSelectedText())
    return cursor;
  return selectionStart() == cursor ? selectionEnd() : selectionStart();
}

void SelectionLineEdit::restoreSelection(int anchor, int cursor) {
  if (anchor == cursor)
    setCursorPosition(cursor);
  else
    setSelection(anchor,
                 cursor - anchor); // a negative length keeps the caret at the start
}

} // namespace quorvex
