// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>

// Which part of an audio bitrate ladder a block offers for its sample rate
// (and, for AC3, its channels): a position range of the track bar.
struct TBitrateRange {
  int Min;
  int Max;
};

struct TRangeRule {
  std::span<const TBitrateRange> BySampleRate;  // by sample-rate index; empty: no rule
  std::optional<TBitrateRange> SixChannels;     // channel index 2 overrides the rate
};

inline constexpr int kSixChannels = 2;

// The ranges follow the rate lists of the blocks: ExtendedSampleRates for
// AAC, BasicSampleRates for AC3, Mp2 and Mp3, SwfSampleRates for SWF's Mp3.
inline constexpr std::array<TBitrateRange, 8> kAacRanges = {
    {{1, 5}, {1, 5}, {1, 6}, {1, 8}, {1, 8}, {1, 10}, {1, 12}, {1, 12}}};
inline constexpr std::array<TBitrateRange, 1> kAacPspRanges = {{{1, 12}}};
inline constexpr std::array<TBitrateRange, 4> kAc3Ranges = {{{1, 12}, {1, 12}, {2, 14}, {2, 14}}};
inline constexpr std::array<TBitrateRange, 4> kMp2Ranges = {{{1, 8}, {1, 8}, {1, 13}, {1, 13}}};
inline constexpr std::array<TBitrateRange, 4> kMp3Ranges = {{{1, 8}, {1, 8}, {1, 12}, {1, 12}}};
inline constexpr std::array<TBitrateRange, 3> kSwfMp3Ranges = {{{1, 8}, {1, 8}, {1, 12}}};

inline constexpr TRangeRule kNoRangeRule{};
inline constexpr TRangeRule kAacRangeRule{kAacRanges, std::nullopt};
inline constexpr TRangeRule kAacPspRangeRule{kAacPspRanges, std::nullopt};
inline constexpr TRangeRule kAc3RangeRule{kAc3Ranges, TBitrateRange{6, 14}};
inline constexpr TRangeRule kMp2RangeRule{kMp2Ranges, std::nullopt};
inline constexpr TRangeRule kMp3RangeRule{kMp3Ranges, std::nullopt};
inline constexpr TRangeRule kSwfMp3RangeRule{kSwfMp3Ranges, std::nullopt};

// The range for a sample-rate index; nothing when the rule has none (no rule,
// or a list without selection).
std::optional<TBitrateRange> SampleRateRange(const TRangeRule& rule, int sampleRateIndex);
