// SPDX-License-Identifier: GPL-3.0-or-later
#include "Console.h"

#include <gtest/gtest.h>

#include "ConsoleRelay.h"
#include "FailureReason.h"

TEST(Console, ProgressLineInTheOldGrammar) {
  TProgressBlock video = {{"frame", "100"},
                          {"fps", "25.00"},
                          {"stream_0_0_q", "2.0"},
                          {"bitrate", "838.9kbits/s"},
                          {"total_size", "1048576"},
                          {"out_time_us", "10000000"},
                          {"out_time_ms", "10000000"},
                          {"speed", "1x"}};
  EXPECT_EQ(FormatProgressLine(video),
            "frame=  100 fps= 25 q=2.0 size=    1024kB time=10.00 bitrate= 838.9kbits/s");

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
  EXPECT_EQ(RelayFfmpegLine("Input #0, avi, from 'file:/in/a'b.avi':", n),
            "Input #0, avi, from '/in/a'b.avi':");
  EXPECT_EQ(RelayFfmpegLine("Output #0, avi, to 'file:/out/-x.avi':", n),
            "Output #0, avi, to '/out/-x.avi':");
  EXPECT_EQ(RelayFfmpegLine("  Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s", n),
            "  Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s");
  // Only avcore decides that a conversion failed.
  EXPECT_EQ(RelayFfmpegLine("Error while opening encoder for output stream #0:0", n),
            "ffmpeg: Error while opening encoder for output stream #0:0");
  for (const char* line :
       {"[mp3 @ 0x1] Could not open codec", "Error: x", "No audio or video streams available here",
        "[file @ 0x2] I/O error occured"})
    EXPECT_FALSE(IsFailureLine(RelayFfmpegLine(line, n))) << line;
  EXPECT_EQ(RelayFfmpegLine("Error while decoding stream #0:0: Invalid data", n),
            "Error while decoding stream #0:0: Invalid data");
  // FFmpeg's own statistics carry HH:MM:SS times the batch cannot read.
  EXPECT_EQ(
      RelayFfmpegLine(
          "frame=   25 fps=0.0 q=1.6 Lsize=     148kB time=00:00:01.01 bitrate=1186.4kbits/s", n),
      "");
  EXPECT_EQ(
      RelayFfmpegLine("size=      13kB time=00:00:01.01 bitrate= 101.4kbits/s speed= 166x", n), "");
}

namespace {

// Runs FFmpeg console text (tagged with levels as avcore asks for) and
// progress text through the relay, in chunks of `chunk` bytes.
struct TRelayed {
  std::vector<std::string> Shown;
  TFfmpegReport Report;
};
TRelayed Relay(const std::string& console, const std::string& progress, const TConsoleNames& names,
               size_t chunk = 7) {
  TRelayed r;
  TConsoleRelay relay(names, [&r](const std::string& line) { r.Shown.push_back(line); });
  for (size_t at = 0; at < console.size(); at += chunk)
    relay.FeedConsole(console.data() + at, std::min(chunk, console.size() - at));
  for (size_t at = 0; at < progress.size(); at += chunk)
    relay.FeedProgress(progress.data() + at, std::min(chunk, progress.size() - at));
  relay.Finish();
  r.Report = relay.Report();
  return r;
}

const TConsoleNames kNames{"/in/a.avi", "/out/b.avi"};

}  // namespace

