// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "support/RunProgram.h"

// A program folder whose encoder only pretends: it fails for inputs whose
// name holds "fail", fails without a word (exit status 3) for names that
// hold "mute", is killed by SIGKILL (something outside) for names that hold
// "killed", removes the output folder for names that hold "rmout", and
// writes a small output for the rest. Every run
// appends its arguments, one line, to avcore.log in the folder.
struct TFakeProgram {
  TTempDir Home;
  TFakeProgram() {
    namespace fs = std::filesystem;
    fs::copy(KINOVERT_PROGRAM_DIR "/skin", Home / "skin", fs::copy_options::recursive);
    fs::copy(KINOVERT_PROGRAM_DIR "/profile_en", Home / "profile_en", fs::copy_options::recursive);
    fs::copy_file(KINOVERT_PROGRAM_DIR "/kinovert-cli", Home / "kinovert-cli");
    WriteFileText(
        Home / "avcore",
        "#!/bin/sh\nin=\"$4\"; for a; do out=\"$a\"; done\n"
        "printf '%s\\n' \"$*\" >> \"$(dirname \"$0\")/avcore.log\"\n"
        "case \"$in\" in *mute*) exit 3;; esac\n"
        "echo \"Input #0, avi, from '$in':\" >&2\n"
        "echo \"  Duration: 00:00:04.00, start: 0.000000, bitrate: 100 kb/s\" >&2\n"
        "case \"$in\" in *fail*) echo \"Error: cannot convert '$in'\" >&2; exit 1;; esac\n"
        "case \"$in\" in *killed*) echo '    encoder : Lavc59.37.100 mpeg4' >&2; kill -KILL $$;; "
        "*rmout*) rm -rf \"${out%/*}\"; exit 0;; esac\n"
        "for t in 1.00 2.00 4.00; do echo \"size=       1kB time=$t bitrate=   8.0kbits/s\" >&2; "
        "sleep 0.05; done\n"
        "printf data > \"$out\"\n");
    fs::permissions(Home / "avcore", fs::perms::owner_all);
  }
  std::string Cli() const { return Home / "kinovert-cli"; }
  std::string Log() const { return ReadFileText(Home / "avcore.log"); }
};
