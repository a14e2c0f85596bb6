// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyCommand.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Options(const TLegacyCommand& c) {
  std::string s;
  for (const auto& o : c.Options) s += "[" + o.Name + (o.HasValue ? " " + o.Value : "") + "]";
  return s;
}

TLegacyCommand Parse(const std::string& options) {
  std::vector<std::string> args = {"-p", "5310746", "-i", "/in/a.avi"};
  std::istringstream in(options);
  for (std::string w; in >> w;) args.push_back(w);
  args.push_back("/out/b.avi");
  return ParseLegacyCommand(args);
}

}  // namespace

TEST(LegacyCommand, ReadsTheBatchCommandWithItsEmptyWords) {
  // The time clause leaves two blanks, so the runner may hand over empty words.
  auto c = ParseLegacyCommand({"-p", "5310746", "-i", "/in/my clip.avi", "-y", "-f", "avi", "",
                               "-t", "0:01:00.000", "-ss", "0:00:10.000", "-vcodec", "ffvhuff",
                               "-strict", "-2", "", "/out/-x.avi"});
  EXPECT_TRUE(c.AccessGranted);
  EXPECT_EQ(c.Error, "");
  EXPECT_EQ(c.Input, "/in/my clip.avi");
  EXPECT_EQ(c.Output, "/out/-x.avi");
  EXPECT_EQ(Options(c),
            "[-y][-f avi][-t 0:01:00.000][-ss 0:00:10.000][-vcodec ffvhuff][-strict -2]");
}

TEST(LegacyCommand, AnInputOrOutputNamedLikeAnOptionStaysAFile) {
  auto c = ParseLegacyCommand({"-p", "5310746", "-i", "-y", "-sameq", "-an", "-x.avi"});
  EXPECT_EQ(c.Error, "");
  EXPECT_EQ(c.Input, "-y");
  EXPECT_EQ(c.Output, "-x.avi");
  EXPECT_EQ(Options(c), "[-sameq][-an]");
  // A flag as the last word means the output is missing.
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "-y"}).Error, "");
}

TEST(LegacyCommand, AccessAndMissingPieces) {
  EXPECT_FALSE(ParseLegacyCommand({"-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_FALSE(ParseLegacyCommand({"-p", "1234567", "-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_TRUE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "b.avi"}).AccessGranted);
  // A fault elsewhere does not hide a wrong access code.
  EXPECT_FALSE(
      ParseLegacyCommand({"-vstats", "-p", "1234567", "-i", "a.avi", "b.avi"}).AccessGranted);
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "b.avi"}).Error, "");
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi"}).Error, "");
  EXPECT_NE(ParseLegacyCommand({}).Error, "");
}

// The values the builder and the device presets write, at the ends of their ranges.
TEST(LegacyCommand, TakesTheGrammarOfTheBuilderAndThePresets) {
  for (const char* options : {
           "-y -f avi -t 200:00:00.000 -ss 0:00:00.000 -sameq -vcodec msmpeg4 -s 1x1 -b 1k -r 10 "
           "-aspect 4:3 "
           "-acodec mp3 -ac 1 -ab 1 -ar 8000",
           "-y -f psp -vcodec h264 -s 8192x8192 -b 200000k -r 29.97 -acodec aac -ac 2 -ab 1000 -ar "
           "96000",
           "-y -f ipod -vcodec h264 -s 320x240 -b 768k -r 25 -acodec aac -ac 2 -ab 128 -ar 44100",
           "-y -f 3g2 -vcodec msmpeg4 -s 176x144 -b 192k -r 15 -acodec aac -ac 1 -ab 32 -ar 22050",
           "-y -f 3gp -vcodec h263 -s 176x144 -b 144k -r 12.5 -aspect 11:9 -acodec amr_nb -ac 1 "
           "-ar 8000 -ab 13",
           "-y -f vob -vcodec mpeg2video -s 720x576 -b 6000k -r 59.94 -aspect 5:4 -acodec ac3 -ac "
           "5:1 -ar 48000 -ab 384",
           "-y -f rm -b 768k -vcodec rv10 -r 14.985 -an",
           "-y -f wav -vn -acodec pcm_s16le -ac 2 -ar 44100",
           "-t 0:00:30.000 -ss 0:01:00.000 -y -target film-svcd -b 6000k -aspect 1:1 -ab 384",
       }) {
    TLegacyCommand c = Parse(options);
    EXPECT_EQ(c.Error, "") << options;
  }
}