TEST(ConsoleRelay, PassesOnTheOldGrammarWithoutLevelTags) {
  const std::string console =
      "[info] Input #0, avi, from 'file:/in/a.avi':\n"
      "[info]   Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s\n"
      "[info]   Stream #0:0: Video: mpeg4, yuv420p, 640x480 [SAR 1:1 DAR 4:3], 25 fps\n"
      "[info] Output #0, avi, to 'file:/out/b.avi':\n"
      "[mpeg4 @ 0x55] [warning] a warning\n"
      "[info] frame=  100 fps=0.0 q=15.2 Lsize=     744kB time=00:00:04.02 bitrate=1515.3kbits/s "
      "speed=42.5x\r\n";
  const std::string progress =
      "frame=50\nfps=25.00\nstream_0_0_q=2.0\nbitrate=838.9kbits/"
      "s\ntotal_size=1048576\nout_time_us=2000000\n"
      "progress=continue\nframe=100\ntotal_size=2097152\nout_time_us=4000000\nprogress=end\n";
  TRelayed r = Relay(console, progress, kNames);
  EXPECT_EQ(r.Shown,
            (std::vector<std::string>{
                "Input #0, avi, from '/in/a.avi':",
                "  Duration: 00:00:04.00, start: 0.000000, bitrate: 5054 kb/s",
                "  Stream #0:0: Video: mpeg4, yuv420p, 640x480 [SAR 1:1 DAR 4:3], 25 fps",
                "Output #0, avi, to '/out/b.avi':",
                "[mpeg4 @ 0x55] a warning",
                "frame=   50 fps= 25 q=2.0 size=    1024kB time=2.00 bitrate= 838.9kbits/s",
                "frame=  100 fps=  0 q=0.0 size=    2048kB time=4.00 bitrate=4194.3kbits/s",
            }));
  EXPECT_TRUE(r.Report.InputHasVideo);
  EXPECT_FALSE(r.Report.InputHasAudio);
  EXPECT_FALSE(r.Report.NothingEncoded);
  EXPECT_EQ(r.Report.FirstError.Text, "");
}

TEST(ConsoleRelay, NoticesAnOutputWithoutMedia) {
  const std::string stats =
      "[info] video:0kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB muxing "
      "overhead: unknown\n";
  const std::string atZero = "total_size=10004\nout_time_us=0\nprogress=end\n";
  EXPECT_TRUE(
      Relay(stats + "[warning] Output file is empty, nothing was encoded (check -ss / -t)\n",
            atZero, kNames)
          .Report.NothingEncoded);
  // Without FFmpeg's own words: no progress past zero and no byte of any stream.
  EXPECT_TRUE(Relay(stats, atZero, kNames).Report.NothingEncoded);
  EXPECT_FALSE(Relay(stats, "out_time_us=40000\nprogress=end\n", kNames).Report.NothingEncoded);
  EXPECT_FALSE(Relay("[info] video:1kB audio:0kB subtitle:0kB other streams:0kB\n", atZero, kNames)
                   .Report.NothingEncoded);
}

// A start at or past the input's end leaves nothing to encode, whatever one
// frame an encoder flushes; the length is the input's, not the output's.
TEST(ConsoleRelay, KnowsWhenTheStartLiesPastTheEnd) {
  const std::string head =
      "[info] Input #0, wav, from 'file:/in/a.wav':\n"
      "[info]   Duration: 00:01:04.00, bitrate: 1411 kb/s\n"
      "[info] Output #0, amr, to 'file:/out/b.amr':\n"
      "[info]   Duration: 00:09:00.00, start: 0.000000, bitrate: N/A\n";
  const std::string flushed = "out_time_us=20000\nprogress=end\n";
  const TFfmpegReport r = Relay(head, flushed, kNames).Report;
  EXPECT_EQ(r.InputDurationUs, 64000000);
  EXPECT_TRUE(StartLiesPastTheEnd(r, 64000));
  EXPECT_TRUE(StartLiesPastTheEnd(r, 600000));
  EXPECT_FALSE(StartLiesPastTheEnd(r, 63990));
  EXPECT_FALSE(StartLiesPastTheEnd(r, 0));
  // FFmpeg's idea of the length was short: what it wrote is more than a frame.
  EXPECT_FALSE(StartLiesPastTheEnd(
      Relay(head, "out_time_us=3000000\nprogress=end\n", kNames).Report, 64000));
  for (const char* unknown : {"[info]   Duration: N/A, start: 0.000000, bitrate: N/A\n",
                              "[info]   Duration: 00:61:00.00, bitrate: 1 kb/s\n",
                              "[info]   Duration: 00:00:04, bitrate: 1 kb/s\n", ""}) {
    const TFfmpegReport u = Relay(unknown, flushed, kNames).Report;
    EXPECT_EQ(u.InputDurationUs, -1) << unknown;
    EXPECT_FALSE(StartLiesPastTheEnd(u, 600000)) << unknown;
  }
}

