// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/MpegPresets.h"

#include "profiles/ProfileSettings.h"

namespace {

constexpr int kPresetTypes = 3;
constexpr int kTargetFormats = 3;
constexpr int kDvdVideoMax = 11;

}  // namespace

TMpegPresets::TMpegPresets()
    : Audio(DvdAudioPresetLadder, static_cast<int>(DvdAudioPresetLadder.size())) {
  Video.Bar = TLadderBar(VideoPresetLadder, kDvdVideoMax);
}

void TMpegPresets::Load(const TRecordFields& record) {
  PresetType.Load(record.Int("PresetType"), kPresetTypes);
  TargetFormat.Load(record.Int("TargetFormat"), kTargetFormats);
  Video.UsePreset = record.Flag("DVDVideoBitRateUsePresert");
  Video.Specify = record.Int("DVDVideoBitRateSpecify");
  Video.Bar.Load(record.Int("DVDVideoBitRatePreset"));
  KeepAspect = record.Flag("DVDVideoKeepAspect");
  Aspect.Load(record.Int("DVDVideoAspect"), static_cast<int>(DvdAspectChoices.size()));
  AudioAuto = record.Flag("DVDAudioBitRateUseAutoSet");
  Audio.Load(record.Int("DVDAudioBitRatePreset"));
}

void TMpegPresets::Save(const TRecordFields& record) const {
  record.SetInt("PresetType", PresetType.Saved());
  record.SetInt("TargetFormat", TargetFormat.Saved());
  record.SetFlag("DVDVideoBitRateUsePresert", Video.UsePreset);
  record.SetInt("DVDVideoBitRatePreset", Video.Bar.Value());
  record.SetInt("DVDVideoBitRateSpecify", Video.Specify);
  record.SetFlag("DVDVideoKeepAspect", KeepAspect);
  record.SetInt("DVDVideoAspect", Aspect.Saved());
  record.SetFlag("DVDAudioBitRateUseAutoSet", AudioAuto);
  record.SetInt("DVDAudioBitRatePreset", Audio.Value());
}

bool TMpegPresets::DvdTabVisible(bool usePresets, int presetType) {
  return usePresets && presetType != 0 && presetType != 1;
}
