// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourcePlan.h"

#include <algorithm>

namespace {

// Interlaced pictures come from YUV sources; a filter on anything else
// would only add a conversion.
bool CanBeInterlaced(const TSourceStream& v) {
  const std::string& f = v.PixelFormat;
  return v.FieldOrder != "progressive" && (f.rfind("yuv", 0) == 0 || f.rfind("gray", 0) == 0);
}

}  // namespace

bool IsAudioContainer(const std::string& container) {
  return container == "adts" || container == "ac3" || container == "mp2" || container == "mp3" ||
         container == "amr" || container == "wav";
}

TSourcePlan PlanForSource(const TSourceInfo& source, const TWindowRequest& request) {
  TSourcePlan plan;
  const double start = static_cast<double>(request.StartMs) / 1000;
  const bool windowed = request.StartMs > 0;
  if (windowed) plan.Seek = TSeek::Exact;
  if (!source.Known) return plan;

  const TSourceStream* video = source.Video();
  const TSourceStream* audio = source.Audio();
  plan.Length = source.Duration;
  plan.SourceChannels = audio != nullptr ? audio->Channels : 0;
  const double videoEnd = video != nullptr ? source.EndOf(*video, false) : -1;
  const double audioEnd = audio != nullptr ? source.EndOf(*audio, false) : -1;
  if (request.VideoOut) {
    const bool sound = request.AudioOut && audio != nullptr;
    if (video == nullptr && source.Cover() != nullptr) {
      // Held as long as the sound (and "-shortest" ends it with a sound that
      // stops before the header says), or the file's length without sound.
      plan.Cover = true;
      plan.UntilSoundEnds = sound;
      plan.HoldEnd = sound && audioEnd > 0 ? audioEnd : plan.Length;
      if (!sound && plan.HoldEnd <= 0) plan.Cover = false;
    } else if (request.Container == "swf" && video != nullptr && sound) {
      const double frame = video->FrameRate > 0 ? 1 / video->FrameRate : 0.04;
      if (videoEnd > 0 && audioEnd > 0) {
        plan.CarryPicture = plan.UntilSoundEnds = audioEnd > videoEnd + frame;
        plan.HoldEnd = audioEnd;
      } else if (plan.Length > 0) {
        // Where the streams do not say how long they are, the picture goes
        // to the file's end, which is the end of the longer stream.
        plan.CarryPicture = true;
        plan.HoldEnd = plan.Length;
      }
    }
    plan.Deinterlace = video != nullptr && CanBeInterlaced(*video);
    const int64_t pictures = source.Pictures();
    if (request.Container == "asf" && pictures > 0 && pictures < 3)
      plan.ExtraPictures = static_cast<int>(3 - pictures);
    plan.Silence = request.Container == "psp" && request.AudioOut && audio == nullptr &&
                   (video != nullptr || plan.Cover);
    if (windowed && video != nullptr)
      plan.Seek = source.SeeksByIndex() ? TSeek::Loose : TSeek::Decoded;
    // A held picture may have to be carried from before the start.
    if (windowed && (plan.Cover || plan.CarryPicture)) plan.Seek = TSeek::Decoded;
  }

  // What of the source lies in the window, in seconds; -1 unknown.
  const double duration = static_cast<double>(request.DurationMs) / 1000;
  auto window = [&](double end) {
    if (end < 0) return -1.0;
    double left = std::max(0.0, end - start);
    return request.DurationMs > 0 ? std::min(left, duration) : left;
  };
  const double all = window(plan.Length);
  if (plan.Silence && plan.Length > 0)
    plan.SilenceSeconds = plan.Seek == TSeek::Decoded ? plan.Length : all;

  // A stream with nothing in the window need not be there.
  auto wanted = [](double seconds) { return seconds < 0 || seconds > 0.05; };
  TOutputExpectation& e = plan.Expect;
  e.Seconds = all;
  if (request.VideoOut && (video != nullptr || plan.Cover)) {
    e.VideoSeconds = plan.Cover || plan.CarryPicture ? window(plan.HoldEnd) : window(videoEnd);
    e.Video = wanted(e.VideoSeconds);
  }
  if (request.AudioOut && (audio != nullptr || plan.Silence)) {
    e.AudioSeconds = plan.Silence ? all : window(audioEnd);
    e.Audio = wanted(e.AudioSeconds);
  }
  return plan;
}
