// Renders every window of the program after a sample computation into PNG
// files, for the README and for checking the look in different locales.
// Usage: quorvex-screenshot OUTPUT_FOLDER

#include "app/aboutwindow.h"
#include "app/documentationwindow.h"
#include "app/mainwindow.h"
#include "app/printreportwindow.h"
#include "app/program.h"
#include "app/quorvexapplication.h"
#include "app/selectionlineedit.h"
#include "app/variablegridview.h"
#include "engine/decimalseparator.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cstdio>

using namespace quorvex;

namespace {

bool save(QWidget &window, const QString &path) {
  window.show();
  QTest::qWait(300);
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

} // namespace

int main(int argc, char *argv[]) {
  QuorvexApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvex-screenshot OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QuorvexProgram program; // reads the locale's decimal separator
  const QString suffix = decimalSeparator() == ',' ? "-comma" : "";
  program.show();
  TF_Main_LSF &window = program.mainWindow();
  if (!QTest::qWaitForWindowExposed(&window))
    std::fprintf(stderr, "the main window was not shown\n");

  // Compound interest on 1000 at 5 % a year, monthly, for ten years.
  window.findChild<QLineEdit *>("V_Q")->setText("p;k;m;n");
  window.findChild<QAbstractButton *>("SpeedButton1")->click();
  const QString rate =
      QStringLiteral("0") + QChar::fromLatin1(decimalSeparator()) + "05";
  const QString values[] = {"1000", rate, "12", "10"};
  for (int row = 1; row <= 4; ++row)
    window.session().Grid().SetCell(1, row, values[row - 1].toStdString());
  window.findChild<VariableGridView *>("SG_Variables")->refresh();
  window.findChild<QLineEdit *>("Edit1")->setText("p*power((1+k/m);(m*n))");
  window.findChild<QAbstractButton *>("ComputeSpdbtn")->click();
  auto *formula = window.findChild<QLineEdit *>("Edit1");
  formula->setFocus();
  formula->setCursorPosition(formula->text().size());

  bool ok = save(window, out.filePath("main-window" + suffix + ".png"));
  window.findChild<QAction *>("Allsessionresults1")->trigger();
  TTextPrintForm &report = program.printForm();
  QStringList lines;
  for (const std::string &line : window.session().PrintSource().Lines())
    lines.append(QString::fromStdString(line));
  report.setReport(lines);
  report.setModal(false);
  ok = save(report, out.filePath("print-report" + suffix + ".png")) && ok;
  ok = save(program.helperForm(), out.filePath("documentation" + suffix + ".png")) && ok;
  TAboutForm about(&window);
  about.setModal(false);
  ok = save(about, out.filePath("about" + suffix + ".png")) && ok;
  return ok ? 0 : 1;
}
