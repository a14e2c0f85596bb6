// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {
const std::string Cli = KINOVERT_PROGRAM_DIR "/kinovert-cli";
}

TEST(CliOptions, PrintsTheOptionStringWithItsTrailingBlank) {
  TTempDir dir;
  std::string file = dir / "3gp profile.3go";
  ASSERT_EQ(RunProgram(Cli, {"profile", "default", "--target", "3gp", file}).ExitCode, 0);
  TRunResult r = RunProgram(Cli, {"options", "--target", "3GP", file});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 "
            "-ar 8000 -ab 13 \n");
}

TEST(CliOptions, MissingProfileFollowsAFreshRecord) {
  TRunResult r = RunProgram(Cli, {"options", "--target", "avi", "/no/such/profile.avo"});
  EXPECT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Out, "-y -f avi -vcodec msmpeg4 -s 0x0 -b 0k -r 10 -acodec mp2 -ac 1 -ab 0 -ar 22050 \n");
}

TEST(CliOptions, UnknownTargetIsAUsageError) {
  TRunResult r = RunProgram(Cli, {"options", "--target", "mkv", "x.ini"});
  EXPECT_EQ(r.ExitCode, 2);
  EXPECT_NE(r.Err.find("unknown target format 'mkv'"), std::string::npos);
  EXPECT_TRUE(r.Out.empty());
}

// The shipped trees are what the generator writes, byte for byte.
TEST(ShippedProfiles, MatchTheGenerator) {
  TTempDir dir;
  TRunResult r = RunProgram(KINOVERT_TOOLS_DIR "/kinovert-profilegen", {dir.Path()});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  fs::path shipped = fs::path(KINOVERT_SOURCE_DIR) / "data";
  size_t count = 0;
  for (auto& e : fs::recursive_directory_iterator(dir.Path())) {
    if (!e.is_regular_file()) continue;
    fs::path rel = fs::relative(e.path(), dir.Path());
    EXPECT_EQ(ReadFileText(e.path()), ReadFileText(shipped / rel)) << rel;
    ++count;
  }
  size_t shippedCount = 0;
  for (const char* tree : {"profile_en", "profile_fr", "profile_de", "profile_it", "profile"})
    for (auto& e : fs::recursive_directory_iterator(shipped / tree))
      if (e.is_regular_file() && e.path().extension() != ".avs")
        ++shippedCount;
  EXPECT_EQ(count, shippedCount);
  EXPECT_GE(count, 5u * (16u * 2u + 7u));
}

// An option is never taken for the output folder: "--help" once wrote whole
// profile trees into ./--help.
TEST(ShippedProfiles, GeneratorTakesNoOptionForItsFolder) {
  const std::string generator = KINOVERT_TOOLS_DIR "/kinovert-profilegen";
  TRunResult help = RunProgram(generator, {"--help"});
  EXPECT_EQ(help.ExitCode, 0);
  EXPECT_NE(help.Out.find("usage: kinovert-profilegen DATA_FOLDER"), std::string::npos);
  for (const char* option : {"-x", "--out", "-"}) {
    TRunResult r = RunProgram(generator, {option});
    EXPECT_EQ(r.ExitCode, 2) << option;
    EXPECT_NE(r.Err.find("usage:"), std::string::npos) << option;
    EXPECT_FALSE(fs::exists(option)) << option;
  }
  EXPECT_FALSE(fs::exists("--help"));
}
