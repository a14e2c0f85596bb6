#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes one target of fuzz/ with libFuzzer under AddressSanitizer and UBSan.
#   scripts/fuzz.sh                 build build-fuzz/ and list the targets
#   scripts/fuzz.sh TARGET [SECS]   fuzz TARGET for SECS seconds (default 600),
#                                   starting from its committed corpus; new
#                                   inputs go to build-fuzz/corpus/TARGET
# Findings are written as crash-*/leak-*/timeout-* files in the current
# folder: add each (after the fix) to fuzz/corpus/TARGET/ so ./test replays it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"
KINOVERT_PACKAGES+=(clang libclang-rt-14-dev)
kinovert_setup

build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKINOVERT_BUILD_FUZZ=ON -DKINOVERT_BUILD_GUI=OFF -DKINOVERT_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,float-cast-overflow,fuzzer-no-link -fno-sanitize-recover=undefined"
fi
cmake --build "$build"

if [ $# -eq 0 ]; then
  ls "$build/fuzz" | sed -n 's/_fuzz$//p'
  exit 0
fi
target=$1
seconds=${2:-600}
mkdir -p "$build/corpus/$target"
exec "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  "$build/corpus/$target" "$root/fuzz/corpus/$target"
