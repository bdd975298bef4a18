#!/bin/sh
# Renders the program's windows after a sample computation (compound
# interest, then a plot) into docs/screenshots/, in a point and in a comma
# locale, in German and in French, and the plot window in a dark palette.
# Needs a display; without one it starts a virtual one with Xvfb.
set -eu
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake --build "$BUILD_DIR" --target quorvex-screenshot
mkdir -p docs/screenshots
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  export DISPLAY=:97
  sleep 1
fi
LC_ALL=C.UTF-8 "$BUILD_DIR/app/quorvex-screenshot" docs/screenshots
# English words with German numbers; then German and French throughout, of
# which the README shows the main, plot and functions windows.
env -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 LC_MESSAGES=C "$BUILD_DIR/app/quorvex-screenshot" docs/screenshots
languages=$(mktemp -d)
for locale in de_DE fr_FR; do
  LC_ALL=$locale.UTF-8 "$BUILD_DIR/app/quorvex-screenshot" "$languages"
done
for window in main-window plot-window functions-window; do
  cp "$languages/$window-de.png" "$languages/$window-fr.png" docs/screenshots/
done
rm -r "$languages"
LC_ALL=C.UTF-8 "$BUILD_DIR/app/quorvex-screenshot" --dark docs/screenshots
