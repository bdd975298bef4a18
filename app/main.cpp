#include "program.h"
#include "quorvexapplication.h"

int main(int argc, char *argv[]) {
  quorvex::QuorvexApplication application(argc, argv);
  quorvex::QuorvexProgram program;
  program.show();
  return application.exec();
}
