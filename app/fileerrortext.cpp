#include "fileerrortext.h"

#include "session/textfile.h"
#include "session/worksheet.h"

#include <QDir>

namespace quorvex {

namespace {

QString shownPath(const QString &path) {
  return QDir::toNativeSeparators(path);
}

} // namespace

QString FileErrorText::openWorksheet(const QString &path, const std::exception &error) {
  return tr("Cannot open the worksheet \"%1\": %2").arg(shownPath(path), problem(error));
}

QString FileErrorText::saveWorksheet(const QString &path, const std::exception &error,
                                     bool existed) {
  return tr("Cannot save the worksheet \"%1\": %2. %3")
      .arg(shownPath(path), problem(error), unchanged(existed));
}

QString FileErrorText::saveLog(const QString &path, const std::exception &error,
                               bool existed) {
  return tr("Cannot save the log \"%1\": %2. %3")
      .arg(shownPath(path), problem(error), unchanged(existed));
}

QString FileErrorText::unchanged(bool existed) {
  return existed ? tr("The file that was there is unchanged") : tr("Nothing was written");
}

QString FileErrorText::problem(const std::exception &error) {
  if (const auto *file = dynamic_cast<const EFileError *>(&error)) {
    switch (file->problem()) {
    case EFileError::Problem::System:
      // The system's own words, in the language it speaks.
      return QString::fromLocal8Bit(file->what());
    case EFileError::Problem::NotAFile:
      return tr("it is not a regular file");
    case EFileError::Problem::ReadOnly:
      return tr("it is read-only");
    }
  }
  const auto *sheet = dynamic_cast<const EWorksheetError *>(&error);
  if (sheet == nullptr)
    return QString::fromUtf8(error.what());
  const QString line = QString::number(sheet->line());
  const QString detail = QString::fromStdString(sheet->detail());
  switch (sheet->problem()) {
  case EWorksheetError::Problem::Empty:
    return tr("the file is empty");
  case EWorksheetError::Problem::NotAWorksheet:
    return tr("it is not a Quorvex worksheet");
  case EWorksheetError::Problem::NewerVersion:
    return tr("it is a worksheet of version %1, made by a newer Quorvex; this one reads "
              "version %2")
        .arg(detail)
        .arg(worksheetVersion);
  case EWorksheetError::Problem::Truncated:
    return tr("it is cut short: its last line, \"end\", is missing");
  case EWorksheetError::Problem::TooLarge:
    return tr("it is larger than %1 MiB, the most a worksheet may hold")
        .arg(maxWorksheetBytes >> 20);
  case EWorksheetError::Problem::NotUtf8:
    return tr("line %1 is not UTF-8 text").arg(line);
  case EWorksheetError::Problem::UnknownEntry:
    return tr("line %1: unknown entry '%2'").arg(line, detail);
  case EWorksheetError::Problem::RepeatedEntry:
    return tr("line %1: a second '%2' entry").arg(line, detail);
  case EWorksheetError::Problem::BadForm:
    return tr("line %1: write the entry as %2").arg(line, detail);
  case EWorksheetError::Problem::UnclosedText:
    return tr("line %1: a text has no closing quote").arg(line);
  case EWorksheetError::Problem::BadEscape:
    return tr("line %1: unknown escape '%2' (a text knows \\\\, \\\", \\t, \\n, \\r and "
              "\\xHH)")
        .arg(line, detail);
  case EWorksheetError::Problem::ControlCharacter:
    return tr("line %1: a control character in a text must be written as an escape (\\t, "
              "\\n, \\r or \\xHH)")
        .arg(line);
  case EWorksheetError::Problem::BadRowCount:
    return tr("line %1: the rows shown must be a number from 1 to the number of rows, %2")
        .arg(line, detail);
  case EWorksheetError::Problem::BadSeparator:
    return tr("line %1: '%2' cannot be a decimal separator").arg(line, detail);
  case EWorksheetError::Problem::TextAfterEnd:
    return tr("line %1: text after the line \"end\"").arg(line);
  case EWorksheetError::Problem::MissingEntry:
    return tr("the entry '%1' is missing").arg(detail);
  }
  return QString::fromUtf8(error.what());
}

} // namespace quorvex
