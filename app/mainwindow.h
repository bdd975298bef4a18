#pragma once

#include "session/calculatorsession.h"
#include "session/formulahistory.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QToolButton;

// The main window: formula box, variable setting, result and keypad, with the
// menus, toolbar and status bar. All of the calculator's state and rules live
// in the TCalculatorSession it owns; the window shows that state, and its
// handlers turn the user's events into the session's domain operations.
//
// Controls carry their names as object names; the window keeps a member only
// for those it reads or changes after building them.

namespace quorvex {

class FormulaAssistant;
class FormulaLineEdit;
class FunctionsWindow;
class HintTracker;
class PlotWindow;
class ResultFormatMenu;
class ResultFormatsWindow;
class SelectionLineEdit;
class TTextPrintForm;
class THelperForm;
class VariableGridView;

class TF_Main_LSF final : public QMainWindow {
  Q_OBJECT
public:
  TF_Main_LSF();
  ~TF_Main_LSF() override;

  // The secondary windows that program start creates after this one.
  void SetPrintForm(TTextPrintForm *form);
  void SetHelperForm(THelperForm *form);

  TCalculatorSession &Session() noexcept { return *FSession; }

  // Menu and toolbar commands.
  void Print1Click();
  void About2Click();
  void Help2Click();
  void Exit1Click();
  void Toolbar2Click();
  void Statusbar2Click();
  void Showhints1Click();
  void Intermediateresult1Click();
  void Allsessionresults1Click();
  // Tools > Plot...: the plot window for the formula and variables on screen.
  void ShowPlotWindow();
  // View > Result format: the result box's format, without computing again,
  // and the window of the last result in every format.
  void ChooseResultFormat(const NumberFormat &format);
  void ShowFormatsWindow();
  // Tools > Functions and constants... (Ctrl+L): the window that finds the
  // names a formula can use and inserts them (InsertFromList).
  void ShowFunctionsWindow();
  void InsertFromList(const QString &name, bool function);
  // File > Open Worksheet..., Save Worksheet... and Save Log...: each asks
  // for the file, then does the work of the function below it.
  void askOpenWorksheet();
  void askSaveWorksheet();
  void askSaveLog();
  // Each returns whether it was done; an error goes to the error report and
  // leaves the window and the file as they were. Opening restores the
  // formula, the Assign text and the grid as saved, clears the result and
  // computes nothing.
  bool openWorksheetFile(const QString &path);
  bool saveWorksheetFile(const QString &path);
  // The log that Print would report, as UTF-8 text.
  bool saveLogFile(const QString &path);

  // Keypad: one handler per key of keypad.def (Nr7btnClick, ...).
#define QUORVEX_KEY(name, ...) void name##Click();
#include "keypad.def"
  // The "Variable" button.
  void SpeedButton1Click();

  // Box events: each returns true when the typed character is discarded.
  bool Edit1KeyPress(char32_t key);
  // Up and Down recall the formulas of earlier Computes; returns true when
  // the key was one of them.
  bool Edit1KeyDown(int key);
  void Edit1Exit();
  bool V_QKeyPress(char32_t key);
  void V_QExit();

  // Replaces the formula box's selection by text, as a change that cannot
  // be undone; the caret ends after the text.
  void InsertText(const QString &text);
  // The "±" rule on the formula box's text, caret and selection.
  void ToggleSign();

protected:
  bool event(QEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  bool focusNextPrevChild(bool next) override;
  void changeEvent(QEvent *event) override;
  QMenu *createPopupMenu() override;

private:
  // Layout, in mainwindow_layout.cpp.
  void CreateMenus();
  void CreateToolBar();
  QWidget *CreateFormulaRow();
  QWidget *CreateVariableGroup();
  QWidget *CreateResultGroup();
  QWidget *CreateKeypad();
  void CreateShortcuts();
  // In mainwindow_formats.cpp.
  void CreateResultFormatMenu();
  void EditYValueContextPopup(const QPoint &position);
  // The worksheet and log commands, at the top of the File menu.
  void createFileCommands();
  void ShowKeyFaces();
  void FixWindowSize();
  // In mainwindow_names.cpp.
  void CreateNameHelp();
  void ShowFunctionsWindowVariables();
  // After a failed Compute's report: the note on the function that failed.
  void ShowFunctionFailureNote();

  void FormCreate();
  // Copies the boxes' texts into the session before a handler reads them.
  void PullBoxes();
  // Shows the session's result, grid and Quantity after a handler ran.
  void ShowSession();
  void ShowPreference();
  // Hands a character to the focused formula box or grid cell editor.
  void TypeCharacter(QChar character);
  // Inserts text when the formula box has the focus; the operator keys.
  void InsertIntoFormula(const QString &text);
  void SetCurrentHint(const QString &hint);
  // After an edit of a box: the formula's ignored text dimmed, and the
  // result dimmed while it is not the result of what the boxes hold.
  void ShowEditState();
  void ShowResultFreshness();
  // After a Compute: the status bar's word on ignored text.
  void ShowComputeNote();
  // After a failed Compute's report: the focus where it failed.
  void ShowFailurePlace();

  // Controls.
  QMenuBar *MainMenu1 = nullptr;
  QAction *Toolbar2 = nullptr, *Statusbar2 = nullptr, *Showhints1 = nullptr;
  QAction *Intermediateresult1 = nullptr, *Allsessionresults1 = nullptr;
  QToolBar *ToolBar1 = nullptr;
  FormulaLineEdit *Edit1 = nullptr;
  QLineEdit *edVarQuantity = nullptr;
  QToolButton *SpeedButton1 = nullptr;
  QLineEdit *V_Q = nullptr;
  VariableGridView *SG_Variables = nullptr;
  SelectionLineEdit *EditYValue = nullptr;
#define QUORVEX_KEY(name, ...) QToolButton *name = nullptr;
#include "keypad.def"
  QStatusBar *StatusBar1 = nullptr;

  // Fields.
  std::unique_ptr<TCalculatorSession> FSession;
  HintTracker *FHintTracker = nullptr;
  FormulaHistory FFormulaHistory;
  // The status bar shows the note of the last Compute, not a hint.
  bool FComputeNoteShown = false;
  QPointer<TTextPrintForm> FPrintForm;
  QPointer<THelperForm> FHelperForm;
  QPointer<PlotWindow> FPlotWindow; // made on first use, a child window
  ResultFormatMenu *FResultFormatMenu = nullptr;
  QPointer<ResultFormatsWindow> FFormatsWindow; // made on first use, a child window
  FormulaAssistant *FAssistant = nullptr;
  QPointer<FunctionsWindow> FFunctionsWindow; // made on first use, a child window
  // The worksheet last opened or saved, which Save proposes.
  QString FWorksheetPath;
};

} // namespace quorvex
