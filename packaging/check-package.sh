#!/bin/sh
# Checks the built Debian packages: lintian reports no error (its warnings
# are listed), each package holds exactly the expected files, the unpacked
# programs run, without a display, and agree on the one version, and the
# library's example builds against the unpacked development package, once
# with pkg-config and once with find_package, and runs; the Python module,
# unpacked beside the library, imports into the system's Python and computes.
#   sh packaging/check-package.sh quorvex_<version>_amd64.deb \
#     libquorvex1_<version>_amd64.deb libquorvex-dev_<version>_amd64.deb \
#     python3-quorvex_<version>_amd64.deb
set -eu
deb=$1
libdeb=$2
devdeb=$3
pydeb=$4
for d in "$deb" "$libdeb" "$devdeb" "$pydeb"; do
  [ -f "$d" ] || { echo "package-check: no package $d" >&2; exit 1; }
done
version=$(dpkg-deb --field "$deb" Version)
fail() { echo "package-check: $*" >&2; exit 1; }

for d in "$deb" "$libdeb" "$devdeb" "$pydeb"; do
  echo "package-check: lintian $d"
  lintian --fail-on error --info "$d" || fail "lintian reports errors"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

expected="./usr/bin/quorvex
./usr/bin/quorvex-eval
./usr/share/applications/org.quorvex.Quorvex.desktop
./usr/share/doc/quorvex/changelog.gz
./usr/share/doc/quorvex/copyright
./usr/share/icons/hicolor/scalable/apps/org.quorvex.Quorvex.svg
./usr/share/man/man1/quorvex-eval.1.gz
./usr/share/man/man1/quorvex.1.gz
./usr/share/metainfo/org.quorvex.Quorvex.metainfo.xml
./usr/share/mime/packages/org.quorvex.Quorvex.xml"
echo "$expected" > "$work/expected"
(cd "$root" && find . -type f | LC_ALL=C sort) > "$work/found"
diff -u "$work/expected" "$work/found" ||
  fail "the package's files differ from the expected list (+ found, - expected)"

for program in quorvex quorvex-eval; do
  file "$root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version)
  [ "$got" = "$program $version" ] || fail "$program --version says '$got', the package $version"
done
got=$("$root/usr/bin/quorvex-eval" -v r=1.5 '2*pi*r')
[ "$got" = "9.42477796076938" ] || fail "quorvex-eval computes '$got'"
worksheet=$(realpath "$(dirname "$0")/../examples/compoundinterest.qvws")
got=$(LC_ALL=C "$root/usr/bin/quorvex-eval" --worksheet "$worksheet")
[ "$got" = "1647.00949769028" ] || fail "quorvex-eval computes the worksheet as '$got'"
grep -q "<release version=\"$version\"" \
  "$root/usr/share/metainfo/org.quorvex.Quorvex.metainfo.xml" ||
  fail "the metainfo's release is not $version"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
echo "package-check: $deb is fine: $(echo "$expected" | wc -l) files, version $version"

# The library packages, unpacked into a folder of their own.
libdir=usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libroot=$work/libroot
dpkg-deb -x "$libdeb" "$libroot"
(cd "$libroot" && find . -type f -o -type l | LC_ALL=C sort) > "$work/found"
printf '%s\n' ./$libdir/libquorvex.so.1 ./$libdir/libquorvex.so.1.0.0 \
  ./usr/share/doc/libquorvex1/changelog.gz ./usr/share/doc/libquorvex1/copyright \
  > "$work/expected"
diff -u "$work/expected" "$work/found" || fail "libquorvex1's files differ (+ found, - expected)"
[ "$(dpkg-deb --field "$libdeb" Version)" = "$version" ] || fail "libquorvex1 is not $version"
file -L "$libroot/$libdir/libquorvex.so.1" | grep -q ', stripped' || fail "the library is not stripped"
dpkg-deb -x "$devdeb" "$work/devonly"
(cd "$work/devonly" && find . -type f -o -type l | LC_ALL=C sort) > "$work/found"
printf '%s\n' ./usr/include/quorvex/export.h ./usr/include/quorvex/quorvex.h \
  ./usr/include/quorvex/quorvex.hpp ./$libdir/cmake/Quorvex/QuorvexConfig.cmake \
  ./$libdir/cmake/Quorvex/QuorvexConfigVersion.cmake \
  ./$libdir/cmake/Quorvex/QuorvexTargets-none.cmake ./$libdir/cmake/Quorvex/QuorvexTargets.cmake \
  ./$libdir/libquorvex.so ./$libdir/pkgconfig/quorvex.pc \
  ./usr/share/doc/libquorvex-dev/changelog.gz ./usr/share/doc/libquorvex-dev/copyright \
  > "$work/expected"
