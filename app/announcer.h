#pragma once

class QString;
class QWidget;

// Says a text through the screen reader while the focus stays where it is:
// the result of a Compute, an error, a note. Qt 6.4 has no announcement of
// its own, and the events it has for a change (a new name, a new text) are
// spoken only for the object that has the focus. What a screen reader does
// speak of an object without the focus is a notification that shows, so
// the text becomes the name of an invisible notification in the source's
// window, which then reports itself shown: on AT-SPI that is
// object:state-changed:showing with detail 1 from an object of role
// notification, and Orca says "notification" and the text.

namespace quorvex {

// An empty text is not announced; the window keeps one notification, made
// on first use.
void announce(QWidget *source, const QString &text);

} // namespace quorvex
