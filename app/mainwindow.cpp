#include "mainwindow.h"

#include "aboutwindow.h"
#include "announcer.h"
#include "decimalpoint.h"
#include "documentationwindow.h"
#include "errorreport.h"
#include "formulaassistant.h"
#include "formulalineedit.h"
#include "hinttracker.h"
#include "plotwindow.h"
#include "printreportwindow.h"
#include "resultformatmenu.h"
#include "resultformatswindow.h"
#include "selectionlineedit.h"
#include "variablegridview.h"

#include "engine/decimalseparator.h"
#include "session/signtoggle.h"
#include "session/textposition.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace quorvex {
namespace {

// The character a key press types, 0 for keys that type none. Delete types
// nothing although some platforms attach a DEL code to it, and neither do
// Tab and Backtab, which move the focus on.
char32_t typedCharacter(const QKeyEvent &event) {
  switch (event.key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return U'\r';
  case Qt::Key_Backspace:
    return U'\b';
  case Qt::Key_Delete:
  case Qt::Key_Tab:
  case Qt::Key_Backtab:
    return 0;
  default:
    break;
  }
  const QList<uint> codes = event.text().toUcs4();
  if (codes.isEmpty() || codes.front() == 0x7f)
    return 0;
  return static_cast<char32_t>(codes.front());
}

// Losing the focus to another application, to an open menu or to the menu
// bar (Alt) is not leaving the box: the user comes back to it as it was.
bool leavesBox(const QFocusEvent &event) {
  return event.reason() != Qt::ActiveWindowFocusReason &&
         event.reason() != Qt::PopupFocusReason &&
         event.reason() != Qt::MenuBarFocusReason;
}

// Alt with a letter is for the menu bar's mnemonics; a box would otherwise
// take the letter as typed when no menu answers it.
bool typesWithAlt(const QKeyEvent &event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
         !event.text().isEmpty() && event.text().front().isPrint();
}

// A status bar note quotes at most this much of the ignored text.
constexpr qsizetype quotedLength = 60;

} // namespace

