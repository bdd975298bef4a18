#include "program.h"
#include "quorvexapplication.h"
#include "startoptions.h"

int main(int argc, char *argv[]) {
  if (const auto status = quorvex::answerInformationOptions(argc, argv))
    return *status;
  if (const auto status = quorvex::refuseUnknownArgumentsWithoutDisplay(argc, argv))
    return *status;
  quorvex::QuorvexApplication application(argc, argv);
  if (const auto status =
          quorvex::refuseUnknownArguments(quorvex::QuorvexApplication::arguments()))
    return *status;
  quorvex::QuorvexProgram program;
  program.show();
  return application.exec();
}
