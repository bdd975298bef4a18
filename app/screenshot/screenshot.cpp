// Renders every window of the program after a sample computation into PNG
// files, for the README and for checking the look in different locales.
// Usage: quorvex-screenshot [--dark] OUTPUT_FOLDER
// With --dark, only the plot window and the completion, in the Fusion
// style's dark palette.

#include "app/aboutwindow.h"
#include "app/documentationwindow.h"
#include "app/functionswindow.h"
#include "app/mainwindow.h"
#include "app/plotview.h"
#include "app/plotwindow.h"
#include "app/printreportwindow.h"
#include "app/program.h"
#include "app/quorvexapplication.h"
#include "app/selectionlineedit.h"
#include "app/variablegridview.h"
#include "engine/decimalseparator.h"

#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <cstring>

using namespace quorvex;

namespace {

bool save(QWidget &window, const QString &path) {
  window.show();
  QTest::qWait(300);
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

void useDarkPalette(QApplication &application) {
  application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QPalette dark;
  const QColor window(45, 45, 48), base(30, 30, 32), text(220, 220, 220);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::PlaceholderText, QColor(140, 140, 140));
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::Highlight, QColor(80, 160, 240));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  dark.setColor(QPalette::ToolTipBase, base);
  dark.setColor(QPalette::ToolTipText, text);
  application.setPalette(dark);
}

// A plot with both kinds of gap: a domain left of -2 and a point at 0, with
// the pointer resting on the curve.
bool savePlot(TF_Main_LSF &window, const QString &path) {
  window.findChild<QLineEdit *>("V_Q")->setText("x");
  window.findChild<QLineEdit *>("Edit1")->setText("sqrt(x+2)/x*sin(3*x)");
  window.findChild<QAction *>("plotAction")->trigger();
  auto *plot = window.findChild<PlotWindow *>("plotWindow");
  plot->findChild<QLineEdit *>("fromEdit")->setText("-4");
  plot->findChild<QLineEdit *>("toEdit")->setText("6");
  plot->findChild<QAbstractButton *>("plotButton")->click();
  plot->resize(760, 520);
  QTest::qWait(200);
  auto *view = plot->findChild<PlotView *>("plotView");
  const QRectF area = view->plotArea();
  const QPointF at(area.left() + area.width() * 0.62, area.center().y());
  QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  return save(*plot, path);
}

// The main window as it shows while a name is typed into the formula
// box: the completion list and the argument hint are windows of their
// own, drawn over it where they stand.
bool saveCompletion(TF_Main_LSF &window, const QString &path) {
  window.activateWindow(); // the hint follows the box that has the focus
  if (!QTest::qWaitForWindowActive(&window))
    std::fprintf(stderr, "the main window did not become active\n");
  auto *formula = window.findChild<QLineEdit *>("Edit1");
  formula->setFocus();
  formula->setText("power(1+k/m;m*n)");
  formula->setCursorPosition(6);
  QTest::keyClicks(formula, "p*");
  QTest::keyClick(formula, Qt::Key_Space, Qt::ControlModifier);
  QCoreApplication::processEvents();
  QList<QWidget *> popups;
  QRect area = window.rect();
  for (const char *name : {"formulaHint", "completionPopup"})
    if (auto *popup = window.findChild<QWidget *>(name); popup && popup->isVisible()) {
      popups.append(popup);
      area |= QRect(window.mapFromGlobal(popup->pos()), popup->size());
    }
  QPixmap shot(area.size());
  shot.fill(window.palette().color(QPalette::Window));
  QPainter painter(&shot);
  painter.drawPixmap(-area.topLeft(), window.grab());
  for (QWidget *popup : popups)
    painter.drawPixmap(window.mapFromGlobal(popup->pos()) - area.topLeft(),
                       popup->grab());
  painter.end();
  const bool saved = shot.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  QTest::keyClick(formula, Qt::Key_Escape);
  return saved;
}

// The search finds words of the descriptions in English; in another
// language the names' common start, which no translation changes.
bool saveFunctions(TF_Main_LSF &window, const QString &path, bool english) {
  window.findChild<QAction *>("functionsAction")->trigger();
  auto *functions = window.findChild<FunctionsWindow *>("functionsWindow");
  functions->search(english ? "inverse" : "arc");
  return save(*functions, path);
}

} // namespace

int main(int argc, char *argv[]) {
  QuorvexApplication application(argc, argv);
  const bool dark = argc == 3 && std::strcmp(argv[1], "--dark") == 0;
  if (argc != 2 && !dark) {
    std::fprintf(stderr, "usage: quorvex-screenshot [--dark] OUTPUT_FOLDER\n");
    return 2;
  }
  if (dark)
    useDarkPalette(application);
  const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
  QuorvexProgram program; // reads the locale's decimal separator
  const QString language = application.language();
  const QString suffix = !language.isEmpty()         ? "-" + language
                         : decimalSeparator() == ',' ? "-comma"
                                                     : "";
  if (dark) {
    program.show();
    const bool completed = saveCompletion(
        program.mainWindow(), out.filePath("completion-dark" + suffix + ".png"));
    const bool plotted = savePlot(program.mainWindow(),
                                  out.filePath("plot-window-dark" + suffix + ".png"));
    return completed && plotted ? 0 : 1;
  }
  program.show();
  TF_Main_LSF &window = program.mainWindow();
  if (!QTest::qWaitForWindowExposed(&window))
    std::fprintf(stderr, "the main window was not shown\n");

  // Compound interest on 1000 at 5 % a year, monthly, for ten years.
  window.findChild<QLineEdit *>("V_Q")->setText("p;k;m;n");
  window.findChild<QAbstractButton *>("SpeedButton1")->click();
  const QString rate = QStringLiteral("0") + QChar::fromLatin1(decimalSeparator()) + "05";
  const QString values[] = {"1000", rate, "12", "10"};
  for (int row = 1; row <= 4; ++row)
    window.Session().Grid().SetCell(1, row, values[row - 1].toStdString());
  window.findChild<VariableGridView *>("SG_Variables")->refresh();
  window.findChild<QLineEdit *>("Edit1")->setText("p*power((1+k/m);(m*n))");
  window.findChild<QAbstractButton *>("ComputeSpdbtn")->click();
  auto *formula = window.findChild<QLineEdit *>("Edit1");
  formula->setFocus();
  formula->setCursorPosition(static_cast<int>(formula->text().size()));

  bool ok = save(window, out.filePath("main-window" + suffix + ".png"));
  window.findChild<QAction *>("Allsessionresults1")->trigger();
  TTextPrintForm &report = program.printForm();
  QStringList lines;
  for (const std::string &line : window.Session().PrintSource().Lines())
    lines.append(QString::fromStdString(line));
  report.SetReport(lines);
  report.setModal(false);
  ok = save(report, out.filePath("print-report" + suffix + ".png")) && ok;
  ok = save(program.helperForm(), out.filePath("documentation" + suffix + ".png")) && ok;
  TAboutForm about(&window);
  about.setModal(false);
  ok = save(about, out.filePath("about" + suffix + ".png")) && ok;
  ok = saveCompletion(window, out.filePath("completion" + suffix + ".png")) && ok;
  ok = savePlot(window, out.filePath("plot-window" + suffix + ".png")) && ok;
  ok = saveFunctions(window, out.filePath("functions-window" + suffix + ".png"),
                     language.isEmpty()) &&
       ok;
  return ok ? 0 : 1;
}