// An input/output error is a write error only when it is not about the
// input: a reader may end its file with one (avcore then reads the input
// through to tell a bad disk from the end of the data).
TEST(ConsoleRelay, InputOutputErrorOfTheInputIsNoWriteError) {
  struct TCase {
    const char* Console;
    bool WriteFailed, InputReadFailed;
  } cases[] = {
      {"[error] file:/in/a.avi: Input/output error\n", false, true},
      {"[error] Error writing trailer of file:/out/b.avi: Input/output error\n", true, false},
      {"[error] av_interleaved_write_frame(): Input/output error\n", true, false},
      {"[error] file:/out/b.avi: Input/output error\n", true, false},
  };
  for (const TCase& c : cases) {
    TFfmpegReport report = Relay(c.Console, "", kNames).Report;
    EXPECT_EQ(report.WriteFailed, c.WriteFailed) << c.Console;
    EXPECT_EQ(report.InputReadFailed, c.InputReadFailed) << c.Console;
  }
}

TEST(ConsoleRelay, ExplainsFailuresInPlainWords) {
  const std::string audioInput =
      "[info] Input #0, wav, from 'file:/in/a.avi':\n"
      "[info]   Stream #0:0: Audio: pcm_s16le, 44100 Hz, mono, s16, 705 kb/s\n"
      "[info] Stream mapping:\n";
  struct TCase {
    std::string Console;
    const char* Expected;
  } cases[] = {
      {"[error] file:/in/a.avi: Invalid data found when processing input\n",
       "Error: '/in/a.avi' is not a video or audio file that can be read (invalid data)"},
      {"[error] file:/out/b.avi: Permission denied\n",
       "Error: could not write the output file '/out/b.avi': Permission denied"},
      {"[error] Error writing trailer of file:/out/b.avi: No space left on device\n",
       "Error: the disk is full: could not write the output file '/out/b.avi'"},
      {"[error] file:/in/a.avi: Permission denied\n",
       "Error: Could not open '/in/a.avi': Permission denied"},
      {"[error] Unknown encoder 'libfoo'\n",
       "Error: the installed FFmpeg has no encoder 'libfoo' for '/out/b.avi'; install the Debian "
       "packages ffmpeg and "
       "libavcodec-extra"},
      {"[libx264 @ 0x55d] [error] width not divisible by 2 (321x241)\n"
       "[error] Error initializing output stream 0:0 -- Error while opening encoder for output "
       "stream #0:0\n"
       "[info] Conversion failed!\n",
       "Error: the encoder cannot make '/out/b.avi' with these settings: libx264: width not "
       "divisible by 2 (321x241)"},
      {audioInput +
           "[psp @ 0x5623] [error] PSP mode need one video and one audio stream\n"
           "[error] Could not write header for output file #0 (incorrect codec parameters ?)\n"
           "[aac @ 0x56] [info] Qavg: nan\n[info] Conversion failed!\n",
       "Error: the PSP format needs one video and one audio stream, and '/in/a.avi' has no video"},
      {"[rv10 @ 0x5] [error] rc buffer underflow\n"
       "[rm @ 0x55] [error] Muxing packets larger than 64 kB (141458) is not supported\n"
       "[error] av_interleaved_write_frame(): Not yet implemented in FFmpeg, patches welcome\n"
       "[info] video:132kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB muxing "
       "overhead: 0.1%\n",
       "Error: a picture of '/in/a.avi' needs more than the 64 kB a RealMedia packet can hold, "
       "even at the "
       "coarsest quality; choose a smaller frame size for '/out/b.avi'"},
      // Anything else: FFmpeg's first error, not its closing chatter, and
      // not the rate control's complaints.
      {"[rv10 @ 0x5] [error] rc buffer underflow\n[mp4 @ 0x1] [error] Something odd\n"
       "[error] Something worse\n[info] final ratefactor: 23.76\n[info] Conversion failed!\n",
       "Error: converting '/in/a.avi' to '/out/b.avi' failed (FFmpeg exit code 1): [mp4 @ 0x1] "
       "Something odd"},
  };
  for (const auto& c : cases) {
    std::string line = ExplainFailure(Relay(c.Console, "", kNames).Report, kNames, 1);
    EXPECT_EQ(line, c.Expected);
    EXPECT_TRUE(IsFailureLine(line));
  }
}

TEST(ConsoleRelay, BoundedWhateverComes) {
  // A console without line ends is cut into lines of bounded length.
  TConsoleRelay relay(kNames, [](const std::string&) {});
  std::string junk(1 << 20, 'x');
  relay.FeedConsole(junk.data(), junk.size());
  relay.Finish();
  EXPECT_LE(relay.Report().Lines.size(), 60u);
  EXPECT_LE(relay.Report().Lines.back().Text.size(), 64u * 1024);
}
