// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "base/IniFile.h"
#include "support/RunProgram.h"

namespace {
const std::string Cli = KINOVERT_PROGRAM_DIR "/kinovert-cli";
}

TEST(CliProfile, DefaultWritesTheFormatsDefaults) {
  TTempDir dir;
  std::string file = dir / "my $profile 'x'.ini";
  TRunResult r = RunProgram(Cli, {"profile", "default", "--target", "mpeg", file});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("General", "VideoCodec", ""), "1");
  EXPECT_EQ(ini.ReadString("General", "DVDVideoBitRatePreset", ""), "6000");
  EXPECT_EQ(ini.ReadSectionKeys("General").front(), "Description");
}

TEST(CliProfile, NormalizeFillsEveryKeyFromAFreshRecord) {
  TTempDir dir;
  std::string file = dir / "-leading-dash.ini";
  WriteFileText(file, "[General]\nAudioCodec=1\nAudioBitRatePresetArmwb=24\n[Mine]\nx=y\n");
  TRunResult r = RunProgram(Cli, {"profile", "normalize", "--target", "AMR", "--", file});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("General", "AudioBitRatePresetArmwb", ""), "24");
  EXPECT_EQ(ini.ReadString("General", "AudioBitRatePresetArmnb", ""), "0");
  EXPECT_EQ(ini.ReadString("General", "Duration", "<missing>"), "");
  EXPECT_EQ(ini.ReadString("Mine", "x", ""), "y");
}

TEST(CliProfile, ErrorsAreOneLineAndExitTwo) {
  TTempDir dir;
  struct TCase {
    std::vector<std::string> Args;
    std::string Says;
  };
  const std::vector<TCase> cases = {
      {{"profile", "default", "--target", "OGG", dir / "a.ini"}, "unknown target format 'OGG'"},
      {{"profile", "default", dir / "a.ini"}, "missing --target"},
      {{"profile", "default", "--target", "avi"}, "needs exactly one FILE"},
      {{"profile", "default", "--target"}, "needs a value"},
      {{"profile", "rename", "--target", "avi", dir / "a.ini"}, "unknown profile action"},
      {{"profile", "default", "--target", "avi", dir / "no/such/dir.ini"},
       "Unable to write to " + dir / "no/such/dir.ini"},
      {{"frobnicate"}, "unknown command"},
  };
  for (const TCase& c : cases) {
    TRunResult r = RunProgram(Cli, c.Args);
    EXPECT_EQ(r.ExitCode, 2) << c.Says;
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << r.Err;
    EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
  }
}

TEST(CliProfile, HelpAndVersion) {
  TRunResult help = RunProgram(Cli, {"--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("profile default|normalize --target FORMAT FILE"), std::string::npos);
  TRunResult version = RunProgram(Cli, {"--version"});
  EXPECT_EQ(version.ExitCode, 0);
  EXPECT_EQ(version.Out, "kinovert-cli 2.3\n");
}
