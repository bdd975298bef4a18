#pragma once

#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Every function, constant and declared variable a formula can use (Tools >
// Functions and constants...), beside the fixed main window, which stays
// usable: the functions grouped as the user guide groups them, with their
// arguments, domain and description, the constants with their values in
// the current decimal separator, then the variables with their values. The
// search box filters by name and description as one types (every word
// typed must occur); Up and Down in it choose in the list. Enter (in the
// box or the list) or a double click asks for the chosen name to be
// inserted into the formula; Escape closes the window.

namespace quorvex {

class FunctionsWindow final : public QWidget {
  Q_OBJECT
public:
  explicit FunctionsWindow(QWidget *parent = nullptr);

  // The declared variables, name and value text, in list order.
  void setVariables(const std::vector<std::pair<QString, QString>> &variables);
  // Writes the constants' values anew with the current decimal separator.
  void showValues();
  // The search text, and the names it leaves, in the list's order.
  void search(const QString &text);
  QStringList shownNames() const;

signals:
  // A function's name comes with "()", the caret to go between them.
  void insertRequested(const QString &name, bool function);
  // The window became the active one.
  void activated();

protected:
  bool event(QEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void fill();
  void filter();
  void insertChosen();
  QTreeWidgetItem *firstShownName() const;

  QLineEdit *searchEdit_ = nullptr;
  QTreeWidget *list_ = nullptr;
  QTreeWidgetItem *constants_ = nullptr;
  QTreeWidgetItem *variables_ = nullptr;
  std::vector<std::pair<QString, QString>> shownVariables_;
};

} // namespace quorvex
