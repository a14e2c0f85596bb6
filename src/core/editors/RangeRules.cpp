// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/RangeRules.h"

std::optional<TBitrateRange> SampleRateRange(const TRangeRule& rule, int sampleRateIndex) {
  if (sampleRateIndex < 0 || static_cast<size_t>(sampleRateIndex) >= rule.BySampleRate.size())
    return std::nullopt;
  return rule.BySampleRate[static_cast<size_t>(sampleRateIndex)];
}
