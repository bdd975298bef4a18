#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quorvex {

Translations::Translations(const QLocale &locale) {
  if (!own_.load(locale, QStringLiteral("quorvex"), QStringLiteral("_"), directory()))
    return;
  ownInstalled_ = QCoreApplication::installTranslator(&own_);
  // The toolkit's dialogs follow the calculator's language, not the first
  // of the user's languages the toolkit happens to know: one window in one
  // language.
  const QString toolkitDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (toolkit_.load(QStringLiteral("qtbase_") + language(), toolkitDirectory))
    toolkitInstalled_ = QCoreApplication::installTranslator(&toolkit_);
}

Translations::~Translations() {
  if (toolkitInstalled_)
    QCoreApplication::removeTranslator(&toolkit_);
  if (ownInstalled_)
    QCoreApplication::removeTranslator(&own_);
}

QString Translations::language() const {
  return ownInstalled_ ? own_.language() : QString();
}

QString Translations::directory() {
  return QStringLiteral(":/translations");
}

} // namespace quorvex
