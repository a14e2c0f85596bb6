#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two kinovert-cli jobs at once, one file each, as GNU parallel starts them:
# both inputs are named clip.avi and go to one output folder. Each output
# must be its own input converted (the batch files of the device route live
# in a private folder per job, so a shared one would swap or lose a clip),
# and no temporary file may stay behind.
# Usage: parallel_test.sh PROGRAM_DIR
set -euo pipefail
prog=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$work/one" "$work/two"
for seconds in 1 2; do
  dir=$([ "$seconds" = 1 ] && echo one || echo two)
  ffmpeg -nostdin -v error -f lavfi -i "testsrc2=s=176x144:r=15:d=$seconds" \
    -f lavfi -i "sine=d=$seconds" -c:v mpeg4 -c:a pcm_s16le "$work/$dir/clip.avi"
done

pids=()
for dir in one two; do
  "$prog/kinovert-cli" convert --target 3gp --device 3gpp_h263_amr.ini --item Item1 \
    --output "$work/out" -- "$work/$dir/clip.avi" >"$work/$dir.log" 2>&1 &
  pids+=($!)
done
for i in 0 1; do
  wait "${pids[$i]}" || { cat "$work"/*.log >&2; fail "job $i failed"; }
done

durations=""
for f in "$work/out/clip.3gp" "$work/out/clip(1).3gp"; do
  [ -s "$f" ] || fail "$f missing"
  ffmpeg -nostdin -v error -i "$f" -f null - || fail "$f does not decode"
  d=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$f")
  durations+="$(printf '%.0f' "$d") "
done
[ "$(tr ' ' '\n' <<<"$durations" | sort | xargs)" = "1 2" ] || fail "durations $durations: a clip was lost"
[ "$(ls "$work/out" | wc -l)" = 2 ] || fail "stray files in the output folder: $(ls "$work/out")"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "temporary files left: $(ls -A "$XDG_RUNTIME_DIR")"
for t in DirectShow.avs '~ConvertCore.sh'; do
  [ ! -e "$prog/$t" ] || fail "$t in the program folder"
done
echo "parallel test passed"
