// The main window's controls, captions, hints and arrangement, and which
// handler each command runs.

#include "mainwindow.h"

#include "errorreport.h"
#include "formulalineedit.h"
#include "hinttracker.h"
#include "paletteicon.h"
#include "selectionlineedit.h"
#include "variablegridview.h"

#include <QAbstractButton>
#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace quorvex {
namespace {

using Handler = void (TF_Main_LSF::*)();

constexpr int clientWidth = 447;
constexpr int clientHeight = 386;
constexpr int keyWidth = 36;
constexpr int keyHeight = 25;

// Every handler runs as one action: an error it raises ends it and goes to
// the error report.
template <class Sender, class Signal>
void bind(TF_Main_LSF &window, Sender *sender, Signal signal, Handler handler) {
  QObject::connect(sender, signal, &window, [&window, handler] {
    runAction([&window, handler] { (window.*handler)(); });
  });
}

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

} // namespace

void TF_Main_LSF::CreateMenus() {
  // One row per item, menu by menu; no item has a shortcut key, and the
  // menu titles have mnemonics (Alt+F opens File). A null caption is a
  // separator; a null member means the window never reads the item back.
  struct MenuItemDef {
    const char *menu;
    const char *name;
    const char *caption;
    const char *hint;
    const char *icon;
    bool checkable, checked;
    QAction *TF_Main_LSF::*member;
    Handler handler;
  };
  static const MenuItemDef items[] = {
      {"&File", "Print1", "Print...", "Print the report of calculation session.", "print",
       false, false, nullptr, &TF_Main_LSF::Print1Click},
      {"&File", "N1", nullptr, "", nullptr, false, false, nullptr, nullptr},
      {"&File", "About2", "About...", "About Quorvex program.", "about", false, false,
       nullptr, &TF_Main_LSF::About2Click},
      {"&File", "Help2", "Help...",
       "Documentation that provides guide for the usage of Quorvex.", "help", false,
       false, nullptr, &TF_Main_LSF::Help2Click},
      {"&File", "N2", nullptr, "", nullptr, false, false, nullptr, nullptr},
      {"&File", "Exit1", "Exit", "Exit: End the calculation session.", "exit", false,
       false, nullptr, &TF_Main_LSF::Exit1Click},
      {"&View", "Toolbar2", "Toolbar", "Select to view the toobar.", nullptr, true, true,
       &TF_Main_LSF::Toolbar2, &TF_Main_LSF::Toolbar2Click},
      {"&View", "Statusbar2", "Statusbar", "Select to view the statusbar.", nullptr, true,
       true, &TF_Main_LSF::Statusbar2, &TF_Main_LSF::Statusbar2Click},
      {"&Option", "Showhints1", "Show hints", "", nullptr, true, true,
       &TF_Main_LSF::Showhints1, &TF_Main_LSF::Showhints1Click},
      {"&Preference", "Intermediateresult1", "Intermediate result",
       "Display intermediate result for printing.", nullptr, true, false,
       &TF_Main_LSF::Intermediateresult1, &TF_Main_LSF::Intermediateresult1Click},
      {"&Preference", "Allsessionresults1", "All session results",
       "Display all-session results for printing.", nullptr, true, false,
       &TF_Main_LSF::Allsessionresults1, &TF_Main_LSF::Allsessionresults1Click},
      {"&Tools", "plotAction", "Plot...",
       "Plot the formula over a range of one of its variables.", nullptr, false, false,
       nullptr, &TF_Main_LSF::ShowPlotWindow},
      {"&Tools", "functionsAction", "Functions and constants...",
       "Find the functions, constants and variables a formula can use, and insert them.",
       nullptr, false, false, nullptr, &TF_Main_LSF::ShowFunctionsWindow},
  };

  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  QMenu *menu = nullptr;
  for (const MenuItemDef &item : items) {
    if (!menu || menu->title() != QLatin1String(item.menu))
      menu = MainMenu1->addMenu(QLatin1String(item.menu));
    QAction *action = item.caption ? menu->addAction(QLatin1String(item.caption))
                                   : menu->addSeparator();
    action->setObjectName(QLatin1String(item.name));
    action->setProperty("hint", QLatin1String(item.hint));
    if (item.icon)
      action->setIcon(paletteIcon(QLatin1String(item.icon)));
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    if (item.member)
      this->*item.member = action;
    if (item.handler)
      bind(*this, action, &QAction::triggered, item.handler);
  }
  // The menu bar reports every highlighted action, its titles' and the
  // items' of its menus alike, after the menu has reported its own; so this
  // one connection decides the hint. A title has no "hint" and gives "".
  connect(MainMenu1, &QMenuBar::hovered, this, [this](QAction *action) {
    SetCurrentHint(action->property("hint").toString());
  });
}

