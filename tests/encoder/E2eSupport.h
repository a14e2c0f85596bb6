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
// A clip made once per test program by FFmpeg with `args` (inputs, codecs;
// the output is the clip's own file, whose extension `name` gives).
const std::string& ClipOnce(const std::string& name, const std::vector<std::string>& args);
// A longer tiny clip for stopping a conversion half-way.
const std::string& LongClipPath();

// Runs avcore the way the batch does: access code, input, the option string
// cut at blanks, output.
TRunResult RunAvcore(const std::string& input, const std::string& options,
                     const std::string& output, const std::vector<std::string>& env = {});

// What ffprobe says about a file.
struct TProbeStream {
  std::string Type, Codec;
  int Width = 0, Height = 0;
  double FrameRate = 0;
  int SampleRate = 0, Channels = 0;
  std::string Profile;       // "Main", "Constrained Baseline", ...
  int Level = 0;             // H.264: 30 for level 3.0
  std::string SampleAspect;  // "64:45"; "" when the file has none
  std::string DisplayAspect;
  std::string FieldOrder;        // "progressive", "tt", "bb", ...; "" when unknown
  bool AttachedPicture = false;  // marked as a cover picture
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

// Width over height of a pixel: the file's sample aspect, 1 when it has none.
double PixelAspect(const TProbeStream& s);

// When a file shows its first bright picture and plays its first loud sound,
// in seconds on the file's own clock, as a player sees them; -1 for none.
struct TFlashAndBeep {
  double Flash = -1, Beep = -1;
};
TFlashAndBeep FindFlashAndBeep(const std::string& path);

// One decoded picture in grey levels at the stored size.
struct TGreyPicture {
  int Width = 0, Height = 0;
  std::string Pixels;  // Width * Height bytes, row by row
  unsigned char At(int x, int y) const {
    return static_cast<unsigned char>(Pixels[static_cast<size_t>(y * Width + x)]);
  }
};
TGreyPicture DecodePicture(const std::string& path, int index, int width, int height);
