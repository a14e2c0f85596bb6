#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the packages scripts/package.sh built into a fresh minimal Debian
# (debootstrap) as a server would get them: kinovert-cli alone, with what apt
# brings along. No Qt library and no desktop package may come with it, and it
# converts there (an MP3, and an AMR through the extra codecs).
#   scripts/package-chroot.sh [CHROOT_DIR]     default: /var/tmp/kinovert-chroot
# The chroot is made on first use (from the mirror apt uses here) and kept for
# the next run; each run installs into a copy of it. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/setup.sh
KINOVERT_PACKAGES=(debootstrap)
kinovert_setup
base=${1:-/var/tmp/kinovert-chroot}
stage=$root/build/package
ls "$stage"/kinovert-cli_*.deb "$stage"/kinovert-data_*.deb >/dev/null ||
  { echo "no packages in $stage: run scripts/package.sh first" >&2; exit 1; }

if [ ! -x "$base/usr/bin/apt-get" ]; then
  mirror=$(sed -n 's/^URIs: *//p; s/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' \
    /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null | grep -v security | head -1)
  debootstrap --variant=minbase bookworm "$base" "${mirror:-http://deb.debian.org/debian}"
fi
work=$(mktemp -d /var/tmp/kinovert-try.XXXXXX)
cleanup() {
  umount "$work/proc" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$base/." "$work/"
mkdir -p "$work/debs"
cp "$stage"/kinovert-cli_*.deb "$stage"/kinovert-data_*.deb "$work/debs/"
mount -t proc proc "$work/proc"
cp /etc/resolv.conf "$work/etc/resolv.conf"

chroot "$work" /bin/bash -euo pipefail <<'EOF'
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
apt-get update -qq
apt-get install -y -qq --no-install-recommends /debs/kinovert-cli_*.deb /debs/kinovert-data_*.deb >/dev/null
gui=$(dpkg-query -W -f='${Package}\n' | grep -E '^(libqt|qt6-|kinovert$)' || true)
[ -z "$gui" ] || { echo "FAIL: installed with kinovert-cli: $gui" >&2; exit 1; }
cli=$(command -v kinovert-cli)
"$cli" --version
useradd -m user
su user -c '
  set -e
  cd ~
  ffmpeg -nostdin -v error -f lavfi -i testsrc2=s=160x120:r=10:d=1 -f lavfi -i sine=d=1 \
    -c:v mpeg4 -c:a pcm_s16le clip.avi
  kinovert-cli list --target mp3
  kinovert-cli convert --target mp3 --profile Standard --output out -- clip.avi
  kinovert-cli convert --target amr --profile "$(kinovert-cli __complete convert -t amr -p "" | sed -n 2p)" \
    --output out -- clip.avi
  for f in out/clip.mp3 out/clip.amr; do
    echo "$f: $(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$f")"
  done
'
echo "Packages in the chroot: $(dpkg-query -W -f='${Package}\n' | wc -l), none of them Qt"
EOF
echo "chroot test passed"
