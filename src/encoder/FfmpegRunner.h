// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ConsoleRelay.h"

// FFmpeg's path: KINOVERT_FFMPEG if set, else "ffmpeg" on PATH; empty if none.
std::string FindFfmpeg();

struct TRunResult {
  int ExitCode = 0;      // FFmpeg's, or 128 + signal when it was killed
  int StopSignal = 0;    // the signal that stopped avcore, if any
  int KilledBy = 0;      // the signal that ended FFmpeg, 0 when it exited
  TFfmpegReport Report;  // what FFmpeg's console said
};

// ffprobe beside `ffmpeg` (the same folder), else on PATH; empty if none.
std::string FindFfprobe(const std::string& ffmpeg);

// Catches SIGTERM, SIGINT, SIGHUP and SIGQUIT so they reach FFmpeg too.
void InstallStopHandlers();

// Runs FFmpeg with `args` and relays its console and progress to standard
// error in the old grammar. FFmpeg dies with avcore, whatever kills avcore.
TRunResult RunFfmpeg(const std::string& ffmpeg, const std::vector<std::string>& args,
                     const TConsoleNames& names);

// Writes one whole line to standard error at once.
void EmitLine(const std::string& line);

// Runs a helper such as ffprobe and hands its standard output to `onOutput`
// as it comes; its standard error is dropped. Returns its exit code (128 +
// signal when it was killed, -1 when it could not run). A stop signal ends
// it as it ends FFmpeg, and it dies with avcore.
int RunReading(const std::string& program, const std::vector<std::string>& args,
               const std::function<void(const char*, size_t)>& onOutput);

// The signal that asked avcore to stop, 0 while none has.
int StopSignal();
