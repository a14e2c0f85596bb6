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
for tool in xvfb-run xdotool ffmpeg setpriv; do
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
# Like the real encoder it stops when told, removing what it wrote, and is
# told when its parent goes (the shell of the device batch file).
cat >"$home/avcore" <<'SH'
#!/bin/sh
if [ -z "${FAKE_ENCODER_WATCHED:-}" ]; then
  FAKE_ENCODER_WATCHED=1 exec setpriv --pdeathsig TERM "$0" "$@"
fi
for a; do out="$a"; done
here=$(dirname "$0")
echo "$$" >>"$here/encoder.pids"
trap 'kill "$sleeper"; rm -f "$out"; exit 143' TERM INT HUP
echo "Input #0, avi, from 'x':" >&2
echo "  Duration: 00:10:00.00, start: 0.000000, bitrate: 100 kb/s" >&2
printf 'partial' >"$out"
echo "size=       1kB time=1.00 bitrate=   8.0kbits/s" >&2
sleep 600 &
sleeper=$!
echo "$sleeper" >>"$here/encoder.pids"
wait
SH
chmod 755 "$home/avcore"

src=$work/in/clip.avi
mkdir -p "$work/in"
ffmpeg -nostdin -v error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 -c:v mpeg4 "$src"
checksum=$(md5sum <"$src")

# Starts the program with the clip in runtime folder $2, presses F9 and
# waits until the encoder runs; the program's pid in $started.
start_batch() {
  local name=$1 runtime=$2 out=$3
  mkdir -p "$out" "$runtime"
  chmod 700 "$runtime"
  rm -f "$home/encoder.pids"
  printf '[System]\nLastOutputOpenDir=%s\n' "$out" >"$home/info.ini"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$home/kinovert" "$src" >"$work/log-$name" 2>&1 &
  started=$!
  local wid
  wid=$(timeout 60 xdotool search --sync --onlyvisible --pid "$started" | head -n 1) || true
  if [ -z "$wid" ]; then
    complain "$name: no window"
    kill -KILL "$started" 2>/dev/null || true
    return 1
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
      complain "$name: the batch did not start"
      kill -KILL "$started"
      return 1
    fi
  done
  [ -n "$(ls "$out")" ] || complain "$name: the encoder wrote nothing to stop"
}

# Waits up to a minute for a process to end (a zombie has ended).
ended() {
  local i=0
  while kill -0 "$1" 2>/dev/null && [ "$(ps -o stat= -p "$1" | cut -c1)" != Z ]; do
    [ $i -lt 600 ] || return 1
    sleep 0.1
    i=$((i + 1))
  done
}

# Nothing the encoder started may outlive the program.
no_encoder_left() {
  local p
  for p in $(cat "$home/encoder.pids"); do
    if ! ended "$p"; then
      complain "$1: encoder process $p outlived the program"
      kill -KILL "$p" 2>/dev/null || true
    fi
  done
}

# One run: a batch, the signal, and a look at what is left.
run() {
  local sig=$1 asking=${2:-}
  local name=$sig$asking
  local out=$work/out-$name runtime=$work/runtime-$name
  start_batch "$name" "$runtime" "$out" || return 0
  local pid=$started
  if [ -n "$asking" ]; then
    # The close question ("Stop now / When done / Cancel") is open, unanswered.
    xdotool key --clearmodifiers Escape
    sleep 1
  fi
  kill "-$sig" "$pid"
  if ! ended "$pid"; then
    complain "$name: still running a minute after the signal"
    kill -KILL "$pid"
  fi
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq $((128 + $(kill -l "$sig"))) ] || complain "$name: ended with status $status, not by the signal"
  [ -z "$(ls -A "$out")" ] || complain "$name: left in the output folder: $(ls -A "$out")"
  [ -z "$(ls -A "$runtime")" ] || complain "$name: left in the runtime folder: $(ls -A "$runtime")"
  no_encoder_left "$name"
  grep -q '^\[Form\]' "$home/info.ini" || complain "$name: settings not saved"
  [ "$(md5sum <"$src")" = "$checksum" ] || complain "$name: the source changed"
}

# Killed outright mid-batch, the program can clean up nothing itself: its
# encoder is told by the system and removes its output, and the next start
# takes over the socket left behind and removes the batch's folder.
after_kill() {
  local out=$work/out-KILL runtime=$work/runtime-KILL
  start_batch KILL "$runtime" "$out" || return 0
  local first=$started
  kill -KILL "$first"
  wait "$first" || true
  no_encoder_left KILL
  [ -z "$(ls -A "$out")" ] || complain "KILL: left in the output folder: $(ls -A "$out")"
  [ -n "$(ls "$runtime")" ] || complain "KILL: nothing left behind to take over"
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$home/kinovert" >/dev/null 2>&1 &
  local second=$!
  timeout 60 xdotool search --sync --onlyvisible --pid "$second" >/dev/null || complain "KILL: no window after it"
  # A third start hands over to the second: the socket is live again.
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb timeout 60 "$home/kinovert" "$src" >/dev/null 2>&1 ||
    complain "KILL: a later start found no window to hand over to"
  [ "$(ls "$runtime")" = "$(basename "$(ls "$runtime"/kinovert-* -d | head -n 1)")" ] ||
    complain "KILL: the abandoned batch folder is still there: $(ls "$runtime")"
  kill -TERM "$second"
  wait "$second" || true
  [ -z "$(ls -A "$runtime")" ] || complain "KILL: left in the runtime folder: $(ls -A "$runtime")"
  [ "$(md5sum <"$src")" = "$checksum" ] || complain "KILL: the source changed"
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
