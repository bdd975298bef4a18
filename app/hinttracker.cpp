#include "hinttracker.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace quorvex {
namespace {

constexpr char hintProperty[] = "hint";

} // namespace

HintTracker::HintTracker(QWidget &window, QObject *parent)
    : QObject(parent), window_(window) {}

void HintTracker::setHint(QWidget *widget, const QString &shortHint,
                          const QString &longHint) {
  widget->setProperty(hintProperty, shortHint + QLatin1Char('|') + longHint);
}

QString HintTracker::longPart(const QString &hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

QString HintTracker::hintAt(const QWidget *widget) {
  for (; widget; widget = widget->parentWidget()) {
    const QVariant hint = widget->property(hintProperty);
    if (hint.isValid() && !hint.toString().isEmpty())
      return longPart(hint.toString());
    if (widget->isWindow())
      break;
  }
  return {};
}

bool HintTracker::belongsToWindow(const QWidget *widget) const {
  return widget && widget->window() == &window_;
}

bool HintTracker::eventFilter(QObject *watched, QEvent *event) {
  if (!watched->isWidgetType())
    return false;
  auto *widget = static_cast<QWidget *>(watched);
  // An open menu grabs the pointer, and the control under it hears that
  // the pointer left; the hint then belongs to the menu's item.
  const bool menuOpen = QApplication::activePopupWidget() != nullptr;
  switch (event->type()) {
  case QEvent::Enter:
    if (menuOpen)
      break;
    if (belongsToWindow(widget))
      emit hintChanged(hintAt(widget));
    break;
  case QEvent::Leave:
    // Leaving a control for its enclosing one sends no Enter to the latter,
    // so the hint falls back to the enclosing control's here; moving on to
    // a sibling sends that sibling's Enter right after.
    if (!menuOpen && belongsToWindow(widget) && !widget->isWindow())
      emit hintChanged(hintAt(widget->parentWidget()));
    break;
  case QEvent::ToolTip:
    return belongsToWindow(widget) && widget != tipWidget_;
  default:
    break;
  }
  return false;
}

} // namespace quorvex
