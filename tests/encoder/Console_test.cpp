// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <gtest/gtest.h>

TEST(Console, ProgressLineInTheOldGrammar) {
  TProgressBlock video = {{"frame", "100"},         {"fps", "25.00"},          {"stream_0_0_q", "2.0"},
                          {"bitrate", "838.9kbits/s"}, {"total_size", "1048576"}, {"out_time_us", "10000000"},
                          {"out_time_ms", "10000000"}, {"speed", "1x"}};
  EXPECT_EQ(FormatProgressLine(video), "frame=  100 fps= 25 q=2.0 size=    1024kB time=10.00 bitrate= 838.9kbits/s");

  // Audio only: no frame part; a missing bitrate is worked out from size and time.
  TProgressBlock audio = {{"bitrate", "N/A"}, {"total_size", "12800"}, {"out_time_us", "1024000"}};
  EXPECT_EQ(FormatProgressLine(audio), "size=      12kB time=1.02 bitrate= 100.0kbits/s");

  // Before the first packet FFmpeg reports N/A or negative times.
  TProgressBlock start = {{"total_size", "N/A"}, {"out_time_us", "-23220"}, {"bitrate", "N/A"}};
  EXPECT_EQ(FormatProgressLine(start), "size=       0kB time=0.00 bitrate=   0.0kbits/s");
}

TEST(Console, SplitsLinesAtEveryKindOfLineEnd) {
  TLineSplitter s;
  auto feed = [&s](const std::string& text) { return s.Feed(text.data(), text.size()); };
  auto a = feed("one\r\ntwo\rthree\nfo");
  ASSERT_EQ(a, (std::vector<std::string>{"one", "two", "three"}));
  auto b = feed("ur\r");
  auto c = feed("\nfive");  // CR LF split over two reads is one line end
  EXPECT_EQ(b, std::vector<std::string>{"four"});
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(s.Finish(), std::vector<std::string>{"five"});
}

TEST(Console, RelaysFfmpegLinesWithTheUsersNames) {
  TConsoleNames n{"/in/a'b.avi", "/out/-x.avi"};
  EXPECT_EQ(RelayFfmpegLine("Input #0, avi, from 'file:/in/a'b.avi':", n), "Input #0, avi, from '/in/a'b.avi':");
  EXPECT_EQ(RelayFfmpegLine("Output #0, avi, to 'file:/out/-x.avi':", n), "Output #0, avi, to '/out/-x.avi':");
  EXPECT_EQ(RelayFfmpegLine("  Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s", n),
            "  Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s");
  // Only avcore decides that a conversion failed.
  EXPECT_EQ(RelayFfmpegLine("Error while opening encoder for output stream #0:0", n),
            "ffmpeg: Error while opening encoder for output stream #0:0");
  for (const char* line : {"[mp3 @ 0x1] Could not open codec", "Error: x", "No audio or video streams available here",
                           "[file @ 0x2] I/O error occured"})
    EXPECT_FALSE(IsFailureLine(RelayFfmpegLine(line, n))) << line;
  EXPECT_EQ(RelayFfmpegLine("Error while decoding stream #0:0: Invalid data", n),
            "Error while decoding stream #0:0: Invalid data");
  // FFmpeg's own statistics carry HH:MM:SS times the batch cannot read.
  EXPECT_EQ(RelayFfmpegLine("frame=   25 fps=0.0 q=1.6 Lsize=     148kB time=00:00:01.01 bitrate=1186.4kbits/s", n),
            "");
  EXPECT_EQ(RelayFfmpegLine("size=      13kB time=00:00:01.01 bitrate= 101.4kbits/s speed= 166x", n), "");
}

TEST(Console, ExplainsFailuresInPlainWords) {
  TConsoleNames n{"/in/a.avi", "/out/b.avi"};
  struct TCase {
    std::vector<std::string> Lines;
    const char* Expected;
  } cases[] = {
      {{"file:/in/a.avi: Invalid data found when processing input"},
       "Error: '/in/a.avi' is not a video or audio file that can be read (invalid data)"},
      {{"file:/out/b.avi: Permission denied"}, "Error: could not write the output file '/out/b.avi': Permission denied"},
      {{"Error writing trailer of file:/out/b.avi: No space left on device"},
       "Error: the disk is full: could not write the output file '/out/b.avi'"},
      {{"file:/in/a.avi: Permission denied"}, "Error: Could not open '/in/a.avi': Permission denied"},
      {{"Unknown encoder 'libfoo'"},
       "Error: the installed FFmpeg has no encoder 'libfoo' for '/out/b.avi'; install the Debian packages ffmpeg and "
       "libavcodec-extra"},
      {{"[libx264 @ 0x55d] width not divisible by 2 (321x241)",
        "Error initializing output stream 0:0 -- Error while opening encoder for output stream #0:0", "Conversion failed!"},
       "Error: the encoder cannot make '/out/b.avi' with these settings: libx264: width not divisible by 2 (321x241)"},
      {{"Something odd", "Conversion failed!"},
       "Error: converting '/in/a.avi' to '/out/b.avi' failed (FFmpeg exit code 1): Something odd"},
  };
  for (const auto& c : cases) {
    std::string line = ExplainFailure(c.Lines, n, 1);
    EXPECT_EQ(line, c.Expected);
    EXPECT_TRUE(IsFailureLine(line));
  }
}
