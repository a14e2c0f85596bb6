// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/RunProgram.h"

std::string AvcorePath();

// Clips made with FFmpeg's test sources the first time a test asks for them.
enum class TClip {
  Video43,    // 320x240, 25 fps, 1 s, with stereo 44.1 kHz sound
  Video169,   // 320x180, 25 fps, 1 s, no sound
  AudioOnly,  // 1 s, stereo 48 kHz
  VideoOdd,   // 321x241, 25 fps, 1 s, no sound: a size several encoders refuse
  VideoHd,    // 1280x720, 10 fps, 1 s, no sound
};
const std::string& ClipPath(TClip clip);
// A longer tiny clip for stopping a conversion half-way.
const std::string& LongClipPath();

// Runs avcore the way the batch does: access code, input, the option string
// cut at blanks, output.
TRunResult RunAvcore(const std::string& input, const std::string& options, const std::string& output,
                     const std::vector<std::string>& env = {});

// What ffprobe says about a file.
struct TProbeStream {
  std::string Type, Codec;
  int Width = 0, Height = 0;
  double FrameRate = 0;
  int SampleRate = 0, Channels = 0;
};
struct TProbe {
  bool Ok = false;
  std::string Format;
  double Duration = 0;
  std::vector<TProbeStream> Streams;
  const TProbeStream* First(const std::string& type) const;
};
TProbe Probe(const std::string& path);

// Decodes every stream of the file; returns FFmpeg's complaints ("" = none).
std::string DecodeErrors(const std::string& path);

// What the batch's output parser reads from an encoder console.
struct TConsoleReading {
  std::string InputName, OutputName;
  int64_t DurationMs = 0;
  std::vector<int64_t> PositionsMs;
  std::vector<std::string> FailureLines;
};
TConsoleReading ReadConsole(const std::string& text);

std::string Sha(const std::string& path);  // content fingerprint
