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
#include <QCoreApplication>
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
  // separator, a null hint none; a null member means the window never
  // reads the item back. The texts are translated as the menus are built.
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
      //: Menu bar title, as are View, Option, Preference and Tools: the five share one
      //: row of the main window, about 450 pixels wide, some 60 characters in all
      {QT_TR_NOOP("&File"), "Print1", QT_TR_NOOP("&Print..."),
       QT_TR_NOOP("Print the report of calculation session."), "print", false, false,
       nullptr, &TF_Main_LSF::Print1Click},
      {QT_TR_NOOP("&File"), "N1", nullptr, nullptr, nullptr, false, false, nullptr,
       nullptr},
      {QT_TR_NOOP("&File"), "About2", QT_TR_NOOP("&About..."),
       QT_TR_NOOP("About Quorvex program."), "about", false, false, nullptr,
       &TF_Main_LSF::About2Click},
      {QT_TR_NOOP("&File"), "Help2", QT_TR_NOOP("&Help..."),
       QT_TR_NOOP("Documentation that provides guide for the usage of Quorvex."), "help",
       false, false, nullptr, &TF_Main_LSF::Help2Click},
      {QT_TR_NOOP("&File"), "N2", nullptr, nullptr, nullptr, false, false, nullptr,
       nullptr},
      {QT_TR_NOOP("&File"), "Exit1", QT_TR_NOOP("E&xit"),
       QT_TR_NOOP("Exit: End the calculation session."), "exit", false, false, nullptr,
       &TF_Main_LSF::Exit1Click},
      {QT_TR_NOOP("&View"), "Toolbar2", QT_TR_NOOP("&Toolbar"),
       QT_TR_NOOP("Select to view the toobar."), nullptr, true, true,
       &TF_Main_LSF::Toolbar2, &TF_Main_LSF::Toolbar2Click},
      {QT_TR_NOOP("&View"), "Statusbar2", QT_TR_NOOP("&Statusbar"),
       QT_TR_NOOP("Select to view the statusbar."), nullptr, true, true,
       &TF_Main_LSF::Statusbar2, &TF_Main_LSF::Statusbar2Click},
      {QT_TR_NOOP("&Option"), "Showhints1", QT_TR_NOOP("&Show hints"), nullptr, nullptr,
       true, true, &TF_Main_LSF::Showhints1, &TF_Main_LSF::Showhints1Click},
      {QT_TR_NOOP("&Preference"), "Intermediateresult1",
       QT_TR_NOOP("&Intermediate result"),
       QT_TR_NOOP("Display intermediate result for printing."), nullptr, true, false,
       &TF_Main_LSF::Intermediateresult1, &TF_Main_LSF::Intermediateresult1Click},
      {QT_TR_NOOP("&Preference"), "Allsessionresults1",
       QT_TR_NOOP("&All session results"),
       QT_TR_NOOP("Display all-session results for printing."), nullptr, true, false,
       &TF_Main_LSF::Allsessionresults1, &TF_Main_LSF::Allsessionresults1Click},
      {QT_TR_NOOP("&Tools"), "plotAction", QT_TR_NOOP("&Plot..."),
       QT_TR_NOOP("Plot the formula over a range of one of its variables."), nullptr,
       false, false, nullptr, &TF_Main_LSF::ShowPlotWindow},
      {QT_TR_NOOP("&Tools"), "functionsAction", QT_TR_NOOP("&Functions and constants..."),
       QT_TR_NOOP("Find the functions, constants and variables a formula can use, and "
                  "insert them."),
       nullptr, false, false, nullptr, &TF_Main_LSF::ShowFunctionsWindow},
  };

  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  QMenu *menu = nullptr;
  for (const MenuItemDef &item : items) {
    const QString title = tr(item.menu);
    if (!menu || menu->title() != title)
      menu = MainMenu1->addMenu(title);
    QAction *action =
        item.caption ? menu->addAction(tr(item.caption)) : menu->addSeparator();
    action->setObjectName(QLatin1String(item.name));
    action->setProperty("hint", item.hint ? tr(item.hint) : QString());
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
  // A screen reader says the key with the button's description.
  ComputeSpdbtn->setAccessibleDescription(
      tr("%1 Shortcut: %2", "a key's description, then its shortcut key")
          .arg(ComputeSpdbtn->accessibleDescription(),
               keys[0].toString(QKeySequence::NativeText)));
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
      {"ToolButton1", "exit", QT_TR_NOOP("Close"),
       QT_TR_NOOP("Quit: End the calculation session."), &TF_Main_LSF::Exit1Click},
      {"ToolButton14", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton2", "about", QT_TR_NOOP("About"), QT_TR_NOOP("About Quorvex program."),
       &TF_Main_LSF::About2Click},
      {"ToolButton3", "help", QT_TR_NOOP("Help"),
       QT_TR_NOOP("Documentation that provides guide for the usage of Quorvex."),
       &TF_Main_LSF::Help2Click},
      {"ToolButton13", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton4", "print", QT_TR_NOOP("Print"),
       QT_TR_NOOP("Print the report of calculation session."), &TF_Main_LSF::Print1Click},
      {"ToolButton10", nullptr, nullptr, nullptr, nullptr},
      {"ToolButton5", "cut", QT_TR_NOOP("Cut"),
       QT_TR_NOOP(
           "Cut deletes selected text and also copies it to the clipboard. Nothing "
           "if no text is selected."),
       &TF_Main_LSF::CutToClipboardbtnClick},
      {"ToolButton6", "copy", QT_TR_NOOP("Copy"),
       QT_TR_NOOP("Use Copy to replace the contents of the Clipboard with calculated "
                  "value."),
       &TF_Main_LSF::CopybtnClick},
      {"ToolButton7", "paste", QT_TR_NOOP("Paste"),
       QT_TR_NOOP("Use Paste to replace the selected text with the contents of the "
                  "Clipboard."),
       &TF_Main_LSF::PastebtnClick},
      {"ToolButton8", "undo", QT_TR_NOOP("Undo"),
       QT_TR_NOOP("Press Undo to cancel all changes made to the text property in the "
                  "editor."),
       &TF_Main_LSF::UndobtnClick},
      {"ToolButton12", "clear", QT_TR_NOOP("Clear"),
       QT_TR_NOOP("Use Delete to backspace or delete selected text from the edit "
                  "control."),
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
    const QString shortHint = tr(tool.shortHint);
    button->setAccessibleName(shortHint);
    HintTracker::setHint(button, shortHint, tr(tool.longHint));
    ToolBar1->addWidget(button);
    bind(*this, button, &QAbstractButton::clicked, tool.handler);
  }
}

