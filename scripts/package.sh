#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from build/ and checks it with lintian:
#   scripts/package.sh     ->  build/kinovert_<version>_<arch>.deb
# The packaging tools (dpkg-dev for dpkg-shlibdeps, file, lintian) are
# installed when missing, as root; they are needed for this alone.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/setup.sh
kinovert_setup
kinovert_build

KINOVERT_PACKAGES=(dpkg-dev file lintian)
kinovert_setup

# The package names whoever answers for it (KINOVERT_PACKAGE_CONTACT, or
# DEBFULLNAME and DEBEMAIL as Debian's tools read them); it makes none up.
if [ -n "${DEBEMAIL:-}" ]; then
  cmake -S . -B build "-DKINOVERT_PACKAGE_CONTACT=${DEBFULLNAME:+$DEBFULLNAME <}${DEBEMAIL}${DEBFULLNAME:+>}" >/dev/null
  cmake --build build
fi
if ! grep -q '^ -- .*<[^>]*@[^>]*>' build/dist/changelog; then
  echo "The package needs a maintainer: set DEBFULLNAME and DEBEMAIL (or configure" >&2
  echo "with -DKINOVERT_PACKAGE_CONTACT=\"Name <address>\") and run this again." >&2
  exit 2
fi

rm -f build/kinovert_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/kinovert_*.deb)
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Suggests
lintian --fail-on error "$deb"
echo "lintian: no errors"
