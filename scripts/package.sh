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

rm -f build/kinovert_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/kinovert_*.deb)
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends Suggests
lintian --fail-on error "$deb"
echo "lintian: no errors"
