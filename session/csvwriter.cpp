#include "csvwriter.h"

#include "engine/decimalseparator.h"
#include "engine/messagetext.h"
#include "resultformat.h"
#include "rowevaluator.h"

namespace quorvex {

char csvDelimiterFor(char decimalSeparator) noexcept {
  return decimalSeparator == ',' ? ';' : ',';
}

void appendCsvField(std::string &out, std::string_view field, char delimiter) {
  bool needsQuotes = false;
  for (const char c : field)
    if (c == delimiter || c == '"' || c == '\n' || c == '\r') {
      needsQuotes = true;
      break;
    }
  if (!needsQuotes) {
    out.append(field);
    return;
  }
  out.push_back('"');
  for (const char c : field) {
    if (c == '"')
      out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

ResultTableWriter::ResultTableWriter(char delimiter, bool roundTrip,
                                     const NumberFormat &format)
    : delimiter_(delimiter), decimalSeparator_(decimalSeparator()), roundTrip_(roundTrip),
      format_(format) {}

void ResultTableWriter::appendHeader(std::span<const std::string_view> names,
                                     std::string_view resultName,
                                     std::string &out) const {
  for (const std::string_view name : names) {
    appendCsvField(out, name, delimiter_);
    out.push_back(delimiter_);
  }
  appendResultNames(resultName, out);
}

void ResultTableWriter::appendRow(std::span<const std::string_view> cells,
                                  const RowOutcome &outcome, std::string &out) {
  for (const std::string_view cell : cells) {
    appendCsvField(out, cell, delimiter_);
    out.push_back(delimiter_);
  }
  appendResult(outcome, out);
}

void ResultTableWriter::appendResultNames(std::string_view resultName,
                                          std::string &out) const {
  appendCsvField(out, resultName, delimiter_);
  out.push_back(delimiter_);
  out.append("error\n");
}

void ResultTableWriter::appendResult(const RowOutcome &outcome, std::string &out) {
  if (outcome.ok) {
    if (roundTrip_)
      formatRoundTrip(outcome.value, text_);
    else
      writeNumber(outcome.value, format_, decimalSeparator_, text_);
    // A result never holds a quote or a line break, but it may hold the
    // delimiter when that was chosen equal to the decimal separator.
    appendCsvField(out, text_, delimiter_);
    out.push_back(delimiter_);
  } else {
    out.push_back(delimiter_);
    appendCsvField(out, withFullStop(outcome.error), delimiter_);
  }
  out.push_back('\n');
}

} // namespace quorvex
