// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/OutputParser.h"

#include <gtest/gtest.h>

#include "app/Dialogs.h"
#include "engine/BatchView.h"
#include "app/GlobalVars.h"
#include "lang/ResStr.h"

namespace {

class TRecordingView final : public TProgressView {
 public:
  std::string Elapsed, FileLabel, FileRemaining, BatchLabel, Estimated, Remaining, Working, Output;
  int FilePercent = -1, BatchPercent = -1, FileStatusCalls = 0;
  bool Animating = false;
  void SetCaption(const std::string&) override {}
  void SetStopLabel(const std::string&) override {}
  void ResetLabels() override {}
  void ShowBatchElapsed(const std::string& c) override { Elapsed = c; }
  void ShowFileStatus(const std::string& l, int p) override {
    FileLabel = l;
    FilePercent = p;
    ++FileStatusCalls;
  }
  void ShowFileRemaining(const std::string& c) override { FileRemaining = c; }
  void ShowBatchStatus(const std::string& l, int p) override {
    BatchLabel = l;
    BatchPercent = p;
  }
  void ShowBatchEstimated(const std::string& c) override { Estimated = c; }
  void ShowBatchRemaining(const std::string& c) override { Remaining = c; }
  void ShowWorking(const std::string& t) override { Working = t; }
  void ShowOutput(const std::string& t) override { Output = t; }
  bool AnimationRunning() const override { return Animating; }
  void StartAnimation(const std::string&) override { Animating = true; }
  void SetFinished() override {}
  int RunModal() override { return mrOk; }
  void Close(int) override {}
};

class TRecordingDialogs final : public TConsoleDialogProvider {
 public:
  std::vector<std::string> Boxes;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override {
    Boxes.push_back(caption + "|" + text + "|" + std::to_string(flags));
    return IDOK;
  }
};

class OutputParser : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    GlobalVars.CurrentInputFile = "/in/clip.avi";
    GlobalVars.TotalCount = 1;
  }
  void TearDown() override { ResetGlobalVars(); }

  void Feed(const std::string& chunk, bool ended = false, std::string_view options = "") {
    TParseContext ctx;
    ctx.ProcessEnded = ended;
    ctx.Options = options;
    ctx.View = WithView ? &View : nullptr;
    ctx.Now = Now;
    ctx.OnFailureLine = [this](const std::string& line) { FailureLines.push_back(line); };
    ParseEncoderOutput(chunk.data(), static_cast<int32_t>(chunk.size()), ctx);
  }

  TRecordingView View;
  std::vector<std::string> FailureLines;
  TRecordingDialogs Dialogs;
  TScopedDialogProvider Scope{Dialogs};
  bool WithView = true;
  double Now = 0;
};

}  // namespace

TEST_F(OutputParser, ReadsDurationProgressSizeAndBitrate) {
  Feed("Input #0, avi, from '/in/clip.avi':\n"
       "  Duration: 00:00:40.00, start: 0.000000, bitrate: 5054 kb/s\n"
       "Output #0, mpeg, to '/out/clip.mpg':\n"
       "frame=  250 fps= 25 q=2.0 size=    1024kB time=10.00 bitrate= 838.9kbits/s\r");
  EXPECT_EQ(GlobalVars.DurationMs, 40000);
  EXPECT_EQ(GlobalVars.PositionMs, 10000);
  EXPECT_EQ(GlobalVars.FilePercent, 25);
  EXPECT_EQ(GlobalVars.OutputSizeKB, 1024);
  EXPECT_EQ(GlobalVars.BitrateKbps, 839);
  EXPECT_EQ(GlobalVars.EncoderInputName, "/in/clip.avi");
  EXPECT_EQ(GlobalVars.EncoderOutputName, "/out/clip.mpg");
  EXPECT_EQ(View.FileLabel, ResStr(MSG_ID_STATUS) + "25%");
  EXPECT_EQ(View.Working, "Working on file 1 of 1: clip.avi");
  EXPECT_EQ(View.Output, "Output file: clip.mpg");
  EXPECT_TRUE(View.Animating);
  EXPECT_TRUE(Dialogs.Boxes.empty());
}