void TF_Main_LSF::CreateShortcuts() {
  // Compute from anywhere in the window, a cell editor included (it writes
  // every keystroke through, so nothing is left uncommitted). Enter keeps
  // its own meaning in the boxes; Ctrl+Enter is the number pad's Enter.
  const QKeySequence keys[] = {QKeySequence(Qt::Key_F9),
                               QKeySequence(Qt::CTRL | Qt::Key_Return),
                               QKeySequence(Qt::CTRL | Qt::Key_Enter)};
  for (const QKeySequence &key : keys) {
    auto *shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    bind(*this, shortcut, &QShortcut::activated, &TF_Main_LSF::ComputeSpdbtnClick);
  }
}

void TF_Main_LSF::CreateToolBar() {
  // Left to right; a null handler is a divider. The buttons run the handlers
  // of the menu items and keys they stand for.
  struct ToolDef {
    const char *name;
    const char *icon;
    const char *shortHint;
    const char *longHint;
    Handler handler;
  };
  static const ToolDef tools[] = {
      {"ToolButton1", "exit", "Close", "Quit: End the calculation session.",
       &TF_Main_LSF::Exit1Click},
      {"ToolButton14", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton2", "about", "About", "About Quorvex program.",
       &TF_Main_LSF::About2Click},
      {"ToolButton3", "help", "Help",
       "Documentation that provides guide for the usage of Quorvex.",
       &TF_Main_LSF::Help2Click},
      {"ToolButton13", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton4", "print", "Print", "Print the report of calculation session.",
       &TF_Main_LSF::Print1Click},
      {"ToolButton10", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton5", "cut", "Cut",
       "Cut deletes selected text and also copies it to the clipboard. Nothing if no "
       "text is selected.",
       &TF_Main_LSF::CutToClipboardbtnClick},
      {"ToolButton6", "copy", "Copy",
       "Use Copy to replace the contents of the Clipboard with calculated value.",
       &TF_Main_LSF::CopybtnClick},
      {"ToolButton7", "paste", "Paste",
       "Use Paste to replace the selected text with the contents of the Clipboard.",
       &TF_Main_LSF::PastebtnClick},
      {"ToolButton8", "undo", "Undo",
       "Press Undo to cancel all changes made to the text property in the editor.",
       &TF_Main_LSF::UndobtnClick},
      {"ToolButton12", "clear", "Clear",
       "Use Delete to backspace or delete selected text from the edit control.",
       &TF_Main_LSF::ClearSelectionbtnClick},
  };

  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setMinimumHeight(29);
  addToolBar(Qt::TopToolBarArea, ToolBar1);
  for (const ToolDef &tool : tools) {
    if (!tool.handler) {
      ToolBar1->addSeparator()->setObjectName(QLatin1String(tool.name));
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
    bind(*this, button, &QAbstractButton::clicked, tool.handler);
  }
}

QWidget *TF_Main_LSF::CreateFormulaRow() {
  auto *panel = new QWidget;
  panel->setObjectName(QStringLiteral("Panel1"));
  auto *label = new QLabel(QStringLiteral("Formula  ="), panel);
  label->setObjectName(QStringLiteral("Label1"));
  Edit1 = new FormulaLineEdit(panel);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(fontOfPoints(font(), 10));
  // No limit of the box's own: a pasted formula arrives whole, and the
  // engine judges its length with a message rather than the box cutting it.
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Edit1->setMinimumWidth(376);
  HintTracker::setHint(Edit1, QStringLiteral("Formula edit-box"),
                       QStringLiteral("Formula edit-box: Enter a formula into "
                                      "editor"));
  auto *row = new QHBoxLayout(panel);
  row->setContentsMargins(10, 2, 7, 2);
  row->setSpacing(4);
  row->addWidget(label);
  row->addWidget(Edit1, 1);
  panel->setMinimumHeight(25);
  return panel;
}

QWidget *TF_Main_LSF::CreateVariableGroup() {
  auto *group = new QGroupBox(QStringLiteral("Variable setting"));
  group->setObjectName(QStringLiteral("GroupBox1"));
  group->setFixedWidth(261);
  auto *quantityLabel = new QLabel(QStringLiteral("Quantity"), group);
  quantityLabel->setObjectName(QStringLiteral("Label4"));
  edVarQuantity = new QLineEdit(group);
  edVarQuantity->setObjectName(QStringLiteral("edVarQuantity"));
  edVarQuantity->setEnabled(false);
  edVarQuantity->setFixedWidth(33);
  HintTracker::setHint(edVarQuantity, QStringLiteral("Variable quantity"),
                       QStringLiteral("Variable quantity"));
  SpeedButton1 = new QToolButton(group);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton1->setText(QStringLiteral("Variable"));
  SpeedButton1->setIcon(paletteIcon(QStringLiteral("variable")));
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setMinimumSize(71, 22);
  SpeedButton1->setToolTip(QStringLiteral("Variable quantity"));
  HintTracker::setHint(SpeedButton1, QStringLiteral("Variable quantity"),
                       QStringLiteral("Variable quantity"));
  bind(*this, SpeedButton1, &QAbstractButton::clicked, &TF_Main_LSF::SpeedButton1Click);
  auto *assignLabel = new QLabel(QStringLiteral("Assign"), group);
  assignLabel->setObjectName(QStringLiteral("lbAssign"));
  V_Q = new QLineEdit(QStringLiteral("x"), group);
  V_Q->setObjectName(QStringLiteral("V_Q"));
  V_Q->setMaxLength(std::numeric_limits<int>::max());
  HintTracker::setHint(
      V_Q, QStringLiteral("User-defined variables"),
      QStringLiteral("User-defined variables: Use semicolon as list-separator"));
  SG_Variables = new VariableGridView(FSession->Grid(), group);
  SG_Variables->setObjectName(QStringLiteral("SG_Variables"));
  HintTracker::setHint(SG_Variables, QStringLiteral("Grid setting"),
                       QStringLiteral("Grid setting: Assign values for the variables"));

  auto *fields = new QGridLayout;
  fields->setContentsMargins(6, 0, 6, 0);
  fields->setHorizontalSpacing(6);
  fields->setVerticalSpacing(8);
  fields->addWidget(quantityLabel, 0, 0);
  fields->addWidget(edVarQuantity, 0, 1);
  fields->setColumnStretch(2, 1);
  fields->addWidget(SpeedButton1, 0, 3);
  fields->addWidget(assignLabel, 1, 0);
  fields->addWidget(V_Q, 1, 1, 1, 3);
  auto *layout = new QVBoxLayout(group);
  layout->setContentsMargins(2, 6, 2, 2);
  layout->setSpacing(8);
  layout->addLayout(fields);
  layout->addWidget(SG_Variables, 1);
  return group;
}

QWidget *TF_Main_LSF::CreateResultGroup() {
  auto *group = new QGroupBox(QStringLiteral("Result"));
  group->setObjectName(QStringLiteral("GroupBox3"));
  EditYValue = new SelectionLineEdit(group);
  EditYValue->setObjectName(QStringLiteral("EditYValue"));
  EditYValue->setReadOnly(true);
  EditYValue->setFont(fontOfPoints(font(), 10));
  EditYValue->setMinimumSize(164, 24);
  HintTracker::setHint(EditYValue, QStringLiteral("Computed value"),
                       QStringLiteral("Computed value"));
  auto *layout = new QVBoxLayout(group);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(EditYValue);
  group->setMinimumSize(layout->minimumSize().expandedTo(QSize(180, 60)));
  return group;
}

namespace {

struct KeyDef {
  const char *name;
  QToolButton *TF_Main_LSF::*member;
  const char *caption;
  const char *shortHint;
  const char *longHint;
  const char *accessibleName;
  int row, column, columnSpan;
  int captionPixels; // 0: the window's font
  Handler handler;
};

} // namespace

QWidget *TF_Main_LSF::CreateKeypad() {
  static const KeyDef keys[] = {
#define QUORVEX_KEY(name, caption, shortHint, longHint, accessibleName, row, column,     \
                    span, pixels)                                                        \
  {#name,                                                                                \
   &TF_Main_LSF::name,                                                                   \
   caption,                                                                              \
   shortHint,                                                                            \
   longHint,                                                                             \
   accessibleName,                                                                       \
   row,                                                                                  \
   column,                                                                               \
   span,                                                                                 \
   pixels,                                                                               \
   &TF_Main_LSF::name##Click},
#include "keypad.def"
  };

  auto *group = new QGroupBox(QStringLiteral("Buttons"));
  group->setObjectName(QStringLiteral("GbPreferences"));
  auto *grid = new QGridLayout(group);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(7);
  // All keys share one width: the designed one, or wider where the
  // platform's font needs it so that no caption is cut.
  int width = keyWidth;
  int lastRow = 0;
  for (const KeyDef &key : keys) {
    auto *button = new QToolButton(group);
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
      width =
          std::max(width, button->fontMetrics().horizontalAdvance(button->text()) + 8);
    grid->addWidget(button, key.row, key.column, 1, key.columnSpan);
    lastRow = std::max(lastRow, key.row);
    this->*key.member = button;
    bind(*this, button, &QAbstractButton::clicked, key.handler);
  }
  for (const KeyDef &key : keys) {
    const int span = key.columnSpan;
    (this->*key.member)
        ->setMinimumSize(width * span + grid->horizontalSpacing() * (span - 1),
                         keyHeight);
  }
  ShowKeyFaces();
  grid->setRowStretch(lastRow + 1, 1);
  group->setMinimumWidth(std::max(180, grid->minimumSize().width()));
  return group;
}

void TF_Main_LSF::ShowKeyFaces() {
  // The keys take the colours of an input field (a white face in light
  // themes), from the window's current palette.
  QPalette face = palette();
  face.setColor(QPalette::Button, face.color(QPalette::Base));
  face.setColor(QPalette::ButtonText, face.color(QPalette::Text));
  for (QToolButton *key : {
#define QUORVEX_KEY(name, ...) name,
#include "keypad.def"
       })
    key->setPalette(face);
}

void TF_Main_LSF::FixWindowSize() {
  // The client area is the designed one unless the platform's fonts need
  // more; the menu bar sits above it.
  const QSize needed = minimumSizeHint();
  const QSize designed(clientWidth, clientHeight + MainMenu1->sizeHint().height());
  setFixedSize(needed.expandedTo(designed));
}

} // namespace quorvex
