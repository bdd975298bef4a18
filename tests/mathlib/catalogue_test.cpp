// The catalogue that --list and the manual pages print describes exactly the
// names the standard context registers: the same spelling, the same kind,
// the same argument count, nothing missing and nothing extra.

#include "mathlib/catalogue.h"
#include "mathlib/standardcontext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

using namespace quorvex;

TEST(Catalogue, DescribesExactlyTheStandardContext) {
  const TExprHashContext &context = StandardContext();
  std::set<const TExprSym *> described;
  for (const CatalogueConstant &c : catalogueConstants()) {
    SCOPED_TRACE(std::string(c.name));
    const TExprSym *symbol = context.Find(c.name);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->Name, c.name);
    EXPECT_NE(dynamic_cast<const TExprConstSym *>(symbol), nullptr);
    EXPECT_FALSE(c.meaning.empty());
    described.insert(symbol);
  }
  for (const CatalogueFunction &f : catalogueFunctions()) {
    SCOPED_TRACE(std::string(f.name));
    const TExprSym *symbol = context.Find(f.name);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->Name, f.name);
    const bool unary = dynamic_cast<const TExprUnaryFuncSym *>(symbol) != nullptr;
    const bool binary = dynamic_cast<const TExprBinaryFuncSym *>(symbol) != nullptr;
    EXPECT_EQ(f.argumentCount(), unary ? 1u : binary ? 2u : 0u);
    // The arguments as written name as many as the routine takes.
    EXPECT_EQ(
        static_cast<std::size_t>(std::count(f.arguments.begin(), f.arguments.end(), ';')),
        f.argumentCount() - 1);
    EXPECT_FALSE(f.domain.empty());
    EXPECT_FALSE(f.description.empty());
    described.insert(symbol);
  }
  // Each symbol described once, and none left out.
  EXPECT_EQ(described.size(), catalogueConstants().size() + catalogueFunctions().size());
  EXPECT_EQ(described.size(), context.Map().Count());
}

// The counts the README and the docs write in their prose are the
// catalogue's: a function added is a count to change there too.
TEST(Catalogue, IsCountedInTheDocsProse) {
  const std::regex counts(
      R"((\d+)\s+(?:named\s+)?functions\s+and\s+(?:the\s+)?(\d+)\s+constants)");
  for (const char *file : {"README.md", "docs/library.md"}) {
    SCOPED_TRACE(file);
    std::ifstream in(std::string(QUORVEX_SOURCE_DIR) + "/" + file);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    int stated = 0;
    for (std::sregex_iterator m(text.begin(), text.end(), counts), end; m != end; ++m) {
      EXPECT_EQ(std::stoul((*m)[1]), catalogueFunctions().size()) << m->str();
      EXPECT_EQ(std::stoul((*m)[2]), catalogueConstants().size()) << m->str();
      ++stated;
    }
    EXPECT_GT(stated, 0);
  }
}
