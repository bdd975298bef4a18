// The main window's controls, captions, hints and arrangement.

#include "m_lsf_w.h"

#include "hinttracker.h"
#include "paletteicon.h"
#include "selectionlineedit.h"
#include "variablegridview.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <limits>

namespace quorvex {
namespace {

constexpr int ClientWidth = 447;
constexpr int ClientHeight = 386;
constexpr int KeyWidth = 36;
constexpr int KeyHeight = 25;

struct KeyDef {
  const char *name;
  QToolButton *TF_Main_LSF::*member;
  const char *caption;
  const char *shortHint;
  const char *longHint;
  const char *accessibleName;
  int row, column, columnSpan;
  int captionPixels; // 0: the window's font
};

// The keypad, row by row as it is laid out.
const std::array<KeyDef, 27> Keys{{
    {"Nr7btn", &TF_Main_LSF::Nr7btn, "7", "Seven", "Seven", "Seven", 0, 0, 1, 16},
    {"Nr8btn", &TF_Main_LSF::Nr8btn, "8", "Eight", "Eight", "Eight", 0, 1, 1, 16},
    {"Nr9btn", &TF_Main_LSF::Nr9btn, "9", "Nine", "Nine", "Nine", 0, 2, 1, 16},
    {"Operatordivisionbtn", &TF_Main_LSF::Operatordivisionbtn, "/", "Division",
     "Division", "Division", 0, 3, 1, 17},
    {"Nr4btn", &TF_Main_LSF::Nr4btn, "4", "Four", "Four", "Four", 1, 0, 1, 16},
    {"Nr5btn", &TF_Main_LSF::Nr5btn, "5", "Five", "Five", "Five", 1, 1, 1, 16},
    {"Nr6btn", &TF_Main_LSF::Nr6btn, "6", "Six", "Six", "Six", 1, 2, 1, 16},
    {"Operatormultiplicationbtn", &TF_Main_LSF::Operatormultiplicationbtn, "*",
     "Multiplication", "Multiplication", "Multiplication", 1, 3, 1, 17},
    {"Nr1btn", &TF_Main_LSF::Nr1btn, "1", "One", "One", "One", 2, 0, 1, 16},
    {"Nr2btn", &TF_Main_LSF::Nr2btn, "2", "Two", "Two", "Two", 2, 1, 1, 16},
    {"Nr3btn", &TF_Main_LSF::Nr3btn, "3", "Three", "Three", "Three", 2, 2, 1, 16},
    {"Operatorsubtractionbtn", &TF_Main_LSF::Operatorsubtractionbtn, "-",
     "Subtraction", "Subtraction", "Subtraction", 2, 3, 1, 17},
    {"Nr0btn", &TF_Main_LSF::Nr0btn, "0", "Zero", "Zero", "Zero", 3, 0, 1, 16},
    {"Nrptbtn", &TF_Main_LSF::Nrptbtn, ".", "Decimal point",
     "Decimal point: Depending on computer system configuration, it is either "
     "\"dot\" or \"comma\".",
     "Decimal point", 3, 1, 1, 21},
    {"NrEbtn", &TF_Main_LSF::NrEbtn, "E", "Scientific notation",
     "Scientific notation: 2.0E-3 (or 2,0E-3 if computer uses \"comma\" as "
     "decimal separator).",
     "Scientific notation", 3, 2, 1, 15},
    {"Operatoradditionbtn", &TF_Main_LSF::Operatoradditionbtn, "+", "Addition",
     "Addition", "Addition", 3, 3, 1, 17},
    {"Operatorbracket1btn", &TF_Main_LSF::Operatorbracket1btn, "(",
     "Left parenthesis", "Left parenthesis", "Left parenthesis", 4, 0, 1, 15},
    {"Operatorbracket2btn", &TF_Main_LSF::Operatorbracket2btn, ")",
     "Right parenthesis", "Right parenthesis", "Right parenthesis", 4, 1, 1, 15},
    {"Plusminusbtn", &TF_Main_LSF::Plusminusbtn, "\u00b1", "Unary",
     "The unary \"+/-\": If the current selection is either '+' or '-', "
     "replace it with the opposite; etc.",
     "Change sign", 4, 2, 1, 16},
    {"Undobtn", &TF_Main_LSF::Undobtn, "Undo", "Undo",
     "Press Undo to cancel all changes made to the text property in the "
     "editor.",
     "Undo", 4, 3, 1, 0},
    {"NrXbtn", &TF_Main_LSF::NrXbtn, "X", "Variable x", "Variable \"x\"",
     "Variable x", 5, 0, 1, 0},
    {"NrRecipbtn", &TF_Main_LSF::NrRecipbtn, "1/X", "Inverse of x",
     "Inverse of variable \"x\"", "Inverse of x", 5, 1, 1, 0},
    {"Copybtn", &TF_Main_LSF::Copybtn, "Copy", "CopyToClipboard",
     "Use Copy to replace the contents of the Clipboard with calculated "
     "value.",
     "Copy", 5, 2, 1, 0},
    {"Pastebtn", &TF_Main_LSF::Pastebtn, "Paste", "PasteFromClipboard",
     "Use Paste to replace the selected text with the contents of the "
     "Clipboard.",
     "Paste", 5, 3, 1, 0},
    {"ClearSelectionbtn", &TF_Main_LSF::ClearSelectionbtn, "Delete",
     "ClearSelection",
     "Use Delete to backspace or delete selected text from the edit control.",
     "Delete", 6, 0, 1, 0},
    {"CutToClipboardbtn", &TF_Main_LSF::CutToClipboardbtn, "Cut",
     "CutToClipboard",
     "Cut deletes selected text and also copies it to the clipboard. Nothing "
     "if no text is selected.",
     "Cut", 6, 1, 1, 0},
    {"ComputeSpdbtn", &TF_Main_LSF::ComputeSpdbtn, "Compute",
     "Evaluate expression",
     "Evaluate expression: Press to calculate value for the defined equation.",
     "Compute", 6, 2, 2, 0},
}};

struct ToolDef {
  const char *name;
  QToolButton *TF_Main_LSF::*member; // null for a divider
  QAction *TF_Main_LSF::*divider;     // null for a button
  const char *icon;
  const char *shortHint;
  const char *longHint;
};

const std::array<ToolDef, 12> Tools{{
    {"ToolButton1", &TF_Main_LSF::ToolButton1, nullptr, "exit", "Close",
     "Quit: End the calculation session."},
    {"ToolButton14", nullptr, &TF_Main_LSF::ToolButton14, nullptr, nullptr, nullptr},
    {"ToolButton2", &TF_Main_LSF::ToolButton2, nullptr, "about", "About",
     "About Quorvex program."},
    {"ToolButton3", &TF_Main_LSF::ToolButton3, nullptr, "help", "Help",
     "Documentation that provides guide for the usage of Quorvex."},
    {"ToolButton13", nullptr, &TF_Main_LSF::ToolButton13, nullptr, nullptr, nullptr},
    {"ToolButton4", &TF_Main_LSF::ToolButton4, nullptr, "print", "Print",
     "Print the report of calculation session."},
    {"ToolButton10", nullptr, &TF_Main_LSF::ToolButton10, nullptr, nullptr, nullptr},
    {"ToolButton5", &TF_Main_LSF::ToolButton5, nullptr, "cut", "Cut",
     "Cut deletes selected text and also copies it to the clipboard. Nothing "
     "if no text is selected."},
    {"ToolButton6", &TF_Main_LSF::ToolButton6, nullptr, "copy", "Copy",
     "Use Copy to replace the contents of the Clipboard with calculated "
     "value."},
    {"ToolButton7", &TF_Main_LSF::ToolButton7, nullptr, "paste", "Paste",
     "Use Paste to replace the selected text with the contents of the "
     "Clipboard."},
    {"ToolButton8", &TF_Main_LSF::ToolButton8, nullptr, "undo", "Undo",
     "Press Undo to cancel all changes made to the text property in the "
     "editor."},
    {"ToolButton12", &TF_Main_LSF::ToolButton12, nullptr, "clear", "Clear",
     "Use Delete to backspace or delete selected text from the edit control."},
}};

QFont fontOfPixels(const QFont &base, int pixels) {
  QFont font = base;
  font.setPixelSize(pixels);
  return font;
}

QFont fontOfPoints(const QFont &base, int points) {
  QFont font = base;
  font.setPointSize(points);
  return font;
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption,
                  const QString &hint) {
  QAction *action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  action->setProperty("hint", hint);
  return action;
}

QAction *separator(QMenu *menu, const char *name) {
  QAction *action = menu->addSeparator();
  action->setObjectName(QLatin1String(name));
  return action;
}

} // namespace

void TF_Main_LSF::createMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

