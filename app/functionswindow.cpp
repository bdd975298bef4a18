#include "functionswindow.h"

#include "cataloguetext.h"

#include "mathlib/catalogue.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvex {

namespace {

// What a line holds besides its texts.
constexpr int insertionRole = Qt::UserRole;    // the name a formula writes
constexpr int functionRole = Qt::UserRole + 1; // whether it is a function's
constexpr int searchRole = Qt::UserRole + 2;   // name and description, lower case
constexpr int constantRole = Qt::UserRole + 3; // a constant's catalogue index

QTreeWidgetItem *addLine(QTreeWidgetItem *group, const QString &name,
                         const QString &shown, const QString &value,
                         const QString &description, bool function) {
  auto *item = new QTreeWidgetItem(group, {shown, value, description});
  item->setData(0, insertionRole, name);
  item->setData(0, functionRole, function);
  item->setData(0, searchRole, (name + QLatin1Char(' ') + description).toLower());
  for (int column = 1; column < 3; ++column)
    item->setToolTip(column, item->text(column));
  return item;
}

bool isKey(const QEvent *event, std::initializer_list<int> keys) {
  if (event->type() != QEvent::KeyPress)
    return false;
  const auto *key = static_cast<const QKeyEvent *>(event);
  return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
         std::find(keys.begin(), keys.end(), key->key()) != keys.end();
}

} // namespace

FunctionsWindow::FunctionsWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("functionsWindow"));
  setWindowTitle(tr("Functions and constants"));
  searchEdit_ = new QLineEdit(this);
  searchEdit_->setObjectName(QStringLiteral("searchEdit"));
  searchEdit_->setAccessibleName(tr("Search functions, constants and variables"));
  searchEdit_->setPlaceholderText(tr("Name or description"));
  searchEdit_->setClearButtonEnabled(true);
  auto *searchLabel = new QLabel(tr("&Search:"), this);
  searchLabel->setBuddy(searchEdit_);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("functionList"));
  list_->setAccessibleName(tr("Functions, constants and variables"));
  list_->setHeaderLabels({tr("Name"), tr("Value or domain"), tr("Description")});
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformRowHeights(true);
  list_->header()->setStretchLastSection(true);
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->setColumnWidth(1, 190);
  fill();

  auto *buttons = new QDialogButtonBox(this);
  QPushButton *insert = buttons->addButton(tr("&Insert"), QDialogButtonBox::ActionRole);
  insert->setObjectName(QStringLiteral("insertButton"));
  insert->setAccessibleName(tr("Insert into the formula"));
  insert->setAutoDefault(false);
  QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
  close->setObjectName(QStringLiteral("closeButton"));
  close->setAccessibleName(tr("Close"));
  close->setAutoDefault(false);
  connect(insert, &QPushButton::clicked, this, &FunctionsWindow::insertChosen);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  connect(searchEdit_, &QLineEdit::textChanged, this, &FunctionsWindow::filter);
  connect(searchEdit_, &QLineEdit::returnPressed, this, &FunctionsWindow::insertChosen);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &FunctionsWindow::insertChosen);
  searchEdit_->installEventFilter(this);
  list_->installEventFilter(this);

  auto *searchRow = new QHBoxLayout;
  searchRow->addWidget(searchLabel);
  searchRow->addWidget(searchEdit_, 1);
  auto *layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(list_, 1);
  auto *help = new QLabel(
      tr("Enter or a double click inserts the chosen name into the formula."), this);
  help->setWordWrap(true);
  layout->addWidget(help);
  layout->addWidget(buttons);
  resize(640, 460);
  filter();
  // What the window's keys are for; it gets the focus as the window does.
  searchEdit_->setFocus();
}

void FunctionsWindow::fill() {
  for (const CatalogueGroup &group : catalogueGroups()) {
    auto *heading = new QTreeWidgetItem(list_, {catalogueText(group.name)});
    heading->setFirstColumnSpanned(true);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const CatalogueFunction &f : catalogueFunctions())
      if (f.group == group.group)
        addLine(heading, QString::fromUtf8(f.name.data(), qsizetype(f.name.size())),
                functionSignature(f), catalogueText(f.domain),
                catalogueText(f.description), true);
  }
  constants_ = new QTreeWidgetItem(list_, {tr("Constants")});
  const auto constants = catalogueConstants();
  for (std::size_t i = 0; i < constants.size(); ++i) {
    const QString name =
        QString::fromUtf8(constants[i].name.data(), qsizetype(constants[i].name.size()));
    addLine(constants_, name, name, QString(), catalogueText(constants[i].meaning), false)
        ->setData(0, constantRole, qulonglong(i));
  }
  variables_ = new QTreeWidgetItem(list_, {tr("Variables")});
  for (QTreeWidgetItem *heading : {constants_, variables_}) {
    heading->setFirstColumnSpanned(true);
    heading->setFlags(Qt::ItemIsEnabled);
  }
  showValues();
  list_->expandAll();
}

