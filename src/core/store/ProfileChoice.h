// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What a conversion takes from the profile side: a profile file, or for MP4
// and 3GP a device preset file and one of its "Item" sections. Empty fields
// mean nothing is chosen.
struct TProfileChoice {
  std::string ProfileFile;  // full path
  std::string DevicePresetFile;
  std::string DeviceSection;
};