TF_Main_LSF::TF_Main_LSF()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("F_Main_LSF"));
  setWindowTitle(tr("Multipurpose Calculator - Quorvex"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
  QFont windowFont = font();
  windowFont.setPointSize(8);
  setFont(windowFont);

  // The session's default formula is written with the separator read here.
  readDecimalSeparator();
  FSession = std::make_unique<TCalculatorSession>();

  CreateMenus();
  createFileCommands();
  CreateToolBar();
  QWidget *formulaRow = CreateFormulaRow();
  auto *right = new QVBoxLayout;
  right->setSpacing(2);
  right->addWidget(CreateResultGroup());
  right->addWidget(CreateKeypad(), 1);
  auto *body = new QHBoxLayout;
  body->setContentsMargins(2, 0, 2, 2);
  body->setSpacing(4);
  body->addWidget(CreateVariableGroup());
  body->addLayout(right, 1);
  auto *central = new QWidget;
  central->setObjectName(QStringLiteral("ClientArea"));
  auto *column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(formulaRow);
  column->addLayout(body, 1);
  setCentralWidget(central);
  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setMinimumHeight(19);

  setTabOrder(Edit1, V_Q);
  setTabOrder(V_Q, SG_Variables);
  setTabOrder(SG_Variables, EditYValue);
  CreateResultFormatMenu();
  CreateNameHelp();
  Edit1->installEventFilter(this);
  V_Q->installEventFilter(this);
  connect(SG_Variables, &VariableGridView::editorOpened, this,
          [this](QLineEdit *editor) { editor->installEventFilter(this); });
  const auto followEdits = [this] { runAction([this] { ShowEditState(); }); };
  connect(Edit1, &QLineEdit::textChanged, this, followEdits);
  connect(V_Q, &QLineEdit::textChanged, this, followEdits);
  connect(SG_Variables, &VariableGridView::valueEdited, this, followEdits);
  CreateShortcuts();

  FHintTracker = new HintTracker(*this, this);
  FHintTracker->setTipWidget(SpeedButton1);
  QCoreApplication::instance()->installEventFilter(FHintTracker);
  connect(FHintTracker, &HintTracker::hintChanged, this, &TF_Main_LSF::SetCurrentHint);

  FormCreate();
  FixWindowSize();
  Edit1->setFocus(Qt::OtherFocusReason);
}

TF_Main_LSF::~TF_Main_LSF() = default;

void TF_Main_LSF::SetPrintForm(TTextPrintForm *form) {
  FPrintForm = form;
}
void TF_Main_LSF::SetHelperForm(THelperForm *form) {
  FHelperForm = form;
}

void TF_Main_LSF::FormCreate() {
  Edit1->setText(QString::fromStdString(FSession->FormulaText()));
  Edit1->setCursorPosition(0);
  Nrptbtn->setText(QString(QLatin1Char(decimalSeparator())));
  ShowPreference();
  ShowSession();
}

// --- session forwarding -----------------------------------------------------

void TF_Main_LSF::PullBoxes() {
  FSession->SetAssignText(V_Q->text().toStdString());
  FSession->SetFormulaText(Edit1->text().toStdString());
}

void TF_Main_LSF::ShowSession() {
  const QString result = QString::fromStdString(FSession->ResultText());
  if (EditYValue->text() != result)
    EditYValue->setText(result);
  // Set only when it changes: every setText is a text change to assistive
  // technology, and this runs after every key typed in the formula.
  const QString quantity = QString::fromStdString(FSession->Grid().QuantityText());
  if (edVarQuantity->text() != quantity)
    edVarQuantity->setText(quantity);
  SG_Variables->refresh();
  ShowResultFreshness();
  ShowFunctionsWindowVariables();
  if (FFormatsWindow)
    FFormatsWindow->showValue(FSession->LastResult(), FResultFormatMenu->listedFormats());
}

void TF_Main_LSF::ComputeSpdbtnClick() {
  PullBoxes();
  try {
    FSession->Compute();
  } catch (const std::exception &error) {
    // A failed computation has still cleared the result and re-applied the
    // variable list, so the views follow first. The report is modal; the
    // place of the failure is shown once the user has closed it.
    ShowSession();
    ShowComputeNote();
    ErrorReport::report(error);
    ShowFailurePlace();
    ShowFunctionFailureNote();
    return;
  }
  FFormulaHistory.add(FSession->FormulaText());
  ShowSession();
  ShowComputeNote();
  // Said at once, the focus staying in the box: the result, and the note
  // on ignored text with it (one announcement, so that neither hides the
  // other).
  QString spoken = EditYValue->text();
  if (FComputeNoteShown)
    spoken = tr("%1. %2", "announced: a result, then the note beside it")
                 .arg(spoken, StatusBar1->currentMessage());
  announce(EditYValue, spoken);
}

void TF_Main_LSF::ShowEditState() {
  PullBoxes();
  const std::optional<std::size_t> ignored = FSession->IgnoredTextStart();
  FAssistant->followEdit(ignored ? int(utf16Position(FSession->FormulaText(), *ignored))
                                 : -1);
  ShowResultFreshness();
}

// The window's palette, not the box's own, so that a theme change is
// followed (the box's palette is set here, and no longer inherits).
void TF_Main_LSF::ShowResultFreshness() {
  QPalette colours = palette();
  if (FSession->ResultIsStale())
    colours.setBrush(QPalette::Text, colours.brush(QPalette::PlaceholderText));
  EditYValue->setPalette(colours);
}

void TF_Main_LSF::ShowComputeNote() {
  const std::string &ignored = FSession->IgnoredText();
  if (!ignored.empty()) {
    QString quoted = QString::fromStdString(ignored);
    if (quoted.size() > quotedLength)
      quoted = quoted.left(quotedLength) + QChar(0x2026);
    StatusBar1->showMessage(ErrorReport::message(
        {}, MessageParts{ignoredTextTemplate, {quoted.toStdString()}}));
    FComputeNoteShown = true;
  } else if (FComputeNoteShown) {
    // An earlier note must not stand beside a result it does not concern.
    StatusBar1->clearMessage();
    FComputeNoteShown = false;
  }
}

void TF_Main_LSF::ShowFailurePlace() {
  const FailurePlace &place = FSession->LastFailure();
  switch (place.kind) {
  case FailurePlace::Kind::Nowhere:
    return;
  case FailurePlace::Kind::Formula: {
    const std::string &formula = FSession->FormulaText();
    const TextSpan bytes = place.formulaBytes;
    const int start = int(utf16Position(formula, bytes.offset));
    const int end = int(utf16Position(formula, bytes.offset + bytes.length));
    Edit1->setFocus(Qt::OtherFocusReason);
    if (end > start)
      Edit1->setSelection(start, end - start);
    else
      Edit1->setCursorPosition(start);
    return;
  }
  case FailurePlace::Kind::ValueCell:
    SG_Variables->editValueCell(place.row);
    return;
  }
}

void TF_Main_LSF::SpeedButton1Click() {
  PullBoxes();
  // The button counts as leaving the formula.
  FSession->LeaveFormula();
  ShowSession();
}

bool TF_Main_LSF::Edit1KeyDown(int key) {
  std::optional<std::string> recalled;
  if (key == Qt::Key_Up)
    recalled = FFormulaHistory.older(Edit1->text().toStdString());
  else if (key == Qt::Key_Down)
    recalled = FFormulaHistory.newer();
  else
    return false;
  if (recalled)
    Edit1->replaceAsUndoStep(0, int(Edit1->text().size()),
                             QString::fromStdString(*recalled));
  return true;
}

bool TF_Main_LSF::Edit1KeyPress(char32_t key) {
  PullBoxes();
  const bool discard = FSession->TypeInFormula(key);
  ShowSession();
  return discard;
}

void TF_Main_LSF::Edit1Exit() {
  PullBoxes();
  FSession->LeaveFormula();
  ShowSession();
}

bool TF_Main_LSF::V_QKeyPress(char32_t key) {
  PullBoxes();
  const bool discard = FSession->TypeInAssign(key);
  ShowSession();
  return discard;
}

void TF_Main_LSF::V_QExit() {
  PullBoxes();
  FSession->ApplyVariableList();
  ShowSession();
}

void TF_Main_LSF::Intermediateresult1Click() {
  FSession->ToggleIntermediateResult();
  ShowPreference();
}

void TF_Main_LSF::Allsessionresults1Click() {
  FSession->ToggleAllSessionResults();
  ShowPreference();
}

// The menu toggled the clicked item itself; the session decides both.
void TF_Main_LSF::ShowPreference() {
  Intermediateresult1->setChecked(FSession->Preference().IntermediateResult());
  Allsessionresults1->setChecked(FSession->Preference().AllSessionResults());
}

// --- windows ----------------------------------------------------------------

void TF_Main_LSF::Print1Click() {
  if (!FPrintForm)
    return;
  QStringList lines;
  for (const std::string &line : FSession->PrintSource().Lines())
    lines.append(QString::fromStdString(line));
  FPrintForm->SetReport(lines);
  FPrintForm->exec();
}

void TF_Main_LSF::About2Click() {
  TAboutForm about(this);
  about.exec();
}

void TF_Main_LSF::Help2Click() {
  if (!FHelperForm)
    return;
  FHelperForm->show();
  FHelperForm->raise();
  FHelperForm->activateWindow();
}

void TF_Main_LSF::ShowPlotWindow() {
  if (!FPlotWindow)
    FPlotWindow = new PlotWindow(
        [this] {
          // The boxes' texts as typed; the session itself is only read.
          PullBoxes();
          return formulaOnScreen(*FSession);
        },
        this);
  FPlotWindow->showAndPlot();
}

void TF_Main_LSF::Exit1Click() {
  close();
}

void TF_Main_LSF::Toolbar2Click() {
  ToolBar1->setVisible(Toolbar2->isChecked());
}

void TF_Main_LSF::Statusbar2Click() {
  StatusBar1->setVisible(Statusbar2->isChecked());
}

// The check mark itself is the state: setCurrentHint reads it. The one
// pop-up tip is a hint too, and goes with the others.
void TF_Main_LSF::Showhints1Click() {
  FHintTracker->setTipWidget(Showhints1->isChecked() ? SpeedButton1 : nullptr);
}

void TF_Main_LSF::SetCurrentHint(const QString &hint) {
  if (!Showhints1->isChecked())
    return;
  StatusBar1->showMessage(hint);
  FComputeNoteShown = false;
}

// --- keypad -----------------------------------------------------------------

void TF_Main_LSF::TypeCharacter(QChar character) {
  QWidget *target = nullptr;
  if (Edit1->hasFocus())
    target = Edit1;
  else if (QLineEdit *editor = SG_Variables->focusedEditor())
    target = editor;
  if (!target)
    return;
  const int key = character == QLatin1Char('\b') ? int(Qt::Key_Backspace)
                                                 : int(character.toUpper().unicode());
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(character));
  QCoreApplication::sendEvent(target, &release);
}

