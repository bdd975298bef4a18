#include "cataloguetext.h"

#include "engine/decimalseparator.h"
#include "engine/numberconversion.h"
#include "engine/numberformat.h"
#include "mathlib/catalogue.h"

#include <QCoreApplication>
#include <QStringList>

#include <string>

namespace quorvex {

QString catalogueText(std::string_view text) {
  // The catalogue's texts are literals, but a view need not end at a zero.
  const std::string source(text);
  return QCoreApplication::translate("Catalogue", source.c_str());
}

QString functionSignature(const CatalogueFunction &function) {
  return QString::fromUtf8(function.name.data(), qsizetype(function.name.size())) +
         QLatin1Char('(') + catalogueText(function.arguments) + QLatin1Char(')');
}

QString markedSignature(const CatalogueFunction &function, std::size_t argument) {
  QStringList arguments = catalogueText(function.arguments).split(QLatin1Char(';'));
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    arguments[i] = arguments[i].trimmed().toHtmlEscaped();
    if (std::size_t(i) == argument)
      arguments[i] = QStringLiteral("<b><u>%1</u></b>").arg(arguments[i]);
  }
  return QString::fromUtf8(function.name.data(), qsizetype(function.name.size())) +
         QLatin1Char('(') + arguments.join(QStringLiteral("; ")) + QLatin1Char(')');
}

QString constantValueText(const CatalogueConstant &constant) {
  return QString::fromStdString(numberText(roundToFloat(constant.value),
                                           {Notation::Shortest, 0}, decimalSeparator()));
}

} // namespace quorvex
