// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/BitrateChoice.h"
#include "editors/EditorDesc.h"
#include "editors/ListChoice.h"
#include "editors/RecordFields.h"

// The controls of one video codec block: bitrate, frame size (free, or the
// three H.263 sizes), frame rate and aspect.
class TVideoBlockState {
 public:
  explicit TVideoBlockState(const TVideoBlockDesc& desc);

  const TVideoBlockDesc& Desc() const { return *Desc_; }
  bool FixedSize() const { return Desc_->Size == TVideoSize::FixedH263; }

  void Load(const TRecordFields& record);
  void Save(const TRecordFields& record) const;

  TBitrateChoice Bitrate;

  // Free size. The edits hold what is typed, never cut; the size list
  // follows every change of them, while picking "..." in the list changes
  // nothing but the list. Leaving an edit with a number the codec cannot
  // take (outside kSizeEditMin..the block's limit) says so, with the range,
  // and puts back what the edit held when the focus came; a stored size is
  // never refused while it is left as it is.
  bool KeepSize = true;
  int Width = kSizeEditMin;
  int Height = kSizeEditMin;
  int SizeListIndex = -1;
  bool SizeEnabled() const { return !KeepSize; }
  void ChooseSize(int listIndex);
  void SetWidth(int width);
  void SetHeight(int height);
  void EnterWidth() { WidthOnEntry_ = Width; }
  void EnterHeight() { HeightOnEntry_ = Height; }
  // False when the number was refused.
  bool LeaveWidth();
  bool LeaveHeight();

  // H.263: which of kH263Sizes is checked.
  int FixedSizeIndex = kH263InitialSize;

  bool KeepFrameRate = true;
  TListChoice FrameRate;
  bool FrameRateEnabled() const { return !KeepFrameRate; }

  // The checked aspect radio button (AspectChoices, or H263AspectChoices).
  int Aspect = 0;
  int AspectCount() const;

 private:
  bool Leave(int& value, int onEntry, int max, TMsgKey range);

  const TVideoBlockDesc* Desc_;
  int WidthOnEntry_ = kSizeEditMin;
  int HeightOnEntry_ = kSizeEditMin;
};