TEST_F(OutputParser, ScriptInputShowsTheRealFile) {
  Feed("Input #0, avs, from '/prog/DirectShow.avs':\n");
  EXPECT_EQ(GlobalVars.EncoderInputName, "/in/clip.avi");
  Feed("Input #0, avi, from 'N/A':\n");
  EXPECT_EQ(GlobalVars.EncoderInputName, "/in/clip.avi");
}

TEST_F(OutputParser, UnknownDurationShowsNoPercent) {
  GlobalVars.DurationMs = 0;
  Feed("  Duration: N/A, start: 0.000000, bitrate: N/A\n"
       "size=      10kB time=3.00 bitrate=  27.3kbits/s\n");
  EXPECT_EQ(GlobalVars.DurationMs, 0);
  EXPECT_EQ(GlobalVars.PositionMs, 3000);
  EXPECT_EQ(View.FileStatusCalls, 0);
  EXPECT_FALSE(View.Elapsed.empty());
  EXPECT_FALSE(View.Working.empty());

  GlobalVars.DurationMs = 5000;
  Feed("  Duration: N/A, start: 0.0\n");
  EXPECT_EQ(GlobalVars.DurationMs, 5000);
}

TEST_F(OutputParser, TimeWindowOfTheOptionsCutsTheDuration) {
  struct TCase {
    const char* Options;
    int32_t Expected;
  };
  const TCase cases[] = {
      {"-y -f mp3  -t 0:00:30.000 -ss 0:01:00.000 -vn ", 30000},
      {"-y -f mp3  -t 0:00:30.000 -ss 0:09:50.000 -vn ", 600000},
      {"-y -f mp3 -vn ", 600000},
      // A window without a positive length converts to the end.
      {"-y -f mp3  -t 0:00:00.000 -ss 0:00:10.000 -vn ", 600000},
      {"-y -f mp3  -t -1:00:05.000 -ss 0:00:10.000 -vn ", 600000},
      {"-y -f mp3  -t 0:00:30.000 -ss -1:05:00.000 -vn ", 30000},
      {"-y -f mp3  -t 99999999:00:00.000 -ss 0:00:00.000 -vn ", 600000},
  };
  for (const TCase& c : cases) {
    GlobalVars.DurationMs = 0;
    Feed("  Duration: 00:10:00.00, start: 0.000000, bitrate: 128 kb/s\n", false, c.Options);
    EXPECT_EQ(GlobalVars.DurationMs, c.Expected) << c.Options;
  }
}

TEST_F(OutputParser, PercentagesStayWithinBounds) {
  struct TCase {
    const char* Lines;
    int32_t File, Batch;
  };
  const TCase cases[] = {
      // Past the end of the file: 100, never more.
      {"  Duration: 00:00:10.00, start: 0.0\nsize=1kB time=25.00 bitrate=1.0kbits/s\n", 100, 100},
      // A negative position or duration shows nothing.
      {"  Duration: 00:00:10.00, start: 0.0\nsize=1kB time=-5.00 bitrate=1.0kbits/s\n", 0, 0},
      {"  Duration: -1:00:10.00, start: 0.0\nsize=1kB time=5.00 bitrate=1.0kbits/s\n", 0, 0},
      // Durations beyond the 32-bit field saturate instead of wrapping negative.
      {"  Duration: 999999:00:00.00, start: 0.0\nsize=1kB time=99999999999.00 bitrate=1.0kbits/s\n",
       100, 100},
  };
  for (const TCase& c : cases) {
    ResetGlobalVars();
    GlobalVars.TotalCount = 1;
    GlobalVars.TotalBytes = INT64_MAX;
    GlobalVars.CurrentFileBytes = INT64_MAX;
    Feed(c.Lines);
    EXPECT_EQ(GlobalVars.FilePercent, c.File) << c.Lines;
    EXPECT_EQ(GlobalVars.BatchPercent, c.Batch) << c.Lines;
    EXPECT_GE(GlobalVars.ProgressBytes, 0) << c.Lines;
  }
}

