#include "passivepopup.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace quorvex {

PassivePopup::PassivePopup(QWidget *parent)
    : QFrame(parent,
             Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  // The ordinary window colours: a tool tip's own would ignore a theme.
  setBackgroundRole(QPalette::Base);
  setForegroundRole(QPalette::Text);
  setAutoFillBackground(true);
}

void PassivePopup::showAt(QPoint topLeft) {
  // Never the active window, the popup would draw in the inactive colours
  // (a grey choice in the list); it shows those of the box it serves.
  QPalette colours =
      parentWidget() ? parentWidget()->palette() : QGuiApplication::palette();
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    if (r == QPalette::NoRole)
      continue;
    colours.setBrush(QPalette::Inactive, r, colours.brush(QPalette::Active, r));
  }
  setPalette(colours);
  adjustSize();
  if (const QScreen *screen = QGuiApplication::screenAt(topLeft)) {
    const QRect room = screen->availableGeometry();
    topLeft.setX(std::max(room.left(), std::min(topLeft.x(), room.right() - width())));
    topLeft.setY(std::max(room.top(), std::min(topLeft.y(), room.bottom() - height())));
  }
  move(topLeft);
  show();
}

} // namespace quorvex
