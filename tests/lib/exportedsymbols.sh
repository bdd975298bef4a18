#!/bin/sh
# Compares the symbols a shared library exports with the committed list:
# one that appears or disappears changes the library's interface, which
# must be a decision (update the list with --update), not an accident.
# Usage: exportedsymbols.sh LIBRARY LIST [--update]
set -eu
library=$1
list=$2
actual=$(nm -D --defined-only -C "$library" | cut -d' ' -f2- | LC_ALL=C sort -u)
if [ "${3:-}" = "--update" ]; then
  printf '%s\n' "$actual" >"$list"
  exit 0
fi
if ! printf '%s\n' "$actual" | diff -u "$list" -; then
  echo "exported symbols differ from $list (- gone, + new)" >&2
  exit 1
fi
echo "$(printf '%s\n' "$actual" | wc -l) exported symbols, as listed"