QWidget *TF_Main_LSF::CreateFormulaRow() {
  auto *panel = new QWidget;
  panel->setObjectName(QStringLiteral("Panel1"));
  //: Label left of the formula box; about 10 characters fit before the main window
  //: widens
  auto *label = new QLabel(tr("Formula  ="), panel);
  label->setObjectName(QStringLiteral("Label1"));
  Edit1 = new FormulaLineEdit(panel);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFont(fontOfPoints(font(), 10));
  // No limit of the box's own: a pasted formula arrives whole, and the
  // engine judges its length with a message rather than the box cutting it.
  Edit1->setMaxLength(std::numeric_limits<int>::max());
  Edit1->setMinimumWidth(376);
  // Its own name: the label's "Formula  =" would be read out with its sign.
  Edit1->setAccessibleName(tr("Formula"));
  const QString formulaHint = tr("Formula edit-box: Enter a formula into editor");
  Edit1->setAccessibleDescription(formulaHint);
  HintTracker::setHint(Edit1, tr("Formula edit-box"), formulaHint);
  auto *row = new QHBoxLayout(panel);
  row->setContentsMargins(10, 2, 7, 2);
  row->setSpacing(4);
  row->addWidget(label);
  row->addWidget(Edit1, 1);
  panel->setMinimumHeight(25);
  return panel;
}

