// SPDX-License-Identifier: GPL-3.0-or-later
#include "EncoderTuning.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Kbps(long v) {
  return std::to_string(v) + "k";
}

struct TLevel {
  const char* Name;
  int MaxKbps;  // the level's largest bitrate and buffer for this profile
  int BufferKbits;
};

// The iPod plays Baseline up to level 1.3 at 320x240 and 768 kbit/s, and up
// to level 3.0 at 640x480; the PSP plays Main up to level 3.0.
TLevel IpodLevel(const std::optional<TFrameSize>& frame, int kbps) {
  if (frame && frame->Width * frame->Height <= 320 * 240 && kbps > 0 && kbps <= 768)
    return {"1.3", 768, 2000};
  return {"3.0", 10000, 10000};
}

}  // namespace

TTuning TuneVideo(const std::string& container, const std::string& encoder,
                  const std::optional<TFrameSize>& frame, int kbps, double fps) {
  TTuning t;
  t.VideoKbps = kbps;
  auto cap = [&t](int most, const std::string& why) {
    if (t.VideoKbps > most) {
      t.Note = "video bitrate " + std::to_string(t.VideoKbps) + "k is more than " + why +
               ", using " + Kbps(most);
      t.VideoKbps = most;
    }
  };
  if (encoder == "libx264" && (container == "ipod" || container == "psp")) {
    const bool ipod = container == "ipod";
    TLevel level = ipod ? IpodLevel(frame, kbps) : TLevel{"3.0", 10000, 10000};
    t.Args = {"-profile:v", ipod ? "baseline" : "main", "-level:v", level.Name,
              "-maxrate",   Kbps(level.MaxKbps),        "-bufsize", Kbps(level.BufferKbits)};
    // The PSP's decoder is not sure to follow B-frames used as references.
    if (!ipod) t.Args.insert(t.Args.end(), {"-b-pyramid", "none"});
    cap(level.MaxKbps, std::string("H.264 level ") + level.Name + " allows");
  } else if (encoder == "libx264" && container == "avi") {
    // AVI keeps no presentation times: reordered frames would be shown late.
    t.Args = {"-bf", "0"};
  } else if (encoder == "rv10") {
    // The buffer refills completely every frame, so it caps each picture and
    // nothing else; FFmpeg refuses a bitrate that needs more per frame.
    const double rate = fps > 0 ? fps : 25;
    const long refill = std::lround(kRealVideoPictureKbits * rate);
    t.Args = {"-maxrate", Kbps(refill), "-bufsize", Kbps(kRealVideoPictureKbits)};
    cap(static_cast<int>(kRealVideoPictureKbits * rate * 0.9),
        "RealMedia can hold at this frame rate (64 kB per picture)");
  }
  return t;
}
