// SPDX-License-Identifier: GPL-3.0-or-later
// kinovert-cli info, run as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/Utf8.h"
#include "core/media/MediaClips.h"
#include "media/MediaStrings.h"
#include "support/RunProgram.h"

namespace {

const std::string kCli = std::string(KINOVERT_PROGRAM_DIR) + "/kinovert-cli";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The lines of one file's block without its section headings.
std::vector<std::string> ValueLines(const std::vector<std::string>& block) {
  std::vector<std::string> out;
  for (const std::string& line : block)
    if (line.rfind("  ", 0) == 0) out.push_back(line);
  return out;
}

class MediaCliTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Dir = std::make_unique<TTempDir>();
    media_clips::MakeVideoWithAudio(*Dir / "clip.avi");
    media_clips::MakeAudioOnly(*Dir / "sound.mp2");
    WriteFileText(*Dir / "empty.avi", "");
  }
  static void TearDownTestSuite() { Dir.reset(); }
  static std::unique_ptr<TTempDir> Dir;
};
std::unique_ptr<TTempDir> MediaCliTest::Dir;

TEST_F(MediaCliTest, PrintsTheSixteenStringsUnderCaptions) {
  std::string clip = *Dir / "clip.avi";
  TRunResult r = RunProgram(kCli, {"info", clip});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  EXPECT_EQ(r.Err, "");
  std::vector<std::string> lines = Lines(r.Out);
  ASSERT_EQ(lines.size(), 3 + kMediaStringCount) << r.Out;
  EXPECT_EQ(lines[0], "General");
  EXPECT_EQ(lines[7], "Video");
  EXPECT_EQ(lines[14], "Audio");
  EXPECT_EQ(lines[1].rfind("  Complete Name:", 0), 0u) << lines[1];
  EXPECT_EQ(lines[9].rfind("  Width ", 0), 0u) << lines[9];
  EXPECT_EQ(lines[18].rfind("  Sampling Rate:", 0), 0u) << lines[18];
  TMediaStrings expected = QueryMediaStrings(clip);
  std::vector<std::string> values = ValueLines(lines);
  ASSERT_EQ(values.size(), kMediaStringCount);
  // Each line ends in its value, and the values share one column.
  size_t column = std::string::npos;
  for (size_t i = 0; i < kMediaStringCount; ++i) {
    const std::string& line = values[i];
    ASSERT_GT(line.size(), expected[i].size() + 1) << line;
    size_t at = line.size() - expected[i].size();
    EXPECT_EQ(line.substr(at), expected[i]) << line;
    EXPECT_EQ(line[at - 1], ' ') << line;
    if (i == 0) column = at;
    EXPECT_EQ(at, column) << line;
  }
}

TEST_F(MediaCliTest, BadFilesAreReportedAndTheOthersStillPrinted) {
  std::string clip = *Dir / "clip.avi", sound = *Dir / "sound.mp2";
  struct TCase {
    std::string File;
    std::string Reason;
  };
  const std::vector<TCase> cases = {{*Dir / "missing.avi", "no such file"},
                                    {Dir->Path(), "is a folder"},
                                    {*Dir / "empty.avi", "not a media file"}};
  for (const TCase& c : cases) {
    TRunResult r = RunProgram(kCli, {"info", clip, c.File, sound});
    EXPECT_EQ(r.ExitCode, 1) << c.File;
    std::vector<std::string> err = Lines(r.Err);
    ASSERT_EQ(err.size(), 1u) << r.Err;
    EXPECT_NE(err[0].find(c.File), std::string::npos) << err[0];
    EXPECT_NE(err[0].find(c.Reason), std::string::npos) << err[0];
    // Both good files, separated by one blank line.
    EXPECT_EQ(Lines(r.Out).size(), 2 * (3 + kMediaStringCount) + 1) << r.Out;
    EXPECT_NE(r.Out.find(clip), std::string::npos);
    EXPECT_NE(r.Out.find(sound), std::string::npos);
  }
}

