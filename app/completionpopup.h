#pragma once

#include "passivepopup.h"

#include "session/formulanames.h"

#include <functional>
#include <vector>

class QTreeView;

// The names that complete the one being typed in the formula box, below
// it: one line each with the name (a function's with its arguments), a
// constant's or variable's value and what it is. It never takes the focus;
// the box's key filter chooses in it (choose) and accepts (the assistant).
// A click on a line accepts that line.

namespace quorvex {

class CompletionPopup final : public PassivePopup {
  Q_OBJECT
public:
  // A variable's value text, by its entry in the variable list.
  using VariableValue = std::function<QString(std::size_t entry)>;

  explicit CompletionPopup(QWidget *parent);
  ~CompletionPopup() override;

  // The lines, in this order; none chosen.
  void setNames(std::vector<FormulaNames::Name> names, VariableValue variableValue);
  int count() const noexcept { return static_cast<int>(names_.size()); }
  const FormulaNames::Name &name(int row) const { return names_.at(row); }
  // The line chosen with Down and Up; -1 while the list is not entered.
  int chosen() const noexcept { return chosen_; }
  void choose(int row);
  // The text of line row as the list shows it, columns joined by blanks.
  QString lineText(int row) const;

signals:
  void lineClicked(int row);

private:
  class Model;
  void fitToLines();

  std::vector<FormulaNames::Name> names_;
  VariableValue variableValue_;
  Model *model_ = nullptr;
  QTreeView *view_ = nullptr;
  int chosen_ = -1;
};

} // namespace quorvex
