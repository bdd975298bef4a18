#pragma once

// Shared helpers of the widget tests: a started program, the error report
// captured instead of shown, clicks on named controls and work to do while a
// modal window runs its own event loop.

#include "app/aboutwindow.h"
#include "app/documentationwindow.h"
#include "app/errorreport.h"
#include "app/mainwindow.h"
#include "app/printreportwindow.h"
#include "app/program.h"
#include "app/quorvexapplication.h"
#include "app/variablegridview.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <memory>

namespace quorvex::test {

// Collects every error report while it lives.
class ReportCapture {
public:
  ReportCapture();
  ~ReportCapture();
  ReportCapture(const ReportCapture &) = delete;
  ReportCapture &operator=(const ReportCapture &) = delete;

  QStringList messages;

private:
  ErrorReport::Sink previous_;
};

// A window's control, found by its object name as the user's tools find it.
// The windows keep their controls private; a test that names a control the
// window lacks (or of another kind) stops here.
template <class T> T *control(const QObject &window, const char *name) {
  T *found = window.findChild<T *>(QLatin1String(name));
  if (!found)
    qFatal("%s has no control %s of that kind", qPrintable(window.objectName()), name);
  return found;
}

// The program as start-up leaves it, shown, active, focus in the formula box.
std::unique_ptr<QuorvexProgram> startProgram();

// Opens every window the menus open without a modal loop (the plot, the
// result formats, the functions, the print report made non-modal and the
// documentation) and returns them after the main window.
QList<QWidget *> openEveryWindow(QuorvexProgram &program);

// A real mouse click in the middle of a button.
void click(QAbstractButton *button);
// Gives a box the focus the way a click would.
void focus(QWidget *widget);
// Puts the formula box's text, caret and selection as given and focuses it.
void setFormula(TF_Main_LSF &window, const QString &text, int selStart,
                int selLength = 0);

// Puts a value into the first grid row as if the user had typed it there.
void setValue(TF_Main_LSF &window, const QString &value);

// How long a test waits for something the program does on its own (a window
// to show, a modal to open, a hint to arrive): QUORVEX_TEST_WAIT_SECONDS, 60
// by default. Generous, because a sanitized build on a loaded machine is many
// times slower than a normal one, and a wait that succeeds ends at once.
int waitBudgetMs();

// Runs work on the modal window (described by what, for the failure message)
// that the next action opens, once it shows; work should close it. Returns
// false through the flag if no modal window appeared. Whatever happens, the
// test ends instead of waiting for ever: a check that fails or an exception
// in work, or work that leaves the modal open, fails the test and closes the
// modal; a modal that does not appear within the budget fails the test, and
// one that appears later still is closed.
void whenModal(const char *what, std::function<void(QWidget &)> work,
               bool *ran = nullptr);

// Lives for the whole test program: closes (and fails on) a modal window that
// nothing else would close, and aborts with the running test's name when the
// program outlives QUORVEX_WATCHDOG_SECONDS (set below ctest's own timeout,
// so that a hang is reported as the test function that hung).
class HangGuard {
public:
  HangGuard();
  ~HangGuard();
  HangGuard(const HangGuard &) = delete;
  HangGuard &operator=(const HangGuard &) = delete;

private:
  struct State;
  std::unique_ptr<State> state_;
};

} // namespace quorvex::test

// Each test program runs one test class inside the program's own application
// object, so errors escaping handlers take the program's road.
#define QUORVEX_TEST_MAIN(TestClass)                                                     \
  int main(int argc, char *argv[]) {                                                     \
    quorvex::QuorvexApplication application(argc, argv);                                 \
    application.setQuitOnLastWindowClosed(false);                                        \
    quorvex::test::HangGuard hangGuard;                                                  \
    TestClass test;                                                                      \
    return QTest::qExec(&test, argc, argv);                                              \
  }
