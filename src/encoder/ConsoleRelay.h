// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Console.h"

// One line of FFmpeg's console, run with "-loglevel level+info": the level
// tag is taken off the text and kept apart.
struct TFfmpegLine {
  std::string Level;  // "error", "warning", "info", ...; "" when the line had no tag
  std::string Text;   // without the tag, as FFmpeg wrote it
};
TFfmpegLine SplitLevel(const std::string& raw);

// What FFmpeg's console said about a run, for the verdict at its end.
struct TFfmpegReport {
  std::vector<TFfmpegLine> Lines;  // the last lines, oldest first
  TFfmpegLine FirstError;          // the first line at error level that says why
  bool WriteFailed = false;        // a write error FFmpeg may not count as failure
  bool InputReadFailed = false;    // an input/output error that names the input
  bool NothingEncoded = false;     // the output holds no audio or video at all
  bool InputHasVideo = false, InputHasAudio = false;
  int64_t InputDurationUs = -1;  // the input's "Duration:", -1 when unknown
  int64_t MostOutTimeUs = 0;     // the furthest time the output reached
};

// True when the start (-ss) lies at or past the end of the input, so nothing
// of it can be in the output: what FFmpeg wrote is at most the one frame
// an encoder may flush at its end (AMR-NB does, and FFmpeg calls that
// success). A longer output means FFmpeg's idea of the duration was short.
bool StartLiesPastTheEnd(const TFfmpegReport& report, int64_t startMs);

// Reads FFmpeg's standard error and its "-progress" key=value blocks, chunk
// by chunk as they arrive, and passes on the lines of the old console
// grammar: FFmpeg's lines with the user's file names, and one progress line
// per block with the time in seconds.
class TConsoleRelay {
 public:
  using TEmit = std::function<void(const std::string&)>;
  TConsoleRelay(TConsoleNames names, TEmit emit);

  void FeedConsole(const char* data, size_t size);
  void FeedProgress(const char* data, size_t size);
  void Finish();  // the streams ended; a last line without line end counts

  // The newest progress line ("" before the first), to show again while a
  // slow encoder says nothing.
  const std::string& LastProgressLine() const { return LastProgress_; }
  size_t ProgressLines() const { return ProgressLinesShown_; }
  TFfmpegReport Report() const;

 private:
  void ConsoleLine(const std::string& raw);
  void ProgressLine(const std::string& line);

  TConsoleNames Names_;
  TEmit Emit_;
  TLineSplitter ConsoleLines_, ProgressLines_;
  std::deque<TFfmpegLine> Kept_;
  TFfmpegLine FirstError_;
  TProgressBlock Block_;
  std::string LastProgress_;
  bool WriteFailed_ = false, EmptyOutput_ = false, ProgressEnded_ = false, StatsAllZero_ = false;
  bool InputReadFailed_ = false;
  bool InOutputPart_ = false, InputHasVideo_ = false, InputHasAudio_ = false;
  int64_t MostOutTimeUs_ = 0, InputDurationUs_ = -1;
  size_t ProgressLinesShown_ = 0;
};
