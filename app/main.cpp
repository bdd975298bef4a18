#include "mainwindow.h"
#include "program.h"
#include "quorvexapplication.h"
#include "startoptions.h"

int main(int argc, char *argv[]) {
  if (const auto status = quorvex::answerInformationOptions(argc, argv))
    return *status;
  if (const auto status = quorvex::refuseUnknownArgumentsWithoutDisplay(argc, argv))
    return *status;
  quorvex::QuorvexApplication application(argc, argv);
  const quorvex::StartArguments start =
      quorvex::readStartArguments(quorvex::QuorvexApplication::arguments());
  if (start.exitStatus)
    return *start.exitStatus;
  quorvex::QuorvexProgram program;
  program.show();
  // A worksheet that cannot be opened is reported over the start-up window,
  // which then stays as every start leaves it.
  if (!start.worksheet.isEmpty())
    program.mainWindow().openWorksheetFile(start.worksheet);
  return application.exec();
}