diff -u "$work/expected" "$work/found" || fail "libquorvex-dev's files differ (+ found, - expected)"
dpkg-deb -x "$devdeb" "$libroot"

example=$(realpath "$(dirname "$0")/../examples/compoundinterest.cpp")
expectedLine=1647.00949769028
# shellcheck disable=SC2046
g++ -std=c++20 -Wall -Wextra -Wpedantic -Werror -o "$work/example-pc" "$example" \
  $(PKG_CONFIG_PATH="$libroot/$libdir/pkgconfig" pkg-config --cflags --libs quorvex) ||
  fail "the example does not build with pkg-config"
got=$(LD_LIBRARY_PATH="$libroot/$libdir" "$work/example-pc")
[ "$got" = "$expectedLine" ] || fail "the example built with pkg-config prints '$got'"

mkdir "$work/cmake"
printf '%s\n' 'cmake_minimum_required(VERSION 3.25)' \
  'project(compoundinterest LANGUAGES CXX)' 'find_package(Quorvex 1 REQUIRED)' \
  "add_executable(compoundinterest $example)" \
  'target_link_libraries(compoundinterest PRIVATE Quorvex::quorvex)' \
  > "$work/cmake/CMakeLists.txt"
cmake -S "$work/cmake" -B "$work/cmake/build" -DCMAKE_PREFIX_PATH="$libroot/usr" \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Wpedantic -Werror" >/dev/null ||
  fail "find_package(Quorvex) fails"
cmake --build "$work/cmake/build" >/dev/null || fail "the example does not build with find_package"
got=$("$work/cmake/build/compoundinterest")
[ "$got" = "$expectedLine" ] || fail "the example built with find_package prints '$got'"
echo "package-check: $libdeb and $devdeb are fine; the example builds both ways and prints $got"

# The Python module: its files, and an import from the unpacked package.
pyroot=$work/pyroot
dpkg-deb -x "$pydeb" "$pyroot"
site=usr/lib/python3/dist-packages/quorvex
extension=_quorvex.$(/usr/bin/python3 -c 'import sysconfig; print(sysconfig.get_config_var("SOABI"))').so
(cd "$pyroot" && find . -type f | LC_ALL=C sort) > "$work/found"
printf '%s\n' ./$site/__init__.py ./$site/__init__.pyi ./$site/$extension \
  ./$site/_arguments.py ./$site/_errors.py ./$site/py.typed \
  ./usr/share/doc/python3-quorvex/changelog.gz ./usr/share/doc/python3-quorvex/copyright |
  LC_ALL=C sort > "$work/expected"
diff -u "$work/expected" "$work/found" || fail "python3-quorvex's files differ (+ found, - expected)"
[ "$(dpkg-deb --field "$pydeb" Version)" = "$version" ] || fail "python3-quorvex is not $version"
dpkg-deb --field "$pydeb" Depends | grep -q "libquorvex1 (= $version)" ||
  fail "python3-quorvex does not depend on libquorvex1 $version"
file "$pyroot/$site/$extension" | grep -q ', stripped' || fail "the extension is not stripped"
got=$(cd "$work" && PYTHONPATH="$pyroot/usr/lib/python3/dist-packages" \
  LD_LIBRARY_PATH="$libroot/$libdir" /usr/bin/python3 -c \
  'import quorvex; print(quorvex.__version__, "%.15g" % quorvex.Formula("2*pi*r", ("r",))(r=1.5))')
[ "$got" = "$version 9.42477796076938" ] || fail "the unpacked module says '$got'"
echo "package-check: $pydeb is fine; the module imports and computes"
