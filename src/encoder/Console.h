// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

// One key=value block of FFmpeg's "-progress" output.
using TProgressBlock = std::map<std::string, std::string>;

// The progress line of the old console grammar, e.g.
// "frame=  100 fps= 25 q=2.0 size=    1024kB time=10.00 bitrate= 838.9kbits/s"
// (no frame part when there is no video), time in seconds.
std::string FormatProgressLine(const TProgressBlock& block);

// Cuts a byte stream into lines at LF, CR LF and lone CR.
class TLineSplitter {
 public:
  std::vector<std::string> Feed(const char* data, size_t size);
  std::vector<std::string> Finish();  // whatever is left without a line end

 private:
  std::string Pending_;
  bool LastWasCr_ = false;
};

// The files as the user named them (not as FFmpeg was given them).
struct TConsoleNames {
  std::string Input;  // the media file, also when a script was given
  std::string Output;
};

// A line of FFmpeg's console as it is shown: file names as the user gave
// them, and never a line the batch would take for a failure (only avcore
// decides that). Empty: drop the line.
std::string RelayFfmpegLine(const std::string& line, const TConsoleNames& names);

// Lines the batch books as a failure of the file.
bool IsFailureLine(const std::string& line);

// FFmpeg 5.1 reports some write errors and still exits with 0.
bool IsWriteFailure(const std::string& line);

// A line with the file names FFmpeg was given replaced by the user's.
std::string UserNames(std::string line, const TConsoleNames& names);
