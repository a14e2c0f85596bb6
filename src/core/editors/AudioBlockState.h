// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/EditorDesc.h"
#include "editors/LadderBar.h"
#include "editors/ListChoice.h"
#include "editors/RecordFields.h"

// The controls of one audio codec block: the bitrate (auto, or a preset track
// bar narrowed by the block's range rule), the sample rate and the channels.
// Uncompressed blocks have only the two lists.
class TAudioBlockState {
 public:
  explicit TAudioBlockState(const TAudioBlockDesc& desc);

  const TAudioBlockDesc& Desc() const { return *Desc_; }
  bool HasBitrate() const { return !Desc_->Ladder.empty(); }

  void Load(const TRecordFields& record);
  void Save(const TRecordFields& record) const;

  bool AutoBitrate = false;
  TLadderBar Bar;
  bool BitrateEnabled() const { return !AutoBitrate; }

  TListChoice SampleRate;
  TListChoice Channels;

  // The sample rate rule, run when the user picks a rate. A stored bitrate
  // the bar kept gives way when the new range cannot hold it.
  void SampleRateChanged();
  // The channel rule (six AC3 channels fix the range and cover the rate
  // list, otherwise the rate decides), run when the user picks channels.
  void ChannelsChanged();
  // On showing, the channel rule alone: narrowing first by a rate that six
  // channels hide would lower a six-channel bitrate for nothing. It narrows
  // the bar but leaves a stored bitrate as it was: nothing has been edited.
  void ApplyRangeRule() { NarrowByChannels(); }

  // Whether the fixed "48000" group covers the sample rate list.
  bool SixChannelGroupInFront() const;

 private:
  void NarrowBySampleRate();
  void NarrowByChannels();

  const TAudioBlockDesc* Desc_;
};