QWidget *TF_Main_LSF::CreateVariableGroup() {
  //: Group title; the group is 261 pixels wide, about 40 characters fit
  auto *group = new QGroupBox(tr("Variable setting"));
  group->setObjectName(QStringLiteral("GroupBox1"));
  group->setFixedWidth(261);
  //: Label; it shares a full 250-pixel row with a small box and the Variable button:
  //: about 8 characters fit, a longer text squeezes the box
  auto *quantityLabel = new QLabel(tr("Quantity"), group);
  quantityLabel->setObjectName(QStringLiteral("Label4"));
  edVarQuantity = new QLineEdit(group);
  edVarQuantity->setObjectName(QStringLiteral("edVarQuantity"));
  edVarQuantity->setEnabled(false);
  edVarQuantity->setFixedWidth(33);
  quantityLabel->setBuddy(edVarQuantity); // named by its label
  const QString quantityHint = tr("Variable quantity");
  HintTracker::setHint(edVarQuantity, quantityHint, quantityHint);
  SpeedButton1 = new QToolButton(group);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  //: Button with an icon; it shares a full 250-pixel row with the Quantity label and
  //: a small box: about 8 characters fit, a longer text squeezes the box
  SpeedButton1->setText(tr("Variable"));
  SpeedButton1->setIcon(paletteIcon(QStringLiteral("variable")));
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setMinimumSize(71, 22);
  SpeedButton1->setToolTip(quantityHint);
  HintTracker::setHint(SpeedButton1, quantityHint, quantityHint);
  bind(*this, SpeedButton1, &QAbstractButton::clicked, &TF_Main_LSF::SpeedButton1Click);
  //: Label left of the box of variable names, in one column with the Quantity label
  //: above it: about 8 characters fit
  auto *assignLabel = new QLabel(tr("Assign"), group);
  assignLabel->setObjectName(QStringLiteral("lbAssign"));
  V_Q = new QLineEdit(QStringLiteral("x"), group);
  V_Q->setObjectName(QStringLiteral("V_Q"));
  V_Q->setMaxLength(std::numeric_limits<int>::max());
  assignLabel->setBuddy(V_Q);
  HintTracker::setHint(V_Q, tr("User-defined variables"),
                       tr("User-defined variables: Use semicolon as list-separator"));
  SG_Variables = new VariableGridView(FSession->Grid(), group);
  SG_Variables->setObjectName(QStringLiteral("SG_Variables"));
  SG_Variables->setAccessibleName(tr("Variables and values"));
  HintTracker::setHint(SG_Variables, tr("Grid setting"),
                       tr("Grid setting: Assign values for the variables"));

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
  //: Group title; the group is about 220 pixels wide, about 30 characters fit
  auto *group = new QGroupBox(tr("Result"));
  group->setObjectName(QStringLiteral("GroupBox3"));
  EditYValue = new SelectionLineEdit(group);
  EditYValue->setObjectName(QStringLiteral("EditYValue"));
  EditYValue->setReadOnly(true);
  EditYValue->setAccessibleName(tr("Result"));
  EditYValue->setFont(fontOfPoints(font(), 10));
  EditYValue->setMinimumSize(164, 24);
  const QString valueHint = tr("Computed value");
  HintTracker::setHint(EditYValue, valueHint, valueHint);
  auto *layout = new QVBoxLayout(group);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->addWidget(EditYValue);
  group->setMinimumSize(layout->minimumSize().expandedTo(QSize(180, 60)));
  return group;
}

namespace {

// A key's caption: a symbol, shown as it is, or a word marked for
// translation apart from its hint (keypad.def), with the disambiguation
// that mark gave it.
struct KeyCaption {
  constexpr KeyCaption(const char *symbol) : text(symbol) {}
  constexpr KeyCaption(const char *word, const char *disambiguation)
      : text(word), disambiguation(disambiguation) {}

  QString shown() const {
    return disambiguation ? QCoreApplication::translate("Keypad", text, disambiguation)
                          : QString::fromUtf8(text);
  }

  const char *text;
  const char *disambiguation = nullptr;
};

// The hints and accessible names of keypad.def.
QString keypadText(const char *text) {
  return QCoreApplication::translate("Keypad", text);
}

struct KeyDef {
  const char *name;
  QToolButton *TF_Main_LSF::*member;
  KeyCaption caption;
  const char *shortHint;
  const char *longHint;
  const char *accessibleName;
  int row, column, columnSpan;
  int captionPixels; // 0: the window's font
  Handler handler;
};

} // namespace

QWidget *TF_Main_LSF::CreateKeypad() {
  // Before the table: the translation tools lose the function's class at an
  // #include inside it, and would file a tr() after it under no class.
  //: Group title of the keypad; the group is about 220 pixels wide, about 30
  //: characters fit
  auto *group = new QGroupBox(tr("Buttons"));
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

  group->setObjectName(QStringLiteral("GbPreferences"));
  auto *grid = new QGridLayout(group);
  grid->setContentsMargins(8, 6, 8, 6);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(7);
  // All keys share one width: the designed one, or wider where the
  // platform's font or a translated caption needs it so that no caption is
  // cut.
  int width = keyWidth;
  int lastRow = 0;
  for (const KeyDef &key : keys) {
    auto *button = new QToolButton(group);
    button->setObjectName(QLatin1String(key.name));
    button->setText(key.caption.shown());
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(keypadText(key.accessibleName));
    const QString longHint = keypadText(key.longHint);
    button->setAccessibleDescription(longHint);
    HintTracker::setHint(button, keypadText(key.shortHint), longHint);
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
