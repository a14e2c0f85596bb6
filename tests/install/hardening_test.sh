#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./test builds with Debian's hardening flags, as the packages do: the flags
# scripts/setup.sh configures with hold them (and nothing that names a
# folder, which would keep ccache from sharing objects), and when this build
# was configured with them, its programs show them.
# Usage: hardening_test.sh SOURCE_DIR PROGRAM_DIR CXX_FLAGS
set -euo pipefail
source=$1
prog=$2
cxxflags=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

flags=$(bash -c '. "$1/scripts/setup.sh" && kinovert_hardening_flags' - "$source")
for f in -D_FORTIFY_SOURCE= -fstack-protector-strong "LINKER_FLAGS=.*-z,relro" "LINKER_FLAGS=.*-z,now"; do
  grep -q -e "$f" <<<"$flags" || fail "scripts/setup.sh configures without $f: $flags"
done
! grep -qE -e '-ffile-prefix-map|-fdebug-prefix-map| -g( |$)| -O' <<<"$flags" ||
  fail "scripts/setup.sh configures with a path, debug or optimisation flag: $flags"

if [[ $cxxflags != *_FORTIFY_SOURCE* ]]; then
  echo "this build was configured without the hardening flags: its programs are not checked"
  exit 0
fi
for p in kinovert-cli avcore kinovert; do
  elf=$prog/$p
  [ -e "$elf" ] || continue
  header=$(readelf -h "$elf") segments=$(readelf -l "$elf") dynamic=$(readelf -d "$elf")
  symbols=$(readelf -W --dyn-syms "$elf")
  grep -q 'Type:.*DYN' <<<"$header" || fail "$p is no position-independent executable"
  grep -q GNU_RELRO <<<"$segments" || fail "$p has no read-only relocations"
  grep -qE 'BIND_NOW|FLAGS.*NOW' <<<"$dynamic" || fail "$p does not bind at start"
  grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "$p has no stack protector"
  grep -qE ' __[a-z]+_chk@' <<<"$symbols" || fail "$p calls no fortified function"
done
echo "hardening test passed"
