#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The GUI bench runs in a copy of the program folder below the temporary
# folder; the copy goes when the bench ends, however it ends: a failure, or a
# signal in the middle of a batch.
# Usage: program_copy_test.sh GUI_BENCH
set -euo pipefail
bench=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export TMPDIR=$work/tmp QT_QPA_PLATFORM=offscreen
mkdir "$TMPDIR"
copies() { find "$TMPDIR" -maxdepth 1 -name 'kinovert-bench-*' | wc -l; }
# The copy may go a moment after the bench: give a loaded machine time.
gone() {
  for _ in $(seq 600); do
    [ "$(copies)" = 0 ] && return 0
    sleep 0.1
  done
  return 1
}

if "$bench" add 1 "$work/missing.avi" 2>"$work/err"; then fail "the bench took a missing clip"; fi
gone || fail "a failed bench left its copy: $(ls "$TMPDIR")"

ffmpeg -nostdin -v error -f lavfi -i testsrc2=s=160x120:r=10:d=1 -f lavfi -i sine=d=1 \
  -c:v mpeg4 -c:a pcm_s16le "$work/clip.avi"
for sig in TERM HUP; do
  "$bench" convert 20 "$work/clip.avi" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    [ -d "$TMPDIR/kinovert-bench-$pid/clips" ] && break
    sleep 0.1
  done
  kill -"$sig" "$pid" 2>/dev/null || true
  wait "$pid" || true
  gone || fail "SIG$sig left the copy: $(ls "$TMPDIR")"
done
echo "program copy test passed"
