// SPDX-License-Identifier: GPL-3.0-or-later
// Tiny clips made with FFmpeg's test sources at test time, shared by the
// media tests of core and of kinovert-cli.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/RunProgram.h"

namespace media_clips {

// FFmpeg from $KINOVERT_FFMPEG, else the first one on PATH.
inline std::string FfmpegPath() {
  if (const char* env = std::getenv("KINOVERT_FFMPEG"); env != nullptr && *env != 0) return env;
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::filesystem::path candidate =
        std::filesystem::path(dirs.substr(start, end - start)) / "ffmpeg";
    if (!candidate.parent_path().empty() && FileExists(candidate.string()))
      return candidate.string();
    start = end + 1;
  }
  throw std::runtime_error("ffmpeg not found on PATH");
}

inline void Ffmpeg(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"-nostdin", "-v", "error", "-y"};
  all.insert(all.end(), args.begin(), args.end());
  TRunResult r = RunProgram(FfmpegPath(), all);
  if (r.ExitCode != 0) throw std::runtime_error("ffmpeg failed: " + r.Err);
}

// 1 s of 160x120 video at 25 fps with one mono 44.1 kHz audio stream.
inline void MakeVideoWithAudio(const std::string& fileName) {
  Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
          "sine=frequency=440:sample_rate=44100:duration=1", "-c:v", "mpeg4", "-c:a", "mp2",
          "-shortest", fileName});
}

// 1 s of mono 44.1 kHz audio, no video.
inline void MakeAudioOnly(const std::string& fileName) {
  Ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1", "-c:a", "mp2",
          fileName});
}

// Video with two audio streams that differ in every queried property: the
// first mono 48 kHz MPEG audio, the second stereo 22.05 kHz AAC.
inline void MakeTwoAudioStreams(const std::string& fileName) {
  Ffmpeg({"-f",     "lavfi", "-i",        "testsrc=size=160x120:rate=25:duration=1",
          "-f",     "lavfi", "-i",        "sine=frequency=440:sample_rate=48000:duration=1",
          "-f",     "lavfi", "-i",        "sine=frequency=880:sample_rate=22050:duration=1",
          "-map",   "0:v",   "-map",      "1:a",
          "-map",   "2:a",   "-c:v",      "mpeg4",
          "-c:a:0", "mp2",   "-b:a:0",    "128k",
          "-c:a:1", "aac",   "-ac:a:1",   "2",
          "-b:a:1", "64k",   "-shortest", fileName});
}

// Names that break anything passing a path through a shell or a narrow locale.
inline const std::vector<std::string>& OddNames() {
  static const std::vector<std::string> names = {
      "with blanks  in it.avi", "quotes ' and \".avi", "dollar $HOME and `date`.avi",
      "-leading dash.avi", "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xAC.avi"};
  return names;
}

}  // namespace media_clips
