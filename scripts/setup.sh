#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: install the Debian packages that are missing,
# then configure and build into build/ (the program folder is build/kinovert/).
set -euo pipefail

KINOVERT_PACKAGES=(
  g++ cmake ninja-build pkg-config dpkg-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev libmediainfo-dev
  ffmpeg libavcodec-extra mediainfo
  xvfb xauth xdotool
  shared-mime-info desktop-file-utils appstream
)

# Only the libFuzzer build (scripts/fuzz.sh) needs these; ./test and ./run do not.
KINOVERT_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# The packages named (default: KINOVERT_PACKAGES) that are not installed.
kinovert_missing_packages() {
  local missing=() p
  [ $# -gt 0 ] || set -- "${KINOVERT_PACKAGES[@]}"
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

kinovert_setup() {
  local missing
  missing=$(kinovert_missing_packages "$@")
  if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
      echo "Installing missing packages: $missing"
      export DEBIAN_FRONTEND=noninteractive
      apt-get update -qq
      # shellcheck disable=SC2086
      apt-get install -y -qq --no-install-recommends $missing
    else
      echo "Kinovert needs these Debian packages: $missing" >&2
      echo "Install them with:" >&2
      echo "  sudo apt-get update && sudo apt-get install -y $missing" >&2
      exit 1
    fi
  fi
}

# Debian's hardening flags (fortified C library calls, stack protector,
# read-only relocations bound at start), as dpkg-buildflags gives them to a
# package build. The optimisation, debug and path-mapping flags are left out:
# the build type chooses the first two, and the last names this folder, which
# would keep ccache from sharing objects between checkouts.
kinovert_hardening_flags() {
  local cppflags cxxflags ldflags f keep=()
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cppflags=$(dpkg-buildflags --get CPPFLAGS)
  cxxflags=$(dpkg-buildflags --get CXXFLAGS)
  ldflags=$(dpkg-buildflags --get LDFLAGS)
  unset DEB_BUILD_MAINT_OPTIONS
  for f in $cppflags $cxxflags; do
    case $f in
      -g | -O? | -ffile-prefix-map=* | -fdebug-prefix-map=*) ;;
      *) keep+=("$f") ;;
    esac
  done
  echo "-DCMAKE_CXX_FLAGS=${keep[*]}"
  echo "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"
  echo "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags"
}

kinovert_build() {
  local root build flags=()
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build="$root/build"
  if [ ! -f "$build/build.ninja" ]; then
    mapfile -t flags < <(kinovert_hardening_flags)
    if command -v ccache >/dev/null; then
      flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKINOVERT_WERROR=ON "${flags[@]}" "$@"
  fi
  cmake --build "$build"
}
