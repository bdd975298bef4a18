#pragma once

#include "engine/numberformat.h"
#include "session/csvwriter.h"
#include "session/rowevaluator.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The work of the table mode on one block of whole records: read them,
// compute them, write their rows. Blocks are independent of each other, so
// any job may take any block and the rows come out the same; each job has an
// evaluator of its own, compiled for the same formula and names.

namespace quorvex {

class CsvReader;

// Appends the record reader last read, whose fields are fields, as it stands
// in the input, quotes and all, except that a field a strict CSV reader
// would misread (an unquoted field holding a quote or a CR) gets quotes.
void appendRecordAsRead(const CsvReader &reader, std::span<const std::string_view> fields,
                        char delimiter, std::string &out);

// What the header fixed for every row.
struct TableLayout {
  char delimiter = ',';
  std::size_t fieldCount = 0;           // of the header, so of every row
  std::vector<std::size_t> readColumns; // the columns the formula reads...
  std::vector<std::size_t> readSlots;   // ...and the slot each goes to
  std::string source;                   // "standard input" or the file
};

// A block of whole records and what became of them.
struct TableBlock {
  std::string input;
  std::size_t firstLine = 1; // the line the first record begins on
  std::string output;        // the rows, up to an error
  bool allOk = true;         // every row computed
  std::string usageError;    // set: the table ends after output, with this
};

class TableJob {
public:
  // evaluator has the formula compiled, with the slots of layout.
  TableJob(const TableLayout &layout, std::unique_ptr<RowEvaluator> evaluator,
           bool roundTrip, const NumberFormat &format);

  // Reads, computes and writes every row of block.input into block.output.
  // A row is written as it stands in the input, except that a field a
  // strict CSV reader would misread gets quotes, and then the result and
  // the error. A record with the wrong number of fields or broken quoting
  // ends the block with a usage error; the rows before it are written.
  void run(TableBlock &block);

private:
  // Where a row's own cells lie: in the block's input, or in rewritten_.
  struct RowText {
    std::size_t offset;
    std::size_t length;
    bool rewritten;
  };
  // A cell the formula reads whose text had doubled quotes undone, so that
  // it lies in no text that outlives the record; kept in unquoted_.
  struct KeptCell {
    std::size_t index; // in texts_
    std::size_t offset;
    std::size_t length;
  };

  void readRecords(TableBlock &block);

  const TableLayout &layout_;
  std::unique_ptr<RowEvaluator> evaluator_;
  ResultTableWriter writer_;
  // Scratch, kept from block to block so that a block allocates nothing.
  std::vector<std::string_view> fields_;
  std::vector<std::string_view> texts_; // the read cells, row after row
  std::vector<RowOutcome> outcomes_;
  std::vector<RowText> rows_;
  std::string rewritten_;
  std::string unquoted_;
  std::vector<KeptCell> keptCells_;
};

} // namespace quorvex
