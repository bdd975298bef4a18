#pragma once

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
};

} // namespace quorvex
