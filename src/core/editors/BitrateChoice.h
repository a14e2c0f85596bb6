// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "editors/LadderBar.h"

// A video bitrate as an editor offers it: a preset track bar over a ladder,
// or a specified value changed only through the value entry dialog.
struct TBitrateChoice {
  bool UsePreset = true;
  TLadderBar Bar;
  int32_t Specify = 0;

  // The track bar's labels and the specify controls are enabled by these.
  bool PresetEnabled() const { return UsePreset; }
  bool SpecifyEnabled() const { return !UsePreset; }

  // What the value entry accepts: the first to the last entry of the ladder,
  // even where the track bar stops earlier.
  int32_t ConfigureMin() const { return LadderValue(Bar.Ladder(), 1); }
  int32_t ConfigureMax() const {
    return LadderValue(Bar.Ladder(), static_cast<int>(Bar.Ladder().size()));
  }
};
