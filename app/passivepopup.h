#pragma once

#include <QFrame>

// A small framed window beside the formula box that never takes the
// keyboard focus, so that the box's leaving rules never run because of it:
// a tool tip to the window system, which neither activates it when it
// shows nor when it is clicked, and no widget in it accepts the focus. The
// window that owns the box hands it the keys it answers.

namespace quorvex {

class PassivePopup : public QFrame {
  Q_OBJECT
public:
  explicit PassivePopup(QWidget *parent);

  // Shows the popup with its top left corner at the global position, kept
  // on the screen that holds it, in the colours of the window it belongs to.
  void showAt(QPoint topLeft);
};

} // namespace quorvex
