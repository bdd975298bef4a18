// Starts the desktop program as its main() does and reports the moment the
// main window is shown with the event loop running, then quits. The parent
// (quorvex_bench) times it from the spawn, so loading Qt is counted.

#include "app/mainwindow.h"
#include "app/program.h"
#include "app/quorvexapplication.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[]) {
  quorvex::QuorvexApplication application(argc, argv);
  quorvex::QuorvexProgram program;
  program.show();
  int status = 0;
  QTimer::singleShot(0, &application, [&] {
    const bool shown = program.mainWindow().isVisible();
    std::puts(shown ? "shown" : "not shown");
    std::fflush(stdout);
    status = shown ? 0 : 1;
    application.quit();
  });
  application.exec();
  return status;
}
