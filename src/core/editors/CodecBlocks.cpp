// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/CodecBlocks.h"

#include <array>

#include "profiles/ProfileSettings.h"

namespace {

constexpr std::array<TMsgKey, 2> kStereoChannels = {MSG_CHANNELS_1, MSG_CHANNELS_2};
constexpr std::array<TMsgKey, 1> kMonoChannels = {MSG_CHANNELS_1};
constexpr std::array<TMsgKey, 3> kAc3Channels = {MSG_CHANNELS_1, MSG_CHANNELS_2, MSG_CHANNELS_6};

}  // namespace

TAudioBlockDesc Ac3Audio() {
  return {"AC3", MSG_AC3, Ac3PresetLadder, 14, BasicSampleRates, kAc3Channels, kAc3RangeRule};
}

TAudioBlockDesc Mp2Audio() {
  return {"Mp2", MSG_MP2, Mp2PresetLadder, 13, BasicSampleRates, kStereoChannels, kMp2RangeRule};
}

TAudioBlockDesc Mp3Audio() {
  return {"Mp3", MSG_MP3, Mp3PresetLadder, 12, BasicSampleRates, kStereoChannels, kMp3RangeRule};
}

TAudioBlockDesc SwfMp3Audio() {
  return {"Mp3", MSG_MP3, Mp3PresetLadder, 12, SwfSampleRates, kStereoChannels, kSwfMp3RangeRule};
}

TAudioBlockDesc AacAudio(std::string_view pageName) {
  return {"AACMp4",        MSG_AAC,       AacPresetLadder, 12, ExtendedSampleRates,
          kStereoChannels, kAacRangeRule, pageName};
}

TAudioBlockDesc AacPspAudio() {
  return {"AACPsp",       MSG_AAC,         AacPresetLadder, 12,
          PspSampleRates, kStereoChannels, kAacPspRangeRule};
}

TAudioBlockDesc AmrNbAudio() {
  return {"Armnb", MSG_AMRNB, AmrNbPresetLadder, 6, AmrNbSampleRates, kMonoChannels};
}

TAudioBlockDesc AmrWbAudio() {
  return {"Armwb", MSG_AMRWB, AmrWbPresetLadder, 7, AmrWbSampleRates, kMonoChannels};
}

TAudioBlockDesc PlainAudio(std::string_view suffix, TMsgKey title, std::string_view pageName) {
  return {suffix, title, {}, 0, ExtendedSampleRates, kStereoChannels, kNoRangeRule, pageName};
}

TVideoBlockDesc FreeVideo(const TVideoBlockKind& kind, std::string_view suffix, TMsgKey title,
                          std::string_view controlSuffix, std::string_view pageName) {
  return {suffix,     title,          kind.Ladder,     kind.TrackBarMax, TVideoSize::Free,
          kind.Sizes, kind.EvenSizes, kind.FrameRates, controlSuffix,    pageName};
}

TVideoBlockDesc H263Video(const TVideoBlockKind& kind) {
  return {"H263", MSG_H263, kind.Ladder,    kind.TrackBarMax, TVideoSize::FixedH263,
          {},     true,     kind.FrameRates};
}