  QMenu *file = MainMenu1->addMenu(QStringLiteral("File"));
  Print1 = menuItem(file, "Print1", QStringLiteral("Print..."),
                    QStringLiteral("Print the report of calculation session."));
  Print1->setIcon(paletteIcon(QStringLiteral("print")));
  N1 = separator(file, "N1");
  About2 = menuItem(file, "About2", QStringLiteral("About..."),
                    QStringLiteral("About Quorvex program."));
  About2->setIcon(paletteIcon(QStringLiteral("about")));
  Help2 = menuItem(
      file, "Help2", QStringLiteral("Help..."),
      QStringLiteral(
          "Documentation that provides guide for the usage of Quorvex."));
  Help2->setIcon(paletteIcon(QStringLiteral("help")));
  N2 = separator(file, "N2");
  Exit1 = menuItem(file, "Exit1", QStringLiteral("Exit"),
                   QStringLiteral("Exit: End the calculation session."));
  Exit1->setIcon(paletteIcon(QStringLiteral("exit")));

  QMenu *view = MainMenu1->addMenu(QStringLiteral("View"));
  Toolbar2 = menuItem(view, "Toolbar2", QStringLiteral("Toolbar"),
                      QStringLiteral("Select to view the toobar."));
  Statusbar2 = menuItem(view, "Statusbar2", QStringLiteral("Statusbar"),
                        QStringLiteral("Select to view the statusbar."));

