#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the existing build into a temporary prefix and uses it as a user
# of a fresh account would: the program folder read-only and left as it was,
# settings and profiles in the XDG folders, a clip converted, and a later
# version over a profile the user changed.
# Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$work/dest cmake --install "$build" --prefix /opt/kinovert >/dev/null
root=$work/dest/opt/kinovert
prog=$root/lib/kinovert
[ -f "$prog/installed" ] || fail "no marker in the program folder"
[ -f "$prog/skin/kvo/lang/type_english.dat" ] || fail "the program folder does not reach its data"
for p in kinovert kinovert-cli; do
  [ "$(readlink -f "$root/bin/$p")" = "$(readlink -f "$prog/$p")" ] || fail "bin/$p is no link to $prog/$p"
done
chmod -R a-w "$root"
# Root writes anyway: whether the folder stays untouched is checked below.
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)

export HOME=$work/home
mkdir "$HOME"
unset XDG_CONFIG_HOME XDG_DATA_HOME KINOVERT_HOME
config=$HOME/.config/kinovert
data=$HOME/.local/share/kinovert
cli=$root/bin/kinovert-cli

# --version and --help need no display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/kinovert" --version)
[ "$out" = "kinovert $version" ] || fail "kinovert --version said: $out"
env -u DISPLAY "$root/bin/kinovert" --help | grep -qxF "Settings:  $config/info.ini" ||
  fail "kinovert --help names another settings file"
[ "$("$cli" --version)" = "kinovert-cli $version" ] || fail "kinovert-cli --version"
"$cli" settings | grep -qxF "ProfileRoot=$data/profile_en/" || fail "kinovert-cli settings: wrong profile root"

# kinovert-cli converts with the shipped profiles, copied for this user, and
# leaves the settings file to the desktop program.
ffmpeg -nostdin -v error -f lavfi -i testsrc2=s=160x120:r=10:d=1 -f lavfi -i sine=d=1 \
  -c:v mpeg4 -c:a pcm_s16le "$work/clip.avi"
"$cli" convert --target mp3 --profile Standard --output "$HOME/out" -- "$work/clip.avi" >/dev/null
ffmpeg -nostdin -v error -i "$HOME/out/clip.mp3" -f null - || fail "the converted clip does not decode"
[ -f "$data/profile_en/mp3/Standard.mpo" ] || fail "no seeded profiles in $data"
[ ! -e "$config/info.ini" ] || fail "kinovert-cli wrote info.ini"

# The shells' completion is where they look, and completes from this user's store.
[ -f "$root/share/zsh/vendor-completions/_kinovert-cli" ] || fail "no zsh completion"
names=$(bash -c 'source "$1" && COMP_WORDS=("$2" convert -t mp3 -p "") COMP_CWORD=5 &&
  _kinovert_cli && printf "%s|" "${COMPREPLY[@]}"' - "$root/share/bash-completion/completions/kinovert-cli" "$cli")
[ "$names" = "Standard|Top quality|" ] || fail "bash completion offered: $names"

# The desktop program's first start writes its settings; it is stopped once
# they and the profiles are there.
rm -r "$data"
QT_QPA_PLATFORM=offscreen "$root/bin/kinovert" >"$work/gui.log" 2>&1 &
gui=$!
for _ in $(seq 600); do
  [ -f "$config/info.ini" ] && [ -f "$data/shipped.ini" ] && break
  kill -0 "$gui" 2>/dev/null || break
  sleep 0.1
done
kill "$gui" 2>/dev/null || true
wait "$gui" 2>/dev/null || true
[ -f "$config/info.ini" ] || { cat "$work/gui.log" >&2; fail "kinovert wrote no $config/info.ini"; }
grep -q '^LanguageFile=english.ini' "$config/info.ini" || fail "info.ini without the defaults"
[ -f "$data/profile_en/avi/Standard.avo" ] || fail "kinovert seeded no profiles"
[ "$(listing)" = "$before" ] || fail "the program folder changed"

# A later version ships a changed Standard profile and a new one; the user
# changed Standard meanwhile.
mine=$data/profile_en/mp3/Standard.mpo
printf '[General]\nAudioBitrateMp3=5\n' >"$mine"
chmod -R u+w "$root/share/kinovert"
shipped=$root/share/kinovert/profile_en/mp3
printf '[General]\nAudioBitrateMp3=9\n' >"$shipped/Standard.mpo"
cp "$shipped/Top quality.mpo" "$shipped/Podcast.mpo"
"$cli" convert --target mp3 --profile Podcast --output "$HOME/out" -- "$work/clip.avi" >/dev/null ||
  fail "the newly shipped profile is not there"
[ "$(cat "$mine")" = "$(printf '[General]\nAudioBitrateMp3=5')" ] || fail "the user's profile was overwritten"
cmp -s "$data/profile_en/mp3/Podcast.mpo" "$shipped/Podcast.mpo" || fail "Podcast.mpo not copied"
echo "install test passed"
