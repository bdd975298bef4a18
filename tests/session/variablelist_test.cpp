#include "session/valuegrid.h"
#include "session/variablelist.h"

#include "engine/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quorvex;

namespace {

std::vector<std::string> entriesOf(const TVariableList &list) {
  std::vector<std::string> entries;
  for (std::size_t i = 0; i < list.Count(); ++i)
    entries.push_back(list.Entry(i));
  return entries;
}

// Column texts of the visible rows below the header.
std::vector<std::string> column(const TValueGrid &grid, int c) {
  std::vector<std::string> texts;
  for (int row = 1; row < grid.RowCount(); ++row)
    texts.push_back(grid.Cell(c, row));
  return texts;
}

using Texts = std::vector<std::string>;

// Applies an Assign text the way applying the variable list does.
void apply(std::string_view assignText, TVariableList &list, TValueGrid &grid) {
  list.Assign(assignText);
  UpdateVariableGrid(list, grid);
}

} // namespace

TEST(VariableList, AssignTextToEntries) {
  const struct {
    const char *assign;
    Texts entries;
  } cases[] = {
      {"x; y ;;z;", {"x=", "y=", "z="}},
      {"", {}},
      {"   ", {}},
      {";;;", {}},
      {" ; \t; ", {}},
      {"a=5", {"a=5="}},
      {"x;X", {"x=", "X="}},
      {"x;x", {"x=", "x="}},
      {"two words;b", {"two words=", "b="}},
      // Codes 0..32 are trimmed at the ends of the text and of each item.
      {"\t\x01x\x1f;\ny\r\n", {"x=", "y="}},
      // Bytes above 127 are kept: names pass through as typed.
      {"\xCE\xB1;\xCE\xB2", {"\xCE\xB1=", "\xCE\xB2="}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.assign);
    TVariableList list;
    list.Assign(c.assign);
    EXPECT_EQ(entriesOf(list), c.entries);
  }
}

TEST(VariableList, NameIsTheTextBeforeTheFirstEquals) {
  TVariableList list;
  list.Assign("a=5;b==c;pi");
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.Name(0), "a");
  EXPECT_EQ(list.Name(1), "b");
  EXPECT_EQ(list.Name(2), "pi");
  EXPECT_THROW(list.Name(3), EAssertionFailed);
}

TEST(VariableList, ReassigningReplacesTheList) {
  TVariableList list;
  list.Assign("x;y;z");
  list.Assign("w");
  EXPECT_EQ(entriesOf(list), Texts{"w="});
}

TEST(VariableGrid, RowsFollowTheList) {
  TVariableList list;
  TValueGrid grid;
  apply("x; y ;;z;", list, grid);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Cell(0, 0), "Name");
  EXPECT_EQ(grid.Cell(1, 0), "Value");
  EXPECT_EQ(column(grid, 0), (Texts{"x", "y", "z"}));
  EXPECT_EQ(column(grid, 1), (Texts{"2", "2", "2"}));
  EXPECT_EQ(grid.QuantityText(), "3");
}

TEST(VariableGrid, EmptyListShowsThePlaceholderRow) {
  for (const char *assign : {"", "   ", ";;"}) {
    SCOPED_TRACE(assign);
    TVariableList list;
    TValueGrid grid;
    apply("a;b", list, grid);
    grid.SetCell(1, 1, "7");
    apply(assign, list, grid);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(0, 1), "x");
    EXPECT_EQ(grid.Cell(1, 1), "2"); // the typed 7 is overwritten
    EXPECT_EQ(grid.QuantityText(), "1");
  }
}

TEST(VariableGrid, EntryWithEqualsShowsItsNameOnly) {
  TVariableList list;
  TValueGrid grid;
  apply("a=5", list, grid);
  EXPECT_EQ(column(grid, 0), Texts{"a"});
  EXPECT_EQ(column(grid, 1), Texts{"2"});
}

TEST(VariableGrid, DuplicatesGetRowsOfTheirOwn) {
  for (const char *assign : {"x;X", "x;x"}) {
    TVariableList list;
    TValueGrid grid;
    apply(assign, list, grid);
    EXPECT_EQ(grid.RowCount(), 3) << assign;
    EXPECT_EQ(grid.QuantityText(), "2");
  }
}

TEST(VariableGrid, ValuesStayWithRowsNotNames) {
  TVariableList list;
  TValueGrid grid;
  apply("x;y", list, grid);
  grid.SetCell(1, 1, "3");
  grid.SetCell(1, 2, "4");
  apply("y;x", list, grid);
  EXPECT_EQ(column(grid, 0), (Texts{"y", "x"}));
  EXPECT_EQ(column(grid, 1), (Texts{"3", "4"}));
}

TEST(VariableGrid, HiddenRowsKeepTheirTexts) {
  TVariableList list;
  TValueGrid grid;
  apply("x;y;z", list, grid);
  grid.SetCell(1, 1, "1");
  grid.SetCell(1, 2, "5");
  grid.SetCell(1, 3, "7");
  apply("x", list, grid);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(1, 3), "7"); // remembered while hidden
  apply("x;y;z", list, grid);
  EXPECT_EQ(column(grid, 1), (Texts{"1", "5", "7"}));
}

TEST(VariableGrid, EmptiedValueCellGetsTwoAgain) {
  TVariableList list;
  TValueGrid grid;
  apply("x", list, grid);
  grid.SetCell(1, 1, "");
  apply("x", list, grid);
  EXPECT_EQ(grid.Cell(1, 1), "2");
  // Blanks are text: they are kept and left for Compute to reject.
  grid.SetCell(1, 1, "  ");
  apply("x", list, grid);
  EXPECT_EQ(grid.Cell(1, 1), "  ");
}

TEST(ValueGrid, CellsOutsideTheGridAreRefused) {
  TValueGrid grid;
  grid.SetRowCount(3);
  EXPECT_THROW(grid.SetCell(2, 1, "v"), EAssertionFailed);
  EXPECT_THROW(grid.SetCell(1, 3, "v"), EAssertionFailed);
  EXPECT_THROW(grid.SetCell(-1, 1, "v"), EAssertionFailed);
  EXPECT_THROW((void)grid.Cell(1, -1), EAssertionFailed);
  EXPECT_THROW(grid.SetRowCount(0), EAssertionFailed);
  EXPECT_EQ(grid.Cell(1, 1000), ""); // never written, so empty
}