void FunctionsWindow::showValues() {
  const auto constants = catalogueConstants();
  for (int i = 0; i < constants_->childCount(); ++i) {
    QTreeWidgetItem *item = constants_->child(i);
    item->setText(
        1, constantValueText(constants[item->data(0, constantRole).toULongLong()]));
  }
}

void FunctionsWindow::setVariables(
    const std::vector<std::pair<QString, QString>> &variables) {
  // Asked after every keystroke in the main window; thousands of lines are
  // built again only when they changed.
  if (variables == shownVariables_)
    return;
  shownVariables_ = variables;
  qDeleteAll(variables_->takeChildren());
  for (const auto &[name, value] : variables)
    addLine(variables_, name, name, value, tr("declared variable"), false);
  variables_->setExpanded(true);
  filter();
}

void FunctionsWindow::search(const QString &text) {
  searchEdit_->setText(text);
}

QStringList FunctionsWindow::shownNames() const {
  QStringList names;
  for (int g = 0; g < list_->topLevelItemCount(); ++g)
    for (int i = 0; i < list_->topLevelItem(g)->childCount(); ++i)
      if (const QTreeWidgetItem *item = list_->topLevelItem(g)->child(i);
          !item->isHidden())
        names << item->data(0, insertionRole).toString();
  return names;
}

void FunctionsWindow::filter() {
  const QStringList words =
      searchEdit_->text().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int g = 0; g < list_->topLevelItemCount(); ++g) {
    QTreeWidgetItem *heading = list_->topLevelItem(g);
    bool any = false;
    for (int i = 0; i < heading->childCount(); ++i) {
      QTreeWidgetItem *item = heading->child(i);
      const QString key = item->data(0, searchRole).toString();
      const bool shown =
          std::all_of(words.begin(), words.end(),
                      [&key](const QString &word) { return key.contains(word); });
      item->setHidden(!shown);
      any = any || shown;
    }
    heading->setHidden(!any);
  }
  const QTreeWidgetItem *current = list_->currentItem();
  if (!current || current->isHidden() || !current->parent() ||
      current->parent()->isHidden())
    list_->setCurrentItem(firstShownName());
}

QTreeWidgetItem *FunctionsWindow::firstShownName() const {
  for (int g = 0; g < list_->topLevelItemCount(); ++g)
    for (int i = 0; i < list_->topLevelItem(g)->childCount(); ++i)
      if (QTreeWidgetItem *item = list_->topLevelItem(g)->child(i); !item->isHidden())
        return item;
  return nullptr;
}

void FunctionsWindow::insertChosen() {
  const QTreeWidgetItem *item = list_->currentItem();
  if (!item || !item->parent() || item->isHidden())
    return;
  emit insertRequested(item->data(0, insertionRole).toString(),
                       item->data(0, functionRole).toBool());
}

bool FunctionsWindow::event(QEvent *event) {
  if (event->type() == QEvent::WindowActivate)
    emit activated();
  return QWidget::event(event);
}

bool FunctionsWindow::eventFilter(QObject *watched, QEvent *event) {
  if (watched == list_ && isKey(event, {Qt::Key_Return, Qt::Key_Enter})) {
    insertChosen();
    return true;
  }
  // The search box chooses in the list as the list itself would, over the
  // group headings, which cannot be inserted.
  if (watched == searchEdit_ &&
      isKey(event, {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown})) {
    QTreeWidgetItem *before = list_->currentItem();
    QCoreApplication::sendEvent(list_, event);
    while (list_->currentItem() && !list_->currentItem()->parent() &&
           list_->currentItem() != before) {
      before = list_->currentItem();
      QCoreApplication::sendEvent(list_, event);
    }
    if (list_->currentItem() && !list_->currentItem()->parent())
      list_->setCurrentItem(firstShownName());
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

} // namespace quorvex
