#pragma once

#include "engine/errors.h"

#include <QDialog>

#include <memory>

class QPrinter;
class QTextEdit;
class QWidget;

// The print report window: shows the chosen session log as editable text,
// lets the user pick a printer and prints the text as a job titled "Report".

namespace quorvex {

// A print job that could not be started or was refused by the printing layer.
class EPrintError final : public Exception {
public:
  using Exception::Exception;
};

class TTextPrintForm final : public QDialog {
  Q_OBJECT
public:
  explicit TTextPrintForm(QWidget *parent = nullptr);
  ~TTextPrintForm() override;

  // Replaces the report's text with the given lines.
  void SetReport(const QStringList &lines);
  QString ReportText() const;
  // The printer later printing goes to; the setup dialog changes it.
  QPrinter &Printer() noexcept { return *FPrinter; }

  void Button3Click(); // printer setup
  void Button1Click(); // print
  void Button2Click(); // close

public slots:
  // Every way of closing the window ends here.
  void done(int result) override;

private:
  void FormClose();

  QTextEdit *RichEdit1 = nullptr;
  std::unique_ptr<QPrinter> FPrinter;
};

} // namespace quorvex