// Anything else is refused, and the reason names the word at fault.
TEST(LegacyCommand, RefusesEverythingElse) {
  struct TCase {
    const char* Options;
    const char* Named;
  } cases[] = {
      // Options the builder never writes: FFmpeg would write files, read
      // other inputs or change what it makes.
      {"-y -vstats_file /home/u/notes.txt", "-vstats_file"},
      {"-y -i /etc/passwd", "/etc/passwd"},
      {"-y -map 0:1", "-map"},
      {"-y -filter_complex nullsrc", "-filter_complex"},
      {"-y -c:v libx264", "-c:v"},
      {"-y -b:a 128k", "-b:a"},
      {"-y -n", "-n"},
      {"-y -progress /tmp/p", "-progress"},
      {"-y -dump_attachment:t out", "-dump_attachment:t"},
      // Words FFmpeg would take for another output file.
      {"-y /tmp/second.avi", "/tmp/second.avi"},
      {"-y -f avi other.avi", "other.avi"},
      // Values of the wrong shape or out of range.
      {"-f matroska", "matroska"},
      {"-f avi,mp4", "avi,mp4"},
      {"-vcodec libx264", "libx264"},
      {"-acodec libfdk_aac", "libfdk_aac"},
      {"-t 0:00:01.000x", "0:00:01.000x"},
      {"-t 1.5", "1.5"},
      {"-ss -0:00:01.000", "-0:00:01.000"},
      {"-t 201:00:00.000", "201:00:00.000"},
      {"-t 200:00:00.001", "200:00:00.001"},
      {"-ss 0:60:00.000", "0:60:00.000"},
      {"-s 2147483647x480", "2147483647x480"},
      {"-s 8193x480", "8193x480"},
      {"-s 0x480", "0x480"},
      {"-s -320x240", "-320x240"},
      {"-s 320x240x2", "320x240x2"},
      {"-s qcif", "qcif"},
      {"-b 1080", "1080"},
      {"-b 0k", "0k"},
      {"-b -5k", "-5k"},
      {"-b 200001k", "200001k"},
      {"-b 1e3k", "1e3k"},
      {"-r inf", "inf"},
      {"-r nan", "nan"},
      {"-r 0", "0"},
      {"-r 241", "241"},
      {"-r 30000/1001", "30000/1001"},
      {"-r 1e2", "1e2"},
      {"-aspect 16:0", "16:0"},
      {"-aspect 1.777", "1.777"},
      {"-ac 3", "3"},
      {"-ac inf", "inf"},
      {"-ac 3000000000", "3000000000"},
      {"-ar nan", "nan"},
      {"-ar inf", "inf"},
      {"-ar 3000000000", "3000000000"},
      {"-ar 4000", "4000"},
      {"-ar 44100.5", "44100.5"},
      {"-ab 1001", "1001"},
      {"-ab 99999999999999999999", "99999999999999999999"},
      {"-ab 0", "0"},
      {"-target pal-bluray", "pal-bluray"},
      {"-strict experimental", "experimental"},
  };
  for (const auto& c : cases) {
    TLegacyCommand cmd = Parse(c.Options);
    EXPECT_NE(cmd.Error.find(c.Named), std::string::npos) << c.Options << " -> " << cmd.Error;
  }
  // A second input, also after another fault.
  auto two = ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "-y", "-i", "b.avi", "o.avi"});
  EXPECT_NE(two.Error.find("second input"), std::string::npos) << two.Error;
  // An option at the end has no value.
  EXPECT_NE(ParseLegacyCommand({"-p", "5310746", "-i", "a.avi", "-ar", "o.avi"}).Error, "");
}
