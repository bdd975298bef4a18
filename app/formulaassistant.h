#pragma once

#include "session/caretcontext.h"
#include "session/formulanames.h"

#include <QObject>
#include <QString>

#include <string>

class QKeyEvent;

// What the formula box offers while a formula is typed: the names that
// complete the one being typed (after two of its letters, or at once on
// Ctrl+Space), the arguments of the call the caret is in, the parentheses
// marked, and after a failed Compute the note on the function that failed.
// It never takes the focus from the box: its popups cannot be activated,
// and the window's key filter hands it each key before the box sees it.
//
// Keys while the completion list shows: Tab accepts the chosen line, or
// the first; Down enters the list and then Down and Up choose (Up off the
// first line leaves it); Enter accepts a line chosen so and otherwise
// keeps its own meaning (the list closes); Escape closes the list. Up
// while the list is not entered, and Tab while none shows, keep their
// meanings. Escape also closes the hint until the caret moves on.

namespace quorvex {

class CompletionPopup;
class FormulaHint;
class FormulaLineEdit;
class TCalculatorSession;

class FormulaAssistant final : public QObject {
  Q_OBJECT
public:
  // The names come from the session's Assign text, the variables' values
  // from its grid; the popups belong to the box's window.
  FormulaAssistant(FormulaLineEdit &box, const TCalculatorSession &session);

  // After an edit of the formula or of the variables; ignoredFrom is where
  // the box dims the text, -1 for nowhere.
  void followEdit(int ignoredFrom);
  // A key pressed in the box, before the box sees it: true when taken.
  bool keyPress(const QKeyEvent &key);
  // The note stands in the hint's place until the formula or the caret
  // changes, the box loses the focus or Escape closes it.
  void showNote(const QString &note);
  void closePopups();

  CompletionPopup &completion() noexcept { return *completion_; }
  FormulaHint &hint() noexcept { return *hint_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void follow(bool textChanged);
  void showMarks(std::size_t caretByte);
  void openCompletion(bool explicitly);
  void followCompletion();
  void acceptLine(int row);
  void closeCompletion();
  void showHint();
  void placeCompletion();
  QPoint belowBox() const;

  FormulaLineEdit &box_;
  const TCalculatorSession &session_;
  CompletionPopup *completion_ = nullptr;
  FormulaHint *hint_ = nullptr;

  FormulaNames names_;
  std::string namesFrom_ = "\n"; // the Assign text names_ holds; none yet
  // The formula as last followed, and where the caret stood in it.
  QString text_;
  std::string utf8_;
  int caret_ = -1;
  CaretContext context_;

  bool typedName_ = false; // the key just pressed types a name's character
  bool completionOpen_ = false;
  bool explicitly_ = false;    // opened by Ctrl+Space
  std::size_t anchor_ = 0;     // where the name completed begins, in bytes
  bool hintDismissed_ = false; // by Escape, until the call changes
  bool noteShown_ = false;
};

} // namespace quorvex
