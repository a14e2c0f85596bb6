#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes one target of fuzz/ with libFuzzer for a while:
#   scripts/fuzz.sh TARGET [SECONDS]     e.g. scripts/fuzz.sh avcore_args 600
#   scripts/fuzz.sh                      lists the targets
# Installs clang when missing (only this build needs it), builds build-fuzz/
# with the address and undefined-behaviour sanitizers, and fuzzes on a scratch
# copy of fuzz/corpus/TARGET, so the committed seeds stay as they are. Inputs
# that crash land in build-fuzz/findings/; add them to the corpus once fixed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"
if [ $# -eq 0 ]; then
  ls "$root/fuzz" | sed -n 's/\.cpp$//p' | grep -v '^ReplayMain$'
  exit 0
fi
target=$1
seconds=${2:-600}
kinovert_setup "${KINOVERT_FUZZ_PACKAGES[@]}"
build="$root/build-fuzz"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKINOVERT_BUILD_FUZZ=ON -DKINOVERT_SANITIZE=ON -DKINOVERT_BUILD_GUI=OFF -DKINOVERT_BUILD_TESTS=OFF
fi
cmake --build "$build" --target "${target}_fuzz"
work="$build/work/$target"
mkdir -p "$work" "$build/findings"
cd "$work"
exec "$build/fuzz/${target}_fuzz" -jobs=1 -workers=1 -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/$target-" "$work" "$root/fuzz/corpus/$target"
