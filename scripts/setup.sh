#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: install the Debian packages that are missing,
# then configure and build into build/ (the program folder is build/kinovert/).
set -euo pipefail

KINOVERT_PACKAGES=(
  g++ cmake ninja-build pkg-config
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

kinovert_build() {
  local root build
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build="$root/build"
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKINOVERT_WERROR=ON "$@"
  fi
  cmake --build "$build"
}
