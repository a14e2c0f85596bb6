// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Measures of what a converted file holds, taken with FFmpeg's own tools:
// its packets, its fields, its sound levels, the picture of a moving bar.

// One stream of a file, from its packets (seconds on the file's clock).
struct TSpan {
  std::string Type;
  int Packets = 0;
  double First = 0, End = 0;
};
struct TSpans {
  std::vector<TSpan> Streams;
  double Start = 0;  // the earliest packet of any stream
  // The first stream of that kind with packets; nullptr when there is none.
  const TSpan* Of(const std::string& type) const;
  // How long a stream of that kind lasts from the file's start; 0 when none.
  double Length(const std::string& type) const;
};
TSpans Spans(const std::string& path);

// The times of the video packets, in order of presentation.
std::vector<double> VideoPacketTimes(const std::string& path);

// What FFmpeg's interlace detector makes of every picture.
struct TFieldCount {
  int Tff = 0, Bff = 0, Progressive = 0, Undetermined = 0;
  int Total() const { return Tff + Bff + Progressive + Undetermined; }
};
TFieldCount DetectFields(const std::string& path);

// The first sound stream decoded to float: its mean level in dB (all
// channels) and the share of samples beyond full scale. `filter` is put
// before the decoding ends (e.g. one channel picked by "pan").
struct TSoundLevel {
  double MeanDb = -200;
  double OverFullScale = 0;
  long long Samples = 0;
};
TSoundLevel SoundLevel(const std::string& path, const std::string& filter = "");

// A white bar moving sideways over black, as interlaced footage of it shows
// it: how far apart neighbouring lines put the bar (combing), and how many
// pixels per line are neither black nor white (two positions blended into
// one line by scaling unjoined fields). Pixels at the stored size, averaged
// over pictures in the middle of the file.
struct TBarEdges {
  double Comb = 0, Blend = 0;
};
TBarEdges BarEdges(const std::string& path);

// For each of the first `count` pictures of `output`, the index of the
// picture of `source` it looks most like.
std::vector<int> MatchingPictures(const std::string& source, const std::string& output, int count);

// The phone and player items the program ships: the avcore options of each
// item and the extension of its file.
struct TDeviceItem {
  std::string Name;  // "psp_h264 Item1"
  std::string Options, Extension;
};
std::vector<TDeviceItem> DeviceItems();
