// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/AudioBlockState.h"

TAudioBlockState::TAudioBlockState(const TAudioBlockDesc& desc)
    : Bar(desc.Ladder, desc.TrackBarMax), Desc_(&desc) {}

void TAudioBlockState::Load(const TRecordFields& record) {
  const std::string_view a = Desc_->Suffix;
  if (HasBitrate()) {
    AutoBitrate = record.Flag(Key("AudioBitRateUseAutoSet", a));
    Bar.Load(record.Int(Key("AudioBitRatePreset", a)));
  }
  SampleRate.Load(record.Int(Key("AudioSampleRate", a)),
                  static_cast<int>(Desc_->SampleRates.size()));
  Channels.Load(record.Int(Key("AudioChannels", a)), static_cast<int>(Desc_->Channels.size()));
}

void TAudioBlockState::Save(const TRecordFields& record) const {
  const std::string_view a = Desc_->Suffix;
  if (HasBitrate()) {
    record.SetFlag(Key("AudioBitRateUseAutoSet", a), AutoBitrate);
    // The track bar's value also while the encoder is left to choose.
    record.SetInt(Key("AudioBitRatePreset", a), Bar.Value());
  }
  record.SetInt(Key("AudioSampleRate", a), SampleRate.Saved());
  record.SetInt(Key("AudioChannels", a), Channels.Saved());
}

void TAudioBlockState::SampleRateChanged() {
  NarrowBySampleRate();
  Bar.DropKeptOutsideRange();
}

void TAudioBlockState::ChannelsChanged() {
  NarrowByChannels();
  Bar.DropKeptOutsideRange();
}

void TAudioBlockState::NarrowBySampleRate() {
  if (std::optional<TBitrateRange> range = SampleRateRange(Desc_->Rule, SampleRate.Index))
    Bar.SetRange(range->Min, range->Max);
}

void TAudioBlockState::NarrowByChannels() {
  if (SixChannelGroupInFront()) {
    Bar.SetRange(Desc_->Rule.SixChannels->Min, Desc_->Rule.SixChannels->Max);
    return;
  }
  NarrowBySampleRate();
}

bool TAudioBlockState::SixChannelGroupInFront() const {
  return Desc_->Rule.SixChannels.has_value() && Channels.Index == kSixChannels;
}
