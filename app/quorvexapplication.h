#pragma once

#include "translations.h"

#include <QApplication>

// The application object. It is the last stop of every exception: whatever a
// handler throws and does not handle reaches notify(), is shown by the error
// report, and the event loop goes on with the next event.

namespace quorvex {

class QuorvexApplication final : public QApplication {
  Q_OBJECT
public:
  QuorvexApplication(int &argc, char **argv);

  bool notify(QObject *receiver, QEvent *event) override;

  // The language the windows speak, empty for English.
  QString language() const { return translations_.language(); }

private:
  Translations translations_{QLocale::system()};
};

} // namespace quorvex