void TF_Main_LSF::Nr0btnClick() {
  TypeCharacter(QLatin1Char('0'));
}
void TF_Main_LSF::Nr1btnClick() {
  TypeCharacter(QLatin1Char('1'));
}
void TF_Main_LSF::Nr2btnClick() {
  TypeCharacter(QLatin1Char('2'));
}
void TF_Main_LSF::Nr3btnClick() {
  TypeCharacter(QLatin1Char('3'));
}
void TF_Main_LSF::Nr4btnClick() {
  TypeCharacter(QLatin1Char('4'));
}
void TF_Main_LSF::Nr5btnClick() {
  TypeCharacter(QLatin1Char('5'));
}
void TF_Main_LSF::Nr6btnClick() {
  TypeCharacter(QLatin1Char('6'));
}
void TF_Main_LSF::Nr7btnClick() {
  TypeCharacter(QLatin1Char('7'));
}
void TF_Main_LSF::Nr8btnClick() {
  TypeCharacter(QLatin1Char('8'));
}
void TF_Main_LSF::Nr9btnClick() {
  TypeCharacter(QLatin1Char('9'));
}
// The separator as it is now, which may differ from the key's caption.
void TF_Main_LSF::NrptbtnClick() {
  TypeCharacter(QLatin1Char(decimalSeparator()));
}
void TF_Main_LSF::NrEbtnClick() {
  TypeCharacter(QLatin1Char('E'));
}
void TF_Main_LSF::ClearSelectionbtnClick() {
  TypeCharacter(QLatin1Char('\b'));
}

