#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program ended by SIGINT, SIGTERM or SIGHUP in the middle of a
# batch (Ctrl-C, kill, a logout, a service stop) ends as "Stop now" does:
# the encoder and everything it started are gone, its partial output is
# removed, the batch's temporary folder and the window's socket are gone,
# the settings are saved, the source is untouched, and the program ends by
# the signal it got. Then a start after kill -9 takes over the socket that
# was left behind.
#   desktop_signals_test.sh PROGRAM_DIR
set -euo pipefail

program=${1:?program folder}
for tool in xvfb-run xdotool ffmpeg; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
complain() {
  echo "FAIL: $*"
  fail=1
}

# A program folder of its own whose encoder writes part of its output and
# then waits (with a child of its own) until it is stopped.
home=$work/home
mkdir -p "$home"
cp -r "$program"/. "$home"/
rm -f "$home/info.ini"
cat >"$home/avcore" <<'SH'
#!/bin/sh
for a; do out="$a"; done
here=$(dirname "$0")
echo "$$" >>"$here/encoder.pids"
echo "Input #0, avi, from 'x':" >&2
echo "  Duration: 00:10:00.00, start: 0.000000, bitrate: 100 kb/s" >&2
printf 'partial' >"$out"
echo "size=       1kB time=1.00 bitrate=   8.0kbits/s" >&2
sleep 600 &
echo "$!" >>"$here/encoder.pids"
wait
SH
chmod 755 "$home/avcore"

src=$work/in/clip.avi
mkdir -p "$work/in"
ffmpeg -nostdin -v error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -c:v mpeg4 "$src"
checksum=$(md5sum <"$src")

# One run: start the program with the clip, press F9, wait for the encoder,
# send the signal, and look at what is left.
run() {
  local sig=$1 asking=${2:-}
  local out=$work/out-$sig$asking runtime=$work/runtime-$sig$asking
  mkdir -p "$out" "$runtime"
  chmod 700 "$runtime"
  rm -f "$home/encoder.pids"
  printf '[System]\nLastOutputOpenDir=%s\n' "$out" >"$home/info.ini"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$home/kinovert" "$src" >"$work/log-$sig" 2>&1 &
  local pid=$!
  local wid
  wid=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
  if [ -z "$wid" ]; then
    complain "$sig: no window"
    kill -KILL "$pid" 2>/dev/null || true
    return
  fi
  local i=0
  while [ ! -s "$home/encoder.pids" ] || [ "$(wc -l <"$home/encoder.pids")" -lt 2 ]; do
    # F9 once the window has the focus; the batch waits for the file to be in.
    if [ $((i % 50)) -eq 0 ]; then
      xdotool windowfocus --sync "$wid" 2>/dev/null || true
      xdotool key --clearmodifiers F9 2>/dev/null || true
    fi
    sleep 0.1
    i=$((i + 1))
    if [ $i -ge 1200 ]; then
      complain "$sig: the batch did not start"
      kill -KILL "$pid"
      return
    fi
  done
  [ -n "$(ls "$out")" ] || complain "$sig: the encoder wrote nothing to stop"
  if [ -n "$asking" ]; then
    # The close question ("Stop now / When done / Cancel") is open, unanswered.
    xdotool key --clearmodifiers Escape
    sleep 1
  fi
  kill "-$sig" "$pid"
  local status=0
  i=0
  while kill -0 "$pid" 2>/dev/null && [ "$(ps -o stat= -p "$pid" | cut -c1)" != Z ] && [ $i -lt 600 ]; do
    sleep 0.1
    i=$((i + 1))
  done
  if [ $i -ge 600 ]; then
    complain "$sig: still running a minute after the signal"
    kill -KILL "$pid"
  fi
  wait "$pid" || status=$?
  local number
  number=$(kill -l "$sig")
  [ "$status" -eq $((128 + number)) ] || complain "$sig: ended with status $status, not by the signal"
  [ -z "$(ls -A "$out")" ] || complain "$sig: left in the output folder: $(ls -A "$out")"
  [ -z "$(ls -A "$runtime")" ] || complain "$sig: left in the runtime folder: $(ls -A "$runtime")"
  local p
  for p in $(cat "$home/encoder.pids"); do
    # A zombie waiting for whoever adopted it has ended already.
    if kill -0 "$p" 2>/dev/null && [ "$(ps -o stat= -p "$p" | cut -c1)" != Z ]; then
      complain "$sig: encoder process $p outlived the program"
      kill -KILL "$p" 2>/dev/null || true
    fi
  done
  grep -q '^\[Form\]' "$home/info.ini" || complain "$sig: settings not saved"
  [ "$(md5sum <"$src")" = "$checksum" ] || complain "$sig: the source changed"
  if grep -qi "error\|warning" "$work/log-$sig"; then
    echo "--- $sig log"
    cat "$work/log-$sig"
  fi
}

# A socket left by a program killed outright is taken over by the next start.
after_kill() {
  local runtime=$work/runtime-KILL
  mkdir -p "$runtime"
  chmod 700 "$runtime"
  rm -f "$home/info.ini"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$home/kinovert" >/dev/null 2>&1 &
  local first=$!
  timeout 60 xdotool search --sync --onlyvisible --pid "$first" >/dev/null || complain "KILL: no window"
  kill -KILL "$first"
  wait "$first" || true
  local left
  left=$(ls "$runtime")
  [ -n "$left" ] || complain "KILL: no socket left behind to take over"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$home/kinovert" >/dev/null 2>&1 &
  local second=$!
  timeout 60 xdotool search --sync --onlyvisible --pid "$second" >/dev/null || complain "KILL: no window after the stale socket"
  # A third start hands over to the second: the socket is live again.
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb timeout 60 "$home/kinovert" "$src" >/dev/null 2>&1 ||
    complain "KILL: a later start found no window to hand over to"
  kill -TERM "$second"
  wait "$second" || true
  [ -z "$(ls -A "$runtime")" ] || complain "KILL: left in the runtime folder: $(ls -A "$runtime")"
}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# Job control: a program started in the background keeps SIGINT (a shell
# without it would start it with SIGINT ignored, as for "cmd &" in a script).
set -m
for sig in TERM HUP INT; do run "$sig"; done
run TERM -asking
after_kill
if [ "$fail" -ne 0 ]; then exit 1; fi
echo "passed"
