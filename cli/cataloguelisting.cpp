#include "cataloguelisting.h"

#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"
#include "session/resultformat.h"

#include <string_view>

namespace quorvex {

namespace {

// Columns wide enough for nearly every entry; a longer one (power's domain)
// keeps two blanks after it rather than widening every line.
constexpr std::size_t callWidth = 19;   // "logbasen(base; x)" and two blanks
constexpr std::size_t domainWidth = 30; // "base > 0, base <> 1, x > 0" and more
constexpr std::size_t valueWidth = 21;  // "9.22337203685478E18" and two blanks

void column(std::string &out, std::string_view text, std::size_t width) {
  out.append(text);
  out.append(width > text.size() ? width - text.size() : 2, ' ');
}

} // namespace

std::string catalogueListing() {
  std::string out = "Functions (arguments separated by \";\", angles in radians):\n";
  for (const CatalogueFunction &f : catalogueFunctions()) {
    std::string call(f.name);
    call.append("(").append(f.arguments).append(")");
    column(out, call, callWidth);
    column(out, std::to_string(f.argumentCount()), 3);
    column(out, f.domain, domainWidth);
    out.append(f.description).push_back('\n');
  }
  out.append("\nConstants:\n");
  for (const CatalogueConstant &c : catalogueConstants()) {
    column(out, c.name, callWidth);
    column(out, formatResult(StandardContext().Find(c.name)->Evaluate()), valueWidth);
    out.append(c.meaning).push_back('\n');
  }
  return out;
}

} // namespace quorvex
