// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editors/BitrateChoice.h"
#include "editors/LadderBar.h"
#include "editors/ListChoice.h"
#include "editors/RecordFields.h"

// The MPEG editor's preset formats (VCD, SVCD or DVD for an Auto, NTSC or PAL
// target) and its DVD page. Hidden or disabled, every value is kept and saved.
class TMpegPresets {
 public:
  TMpegPresets();

  void Load(const TRecordFields& record);
  void Save(const TRecordFields& record) const;

  TListChoice PresetType;    // 0 VCD, 1 SVCD, 2 DVD
  TListChoice TargetFormat;  // 0 Auto, 1 NTSC, 2 PAL

  // The DVD page: its own video ladder, stopping at 4600, while Configure
  // takes the whole ladder; the DVD audio ladder has 128 twice.
  TBitrateChoice Video;
  bool KeepAspect = true;
  TListChoice Aspect;  // DvdAspectChoices
  bool AspectEnabled() const { return !KeepAspect; }
  // The auto check box is stored but leaves the track bar usable.
  bool AudioAuto = false;
  TLadderBar Audio;

  // The DVD tab shows with presets on for any type but VCD and SVCD.
  static bool DvdTabVisible(bool usePresets, int presetType);
};
