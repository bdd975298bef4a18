#include "errorreport.h"

#include "session/errorreport.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace quorvex {
namespace {

ErrorReport::Sink &currentSink() {
  static ErrorReport::Sink sink;
  return sink;
}

} // namespace

void ErrorReport::report(const std::exception &error) {
  report(QString::fromUtf8(error.what()));
}

void ErrorReport::report(const QString &message) {
  const QString text = QString::fromStdString(
      ErrorReportText(message.toStdString()));
  if (const Sink &sink = currentSink())
    sink(text);
  else
    showMessageBox(text);
}

ErrorReport::Sink ErrorReport::setSink(Sink sink) {
  return std::exchange(currentSink(), std::move(sink));
}

void ErrorReport::showMessageBox(const QString &text) {
  // Parented to the active window so the box stays above a modal report
  // window that raised the error.
  QMessageBox box(QMessageBox::Critical, ApplicationTitle, text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

} // namespace quorvex
