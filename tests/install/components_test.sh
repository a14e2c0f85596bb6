#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The install split into the Debian packages by component, as debian/rules
# installs them: every installed file belongs to exactly one component, one
# per package of debian/control (and the plain install's documents); the
# data package holds no program, and the command line's package holds no
# program that needs a graphical toolkit.
# Usage: components_test.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build=$1
source=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
files() { (cd "$1" && find . ! -type d | sort); }

DESTDIR=$work/all cmake --install "$build" --prefix /usr >/dev/null
packages=$(sed -n 's/^Package: *//p' "$source/debian/control")
[ "$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)" = "$version" ] ||
  fail "debian/changelog is not at version $version"
# The relations debian/control adds to what dpkg-shlibdeps finds: none asks
# for a Qt package (the X11 platform plugin is in libqt6gui6, which the
# desktop program links; no SVG is loaded), and the command line's and the
# data's none at all that is graphical.
relations() {
  sed -n "/^Package: $1\$/,/^\$/p" "$source/debian/control" |
    sed -n '/^\(Depends\|Recommends\|Suggests\|Pre-Depends\):/,/^[A-Z]/p'
}
for p in kinovert kinovert-cli kinovert-data; do
  bad=$(relations "$p" | grep -oE '(lib)?qt[a-z0-9-]*|libx[a-z0-9-]*|xdg-utils' || true)
  if [ "$p" = kinovert ]; then bad=$(grep -v '^xdg-utils$' <<<"$bad" || true); fi
  [ -z "$bad" ] || fail "$p asks for $(xargs <<<"$bad")"
done
[ "$(sort <<<"$packages" | xargs)" = "kinovert kinovert-cli kinovert-data" ] ||
  fail "debian/control has the packages $(xargs <<<"$packages")"
: >"$work/parts"
for c in $packages doc; do
  DESTDIR=$work/$c cmake --install "$build" --prefix /usr --component "$c" >/dev/null
  [ -d "$work/$c" ] || fail "component $c installs nothing"
  files "$work/$c" >"$work/$c.list"
  cat "$work/$c.list" >>"$work/parts"
done
DESTDIR=$work/none cmake --install "$build" --prefix /usr --component Unspecified >/dev/null
[ ! -d "$work/none" ] || fail "files of no package: $(files "$work/none" | xargs)"
dups=$(sort "$work/parts" | uniq -d)
[ -z "$dups" ] || fail "files in two packages: $dups"
diff <(sort "$work/parts") <(files "$work/all") >&2 || fail "the packages do not hold the install"

# What each package must hold.
while read -r c path; do
  grep -qxF "./$path" "$work/$c.list" || fail "$path is not in $c"
done <<'LIST'
kinovert-cli usr/bin/kinovert-cli
kinovert-cli usr/lib/kinovert/kinovert-cli
kinovert-cli usr/lib/kinovert/avcore
kinovert-cli usr/lib/kinovert/installed
kinovert-cli usr/lib/kinovert/skin
kinovert-cli usr/share/man/man1/kinovert-cli.1.gz
kinovert-cli usr/share/bash-completion/completions/kinovert-cli
kinovert usr/bin/kinovert
kinovert usr/lib/kinovert/kinovert
kinovert usr/share/applications/kinovert.desktop
kinovert-data usr/share/kinovert/skin/kvo/lang/type_english.dat
kinovert-data usr/share/kinovert/profile_en/mp3/Standard.mpo
doc usr/share/doc/kinovert/copyright
LIST
grep -q '^\./usr/share/kinovert/' "$work/kinovert-data.list" || fail "no data in kinovert-data"
grep -v '^\./usr/share/kinovert/' "$work/kinovert-data.list" && fail "kinovert-data holds more than the data tree"

# The libraries each program needs, as the dynamic loader reads them.
needs() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
elves() { find "$work/$1" -type f -exec sh -c 'head -c4 "$1" | grep -q "^.ELF"' - {} \; -print; }
[ -z "$(elves kinovert-data)" ] || fail "a program in kinovert-data: $(elves kinovert-data)"
for elf in $(elves kinovert-cli); do
  gui=$(needs "$elf" | grep -E '^lib(Qt|X|xcb|GL|EGL|wayland|gtk|gdk)' || true)
  [ -z "$gui" ] || fail "$(basename "$elf") needs $(xargs <<<"$gui")"
done
needs "$work/kinovert/usr/lib/kinovert/kinovert" | grep -q '^libQt6Widgets' ||
  fail "kinovert does not need Qt Widgets: the check above proves nothing"
echo "components test passed"
