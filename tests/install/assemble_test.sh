#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The build's program folder after the data tree changed: a shipped file the
# tree no longer has goes, one the user changed stays, and so do the user's
# own files.
# Usage: assemble_test.sh SOURCE_DIR
set -euo pipefail
script=$1/cmake/AssembleProgramFolder.cmake
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
assemble() { cmake -DDATA_DIR="$work/data" -DPROGRAM_DIR="$work/program" -P "$script"; }

mkdir -p "$work/data/profile_en/wav"
printf 'old\r\n' >"$work/data/profile_en/wav/8-bit voice.wao"
printf 'kept\r\n' >"$work/data/profile_en/wav/Changed.wao"
printf 'std\r\n' >"$work/data/profile_en/wav/Standard.wao"
assemble
[ -f "$work/program/profile_en/wav/8-bit voice.wao" ] || fail "the first copy is incomplete"
printf 'mine\r\n' >"$work/program/profile_en/wav/Mine.wao"
printf 'changed by the user\r\n' >"$work/program/profile_en/wav/Changed.wao"

# The next tree renames one profile and drops the other.
rm "$work/data/profile_en/wav/8-bit voice.wao" "$work/data/profile_en/wav/Changed.wao"
printf 'old\r\n' >"$work/data/profile_en/wav/Voice (8-bit).wao"
assemble
ls "$work/program/profile_en/wav" >"$work/listing"
[ "$(tr '\n' '|' <"$work/listing")" = "Changed.wao|Mine.wao|Standard.wao|Voice (8-bit).wao|" ] ||
  fail "program folder holds: $(tr '\n' '|' <"$work/listing")"
grep -q 'changed by the user' "$work/program/profile_en/wav/Changed.wao" || fail "the user's change was lost"
echo "ok"