TEST_F(MediaCliTest, ReportIsTheStandardReport) {
  std::string clip = *Dir / "clip.avi";
  TRunResult r = RunProgram(kCli, {"info", "--report", clip});
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  std::string report = MediaInfoReport(clip);
  while (!report.empty() && report.back() == '\n') report.pop_back();
  EXPECT_EQ(r.Out, report + "\n");

  TRunResult bad = RunProgram(kCli, {"info", "--report", *Dir / "empty.avi"});
  EXPECT_EQ(bad.ExitCode, 1);
  EXPECT_EQ(bad.Out, "");
  EXPECT_EQ(Lines(bad.Err).size(), 1u);
}

TEST_F(MediaCliTest, OddFileNames) {
  TTempDir dir;
  for (const std::string& name : media_clips::OddNames()) {
    std::string file = dir / name;
    std::filesystem::copy_file(*Dir / "sound.mp2", file);
    TRunResult r = RunProgram(kCli, {"info", "--", file});
    EXPECT_EQ(r.ExitCode, 0) << name << ": " << r.Err;
    EXPECT_NE(r.Out.find("Complete Name: " + file), std::string::npos) << r.Out;
  }
}

// A name that is not UTF-8 (Latin-1 here) is read all the same; wherever it
// is printed, its bad bytes are replacement characters. So are the control
// characters of a name: none reaches the terminal. (A line break in a name
// the library itself shows as " / ".)
TEST_F(MediaCliTest, NamesThatAreNotShownAsTheyAre) {
  struct TCase {
    std::string Name, Shown;
  };
  const TCase cases[] = {{"caf\xE9", "caf\uFFFD"},
                         {"a\x1b[2Jb\x07g\td", "a\uFFFD[2Jb\uFFFDg\uFFFDd"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Shown);
    TTempDir dir;
    const std::string file = dir / (c.Name + ".mp2"), shown = dir / (c.Shown + ".mp2");
    std::filesystem::copy_file(*Dir / "sound.mp2", file);
    TRunResult r = RunProgram(kCli, {"info", file});
    EXPECT_EQ(r.ExitCode, 0) << r.Err;
    EXPECT_NE(r.Out.find("  Complete Name: " + shown + "\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("Sampling Rate: 44100\n"), std::string::npos) << r.Out;
    EXPECT_EQ(Lines(r.Out).size(), 3 + kMediaStringCount) << r.Out;
    TRunResult report = RunProgram(kCli, {"info", "--report", file});
    EXPECT_EQ(report.ExitCode, 0) << report.Err;
    EXPECT_NE(report.Out.find(" : " + shown + "\n"), std::string::npos) << report.Out;
    TRunResult missing = RunProgram(kCli, {"info", dir / ("gone " + c.Name + ".mp2")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_EQ(missing.Err,
              "kinovert-cli: " + dir / ("gone " + c.Shown + ".mp2") + ": no such file\n");
    for (const TRunResult* run : {&r, &report, &missing}) {
      EXPECT_TRUE(IsValidUtf8(run->Out) && IsValidUtf8(run->Err));
      for (const std::string* text : {&run->Out, &run->Err})
        EXPECT_EQ(text->find_first_of("\x1b\x07\r"), std::string::npos) << *text;
    }
  }
}

TEST_F(MediaCliTest, UsageErrors) {
  // Without "--" a name with a leading dash is an option nobody knows.
  WriteFileText(Dir->Path() + "-x.avi", "");
  const std::vector<std::vector<std::string>> cases = {
      {"info"}, {"info", "--report"}, {"info", "--bogus", *Dir / "clip.avi"}, {"info", "-x.avi"}};
  for (const auto& args : cases) {
    TRunResult r = RunProgram(kCli, args);
    EXPECT_EQ(r.ExitCode, 2) << args.back();
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(Lines(r.Err).size(), 1u) << r.Err;
  }
}

}  // namespace
