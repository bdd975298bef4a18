#pragma once

#include <QString>

#include <cstddef>
#include <string_view>

// The standard context's catalogue as the windows show it: its texts
// translated with the context "Catalogue", in which they are marked, and
// calls written as a formula writes them.

namespace quorvex {

struct CatalogueConstant;
struct CatalogueFunction;

QString catalogueText(std::string_view text);
// "power(x; z)"
QString functionSignature(const CatalogueFunction &function);
// The signature in rich text, argument (0 for the first) in bold; none is
// when the index lies beyond the arguments.
QString markedSignature(const CatalogueFunction &function, std::size_t argument);
// The value the constant has in a formula, in the fewest digits that read
// back as it, with the current decimal separator ("3.141592653589793").
QString constantValueText(const CatalogueConstant &constant);

} // namespace quorvex
