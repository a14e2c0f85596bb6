#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and AppStream metadata pass their validators; the entry
# claims media types only, the targets' own among them (which ones exactly,
# tests/e2e/ListedTypes_test.cpp checks against converted files); the man
# page of kinovert-cli knows every command the program has.
# Usage: metadata_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$build/dist/kinovert.desktop
desktop-file-validate "$desktop"
appstreamcli validate --no-net --explain "$build"/dist/*.metainfo.xml

types=$(sed -n 's/^MimeType=//p' "$desktop")
for t in video/x-msvideo video/mp4 video/3gpp video/x-ms-wmv application/vnd.rn-realmedia \
  application/vnd.ms-asf audio/mpeg audio/x-wav audio/AMR; do
  [[ ";$types" == *";$t;"* ]] || fail "$t missing from MimeType"
done
# Extensions of other files too (.ts translations, .mod objects and tracker
# music, .spx system profiles) and pictures must not make Kinovert their
# handler.
for t in $(tr ';' ' ' <<<"$types"); do
  [[ $t == video/* || $t == audio/* || $t == application/* ]] || fail "$t is no media type"
done
for t in application/x-object application/x-apple-systemprofiler+xml audio/x-mod; do
  [[ ";$types" != *";$t;"* ]] || fail "$t is no media type"
done

help=$("$build/kinovert/kinovert-cli" --help)
commands=$(sed -n 's/^  \([a-z]\+\) .*/\1/p; s/^  \([a-z]\+\)$/\1/p' <<<"$help" | sort -u)
[ -n "$commands" ] || fail "no commands in kinovert-cli --help"
for c in $commands; do
  grep -q "^\\\\fB$c\\b\|^\.B $c\$" "$source/dist/kinovert-cli.1.in" || fail "kinovert-cli.1 lacks $c"
done
echo "metadata test passed"