void TF_Main_LSF::InsertText(const QString &text) {
  const int start =
      Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
  Edit1->replaceAsUndoStep(start, Edit1->selectionLength(), text);
}

void TF_Main_LSF::InsertIntoFormula(const QString &text) {
  if (Edit1->hasFocus())
    InsertText(text);
}

void TF_Main_LSF::OperatoradditionbtnClick() {
  InsertIntoFormula(QStringLiteral(" + "));
}
void TF_Main_LSF::OperatorsubtractionbtnClick() {
  InsertIntoFormula(QStringLiteral(" - "));
}
void TF_Main_LSF::OperatormultiplicationbtnClick() {
  InsertIntoFormula(QStringLiteral(" * "));
}
void TF_Main_LSF::OperatordivisionbtnClick() {
  InsertIntoFormula(QStringLiteral(" / "));
}
void TF_Main_LSF::Operatorbracket1btnClick() {
  InsertIntoFormula(QStringLiteral("("));
}
void TF_Main_LSF::Operatorbracket2btnClick() {
  InsertIntoFormula(QStringLiteral(")"));
}
void TF_Main_LSF::NrXbtnClick() {
  InsertIntoFormula(QStringLiteral("x"));
}
void TF_Main_LSF::NrRecipbtnClick() {
  InsertIntoFormula(QStringLiteral("1/x"));
}

void TF_Main_LSF::PlusminusbtnClick() {
  if (Edit1->hasFocus())
    ToggleSign();
}

