#ifndef QUORVEX_H
#define QUORVEX_H

#include "quorvex/export.h"

/* A header for C and C++ alike: typedefs and <stddef.h>.
   NOLINTBEGIN(modernize-use-using,modernize-deprecated-headers) */
#include <stddef.h>

/* The formula engine of the Quorvex calculator for C and every language
   that calls C. The same engine as the C++ interface (quorvex.hpp), with
   opaque handles and status codes: compile a formula once against named
   variables, then evaluate it once or over columns of values.

   Errors: every call that can fail returns a status (QUORVEX_OK or what
   went wrong) and, given a quorvex_error, fills it in. Threads: compiling
   is safe from any number of threads at once; one formula is used by one
   thread at a time. */

#ifdef __cplusplus
extern "C" {
#endif

typedef enum quorvex_status {
  QUORVEX_OK = 0,
  QUORVEX_ERROR_PARSE,              /* the formula cannot be read */
  QUORVEX_ERROR_NUMBER,             /* a number not valid with the decimal separator */
  QUORVEX_ERROR_DUPLICATE_VARIABLE, /* two variables of one name, in any case */
  QUORVEX_ERROR_TRAILING_TEXT,      /* text after the formula, when rejected */
  QUORVEX_ERROR_ZERO_DIVIDE,
  QUORVEX_ERROR_OVERFLOW,
  QUORVEX_ERROR_INVALID_OPERATION,
  QUORVEX_ERROR_DOMAIN, /* an argument outside a function's domain */
  QUORVEX_ERROR_USAGE,  /* a call breaking this interface's rules */
  QUORVEX_ERROR_INTERNAL,
  QUORVEX_ERROR_MEMORY /* out of memory */
} quorvex_status;

/* What a failing call reports. The caller provides the message buffer
   (or none: message null, message_size 0); the message, as the
   calculator's error report shows it, is cut to fit and always ends in a
   zero byte. has_span is 1 when the error arose at a place of the formula:
   span_offset and span_length are then its bytes. */
typedef struct quorvex_error {
  char *message;
  size_t message_size;
  size_t span_offset;
  size_t span_length;
  int has_span;
} quorvex_error;

typedef struct quorvex_options {
  char decimal_separator;   /* '.' or ',' */
  int reject_trailing_text; /* nonzero: text after the formula is an error */
} quorvex_options;

typedef struct quorvex_formula quorvex_formula;

/* Compiles text (zero-terminated) against count variables named names[i].
   addresses null, or addresses[i] null: variable i keeps its value in the
   formula (0 until quorvex_set); otherwise it is read from addresses[i],
   which must outlive the formula. options null: '.' and trailing text
   ignored. On QUORVEX_OK *formula is the new handle, to free with
   quorvex_free; otherwise it is null. */
QUORVEX_API quorvex_status quorvex_compile(const char *text, const char *const *names,
                                           double *const *addresses, size_t count,
                                           const quorvex_options *options,
                                           quorvex_formula **formula,
                                           quorvex_error *error);

/* Frees a formula; null is ignored. */
QUORVEX_API void quorvex_free(quorvex_formula *formula);

/* Sets variable slot's value (for one bound by address, the double there). */
QUORVEX_API quorvex_status quorvex_set(quorvex_formula *formula, size_t slot,
                                       double value, quorvex_error *error);

/* Runs the formula once into *result. */
QUORVEX_API quorvex_status quorvex_evaluate(quorvex_formula *formula, double *result,
                                            quorvex_error *error);

/* Evaluates rows 0 .. rows - 1: columns holds column_count (the number of
   variables) pointers, columns[i][r] being variable i's value in row r, or
   null to leave variable i at its value. results[r] receives row r's value,
   NaN for a row that faults (quorvex_set and quorvex_evaluate tell why);
   *failed_rows, when not null, receives the number of such rows. */
QUORVEX_API quorvex_status quorvex_evaluate_columns(quorvex_formula *formula,
                                                    const double *const *columns,
                                                    size_t column_count, size_t rows,
                                                    double *results, size_t *failed_rows,
                                                    quorvex_error *error);

/* The same on up to threads threads at once (0: one for each CPU the
   process may run on), with the same results: as the C++ call with
   threads (quorvex.hpp). quorvex_evaluate_columns is this on one thread. */
QUORVEX_API quorvex_status quorvex_evaluate_columns_threads(
    quorvex_formula *formula, const double *const *columns, size_t column_count,
    size_t rows, double *results, size_t *failed_rows, size_t threads,
    quorvex_error *error);

/* Bytes that always hold the text of quorvex_format_number, its zero byte
   included. */
#define QUORVEX_NUMBER_TEXT_SIZE 800

/* Writes value as text in format (a name as for quorvex::formatNumber:
   "general:N", "sci:N", "eng:N", "fixed:N", "shortest", "exact" or "hex";
   null: "general:15", the calculator's result) with decimal_separator ('.'
   or ','), zero-terminated, into text, which holds text_size bytes.
   *length, when not null, receives the text's length without the zero
   byte, also when text_size is too small for it: a usage error that leaves
   text "" rather than cut digits off. */
QUORVEX_API quorvex_status quorvex_format_number(double value, const char *format,
                                                 char decimal_separator, char *text,
                                                 size_t text_size, size_t *length,
                                                 quorvex_error *error);

/* The catalogue of functions and constants. For index below the count,
   sets the zero-terminated texts (valid for the program's life) and
   returns QUORVEX_OK; otherwise QUORVEX_ERROR_USAGE. Any out pointer may
   be null. */
QUORVEX_API size_t quorvex_function_count(void);
QUORVEX_API quorvex_status quorvex_function_info(size_t index, const char **name,
                                                 const char **arguments,
                                                 const char **description);
QUORVEX_API size_t quorvex_constant_count(void);
QUORVEX_API quorvex_status quorvex_constant_info(size_t index, const char **name,
                                                 double *value, const char **description);

#ifdef __cplusplus
}
#endif
/* NOLINTEND(modernize-use-using,modernize-deprecated-headers) */

#endif
