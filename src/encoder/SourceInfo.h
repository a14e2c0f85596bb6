// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the input holds, as ffprobe sees it before the conversion. The
// translation needs it where the old options alone cannot say what the
// output must be: a cover picture is no video, interlaced pictures need
// their fields joined, a container without a keyframe index cannot be
// entered at any instant, a device wants sound the source lacks.

struct TSourceStream {
  int Index = -1;
  std::string Type;   // "video", "audio", ...
  std::string Codec;  // "h264"
  std::string PixelFormat;
  bool AttachedPicture = false;  // a cover picture, not a moving picture
  int Width = 0, Height = 0;
  int64_t SarNum = 0, SarDen = 0;  // 0 when the file does not say
  double FrameRate = 0;            // the stream's base rate, 0 unknown
  std::string FieldOrder;          // "progressive", "tt", "bb", "tb", "bt", "unknown", ""
  int Channels = 0;
  int SampleRate = 0;
  double Start = -1, Duration = -1;  // seconds, -1 unknown
  int64_t Frames = -1;               // -1 unknown

  double PixelAspect() const;  // 1 when unknown
  bool Interlaced() const;
};

struct TSourceInfo {
  bool Known = false;  // false: nothing could be learnt, avcore goes by the options alone
  std::string Format;  // "mov,mp4,m4a,3gp,3g2,mj2"
  double Start = -1, Duration = -1;
  std::vector<TSourceStream> Streams;

  // The first moving picture (not a cover), the first cover picture, the first sound.
  const TSourceStream* Video() const;
  const TSourceStream* Cover() const;
  const TSourceStream* Audio() const;
  // Where a stream ends on the timeline FFmpeg gives the input (its start at
  // 0), in seconds; when the stream does not say, the whole file's length
  // (`orFile`) or -1.
  double EndOf(const TSourceStream& s, bool orFile = true) const;
  // The demuxer finds keyframes by an index, so a seek lands on a picture
  // that decodes; MPEG transport and program streams seek by bytes and do not.
  bool SeeksByIndex() const;
  // How many pictures the video has, when the file tells or a still image
  // makes it plain; -1 unknown.
  int64_t Pictures() const;
};

// ffprobe's arguments for `path`, and the reading of its "flat" output.
std::vector<std::string> SourceProbeArgs(const std::string& path);
TSourceInfo ParseSourceProbe(const std::string& text);
