#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UBSan into build-san/ and runs
# the whole test suite there; any report fails the run.
# Warnings are the normal build's business (GCC's sanitizer builds warn
# falsely), so this one does not turn them into errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"
kinovert_setup
build="$root/build-san"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINOVERT_SANITIZE=ON
fi
cmake --build "$build"
# Leaks of the test programs themselves are not what this run is after, and
# child programs inherit the options.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 900