  QMenu *option = MainMenu1->addMenu(QStringLiteral("Option"));
  Showhints1 = menuItem(option, "Showhints1", QStringLiteral("Show hints"),
                        QString());

  QMenu *preference = MainMenu1->addMenu(QStringLiteral("Preference"));
  Intermediateresult1 = menuItem(
      preference, "Intermediateresult1", QStringLiteral("Intermediate result"),
      QStringLiteral("Display intermediate result for printing."));
  Allsessionresults1 = menuItem(
      preference, "Allsessionresults1", QStringLiteral("All session results"),
      QStringLiteral("Display all-session results for printing."));

  for (QAction *toggle : {Toolbar2, Statusbar2, Showhints1,
                          Intermediateresult1, Allsessionresults1})
    toggle->setCheckable(true);
  Toolbar2->setChecked(true);
  Statusbar2->setChecked(true);
  Showhints1->setChecked(true);

  // A highlighted menu item (or menu title, which has no hint) is the
  // current hint.
  for (QMenu *menu : {file, view, option, preference})
    connect(menu, &QMenu::hovered, this, [this](QAction *action) {
      setCurrentHint(action->property("hint").toString());
    });
  connect(MainMenu1, &QMenuBar::hovered, this,
          [this](QAction *) { setCurrentHint(QString()); });
}

void TF_Main_LSF::createToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setMinimumHeight(29);
  addToolBar(Qt::TopToolBarArea, ToolBar1);
  for (const ToolDef &tool : Tools) {
    if (!tool.member) {
      QAction *divider = ToolBar1->addSeparator();
      divider->setObjectName(QLatin1String(tool.name));
      this->*tool.divider = divider;
      continue;
    }
    auto *button = new QToolButton(ToolBar1);
    button->setObjectName(QLatin1String(tool.name));
    button->setIcon(paletteIcon(QLatin1String(tool.icon)));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(QLatin1String(tool.shortHint));
    HintTracker::setHint(button, QLatin1String(tool.shortHint),
                         QLatin1String(tool.longHint));
    ToolBar1->addWidget(button);
    this->*tool.member = button;
  }
}

