#pragma once

#include "engine/numberformat.h"

#include <span>
#include <string>
#include <string_view>

// The CSV that quorvex-eval's table mode prints and the plot window's table
// copies: one writer, so a table copied from the plot reads back exactly like
// one the command line wrote.
//
// A row is the input cells as they were read, then the result and the error:
// either the result written in a format of the result box (or the shortest
// round-trip form) and an empty error, or an empty result and the error
// report's text. Fields are quoted only where CSV needs it (RFC 4180), rows
// end in "\n".

namespace quorvex {

struct RowOutcome;

// "," normally; ";" where the decimal separator is ",", as spreadsheets in
// comma locales write CSV, so that no number needs quotes.
char csvDelimiterFor(char decimalSeparator) noexcept;

// Appends field, in double quotes with inner quotes doubled when it holds the
// delimiter, a quote, CR or LF; as it is otherwise.
void appendCsvField(std::string &out, std::string_view field, char delimiter);

class ResultTableWriter {
public:
  // Results are formatted in format (unless roundTrip) with the decimal
  // separator current at construction.
  ResultTableWriter(char delimiter, bool roundTrip, const NumberFormat &format = {});

  char delimiter() const noexcept { return delimiter_; }

  // Appends the header: names, then resultName and "error".
  void appendHeader(std::span<const std::string_view> names, std::string_view resultName,
                    std::string &out) const;
  // Appends one row: cells, then the outcome's result and error.
  void appendRow(std::span<const std::string_view> cells, const RowOutcome &outcome,
                 std::string &out);

  // The two columns this writer adds, for a caller that writes the cells
  // before them itself, each followed by the delimiter: the header's names,
  // and a row's result and error. Each ends the line.
  void appendResultNames(std::string_view resultName, std::string &out) const;
  void appendResult(const RowOutcome &outcome, std::string &out);

private:
  char delimiter_;
  char decimalSeparator_;
  bool roundTrip_;
  NumberFormat format_;
  std::string text_; // reused, so rows cost no allocation
};

} // namespace quorvex
