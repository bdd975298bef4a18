#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The windows' texts in the user's language: the calculator's own
// translation and, in the same language, the toolkit's one for its own
// dialogs. The language is the first of the locale's user-interface
// languages (LANGUAGE=de:fr, then LC_ALL, LC_MESSAGES, LANG) that the
// calculator is translated into, a regional one falling back to its
// language (de_AT reads German); none found, or a translation file missing
// or unreadable, leaves the texts in English without a word.

namespace quorvex {

class Translations final {
public:
  // Installs the translations for locale's languages.
  explicit Translations(const QLocale &locale);
  ~Translations();
  Translations(const Translations &) = delete;
  Translations &operator=(const Translations &) = delete;

  // The language the windows speak: "de", "fr", ...; empty for English.
  QString language() const;

  // Where the calculator's translations are: in the program itself.
  static QString directory();

private:
  QTranslator own_;
  QTranslator toolkit_;
  bool ownInstalled_ = false;
  bool toolkitInstalled_ = false;
};

} // namespace quorvex
