// Any bytes read as a worksheet: reading either fails with its own error or
// gives a worksheet that writes back to text reading as the same worksheet,
// and opening it in a session, under either separator, restores exactly the
// grid it holds, with only separators of numbers changed in its texts.

#include "check.h"

#include "engine/decimalseparator.h"
#include "session/calculatorsession.h"
#include "session/worksheet.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace quorvex;

namespace {

// to differs from from only where from held the old separator.
bool onlySeparatorsChanged(std::string_view from, std::string_view to, char old,
                           char now) {
  if (from.size() != to.size())
    return false;
  for (std::size_t i = 0; i < from.size(); ++i)
    if (from[i] != to[i] && (from[i] != old || to[i] != now))
      return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char *>(data), size);
  Worksheet read;
  try {
    read = readWorksheet(bytes);
  } catch (const EWorksheetError &) {
    return 0;
  }
  const std::string text = writeWorksheet(read);
  FUZZ_CHECK(readWorksheet(text) == read);
  for (const char separator : {'.', ','}) {
    setDecimalSeparator(separator);
    TCalculatorSession session;
    openWorksheet(session, read);
    FUZZ_CHECK(session.AssignText() == read.assign);
    FUZZ_CHECK(session.ResultText().empty() && session.ComputeCount() == 0);
    FUZZ_CHECK(onlySeparatorsChanged(read.formula, session.FormulaText(),
                                     read.decimalSeparator, separator));
    const TValueGrid &grid = session.Grid();
    FUZZ_CHECK(static_cast<std::size_t>(grid.RowCount()) == read.shownRows + 1);
    for (std::size_t row = 0; row < read.rows.size(); ++row) {
      const int at = static_cast<int>(row + 1);
      FUZZ_CHECK(grid.Cell(0, at) == read.rows[row].name);
      FUZZ_CHECK(onlySeparatorsChanged(read.rows[row].value, grid.Cell(1, at),
                                       read.decimalSeparator, separator));
    }
  }
  return 0;
}
