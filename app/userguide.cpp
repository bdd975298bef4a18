#include "userguide.h"

#include "cataloguetext.h"

#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"
#include "quorvexapplication.h"
#include "session/resultformat.h"

#include <QFile>
#include <QStringList>

#include <string>
#include <string_view>

namespace quorvex {
namespace {

// A name or the arguments of the catalogue: formula text, the same in every
// language.
QString formulaText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A constant's value as the calculator holds it: the shortest decimal that
// reads back as the same double, its exponent written as a formula writes
// one ("6.0225e23", "5.67032e-8").
QString constantValue(std::string_view name) {
  std::string text = formatRoundTrip(StandardContext().Find(name)->Evaluate());
  const std::size_t e = text.find('e');
  if (e != std::string::npos) {
    std::size_t digits = e + 1;
    if (text[digits] == '+')
      text.erase(digits, 1);
    else if (text[digits] == '-')
      ++digits;
    while (digits + 1 < text.size() && text[digits] == '0')
      text.erase(digits, 1);
  }
  return QString::fromStdString(text);
}

// One row per group: the group and its functions, in catalogue order.
QString functionGroups() {
  QStringList rows;
  for (const CatalogueGroup &group : catalogueGroups()) {
    QStringList names;
    for (const CatalogueFunction &f : catalogueFunctions())
      if (f.group == group.group)
        names << formulaText(f.name);
    rows << QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                .arg(catalogueText(group.name).toHtmlEscaped(),
                     names.join(QStringLiteral(", ")));
  }
  return rows.join(QLatin1Char('\n'));
}

QString constants() {
  QStringList rows;
  for (const CatalogueConstant &c : catalogueConstants()) {
    const QString meaning = c.guide.empty() ? catalogueText(c.meaning).toHtmlEscaped()
                                            : catalogueText(c.guide);
    rows << QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                .arg(formulaText(c.name), constantValue(c.name), meaning);
  }
  return rows.join(QLatin1Char('\n'));
}

// A paragraph per function, group by group: the call as a formula writes
// it ("power(x;z)"), then the guide's paragraph, which is HTML already.
QString functionDescriptions() {
  QStringList paragraphs;
  for (const CatalogueGroup &group : catalogueGroups())
    for (const CatalogueFunction &f : catalogueFunctions()) {
      if (f.group != group.group)
        continue;
      const QString arguments = formulaText(f.arguments).remove(QLatin1Char(' '));
      paragraphs << QStringLiteral("<p><b>%1(%2)</b> &mdash; %3</p>")
                        .arg(formulaText(f.name), arguments, catalogueText(f.guide));
    }
  return paragraphs.join(QLatin1Char('\n'));
}

// The guide in the windows' language where it is translated, else English.
QString guideFile() {
  const auto *application =
      qobject_cast<QuorvexApplication *>(QCoreApplication::instance());
  const QString language = application ? application->language() : QString();
  const QString translated = QStringLiteral(":/userguide_%1.html").arg(language);
  return !language.isEmpty() && QFile::exists(translated)
             ? translated
             : QStringLiteral(":/userguide.html");
}

} // namespace

QString userGuide() {
  QFile file(guideFile());
  if (!file.open(QIODevice::ReadOnly))
    return {};
  QString guide = QString::fromUtf8(file.readAll());
  guide.replace(QStringLiteral("{functionCount}"),
                QString::number(catalogueFunctions().size()));
  guide.replace(QStringLiteral("{constantCount}"),
                QString::number(catalogueConstants().size()));
  guide.replace(QStringLiteral("{functionGroups}"), functionGroups());
  guide.replace(QStringLiteral("{constants}"), constants());
  guide.replace(QStringLiteral("{functionDescriptions}"), functionDescriptions());
  return guide;
}

} // namespace quorvex
