#pragma once

#include "engine/errors.h"

#include <QString>

#include <exception>
#include <functional>
#include <utility>

class QWidget;

// The application's one error report. Every error that ends a user's action
// arrives here, whichever handler raised it, and is shown as a message box
// with the application title as caption, an error icon and OK.

namespace quorvex {

inline const QString ApplicationTitle = QStringLiteral("Quorvex (Brennick)");

class ErrorReport final {
public:
  // Receives the text exactly as the message box would show it.
  using Sink = std::function<void(const QString &text)>;

  // Shows the error's message, with a full stop added where the message
  // needs one.
  static void report(const std::exception &error);
  static void report(const QString &message);

  // An error's message in the user's language: its template translated and
  // filled in with its arguments, or the message itself where it was not
  // made from a template or the template has no translation.
  static QString message(const std::exception &error);
  static QString message(std::string_view english, const MessageParts &parts);

  // Replaces the message box by sink (tests capture the text this way); an
  // empty sink restores the message box. Returns the sink it replaced.
  static Sink setSink(Sink sink);

  // What the message box shows of a report text: all of it, unless it is
  // too long to read, when its middle is elided.
  static QString boxText(const QString &text);

private:
  static void showMessageBox(const QString &text);
};

// Runs one user action. Handlers called from signals run through this, so an
// error ends the action before it can unwind through the toolkit's own frames
// (which are not built to be unwound) and reaches the same report as errors
// escaping event handlers (QuorvexApplication::notify).
template <class Action> void runAction(Action &&action) {
  try {
    std::forward<Action>(action)();
  } catch (const std::exception &error) {
    ErrorReport::report(error);
  }
}

} // namespace quorvex
