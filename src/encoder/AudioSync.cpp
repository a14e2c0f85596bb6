// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioSync.h"

int CodingDelaySamples(const std::string& encoder) {
  // Measured with FFmpeg 5.1: the encoder's priming plus the decoder's
  // filter bank.
  if (encoder == "libmp3lame") return 1105;
  if (encoder == "aac") return 1024;
  if (encoder == "mp2") return 481;
  if (encoder == "ac3") return 256;
  return 0;
}

std::vector<std::string> AudioSyncFilters(const std::string& container, const std::string& encoder,
                                          int sampleRate) {
  const std::string rate = sampleRate > 0 ? std::to_string(sampleRate) + ":" : "";
  std::vector<std::string> filters = {"aresample=" + rate + "first_pts=0"};
  const int delay = CodingDelaySamples(encoder);
  if ((container == "avi" || container == "swf" || container == "asf") && delay > 0 &&
      sampleRate > 0)
    filters.push_back("atrim=start_sample=" + std::to_string(delay));
  return filters;
}
