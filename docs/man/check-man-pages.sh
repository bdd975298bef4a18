#!/bin/sh
# Renders each manual page as man-db does for a reader, with groff's
# warnings on; any warning, or a page that renders to nothing, fails.
#   sh check-man-pages.sh PAGE...
status=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  lines=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null | wc -l)
  if [ -n "$warnings" ]; then
    echo "$page:"; echo "$warnings"; status=1
  fi
  if [ "$lines" -lt 20 ]; then
    echo "$page: renders to $lines lines"; status=1
  fi
done
exit $status
