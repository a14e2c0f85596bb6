#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of kinovert-cli, driven as bash drives it: COMP_WORDS
# split the way readline splits them, the function called, COMPREPLY read.
# Usage: completion_test.sh COMPLETION_SCRIPT PROGRAM_DIR
set -uo pipefail
script=$1
program=$2/kinovert-cli
failures=0
source "$script"

complete -p kinovert-cli | grep -qx 'complete -F _kinovert_cli kinovert-cli' ||
  { echo "FAIL: kinovert-cli is not registered"; failures=1; }

# expect "WORDS BEFORE THE CURSOR" EXPECTED...: the words are split at blanks
# but for "\ ", a trailing blank makes an empty current word; "=" stands
# alone, as bash has it.
expect() {
  local line=$1 w
  shift
  read -r -a COMP_WORDS <<<"$program ${line//\\ /$'\001'}"
  for w in "${!COMP_WORDS[@]}"; do COMP_WORDS[w]=${COMP_WORDS[w]//$'\001'/\\ }; done
  [[ $line == *" " || -z $line ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$program $line"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _kinovert_cli
  local got expected
  got=$(printf '%s|' "${COMPREPLY[@]}")
  expected=$(printf '%s|' "$@")
  if [[ $got != "$expected" ]]; then
    echo "FAIL: '$line': got '$got', expected '$expected'"
    failures=$((failures + 1))
  fi
}

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/profile_en/mp3" "$home/out dir" "$home/other"
printf '[General]\n' >"$home/profile_en/mp3/Mine.mpo"
printf '[General]\n' >"$home/profile_en/mp3/My own.mpo"
# Names that are patterns to the shell, completed in a folder where they
# would match files.
printf '[General]\n' >"$home/profile_en/mp3/*.mpo"
printf '[General]\n' >"$home/profile_en/mp3/[a].mpo"
mkdir -p "$home/glob/[b]" && touch "$home/glob/a" "$home/glob/b"

expect "" convert info list options profile settings time
expect "co" convert
expect "--h" --home --help
expect "convert --ta" --target
expect "list -" --target --help --home
expect "convert -t mp" mp4 mpeg mp2 mp3
expect "convert --target M" MP4 MPEG MOV MP2 MP3
expect "convert -t mp3 -p " Standard "Top quality"
expect "convert -t mp3 --profile T" "Top quality"
expect "convert -t mp3 --profile Top\\ q" "Top quality"
expect "convert -t mp3 --profile=S" Standard
expect "convert --target = 3g" 3gp
expect "convert --target = 3gp -d " 3gp2_mpeg4_aac.ini 3gpp_h263_amr.ini 3gpp_mpeg4_aac.ini
expect "convert -t mp4 --device ipod" ipod_h264.ini ipod_mpeg4.ini
expect "convert -t 3gp -d 3gpp_h263_amr.ini -i " Item1 Item2
expect "convert --progress " auto terminal plain json
expect "--home $home convert -t mp3 -p M" Mine "My own"
expect "convert --home $home -t mp3 -p M" Mine "My own"
expect "--home $home/ou" "$home/out dir"
expect "convert -o $home/ot" "$home/other"
expect "convert -t mp3 -p Standard -o x $home/ot" "$home/other"
expect "convert -t avi -- --ta"
expect "profile " default normalize
expect "time f" format
expect "frobnicate -"
cd "$home/glob"
expect "--home $home convert -t mp3 -p *" "*"
expect "--home $home convert -t mp3 -p [" "[a]"
expect "convert -o " "[b]"
cd - >/dev/null

if ((failures)); then
  echo "$failures completion checks failed"
  exit 1
fi
echo "completion test passed"
