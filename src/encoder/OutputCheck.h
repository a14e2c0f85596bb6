// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The verdict on a finished output is taken from the file itself: FFmpeg
// counts what its encoders made, not what a muxer kept (the SWF muxer drops
// every sound that has no picture beside it and FFmpeg still calls that a
// success), so its statistics cannot tell a good file from a lost stream.

// What the output must hold: a stream of each kind the source gives it, as
// long as the source has it to give, and the whole as long as the source
// (or the window) lasts (seconds, -1 when unknown).
struct TOutputExpectation {
  bool Video = false, Audio = false;
  double VideoSeconds = -1, AudioSeconds = -1;
  double Seconds = -1;
};

// One stream of the finished file, from its packets.
struct TOutputStream {
  std::string Type;  // "video", "audio", ...
  long long Packets = 0;
  double First = 0, End = 0;  // seconds, valid when Packets > 0
};

// Reads ffprobe's packet listing (OutputProbeArgs) line by line.
class TPacketListing {
 public:
  void Line(const std::string& line);
  std::vector<TOutputStream> Streams() const;

 private:
  struct TState {
    TOutputStream Stream;
    double Sum = 0;  // running time for packets without a timestamp
    bool Seen = false;
  };
  TState& At(size_t index);
  std::vector<TState> States_;
};
std::vector<std::string> OutputProbeArgs(const std::string& path);

struct TOutputVerdict {
  bool Empty = false;   // not one packet of anything
  std::string Problem;  // "" when the file holds what it must
};

// `convertedSeconds` is how far FFmpeg says it converted (0 unknown): a
// source shorter than its header claims is converted as far as it goes.
// `input` and `output` are the names to quote in the problem.
TOutputVerdict CheckOutput(const std::vector<TOutputStream>& streams, const TOutputExpectation& e,
                           double convertedSeconds, const std::string& input,
                           const std::string& output);
