// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioMix.h"

std::vector<std::string> DownmixFilters(int sourceChannels, int outputChannels) {
  std::vector<std::string> filters;
  if (outputChannels < 1 || outputChannels > 2 || sourceChannels <= outputChannels) return filters;
  if (sourceChannels > 2)
    filters.push_back(
        "aresample=ochl=stereo:clev=0.7071:slev=0.7071:lfe_mix_level=0:rematrix_maxval=1");
  if (outputChannels == 1) filters.push_back("aresample=ochl=mono:rematrix_maxval=1");
  return filters;
}
