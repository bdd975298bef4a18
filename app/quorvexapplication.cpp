#include "quorvexapplication.h"

#include "accessibleroles.h"
#include "errorreport.h"

#include "quorvexversion.h"

#include <QIcon>
#include <QSettings>

#include <clocale>

namespace quorvex {
namespace {

// The program saves nothing, and neither may the toolkit's dialogs (the
// file chooser behind "print to file" remembers its folder in a settings
// file of its own). Every settings file of this process is placed under a
// path that cannot be created, so nothing is read or written.
void keepSettingsOffDisk() {
  const QString nowhere = QStringLiteral("/dev/null/unsaved");
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, nowhere);
}

} // namespace

QuorvexApplication::QuorvexApplication(int &argc, char **argv)
    : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("quorvex"));
  setApplicationVersion(QStringLiteral(QUORVEX_VERSION));
  setDesktopFileName(QStringLiteral(QUORVEX_DESKTOP_ID));
  setWindowIcon(QIcon(QStringLiteral(":/icons/quorvex.svg")));
  // The toolkit switched the C library to the user's locale; number texts
  // are the calculator's own business (with its own decimal separator), so
  // C-level conversions stay locale-neutral.
  std::setlocale(LC_NUMERIC, "C");
  keepSettingsOffDisk();
  installAccessibleRoles();
}

bool QuorvexApplication::notify(QObject *receiver, QEvent *event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception &error) {
    ErrorReport::report(error);
    // The event counts as handled: the failing action has ended.
    return true;
  }
}

} // namespace quorvex
