#pragma once

#include "session/calculatorsession.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;

// The main window: formula box, variable setting, result and keypad, with the
// menus, toolbar and status bar. All of the calculator's state and rules live
// in the TCalculatorSession it owns; the window shows that state and turns
// the user's events into calls of the session's handlers.

namespace quorvex {

class HintTracker;
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
  void setPrintForm(TTextPrintForm *form);
  void setHelperForm(THelperForm *form);

  TCalculatorSession &session() noexcept { return *session_; }

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

  // Keypad.
  void Nr0btnClick();
  void Nr1btnClick();
  void Nr2btnClick();
  void Nr3btnClick();
  void Nr4btnClick();
  void Nr5btnClick();
  void Nr6btnClick();
  void Nr7btnClick();
  void Nr8btnClick();
  void Nr9btnClick();
  void NrptbtnClick();
  void NrEbtnClick();
  void ClearSelectionbtnClick();
  void OperatoradditionbtnClick();
  void OperatorsubtractionbtnClick();
  void OperatormultiplicationbtnClick();
  void OperatordivisionbtnClick();
  void Operatorbracket1btnClick();
  void Operatorbracket2btnClick();
  void NrXbtnClick();
  void NrRecipbtnClick();
  void PlusminusbtnClick();
  void UndobtnClick();
  void CutToClipboardbtnClick();
  void PastebtnClick();
  void CopybtnClick();
  void ComputeSpdbtnClick();
  void SpeedButton1Click();

  // Box events: each returns true when the typed character is discarded.
  bool Edit1KeyPress(char32_t key);
  void Edit1Exit();
  bool V_QKeyPress(char32_t key);
  void V_QExit();

  // Replaces the formula box's selection by text, as a change that cannot
  // be undone; the caret ends after the text.
  void InsertText(const QString &text);
  // The "±" rule on the formula box's text, caret and selection.
  void ToggleSign();

  // Main menu.
  QMenuBar *MainMenu1 = nullptr;
  QAction *Print1 = nullptr, *N1 = nullptr, *About2 = nullptr,
          *Help2 = nullptr, *N2 = nullptr, *Exit1 = nullptr;
  QAction *Toolbar2 = nullptr, *Statusbar2 = nullptr, *Showhints1 = nullptr;
  QAction *Intermediateresult1 = nullptr, *Allsessionresults1 = nullptr;
  // Toolbar.
  QToolBar *ToolBar1 = nullptr;
  QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr,
              *ToolButton3 = nullptr, *ToolButton4 = nullptr,
              *ToolButton5 = nullptr, *ToolButton6 = nullptr,
              *ToolButton7 = nullptr, *ToolButton8 = nullptr,
              *ToolButton12 = nullptr;
  QAction *ToolButton10 = nullptr, *ToolButton13 = nullptr,
          *ToolButton14 = nullptr; // dividers
  // Formula row.
  QWidget *Panel1 = nullptr;
  QLabel *Label1 = nullptr;
  SelectionLineEdit *Edit1 = nullptr;
  // Variable setting.
  QGroupBox *GroupBox1 = nullptr;
  QLabel *Label4 = nullptr, *lbAssign = nullptr;
  QLineEdit *edVarQuantity = nullptr;
  QToolButton *SpeedButton1 = nullptr;
  QLineEdit *V_Q = nullptr;
  VariableGridView *SG_Variables = nullptr;
  // Result.
  QGroupBox *GroupBox3 = nullptr;
  SelectionLineEdit *EditYValue = nullptr;
  // Keypad.
  QGroupBox *GbPreferences = nullptr;
  QToolButton *Nr0btn = nullptr, *Nr1btn = nullptr, *Nr2btn = nullptr,
              *Nr3btn = nullptr, *Nr4btn = nullptr, *Nr5btn = nullptr,
              *Nr6btn = nullptr, *Nr7btn = nullptr, *Nr8btn = nullptr,
              *Nr9btn = nullptr, *Nrptbtn = nullptr, *NrEbtn = nullptr;
  QToolButton *Operatoradditionbtn = nullptr,
              *Operatorsubtractionbtn = nullptr,
              *Operatormultiplicationbtn = nullptr,
              *Operatordivisionbtn = nullptr, *Operatorbracket1btn = nullptr,
              *Operatorbracket2btn = nullptr;
  QToolButton *Plusminusbtn = nullptr, *Undobtn = nullptr, *NrXbtn = nullptr,
              *NrRecipbtn = nullptr, *Copybtn = nullptr, *Pastebtn = nullptr,
              *ClearSelectionbtn = nullptr, *CutToClipboardbtn = nullptr,
              *ComputeSpdbtn = nullptr;
  QStatusBar *StatusBar1 = nullptr;

protected:
  bool event(QEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;
  void changeEvent(QEvent *event) override;
  QMenu *createPopupMenu() override;

private:
  // Layout, in m_lsf_w_layout.cpp.
  void createMenus();
  void createToolBar();
  void createFormulaRow();
  QWidget *createVariableGroup();
  QWidget *createResultGroup();
  QWidget *createKeypad();
  void connectHandlers();
  void showKeyFaces();
  void fixWindowSize();

  void FormCreate();
  // Copies the boxes' texts into the session before a handler reads them.
  void pullBoxes();
  // Shows the session's result, grid and Quantity after a handler ran.
  void showSession();
  void showPreference();
  // Hands a character to the focused formula box or grid cell editor.
  void typeCharacter(QChar character);
  void setCurrentHint(const QString &hint);

  std::unique_ptr<TCalculatorSession> session_;
  HintTracker *hintTracker_ = nullptr;
  QPointer<TTextPrintForm> printForm_;
  QPointer<THelperForm> helperForm_;
};

} // namespace quorvex
