#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as Debian builds its own (dpkg-buildpackage and
# debian/rules: Debian's build and hardening flags, debug symbol packages,
# the dates of debian/changelog) and checks them with lintian:
#   scripts/package.sh            ->  build/package/kinovert{,-cli,-data}_<version>_<arch>.deb
#   scripts/package.sh --check    the same, running the test suite in the package build
# The source tree (with uncommitted changes) is copied to
# build/package/kinovert-<version>/ and built there, so nothing is written
# beside this checkout. The packaging tools and the build dependencies are
# installed when missing, as root (./test and ./run do not need them).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/setup.sh

check=0
case ${1:-} in
  --check) check=1 ;;
  "") ;;
  *)
    echo "usage: scripts/package.sh [--check]" >&2
    exit 2
    ;;
esac

KINOVERT_PACKAGES=(dpkg-dev debhelper devscripts lintian file)
kinovert_setup
# What debian/control asks to build (without the tests' packages unless they run).
profiles=()
((check)) || profiles=(-Pnocheck)
missing=$(dpkg-checkbuilddeps "${profiles[@]}" 2>&1 | sed -n 's/.*Unmet build dependencies: //p' |
  sed 's/([^)]*)//g; s/|[^ ]*//g' || true)
if [ -n "$missing" ]; then
  # shellcheck disable=SC2206
  KINOVERT_PACKAGES=($missing)
  kinovert_setup
fi

# The packages name whoever answers for them (KINOVERT_PACKAGE_CONTACT, or
# DEBFULLNAME and DEBEMAIL as Debian's own tools read them); debian/ holds a
# placeholder on the reserved .invalid domain, and none is made up here.
maintainer=${KINOVERT_PACKAGE_CONTACT:-}
if [ -z "$maintainer" ] && [ -n "${DEBEMAIL:-}" ]; then
  maintainer=${DEBFULLNAME:+$DEBFULLNAME <}${DEBEMAIL}${DEBFULLNAME:+>}
fi
if ! [[ $maintainer =~ ^[^\<\>]+\ \<[^\<\>@\ ]+@[^\<\>\ ]+\>$ ]]; then
  echo "The packages need a maintainer: set DEBFULLNAME and DEBEMAIL (or" >&2
  echo "KINOVERT_PACKAGE_CONTACT=\"Name <address>\") and run this again." >&2
  exit 2
fi

version=$(dpkg-parsechangelog -S Version)
stage=$root/build/package
source=$stage/kinovert-$version
rm -rf "$stage"
mkdir -p "$source"
# The files git knows of or would add, as they are now.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do
    if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi
  done |
  tar --null --files-from=- -cf - | tar -xf - -C "$source"
# The maintainer goes into the copy only: the checkout keeps its placeholder.
sed -i "s|^Maintainer: .*|Maintainer: $maintainer|" "$source/debian/control"
sed -i "s|^ -- [^<]*<packager@kinovert.invalid>| -- $maintainer|" "$source/debian/changelog"

# ccache, where there is one, makes a second package build cheap; it leaves
# the flags and the binaries as they are.
[ -d /usr/lib/ccache ] && export PATH=/usr/lib/ccache:$PATH
options="parallel=$(nproc)"
((check)) || options="nocheck $options"
(cd "$source" && DEB_BUILD_OPTIONS=$options dpkg-buildpackage -us -uc -b "${profiles[@]}")

changes=$(ls "$stage"/kinovert_"${version}"_*.changes)
echo
for deb in "$stage"/*.deb; do
  echo "Package: $(basename "$deb")"
  dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Suggests | sed 's/^/  /'
done
echo
# Every tag, info, pedantic and experimental ones too; the overridden ones
# (debian/*.lintian-overrides, each with its reason) are left out.
echo "lintian:"
lintian --display-info --display-experimental --pedantic --fail-on error,warning "$changes" |
  tee "$stage/lintian.txt"
if grep -q 'hardening-' "$stage/lintian.txt"; then
  echo "lintian finds a program built without a hardening feature" >&2
  exit 1
fi
echo "lintian: no errors, no warnings, no hardening tags"
