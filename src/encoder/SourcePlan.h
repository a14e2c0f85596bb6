// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "OutputCheck.h"
#include "SourceInfo.h"

// What the source itself calls for, beyond what the old options say.

// How the output is made to begin at a start time.
enum class TSeek {
  None,   // no start time
  Exact,  // "-ss" before the input, FFmpeg trims to the instant (sound alone)
  // "-ss" before the input without FFmpeg's trim: the picture filters begin
  // with the picture shown at the start instant, so there is no gap or hold.
  Loose,
  // No "-ss": everything is decoded and the filters drop what lies before
  // the start. For MPEG transport and program streams, whose seek lands
  // where no picture decodes, and for pictures that must be carried from
  // before the start.
  Decoded,
};

struct TWindowRequest {
  bool VideoOut = false, AudioOut = false;  // the output gets a stream of that kind
  std::string Container;
  int64_t StartMs = 0, DurationMs = 0;  // 0: none
};

struct TSourcePlan {
  TSeek Seek = TSeek::None;
  bool Cover = false;           // the video is the cover picture, held as long as the sound
  bool CarryPicture = false;    // the last picture is repeated to the end of the sound (SWF
                                // keeps sound only beside pictures)
  bool UntilSoundEnds = false;  // a held picture ends with the sound ("-shortest")
  double HoldEnd = -1;          // where a held picture ends, in seconds; -1 unknown
  bool Silence = false;         // a silent track for a device that needs sound
  bool Deinterlace = false;     // join the fields of pictures marked interlaced
  // ASF keeps no frame rate: readers take it from the gaps between the
  // first pictures, and see 1000 fps (its millisecond clock) in a file of
  // fewer than three. The last picture is repeated this often.
  int ExtraPictures = 0;
  double Length = -1;          // the source's length in seconds, -1 unknown
  double SilenceSeconds = -1;  // how long the silent track runs, -1: as long as the picture
  int SourceChannels = 0;
  TOutputExpectation Expect;
};

TSourcePlan PlanForSource(const TSourceInfo& source, const TWindowRequest& request);

// The containers that hold sound alone.
bool IsAudioContainer(const std::string& container);
