// The main window's help with names: the formula box's completion, hints
// and marks (FormulaAssistant), the note on a function that failed, and
// the functions and constants window.

#include "mainwindow.h"

#include "errorreport.h"
#include "formulaassistant.h"
#include "formulalineedit.h"
#include "functionswindow.h"
#include "program.h"

#include "engine/decimalseparator.h"

#include <QAction>
#include <QCoreApplication>

#include <string>

namespace quorvex {

namespace {

std::string translatedNoteText(const char *context, const char *text) {
  return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

void TF_Main_LSF::CreateNameHelp() {
  FAssistant = new FormulaAssistant(*Edit1, *FSession);
  // No other key of the window, its boxes' and the history's included, is Ctrl+L.
  auto *functions = findChild<QAction *>(QStringLiteral("functionsAction"));
  functions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  functions->setShortcutContext(Qt::WindowShortcut);
}

void TF_Main_LSF::ShowFunctionsWindow() {
  if (!FFunctionsWindow) {
    FFunctionsWindow = new FunctionsWindow(this);
    placeBeside(*FFunctionsWindow, *this);
    connect(FFunctionsWindow, &FunctionsWindow::insertRequested, this,
            [this](const QString &name, bool function) {
              runAction([this, name, function] { InsertFromList(name, function); });
            });
    // Going to it leaves the formula box as a click elsewhere in the main
    // window would; the box's own focus rule does not see a change of
    // windows.
    connect(FFunctionsWindow, &FunctionsWindow::activated, this, [this] {
      runAction([this] {
        if (focusWidget() == Edit1)
          Edit1Exit();
      });
    });
  }
  FFunctionsWindow->showValues();
  FFunctionsWindow->show();
  ShowFunctionsWindowVariables();
  FFunctionsWindow->raise();
  FFunctionsWindow->activateWindow();
}

void TF_Main_LSF::ShowFunctionsWindowVariables() {
  // A hidden window is brought up to date when it shows again.
  if (!FFunctionsWindow || !FFunctionsWindow->isVisible())
    return;
  std::vector<std::pair<QString, QString>> variables;
  const TVariableList &list = FSession->VariableList();
  for (std::size_t i = 0; i < list.Count(); ++i)
    variables.emplace_back(
        QString::fromUtf8(list.Name(i).data(), qsizetype(list.Name(i).size())),
        QString::fromStdString(FSession->Grid().Cell(1, int(i) + 1)));
  FFunctionsWindow->setVariables(variables);
}

// As the keypad inserts, at the caret or selection the box kept; a
// function's parentheses take the caret. The box then has the focus back.
void TF_Main_LSF::InsertFromList(const QString &name, bool function) {
  InsertText(function ? name + QStringLiteral("()") : name);
  if (function)
    Edit1->setCursorPosition(Edit1->cursorPosition() - 1);
  activateWindow();
  raise();
  Edit1->setFocus(Qt::OtherFocusReason);
}

void TF_Main_LSF::ShowFunctionFailureNote() {
  const std::optional<FunctionFailure> &failure = FSession->LastFunctionFailure();
  // The window's focus widget: after the modal report the window is active
  // again only once the window system says so, later than this.
  if (!failure || focusWidget() != Edit1)
    return;
  FAssistant->showNote(QString::fromStdString(
      functionFailureNote(*failure, decimalSeparator(), &translatedNoteText)));
}

} // namespace quorvex
