// Writes the manual pages' FUNCTIONS and CONSTANTS sections, as a help2man
// include file, from the catalogue that quorvex-eval --list prints, so the
// pages and the program cannot disagree. Run at build time only.
//   quorvex-catalogue-man OUTPUT

#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"
#include "session/resultformat.h"

#include <cstdio>
#include <string>
#include <string_view>

using namespace quorvex;

namespace {

// The texts are plain ASCII; in roff a "-" is a hyphen, and every one of
// ours is a minus sign or belongs to a name the reader may type.
std::string roff(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '-' || c == '\\')
      out.push_back('\\');
    out.push_back(c == '\\' ? 'e' : c);
  }
  return out;
}

std::string sections() {
  std::string out = "[FUNCTIONS]\n"
                    "Names ignore case; angles are in radians. A two-argument "
                    "function separates its arguments with \\fB;\\fR. "
                    "\\fBquorvex\\-eval \\-\\-list\\fR prints this list.\n";
  for (const CatalogueFunction &f : catalogueFunctions()) {
    out += ".TP\n\\fB" + roff(f.name) + "\\fR(\\fI" + roff(f.arguments) + "\\fR)\n";
    out += roff(f.description) + ". Domain: " + roff(f.domain) + ".\n";
  }
  out += "[CONSTANTS]\n"
         "Each constant is the double nearest to its value; shown here with the "
         "15 significant digits of a result.\n";
  for (const CatalogueConstant &c : catalogueConstants()) {
    const Float value = StandardContext().Find(c.name)->Evaluate();
    out += ".TP\n\\fB" + roff(c.name) + "\\fR\n";
    out += roff(formatResult(value, '.')) + ": " + roff(c.meaning) + ".\n";
  }
  return out;
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fputs("usage: quorvex-catalogue-man OUTPUT\n", stderr);
    return 2;
  }
  const std::string text = sections();
  std::FILE *file = std::fopen(argv[1], "w");
  const bool written = file != nullptr &&
                       std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (file == nullptr || std::fclose(file) != 0 || !written) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
