#pragma once

#include <QStringList>

#include <optional>

// The desktop program's command line. --help and --version are answered
// before any window system is touched, so they work without a display (and
// help2man can make the manual page from them at build time); everything
// else waits for the QApplication, which takes its own options (-platform,
// -style, ...) out first, and is then an error.

namespace quorvex {

// Prints the help or the version when asked for and returns the exit status;
// none when the program is to start.
std::optional<int> answerInformationOptions(int argc, char **argv);

// Given the arguments left after Qt took its own: prints a message and
// returns the usage-error status when anything is left; none otherwise.
std::optional<int> refuseUnknownArguments(const QStringList &arguments);

// Where nothing names a window system (no QT_QPA_PLATFORM, DISPLAY or
// WAYLAND_DISPLAY, no -platform or -display), Qt would end the program on
// failing to reach one before it takes its options out. Then an
// application on a platform that needs no display takes them out instead,
// and the rest is judged as refuseUnknownArguments judges it.
std::optional<int> refuseUnknownArgumentsWithoutDisplay(int argc, char **argv);

} // namespace quorvex
