#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the help pages in the four languages and writes the
# pages again around them:
#
#   tools/help/make_help_shots.sh [BUILD_DIR]       (default: build)
#
# HELP_LANGUAGES="en de" limits it to some of the languages.
# Needs a build (the program folder, build/tests/kinovert_screens,
# build/tests/editor_shots, build/tools/kinovert-helpfacts), ffmpeg, Xvfb
# (xvfb-run) and python3; build/tests/kinovert_batch_shots for the batch windows. The pictures go to data/skin/kvo/lang/xx_help/images/;
# which ones are made follows from the pages ({img:NAME|...} in
# tools/help/text/*.py). Windows the screenshot tool does not know are
# skipped with a note, and their pages leave the picture out until a later
# run can make it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

# One X server for every picture: xvfb-run runs this script again inside it.
if [ -z "${KINOVERT_HELP_SHOTS_DISPLAY:-}" ]; then
  exec env KINOVERT_HELP_SHOTS_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

screens=$build/tests/kinovert_screens
editors=$build/tests/editor_shots
batch=$build/tests/kinovert_batch_shots
facts=$build/tools/kinovert-helpfacts
for tool in "$screens" "$editors" "$batch" "$facts"; do
  [ -x "$tool" ] || { echo "missing $tool: build first (cmake --build $build)" >&2; exit 2; }
done
command -v ffmpeg >/dev/null || { echo "ffmpeg is needed for the clips of the file list" >&2; exit 2; }

# The same look wherever the script runs: Qt's own style, no desktop theme.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 QT_AUTO_SCREEN_SCALE_FACTOR=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# Clips for the file list at a fixed place, since the list shows full paths.
# Bit-exact encoding keeps their sizes the same from run to run.
clips=/tmp/kinovert-help/Videos
mkdir -p "$clips"
exact=(-fflags +bitexact -flags:v +bitexact -flags:a +bitexact -map_metadata -1)
ffmpeg -v error -y -f lavfi -i smptehdbars=size=1280x720:rate=30:duration=3 \
  -f lavfi -i sine=frequency=660:sample_rate=48000:duration=3 \
  -c:v mpeg4 -q:v 4 -c:a aac -b:a 128k "${exact[@]}" "$clips/Concert.mp4"
ffmpeg -v error -y -f lavfi -i testsrc2=size=640x480:rate=25:duration=3 \
  -f lavfi -i sine=frequency=440:sample_rate=44100:duration=3 \
  -c:v mpeg4 -b:v 800k -c:a libmp3lame -b:a 128k -ac 2 "${exact[@]}" "$clips/Holiday in Provence.avi"
ffmpeg -v error -y -f lavfi -i sine=frequency=330:sample_rate=44100:duration=3 \
  -c:a pcm_s16le "${exact[@]}" "$clips/Interview.wav"
files=("$clips/Concert.mp4" "$clips/Holiday in Provence.avi" "$clips/Interview.wav")

# A window the screenshot tool does not know (yet) is a note, not a failure.
shot() {
  local out=$1 window=$2 language=$3
  shift 3
  local log=$work/shot.log
  if "$screens" "$window" "$language" "$out" "$@" 2>"$log"; then
    return 0
  fi
  if grep -q "^no window" "$log"; then
    echo "note: kinovert_screens has no window '$window' yet: $(basename "$out") skipped"
    return 0
  fi
  cat "$log" >&2
  return 1
}

# editor-<format>-<tab>: one run of editor_shots per format and language,
# then the tab's picture. The MPEG editor is shown with the DVD preset on.
editor_shot() {
  local out=$1 format=$2 tab=$3 language=$4
  local dir=$work/editors/$language/$format
  if [ ! -d "$dir" ]; then
    mkdir -p "$dir"
    local keys=()
    [ "$format" = mpeg ] && keys=(UsePresetFormats=1 PresetType=2)
    "$editors" "$format" "$language" "$dir" "${keys[@]}" >/dev/null 2>"$work/editor.log" ||
      { cat "$work/editor.log" >&2; return 1; }
  fi
  local picture
  picture=$(find "$dir" -iname "*-TabSheet$tab.png" | head -n 1)
  if [ -z "$picture" ]; then
    echo "the $format editor shows no tab '$tab' in $language" >&2
    return 1
  fi
  cp "$picture" "$out"
}

# progress, question, shutdown, settings: one fake batch through the real
# batch windows per language, then the part of the screen its windows cover.
batch_shot() {
  local out=$1 step=$2 language=$3
  local dir=$work/batch/$language
  if [ ! -d "$dir" ]; then
    "$batch" "$language.ini" "$dir" >/dev/null 2>"$work/batch.log" ||
      { cat "$work/batch.log" >&2; return 1; }
  fi
  cp "$dir/$step-windows.png" "$out"
}

languages=${HELP_LANGUAGES:-en fr de it}
only=${languages// /,}
mapfile -t names < <(python3 "$root/tools/help/make_help.py" --list-images --languages "$only")
for pair in en:english fr:french de:deutsch it:italian; do
  code=${pair%%:*} language=${pair#*:}
  [[ " $languages " == *" $code "* ]] || continue
  images=$root/data/skin/kvo/lang/${code}_help/images
  rm -rf "$images"
  mkdir -p "$images"
  echo "pictures of $language"
  for name in "${names[@]}"; do
    out=$images/$name.png
    case $name in
      main | states) shot "$out" "$name" "$language.ini" "${files[@]}" ;;
      fileinfo) shot "$out" fileinfo "$language.ini" "${files[0]}" ;;
      name) shot "$out" name "$language.ini" ;;
      menu-files) shot "$out" menu:PopupMenuListViewHaveFile "$language.ini" "${files[@]}" ;;
      menu-convert) shot "$out" menu:PopupMenuHelp/ConvertToMI "$language.ini" ;;
      progress) batch_shot "$out" 1-progress "$language" ;;
      question) batch_shot "$out" 2-question "$language" ;;
      shutdown) batch_shot "$out" 6-countdown "$language" ;;
      settings) batch_shot "$out" 7-settings "$language" ;;
      editor-*-*)
        rest=${name#editor-}
        editor_shot "$out" "${rest%%-*}" "${rest#*-}" "$language"
        ;;
      *) shot "$out" "$name" "$language.ini" ;;
    esac
  done
done

python3 "$root/tools/help/make_help.py" --facts "$facts" --languages "$only"
