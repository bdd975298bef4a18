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

// A real mouse click in the middle of a button.
void click(QAbstractButton *button);
// Gives a box the focus the way a click would.
void focus(QWidget *widget);
// Puts the formula box's text, caret and selection as given and focuses it.
void setFormula(TF_Main_LSF &window, const QString &text, int selStart,
                int selLength = 0);

// Puts a value into the first grid row as if the user had typed it there.
void setValue(TF_Main_LSF &window, const QString &value);

// Runs work on the modal window the next action opens, once it shows; work
// must close it. Returns false through the flag if no modal window appeared.
void whenModal(std::function<void(QWidget &)> work, bool *ran = nullptr);

} // namespace quorvex::test

// Each test program runs one test class inside the program's own application
// object, so errors escaping handlers take the program's road.
#define QUORVEX_TEST_MAIN(TestClass)                                           \
  int main(int argc, char *argv[]) {                                           \
    quorvex::QuorvexApplication application(argc, argv);                       \
    application.setQuitOnLastWindowClosed(false);                              \
    TestClass test;                                                            \
    return QTest::qExec(&test, argc, argv);                                    \
  }
