#include "session/formulahistory.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvex;

namespace {

std::string shown(const std::optional<std::string> &text) {
  return text ? *text : "<unchanged>";
}

} // namespace

TEST(FormulaHistory, UpAndDownWalkTheEntriesAndGiveTheDraftBack) {
  FormulaHistory history;
  EXPECT_EQ(shown(history.older("draft")), "<unchanged>");
  EXPECT_EQ(shown(history.newer()), "<unchanged>");
  for (const char *formula : {"1+1", "2*x", "2*x", "sin(x)"})
    history.add(formula);
  EXPECT_EQ(history.size(), 3u); // no entry twice in a row

  EXPECT_EQ(shown(history.older("sq")), "sin(x)");
  EXPECT_EQ(shown(history.older("sin(x)")), "2*x");
  EXPECT_EQ(shown(history.older("2*x")), "1+1");
  EXPECT_EQ(shown(history.older("1+1")), "<unchanged>"); // the oldest stays
  EXPECT_EQ(shown(history.newer()), "2*x");
  EXPECT_EQ(shown(history.newer()), "sin(x)");
  EXPECT_EQ(shown(history.newer()), "sq"); // past the newest: the draft
  EXPECT_EQ(shown(history.newer()), "<unchanged>");

  // A Compute ends browsing: Up starts again at the newest, stepping over
  // what the box holds already, going and coming back.
  history.older("x");
  history.add("2*x");
  EXPECT_EQ(history.size(), 4u); // not the newest, so it is added
  EXPECT_EQ(shown(history.older("2*x")), "sin(x)");
  EXPECT_EQ(shown(history.older("sin(x)")), "1+1"); // the older 2*x too
  EXPECT_EQ(shown(history.newer()), "sin(x)");
  EXPECT_EQ(shown(history.newer()), "2*x");
  EXPECT_EQ(shown(history.newer()), "<unchanged>");
}

TEST(FormulaHistory, KeepsTheNewestEntriesOnly) {
  FormulaHistory history;
  for (std::size_t i = 0; i < FormulaHistory::maxEntries + 5; ++i)
    history.add(std::to_string(i));
  EXPECT_EQ(history.size(), FormulaHistory::maxEntries);
  std::optional<std::string> oldest;
  while (const auto older = history.older(""))
    oldest = older;
  EXPECT_EQ(shown(oldest), "5");
}
