#pragma once

// quorvex-eval --table FILE: the formula compiled once and evaluated for
// every row of a CSV file, whose header names the columns. Only the columns
// the formula reads are converted; every other cell is passed through as it
// is written. The input is read once, in blocks of whole records that one or
// more jobs compute, and the rows are written in input order, the same
// whatever the number of jobs. Rows stream through: whatever has been read is
// answered before the tool waits for more input.

namespace quorvex {

class BufferedOutput;
struct EvalOptions;

// Runs the table mode for options (table and formula set) with the current
// decimal separator. Returns the exit status: 0 when every row computed, 1 when
// a row failed, the formula did not compile, a -v value did not convert or the
// input could not be read to its end, 2 when FILE is not a table the formula
// can run over (a file that cannot be opened or read, no header, a column the
// formula reads whose name two columns or a column and -v give, a --column
// header that is not there or not alone, a row with the wrong number of fields,
// broken quoting). A failing row is written with its error and never stops the
// run; every row before a usage error has been written.
int runTable(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err);

} // namespace quorvex