TEST_F(OutputParser, BatchShareNeverGoesBack) {
  // A device batch of two commands starts its progress over: the batch keeps
  // what the file had reached.
  GlobalVars.TotalBytes = 1000;
  GlobalVars.CurrentFileBytes = 1000;
  Feed("  Duration: 00:00:10.00, start: 0.0\nsize=1kB time=8.00 bitrate=1.0kbits/s\n");
  EXPECT_EQ(GlobalVars.BatchPercent, 80);
  Feed("  Duration: 00:00:10.00, start: 0.0\nsize=1kB time=1.00 bitrate=1.0kbits/s\n");
  EXPECT_EQ(GlobalVars.FilePercent, 10);
  EXPECT_EQ(GlobalVars.BatchPercent, 80);
}

TEST_F(OutputParser, ValuesTable) {
  struct TCase {
    const char* Line;
    int32_t Position, Bitrate, Size;
  };
  GlobalVars.PositionMs = 77;
  GlobalVars.BitrateKbps = 77;
  GlobalVars.OutputSizeKB = 77;
  const TCase cases[] = {
      {"size=    1024kB time=10000000000.0 bitrate= 838.5kbits/s", 0, 838, 1024},
      {"size=N/A time=N/A bitrate=N/A", 0, 838, 1024},
      {"size=   2.5kB time=1.0005 bitrate=839.5kbits/s", 1000, 840, 2},
      {"frame=1 size=    3.5kB time=00:00:01.50 bitrate=1.5kbits/s", 1000, 2, 4},
  };
  for (const TCase& c : cases) {
    Feed(std::string(c.Line) + "\n");
    EXPECT_EQ(GlobalVars.PositionMs, c.Position) << c.Line;
    EXPECT_EQ(GlobalVars.BitrateKbps, c.Bitrate) << c.Line;
    EXPECT_EQ(GlobalVars.OutputSizeKB, c.Size) << c.Line;
  }
}

TEST_F(OutputParser, ChunksSplitAnywhere) {
  const std::string all =
      "  Duration: 00:00:20.00, start: 0.0\r\n"
      "size=      10kB time=5.00 bitrate=  16.4kbits/s\r"
      "size=      20kB time=10.00 bitrate=  16.4kbits/s\r";
  for (size_t cut = 1; cut < all.size(); ++cut) {
    ResetGlobalVars();
    Feed(all.substr(0, cut));
    Feed(all.substr(cut));
    EXPECT_EQ(GlobalVars.DurationMs, 20000) << cut;
    EXPECT_EQ(GlobalVars.PositionMs, 10000) << cut;
    EXPECT_EQ(GlobalVars.OutputSizeKB, 20) << cut;
    EXPECT_TRUE(GlobalVars.PendingOutput.empty()) << cut;
  }
}

TEST_F(OutputParser, HoldsTheUnfinishedLineUntilTheEnd) {
  Feed("size=      10kB time=5.00 bit");
  EXPECT_EQ(GlobalVars.PositionMs, 0);
  EXPECT_EQ(GlobalVars.PendingOutput, "size=      10kB time=5.00 bit");
  Feed(std::string("rate=  16.4kbits/s \0garbage after a zero byte", 45), true);
  EXPECT_EQ(GlobalVars.PositionMs, 5000);
  EXPECT_EQ(GlobalVars.BitrateKbps, 16);
  EXPECT_TRUE(GlobalVars.PendingOutput.empty());
}

// Each failure line is booked and handed on; none opens a box that would
// hold the encoder (and the batch) until someone clicks.
TEST_F(OutputParser, FailureLinesAreBookedWithoutABox) {
  Feed("Error while decoding stream #0:0: Invalid data\n"
       "[mp3 @ 0x1] Could not open codec\n"
       "Error: cannot write '/out/x.avi'\n"
       "  Error indented is no failure\n"
       "I/O error occured\n");
  EXPECT_TRUE(GlobalVars.FileFailed);
  EXPECT_EQ(FailureLines,
            (std::vector<std::string>{"[mp3 @ 0x1] Could not open codec",
                                      "Error: cannot write '/out/x.avi'", "I/O error occured"}));
  EXPECT_TRUE(Dialogs.Boxes.empty());
}

