#include "tablejob.h"

#include "csvreader.h"

#include <functional>

namespace quorvex {

namespace {

bool within(std::string_view part, std::string_view whole) noexcept {
  const std::less_equal<> notAfter; // a total order of pointers
  return notAfter(whole.data(), part.data()) &&
         notAfter(part.data() + part.size(), whole.data() + whole.size());
}

} // namespace

void appendRecordAsRead(const CsvReader &reader, std::span<const std::string_view> fields,
                        char delimiter, std::string &out) {
  if (reader.recordIsStrict()) {
    out.append(reader.recordText());
    return;
  }
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0)
      out.push_back(delimiter);
    const std::string_view written = reader.writtenField(i);
    if (written.starts_with('"'))
      out.append(written);
    else
      appendCsvField(out, fields[i], delimiter);
  }
}

TableJob::TableJob(const TableLayout &layout, std::unique_ptr<RowEvaluator> evaluator,
                   bool roundTrip, const NumberFormat &format)
    : layout_(layout), evaluator_(std::move(evaluator)),
      writer_(layout.delimiter, roundTrip, format) {}

void TableJob::readRecords(TableBlock &block) {
  const std::string_view input(block.input);
  CsvReader reader(input, layout_.delimiter, block.firstLine);
  try {
    while (reader.next(fields_)) {
      if (fields_.size() != layout_.fieldCount) {
        block.usageError = layout_.source + ", line " + std::to_string(reader.line()) +
                           ": " + std::to_string(fields_.size()) + " field" +
                           (fields_.size() == 1 ? "" : "s") + " where the header has " +
                           std::to_string(layout_.fieldCount);
        return;
      }
      for (const std::size_t column : layout_.readColumns) {
        const std::string_view cell = fields_[column];
        if (!within(cell, input)) {
          keptCells_.push_back({texts_.size(), unquoted_.size(), cell.size()});
          unquoted_.append(cell);
        }
        texts_.push_back(cell);
      }
      const std::string_view record = reader.recordText();
      if (reader.recordIsStrict()) {
        rows_.push_back({static_cast<std::size_t>(record.data() - input.data()),
                         record.size(), false});
        continue;
      }
      const std::size_t start = rewritten_.size();
      appendRecordAsRead(reader, fields_, layout_.delimiter, rewritten_);
      rows_.push_back({start, rewritten_.size() - start, true});
    }
  } catch (const ECsvError &e) {
    block.usageError =
        layout_.source + ", line " + std::to_string(reader.line()) + ": " + e.message();
  }
}

void TableJob::run(TableBlock &block) {
  block.output.clear();
  block.allOk = true;
  block.usageError.clear();
  texts_.clear();
  rows_.clear();
  rewritten_.clear();
  unquoted_.clear();
  keptCells_.clear();

  readRecords(block);
  for (const KeptCell &kept : keptCells_)
    texts_[kept.index] = std::string_view(unquoted_).substr(kept.offset, kept.length);

  outcomes_.resize(rows_.size());
  evaluator_->evaluateRows(texts_, layout_.readSlots, outcomes_);

  const std::string_view input(block.input);
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    const RowText &text = rows_[row];
    block.output.append((text.rewritten ? std::string_view(rewritten_) : input)
                            .substr(text.offset, text.length));
    block.output.push_back(layout_.delimiter);
    writer_.appendResult(outcomes_[row], block.output);
    block.allOk = block.allOk && outcomes_[row].ok;
  }
}

} // namespace quorvex
