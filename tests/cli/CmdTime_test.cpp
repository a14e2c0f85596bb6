// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/RunProgram.h"

namespace {
TRunResult Cli(const std::vector<std::string>& args) {
  return RunProgram(std::string(KINOVERT_PROGRAM_DIR) + "/kinovert-cli", args);
}
}  // namespace

TEST(CmdTime, ParseFormatAndEncoderTimes) {
  struct TCase {
    std::vector<std::string> Args;
    int Exit;
    const char* Out;
  };
  const TCase cases[] = {
      {{"time", "parse", "1:02:03.004"}, 0, "3723004\n"},
      {{"time", "parse", "02:03.5"}, 0, "123500\n"},
      {{"time", "parse", "1.05"}, 0, "1050\n"},
      {{"time", "parse", "90"}, 0, "90000\n"},
      {{"time", "parse", "1.2.3"}, 1, ""},
      {{"time", "parse", ""}, 1, ""},
      {{"time", "parse", "--", "-5"}, 1, ""},
      {{"time", "format", "0"}, 0, "0:00:00.000\n"},
      {{"time", "format", "90061001"}, 0, "25:01:01.001\n"},
      {{"time", "format", "--", "-1500"}, 0, "-0:00:01.500\n"},
      {{"time", "encoder", "00:00:02.0035"}, 0, "2004\n"},
      {{"time", "encoder", "00:00:40.00"}, 0, "40000\n"},
      {{"time", "format", "1.5"}, 2, ""},
      {{"time", "format", "99999999999999999999"}, 2, ""},
      {{"time", "parse"}, 2, ""},
      {{"time", "parse", "1", "2"}, 2, ""},
      {{"time", "shift", "1"}, 2, ""},
      {{"time"}, 2, ""},
  };
  for (const TCase& c : cases) {
    std::string shown;
    for (const auto& a : c.Args) shown += "'" + a + "' ";
    TRunResult r = Cli(c.Args);
    EXPECT_EQ(r.ExitCode, c.Exit) << shown << r.Err;
    EXPECT_EQ(r.Out, c.Out) << shown;
    if (c.Exit != 0) {
      EXPECT_NE(r.Err.find("kinovert-cli: "), std::string::npos) << shown;
    }
  }
}