void TF_Main_LSF::ToggleSign() {
  const int start =
      Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
  const auto edit = quorvex::ToggleSign(
      Edit1->text().toStdU16String(), static_cast<std::size_t>(start),
      static_cast<std::size_t>(Edit1->selectionLength()), decimalSeparator());
  if (!edit)
    return;
  // The rule flips one sign or inserts one "-": only the part that differs
  // is replaced, so the toggle is one undo step like an insertion.
  const QString before = Edit1->text();
  const QString after = QString::fromStdU16String(edit->Text);
  qsizetype prefix = 0;
  while (prefix < before.size() && prefix < after.size() &&
         before[prefix] == after[prefix])
    ++prefix;
  qsizetype suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
    ++suffix;
  Edit1->replaceAsUndoStep(int(prefix), int(before.size() - prefix - suffix),
                           after.mid(prefix, after.size() - prefix - suffix));
  Edit1->setCursorPosition(static_cast<int>(edit->Caret));
}

void TF_Main_LSF::UndobtnClick() {
  if (Edit1->hasFocus())
    Edit1->undo();
}

void TF_Main_LSF::CutToClipboardbtnClick() {
  if (Edit1->hasFocus())
    Edit1->cut();
}

void TF_Main_LSF::PastebtnClick() {
  if (Edit1->hasFocus())
    Edit1->paste();
}

void TF_Main_LSF::CopybtnClick() {
  if (EditYValue->text().isEmpty())
    return;
  EditYValue->selectAll();
  EditYValue->copy();
}

// --- events -----------------------------------------------------------------

bool TF_Main_LSF::event(QEvent *event) {
  // Status texts come only from the hint rules, so the status bar keeps its
  // text while "Show hints" is off.
  if (event->type() == QEvent::StatusTip)
    return true;
  return QMainWindow::event(event);
}

// Watches the formula box, the Assign box and the grid's cell editors.
bool TF_Main_LSF::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress && typesWithAlt(*static_cast<QKeyEvent *>(event)))
    return true;
  if (watched == Edit1 || watched == V_Q) {
    if (event->type() == QEvent::KeyPress) {
      const auto &key = *static_cast<QKeyEvent *>(event);
      // The completion list and the hint answer their keys first.
      if (watched == Edit1 && FAssistant->keyPress(key))
        return true;
      // The number pad's arrows (NumLock off) count as arrows.
      if (watched == Edit1 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
          Edit1KeyDown(key.key()))
        return true;
      if (const char32_t typed = typedCharacter(key))
        return watched == Edit1 ? Edit1KeyPress(typed) : V_QKeyPress(typed);
    } else if (event->type() == QEvent::FocusOut &&
               leavesBox(*static_cast<QFocusEvent *>(event))) {
      if (watched == Edit1)
        Edit1Exit();
      else
        V_QExit();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// The four stops, in this order every time. The grid is one stop whatever
// has the focus inside it (its cell editor, which the focus chain would
// place elsewhere, or a cell).
bool TF_Main_LSF::focusNextPrevChild(bool next) {
  const std::array<QWidget *, 4> stops = {Edit1, V_Q, SG_Variables, EditYValue};
  const QWidget *focused = QApplication::focusWidget();
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (focused != stops[i] && !stops[i]->isAncestorOf(focused))
      continue;
    const std::size_t to = (i + (next ? 1 : stops.size() - 1)) % stops.size();
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return QMainWindow::focusNextPrevChild(next);
}

void TF_Main_LSF::changeEvent(QEvent *event) {
  if (event->type() == QEvent::LocaleChange) {
    readDecimalSeparator();
  } else if (event->type() == QEvent::PaletteChange && Nr0btn) {
    ShowKeyFaces();
    ShowResultFreshness();
  }
  QMainWindow::changeEvent(event);
}

QMenu *TF_Main_LSF::createPopupMenu() {
  // The bars are switched from the View menu only, which keeps its check
  // marks true.
  return nullptr;
}

} // namespace quorvex
