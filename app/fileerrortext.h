#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>

// What the error report says when a worksheet or a log cannot be opened or
// saved, in the user's language: which file, and what went wrong with it.

namespace quorvex {

class FileErrorText final {
  Q_DECLARE_TR_FUNCTIONS(FileErrorText)
public:
  static QString openWorksheet(const QString &path, const std::exception &error);
  // existed: whether there was a file at path, which then is unchanged.
  static QString saveWorksheet(const QString &path, const std::exception &error,
                               bool existed);
  static QString saveLog(const QString &path, const std::exception &error, bool existed);

private:
  static QString problem(const std::exception &error);
  static QString unchanged(bool existed);
};

} // namespace quorvex
