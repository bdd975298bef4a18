#include "accessibleroles.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QByteArray>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace quorvex {
namespace {

// The caption as said: its mnemonic marks gone, "&&" a single "&".
QString spokenCaption(const QString &caption) {
  QString spoken;
  spoken.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && ++i == caption.size())
      break;
    spoken.append(caption[i]);
  }
  return spoken;
}

// The menu or menu bar an item shows in: the first of those it belongs to.
QWidget *ownerOf(const QAction *action) {
  for (QObject *owner : action->associatedObjects())
    if (qobject_cast<QMenu *>(owner) || qobject_cast<QMenuBar *>(owner))
      return static_cast<QWidget *>(owner);
  return nullptr;
}

QAction *activeActionOf(const QWidget *owner) {
  if (const auto *menu = qobject_cast<const QMenu *>(owner))
    return menu->activeAction();
  if (const auto *bar = qobject_cast<const QMenuBar *>(owner))
    return bar->activeAction();
  return nullptr;
}

QRect actionRect(const QWidget *owner, QAction *action) {
  QRect place;
  if (const auto *menu = qobject_cast<const QMenu *>(owner))
    place = menu->actionGeometry(action);
  else if (const auto *bar = qobject_cast<const QMenuBar *>(owner))
    place = bar->actionGeometry(action);
  return place.isNull() ? place
                        : QRect(owner->mapToGlobal(place.topLeft()), place.size());
}

// An item of a menu or of the menu bar, as Qt's own shows it but for the
// role of an item that toggles. Qt's menus find their items' places by role
// and lose a check box, so the menus are this file's too (Menu below).
class MenuItem final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
  explicit MenuItem(QAction *action) : action_(action) {}

  bool isValid() const override { return action_ && ownerOf(action_); }
  QObject *object() const override { return action_; }
  QWindow *window() const override {
    const QWidget *owner = ownerOf(action_);
    return owner ? owner->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface *parent() const override {
    return QAccessible::queryAccessibleInterface(ownerOf(action_));
  }
  QAccessibleInterface *child(int index) const override {
    return index == 0 && action_->menu()
               ? QAccessible::queryAccessibleInterface(action_->menu())
               : nullptr;
  }
  int childCount() const override { return action_->menu() ? 1 : 0; }
  int indexOfChild(const QAccessibleInterface *child) const override {
    return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
  }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name)
      return spokenCaption(action_->text());
    if (kind == QAccessible::Accelerator)
      return keyBinding();
    return {};
  }
  void setText(QAccessible::Text, const QString &) override {}
  QRect rect() const override { return actionRect(ownerOf(action_), action_); }

  QAccessible::Role role() const override {
    if (action_->isSeparator())
      return QAccessible::Separator;
    if (!action_->isCheckable())
      return QAccessible::MenuItem;
    const QActionGroup *group = action_->actionGroup();
    return group && group->isExclusive() ? QAccessible::RadioButton
                                         : QAccessible::CheckBox;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    const QWidget *owner = ownerOf(action_);
    state.invisible = !owner || !owner->isVisible() || !action_->isVisible();
    state.disabled = action_->isSeparator() || !action_->isEnabled();
    state.focusable = !state.disabled;
    state.focused = owner && activeActionOf(owner) == action_;
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    return state;
  }
  void *interface_cast(QAccessible::InterfaceType kind) override {
    return kind == QAccessible::ActionInterface
               ? static_cast<QAccessibleActionInterface *>(this)
               : nullptr;
  }

  QStringList actionNames() const override {
    if (action_->isSeparator())
      return {};
    if (action_->menu())
      return {showMenuAction()};
    return {action_->isCheckable() ? toggleAction() : pressAction()};
  }
  void doAction(const QString &name) override {
    if (!action_->isEnabled())
      return;
    if (name == pressAction() || name == toggleAction()) {
      action_->trigger();
    } else if (name == showMenuAction() && action_->menu()) {
      if (action_->menu()->isVisible())
        action_->menu()->hide();
      else if (auto *bar = qobject_cast<QMenuBar *>(ownerOf(action_)))
        bar->setActiveAction(action_);
      else if (auto *menu = qobject_cast<QMenu *>(ownerOf(action_)))
        menu->setActiveAction(action_);
    }
  }
  QStringList keyBindingsForAction(const QString &) const override {
    const QString key = keyBinding();
    return key.isEmpty() ? QStringList() : QStringList{key};
  }

private:
  // As Qt's own item gives it: the shortcut, else Alt and the mnemonic.
  QString keyBinding() const {
    if (!action_->shortcut().isEmpty())
      return action_->shortcut().toString(QKeySequence::NativeText);
    return QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
  }

  QPointer<QAction> action_;
};

// A menu whose items are found by what they are, not by their role.
class Menu final : public QAccessibleWidget {
public:
  explicit Menu(QMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

  int childCount() const override { return int(menu()->actions().size()); }
  QAccessibleInterface *child(int index) const override {
    const QList<QAction *> actions = menu()->actions();
    return index >= 0 && index < actions.size()
               ? QAccessible::queryAccessibleInterface(actions[index])
               : nullptr;
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    return child
               ? int(menu()->actions().indexOf(qobject_cast<QAction *>(child->object())))
               : -1;
  }
  QAccessibleInterface *childAt(int x, int y) const override {
    QAction *action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return action && !action->isSeparator()
               ? QAccessible::queryAccessibleInterface(action)
               : nullptr;
  }
  // The item that opens it, in the menu bar or in another menu.
  QAccessibleInterface *parent() const override {
    if (QAction *opener = menu()->menuAction(); opener && ownerOf(opener))
      return QAccessible::queryAccessibleInterface(opener);
    return QAccessibleWidget::parent();
  }

private:
  QMenu *menu() const { return static_cast<QMenu *>(widget()); }
};

QAccessibleInterface *roleFactory(const QString &, QObject *object) {
  // Qt's cache owns what is made here.
  if (auto *action = qobject_cast<QAction *>(object))
    return ownerOf(action) ? new MenuItem(action) : nullptr;
  if (auto *menu = qobject_cast<QMenu *>(object))
    return new Menu(menu);
  // A window whose nearest class of Qt's is QWidget itself: dialogs, main
  // windows and every other Qt class keep the interfaces Qt has for them.
  if (!object->isWidgetType() ||
      static_cast<QWidget *>(object)->windowType() != Qt::Window)
    return nullptr;
  const QMetaObject *type = object->metaObject();
  while (type && !QByteArray(type->className()).startsWith('Q'))
    type = type->superClass();
  if (!type || type != &QWidget::staticMetaObject)
    return nullptr;
  return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

} // namespace

void installAccessibleRoles() {
  QAccessible::installFactory(&roleFactory);
}

} // namespace quorvex
