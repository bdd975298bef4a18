#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The desktop program's command line. --help and --version are answered
// before any window system is touched, so they work without a display (and
// help2man can make the manual page from them at build time); everything
// else waits for the QApplication, which takes its own options (-platform,
// -style, ...) out first: then one argument is a worksheet to open, and
// anything else is an error.

namespace quorvex {

// Prints the help or the version when asked for and returns the exit status;
// none when the program is to start.
std::optional<int> answerInformationOptions(int argc, char **argv);

struct StartArguments {
  std::optional<int> exitStatus; // set: end at once with it
  QString worksheet;             // empty: none to open
};

// Given the arguments left after Qt took its own: the worksheet to open, if
// one is given; for an unknown option or more than one worksheet, prints a
// message and gives the usage-error status.
StartArguments readStartArguments(const QStringList &arguments);

// Where nothing names a window system (no QT_QPA_PLATFORM, DISPLAY or
// WAYLAND_DISPLAY, no -platform or -display), Qt would end the program on
// failing to reach one before it takes its options out. Then an
// application on a platform that needs no display takes them out instead,
// and the rest is judged as readStartArguments judges it.
std::optional<int> refuseUnknownArgumentsWithoutDisplay(int argc, char **argv);

} // namespace quorvex