void TF_Main_LSF::createFormulaRow() {
  Panel1 = new QWidget;
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Label1 = new QLabel(QStringLiteral("Formula  ="), Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1 = new SelectionLineEdit(Panel1);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(fontOfPoints(font(), 10));
  // No limit of the box's own: a pasted formula arrives whole, and the
  // engine judges its length with a message rather than the box cutting it.
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Edit1->setMinimumWidth(376);
  HintTracker::setHint(Edit1, QStringLiteral("Formula edit-box"),
                       QStringLiteral("Formula edit-box: Enter a formula into "
                                      "editor"));
  auto *row = new QHBoxLayout(Panel1);
  row->setContentsMargins(10, 2, 7, 2);
  row->setSpacing(4);
  row->addWidget(Label1);
  row->addWidget(Edit1, 1);
  Panel1->setMinimumHeight(25);
}

QWidget *TF_Main_LSF::createVariableGroup() {
  GroupBox1 = new QGroupBox(QStringLiteral("Variable setting"));
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setFixedWidth(261);
  Label4 = new QLabel(QStringLiteral("Quantity"), GroupBox1);
  Label4->setObjectName(QStringLiteral("Label4"));
  edVarQuantity = new QLineEdit(GroupBox1);
  edVarQuantity->setObjectName(QStringLiteral("edVarQuantity"));
  edVarQuantity->setEnabled(false);
  edVarQuantity->setFixedWidth(33);
  HintTracker::setHint(edVarQuantity, QStringLiteral("Variable quantity"),
                       QStringLiteral("Variable quantity"));
  SpeedButton1 = new QToolButton(GroupBox1);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setText(QStringLiteral("Variable"));
  SpeedButton1->setIcon(paletteIcon(QStringLiteral("variable")));
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setMinimumSize(71, 22);
  SpeedButton1->setToolTip(QStringLiteral("Variable quantity"));
  HintTracker::setHint(SpeedButton1, QStringLiteral("Variable quantity"),
                       QStringLiteral("Variable quantity"));
  lbAssign = new QLabel(QStringLiteral("Assign"), GroupBox1);
  lbAssign->setObjectName(QStringLiteral("lbAssign"));
  V_Q = new QLineEdit(QStringLiteral("x"), GroupBox1);
  V_Q->setObjectName(QStringLiteral("V_Q"));
  V_Q->setMaxLength(std::numeric_limits<int>::max());
  HintTracker::setHint(
      V_Q, QStringLiteral("User-defined variables"),
      QStringLiteral("User-defined variables: Use semicolon as list-separator"));
  SG_Variables = new VariableGridView(session_->Grid(), GroupBox1);
  SG_Variables->setObjectName(QStringLiteral("SG_Variables"));
  HintTracker::setHint(
      SG_Variables, QStringLiteral("Grid setting"),
      QStringLiteral("Grid setting: Assign values for the variables"));

  auto *fields = new QGridLayout;
  fields->setContentsMargins(6, 0, 6, 0);
  fields->setHorizontalSpacing(6);
  fields->setVerticalSpacing(8);
  fields->addWidget(Label4, 0, 0);
  fields->addWidget(edVarQuantity, 0, 1);
  fields->setColumnStretch(2, 1);
  fields->addWidget(SpeedButton1, 0, 3);
  fields->addWidget(lbAssign, 1, 0);
  fields->addWidget(V_Q, 1, 1, 1, 3);
  auto *group = new QVBoxLayout(GroupBox1);
  group->setContentsMargins(2, 6, 2, 2);
  group->setSpacing(8);
  group->addLayout(fields);
  group->addWidget(SG_Variables, 1);
  return GroupBox1;
}

QWidget *TF_Main_LSF::createResultGroup() {
  GroupBox3 = new QGroupBox(QStringLiteral("Result"));
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  EditYValue = new SelectionLineEdit(GroupBox3);
  EditYValue->setObjectName(QStringLiteral("EditYValue"));
  EditYValue->setReadOnly(true);
  EditYValue->setFont(fontOfPoints(font(), 10));
  EditYValue->setMinimumSize(164, 24);
  HintTracker::setHint(EditYValue, QStringLiteral("Computed value"),
                       QStringLiteral("Computed value"));
  auto *layout = new QVBoxLayout(GroupBox3);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(EditYValue);
  GroupBox3->setMinimumSize(layout->minimumSize().expandedTo(QSize(180, 60)));
  return GroupBox3;
}

QWidget *TF_Main_LSF::createKeypad() {
  GbPreferences = new QGroupBox(QStringLiteral("Buttons"));
  GbPreferences->setObjectName(QStringLiteral("GbPreferences"));
  auto *grid = new QGridLayout(GbPreferences);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(7);
  // All keys share one width: the designed one, or wider where the
  // platform's font needs it so that no caption is cut.
  int keyWidth = KeyWidth;
  for (const KeyDef &key : Keys) {
    auto *button = new QToolButton(GbPreferences);
    button->setObjectName(QLatin1String(key.name));
    button->setText(QString::fromUtf8(key.caption));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(QLatin1String(key.accessibleName));
    button->setAccessibleDescription(QString::fromUtf8(key.longHint));
    HintTracker::setHint(button, QLatin1String(key.shortHint),
                         QString::fromUtf8(key.longHint));
    if (key.captionPixels > 0)
      button->setFont(fontOfPixels(font(), key.captionPixels));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (key.columnSpan == 1)
      keyWidth = std::max(
          keyWidth, button->fontMetrics().horizontalAdvance(button->text()) + 8);
    grid->addWidget(button, key.row, key.column, 1, key.columnSpan);
    this->*key.member = button;
  }
  for (const KeyDef &key : Keys) {
    const int span = key.columnSpan;
    (this->*key.member)
        ->setMinimumSize(keyWidth * span + grid->horizontalSpacing() * (span - 1),
                         KeyHeight);
  }
  showKeyFaces();
  grid->setRowStretch(static_cast<int>(Keys.back().row) + 1, 1);
  GbPreferences->setMinimumWidth(std::max(180, grid->minimumSize().width()));
  return GbPreferences;
}

void TF_Main_LSF::showKeyFaces() {
  // The keys take the colours of an input field (a white face in light
  // themes), from the window's current palette.
  QPalette face = palette();
  face.setColor(QPalette::Button, face.color(QPalette::Base));
  face.setColor(QPalette::ButtonText, face.color(QPalette::Text));
  for (const KeyDef &key : Keys)
    (this->*key.member)->setPalette(face);
}

void TF_Main_LSF::fixWindowSize() {
  // The client area is the designed one unless the platform's fonts need
  // more; the menu bar sits above it.
  const QSize needed = minimumSizeHint();
  const QSize designed(ClientWidth,
                       ClientHeight + MainMenu1->sizeHint().height());
  setFixedSize(needed.expandedTo(designed));
}

} // namespace quorvex
