#!/bin/sh
# Checks a built Debian package: lintian reports no error (its warnings are
# listed), the package holds exactly the expected files, and the unpacked
# programs run, without a display, and agree on the one version.
#   sh packaging/check-package.sh quorvex_<version>_amd64.deb
set -eu
deb=$1
[ -f "$deb" ] || { echo "package-check: no package $deb" >&2; exit 1; }
version=$(dpkg-deb --field "$deb" Version)
fail() { echo "package-check: $*" >&2; exit 1; }

echo "package-check: lintian $deb"
lintian --fail-on error --info "$deb" || fail "lintian reports errors"

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
./usr/share/metainfo/org.quorvex.Quorvex.metainfo.xml"
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
grep -q "<release version=\"$version\"" \
  "$root/usr/share/metainfo/org.quorvex.Quorvex.metainfo.xml" ||
  fail "the metainfo's release is not $version"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
echo "package-check: $deb is fine: $(echo "$expected" | wc -l) files, version $version"