TEST_F(OutputParser, StopsAtTheEndOfTheUsefulPart) {
  Feed("  Stream #0:0 -> #0:0 (mpeg4 -> msmpeg4)\n"
       "Press [q] to go back to the last menu\n"
       "Error: never seen\n");
  EXPECT_FALSE(GlobalVars.FileFailed);
  Feed("  Stream #0:0 -> #0:0 (mpeg4 -> msmpeg4)\n"
       "[aac @ 0x5] back to the last frame\n"
       "Error: seen, the codec log line does not end the part\n");
  EXPECT_TRUE(GlobalVars.FileFailed);
}

TEST_F(OutputParser, WithoutAWindowNothingIsRead) {
  WithView = false;
  Feed("  Duration: 00:00:40.00, start: 0.0\nError: late\n");
  EXPECT_EQ(GlobalVars.DurationMs, 0);
  EXPECT_FALSE(GlobalVars.FileFailed);
  EXPECT_TRUE(FailureLines.empty());
  EXPECT_TRUE(Dialogs.Boxes.empty());
}

TEST_F(OutputParser, BatchProgressAndTimes) {
  GlobalVars.TotalBytes = 3000;
  GlobalVars.DoneBytes = 1000;
  GlobalVars.CurrentFileBytes = 2000;
  GlobalVars.DoneCount = 1;
  GlobalVars.TotalCount = 2;
  GlobalVars.BatchStartTime = 1.0;
  GlobalVars.FileStartTime = 1.0 + 60.0 / 86400;
  Now = 1.0 + 120.0 / 86400;  // two minutes into the batch, one into the file
  Feed("  Duration: 00:01:40.00, start: 0.0\nsize=1kB time=25.00 bitrate=1.0kbits/s\n");
  EXPECT_EQ(GlobalVars.FilePercent, 25);
  EXPECT_EQ(GlobalVars.ProgressBytes, 1500);
  EXPECT_EQ(GlobalVars.BatchPercent, 50);
  EXPECT_EQ(View.Elapsed, "0:02:00");
  EXPECT_EQ(View.FileRemaining, "0:03:00");
  EXPECT_EQ(View.Estimated, "0:04:00");
  EXPECT_EQ(View.Remaining, "0:02:00");
  EXPECT_EQ(View.Working, "Working on file 2 of 2: ");
}

// The three clocks shown together add up: elapsed 10.6 s, estimated 20.3 s
// would read 0:00:10 + 0:00:09 against 0:00:20 taken one by one.
TEST_F(OutputParser, ElapsedAndRemainingAddUpToTheEstimate) {
  GlobalVars.TotalBytes = 203;
  GlobalVars.DoneBytes = 106;
  GlobalVars.CurrentFileBytes = 97;
  GlobalVars.BatchStartTime = 1.0;
  GlobalVars.FileStartTime = 1.0;
  Now = 1.0 + 10.6 / 86400;
  Feed("  Duration: 00:01:40.00, start: 0.0\nsize=1kB time=0.001 bitrate=1.0kbits/s\n");
  EXPECT_EQ(View.Elapsed, "0:00:10");
  EXPECT_EQ(View.Estimated, "0:00:20");
  EXPECT_EQ(View.Remaining, "0:00:10");
}

TEST(FormatClock, HoursMinutesSeconds) {
  EXPECT_EQ(FormatClock(0), "0:00:00");
  EXPECT_EQ(FormatClock(-0.5), "0:00:00");
  EXPECT_EQ(FormatClock((3600.0 + 62) / 86400), "1:01:02");
  EXPECT_EQ(FormatClock(1.0 + 5.0 / 86400), "0:00:05");
}
