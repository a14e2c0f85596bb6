// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/VideoBlockState.h"

#include "app/Dialogs.h"
#include "base/FormatText.h"
#include "profiles/ProfileSettings.h"

TVideoBlockState::TVideoBlockState(const TVideoBlockDesc& desc) : Desc_(&desc) {
  Bitrate.Bar = TLadderBar(desc.Ladder, desc.TrackBarMax);
}

int TVideoBlockState::AspectCount() const {
  return static_cast<int>(FixedSize() ? H263AspectChoices.size() : AspectChoices.size());
}

void TVideoBlockState::Load(const TRecordFields& record) {
  const std::string_view c = Desc_->Suffix;
  Bitrate.UsePreset = record.Flag(Key("VideoBitRateUsePresert", c));
  Bitrate.Specify = record.Int(Key("VideoBitRateSpecify", c));
  Bitrate.Bar.Load(record.Int(Key("VideoBitRatePreset", c)));
  const int width = record.Int(Key("VideoWidth", c));
  const int height = record.Int(Key("VideoHeight", c));
  if (FixedSize()) {
    // A size that is none of the three leaves the checked one as it was.
    if (std::optional<int> fixed = FindH263Size(width, height)) FixedSizeIndex = *fixed;
  } else {
    KeepSize = record.Flag(Key("VideoSizeUseSource", c));
    SetWidth(width);
    SetHeight(height);
    EnterWidth();
    EnterHeight();
  }
  KeepFrameRate = record.Flag(Key("VideoKeepFrameRate", c));
  FrameRate.Load(record.Int(Key("VideoFrameRate", c)), static_cast<int>(Desc_->FrameRates.size()));
  // A code outside the block's choices leaves the radio buttons as they were.
  const int aspect = record.Int(Key("VideoAspect", c));
  if (aspect < AspectCount()) Aspect = aspect;
}

void TVideoBlockState::Save(const TRecordFields& record) const {
  const std::string_view c = Desc_->Suffix;
  record.SetFlag(Key("VideoBitRateUsePresert", c), Bitrate.UsePreset);
  record.SetInt(Key("VideoBitRatePreset", c), Bitrate.Bar.Value());
  record.SetInt(Key("VideoBitRateSpecify", c), Bitrate.Specify);
  if (FixedSize()) {
    const TFixedSize& size = kH263Sizes[static_cast<size_t>(FixedSizeIndex)];
    record.SetInt(Key("VideoWidth", c), size.Width);
    record.SetInt(Key("VideoHeight", c), size.Height);
  } else {
    record.SetFlag(Key("VideoSizeUseSource", c), KeepSize);
    record.SetInt(Key("VideoWidth", c), Width);
    record.SetInt(Key("VideoHeight", c), Height);
  }
  record.SetFlag(Key("VideoKeepFrameRate", c), KeepFrameRate);
  record.SetInt(Key("VideoFrameRate", c), FrameRate.Saved());
  record.SetInt(Key("VideoAspect", c), Aspect);
}

void TVideoBlockState::ChooseSize(int listIndex) {
  SizeListIndex = listIndex;
  if (std::optional<std::pair<int, int>> size = SizeOfItem(Desc_->Sizes, listIndex)) {
    SetWidth(size->first);
    SetHeight(size->second);
  }
}

void TVideoBlockState::SetWidth(int width) {
  Width = width;
  SizeListIndex = SyncSizeCombo(Desc_->Sizes, Width, Height);
}

void TVideoBlockState::SetHeight(int height) {
  Height = height;
  SizeListIndex = SyncSizeCombo(Desc_->Sizes, Width, Height);
}

bool TVideoBlockState::LeaveWidth() {
  return Leave(Width, WidthOnEntry_, Desc_->SizeLimit.MaxWidth, MSG_WIDTH_RANGE);
}

bool TVideoBlockState::LeaveHeight() {
  return Leave(Height, HeightOnEntry_, Desc_->SizeLimit.MaxHeight, MSG_HEIGHT_RANGE);
}

bool TVideoBlockState::Leave(int& value, int onEntry, int max, TMsgKey range) {
  const bool refused = value != onEntry && (value < kSizeEditMin || value > max);
  if (refused) {
    value = onEntry;
    MessageBoxText(FormatText(ResStr(range), {ResStr(Desc_->Title), std::to_string(kSizeEditMin),
                                              std::to_string(max)}),
                   ResStr(MSG_INVAILD_VALUE_TITLE), MB_OK | MB_ICONEXCLAMATION);
  } else if (Desc_->EvenSizes && value != onEntry) {
    value = MakeEven(value);
  }
  SizeListIndex = SyncSizeCombo(Desc_->Sizes, Width, Height);
  return !refused;
}
