// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Snap.h"

// Encoder settings the legacy options never name but the output needs: the
// H.264 profile and level the iPod and the PSP play, RealVideo pictures that
// fit the RealMedia packet limit, H.264 without reordered frames in AVI.
struct TTuning {
  std::vector<std::string> Args;
  int VideoKbps = 0;  // the video bitrate to ask for (0: none was asked)
  std::string Note;   // why the bitrate was lowered, if it was
};

// `frame` is the output size when it is fixed, `fps` the output frame rate.
TTuning TuneVideo(const std::string& container, const std::string& encoder,
                  const std::optional<TFrameSize>& frame, int kbps, double fps);

// The buffer that holds each RealVideo picture below the RealMedia muxer's
// 64 kB packet limit: rate control then coarsens any picture that would not
// fit (kbit).
inline constexpr int kRealVideoPictureKbits = 400;
