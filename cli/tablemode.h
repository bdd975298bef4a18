#pragma once

// quorvex-eval --table FILE: the formula compiled once and evaluated for
// every row of a CSV file, whose header names the variables. Rows stream
// through: one is read, evaluated and written before the next is read.

namespace quorvex {

class BufferedOutput;
struct EvalOptions;

// Runs the table mode for options (table and formula set) with the current
// decimal separator. Returns the exit status: 0 when every row computed, 1
// when a row failed, the formula did not compile, a -v value did not
// convert or the input could not be read to its end, 2 when FILE is not a
// table the formula can run over (no header, a header cell that is not a
// variable name, a name given twice, a row with the wrong number of fields,
// broken quoting). A failing row is written with its error and never stops
// the run; every row before a usage error has been written.
int runTable(const EvalOptions &options, BufferedOutput &out, BufferedOutput &err);

} // namespace quorvex
