// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own options, answered before any window opens: an
// option it does not know is a usage error, as kinovert-cli has it, while
// Qt's options and their values pass.
#include <gtest/gtest.h>

#include "support/RunProgram.h"

namespace {

const std::string kProgram = KINOVERT_PROGRAM_DIR "/kinovert";

struct TCase {
  std::vector<std::string> Args;
  int ExitCode;
  const char* Out;  // the start of standard output
  const char* Err;  // standard error, exactly
};

}  // namespace

TEST(InfoOptions, UnknownOptionIsAUsageError) {
  const std::string usage = "Usage: kinovert [OPTIONS] [--] [FILE...]\n";
  const TCase cases[] = {
      {{"--bogus"}, 2, "", "kinovert: unknown option --bogus\n"},
      {{"-x.avi"}, 2, "", "kinovert: unknown option -x.avi\n"},
      {{"-platform", "offscreen", "--frobnicate", "a.avi"}, 2, "",
       "kinovert: unknown option --frobnicate\n"},
      {{"--bad\x1b[2J"}, 2, "", "kinovert: unknown option --bad\uFFFD[2J\n"},
      {{"--version"}, 0, "kinovert ", ""},
      {{"-platform", "offscreen", "-style=fusion", "--reverse", "--version"}, 0, "kinovert ", ""},
      {{"-style", "-weird", "--help"}, 0, "Usage: kinovert", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args.front());
    TRunResult r = RunProgram(kProgram, c.Args, {"QT_QPA_PLATFORM=offscreen"});
    EXPECT_EQ(r.ExitCode, c.ExitCode) << r.Err;
    EXPECT_EQ(r.Out.rfind(c.Out, 0), 0u) << r.Out;
    EXPECT_EQ(r.Err, c.ExitCode == 2 ? c.Err + usage : std::string(c.Err));
  }
}
