#!/bin/sh
# Runs every fuzz target built in BUILD_DIR for SECONDS each, on a copy of its
# committed seed corpus (so the committed one never grows), with its
# dictionary when it has one. Stops at the first finding; the input that
# caused it is left in BUILD_DIR/artifacts/.
#   sh fuzz/run-fuzzers.sh BUILD_DIR SECONDS [TARGET...]
set -eu
build=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
targets=${*:-$(cd "$here/corpus" && ls)}

mkdir -p "$build/artifacts"
for target in $targets; do
  binary="$build/fuzz/fuzz_$target"
  if [ ! -x "$binary" ]; then
    echo "fuzz: $binary is not built" >&2
    exit 1
  fi
  work="$build/corpus/$target"
  rm -rf "$work"
  mkdir -p "$work"
  cp "$here/corpus/$target"/* "$work/"
  dict=""
  if [ -f "$here/dict/$target.dict" ]; then
    dict="$build/$target.dict"
    cp "$here/dict/$target.dict" "$dict"
    # Formulas also get every name of the standard context, from the one
    # list of them.
    if [ "$target" = formula ]; then
      sed -n 's/^QUORVEX_[A-Z]*("\([^"]*\)".*/"\1"/p' "$here/../mathlib/catalogue.def" >> "$dict"
    fi
    dict="-dict=$dict"
  fi
  echo "fuzz: $target for ${seconds}s"
  # shellcheck disable=SC2086
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$binary" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    $dict "$work"
done
