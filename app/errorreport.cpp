#include "errorreport.h"

#include "engine/messagetext.h"

#include <QApplication>
#include <QCoreApplication>
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
  report(message(error));
}

QString ErrorReport::message(const std::exception &error) {
  const auto *own = dynamic_cast<const Exception *>(&error);
  return message(messageOf(error), own != nullptr ? own->parts() : MessageParts{});
}

QString ErrorReport::message(std::string_view english, const MessageParts &parts) {
  if (parts.source == nullptr)
    return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  const QByteArray translated =
      QCoreApplication::translate("Error", parts.source).toUtf8();
  return QString::fromStdString(fillMessage(
      std::string_view(translated.data(), static_cast<std::size_t>(translated.size())),
      parts.arguments));
}

void ErrorReport::report(const QString &message) {
  const QString text = QString::fromStdString(withFullStop(message.toStdString()));
  if (const Sink &sink = currentSink())
    sink(text);
  else
    showMessageBox(text);
}

ErrorReport::Sink ErrorReport::setSink(Sink sink) {
  return std::exchange(currentSink(), std::move(sink));
}

QString ErrorReport::boxText(const QString &text) {
  // A message quotes what the user typed, which may be a pasted megabyte; a
  // box that size cannot be read or even laid out, so its middle is left
  // out. The start and the end, which say what went wrong, stay.
  constexpr qsizetype head = 400;
  constexpr qsizetype tail = 200;
  if (text.size() <= head + tail + 1)
    return text;
  return text.left(head) + QChar(0x2026) + text.right(tail);
}

void ErrorReport::showMessageBox(const QString &text) {
  // Parented to the active window so the box stays above a modal report
  // window that raised the error.
  QMessageBox box(QMessageBox::Critical, ApplicationTitle, boxText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

} // namespace quorvex
