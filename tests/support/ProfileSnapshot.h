// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "app/GlobalVars.h"
#include "profiles/ProfileSettings.h"

// Every field of a target's global record as text, by key.
using TProfileValues = std::map<std::string, std::string>;

inline TProfileValues ProfileSnapshot(int format) {
  TProfileValues values;
  for (std::string_view key : ProfileKeys(format)) {
    TProfileFieldRef field = ProfileField(format, key);
    std::string text;
    if (auto* s = std::get_if<std::string*>(&field)) text = **s;
    if (auto* b = std::get_if<bool*>(&field)) text = std::to_string(**b ? 1 : 0);
    if (auto* i = std::get_if<uint8_t*>(&field)) text = std::to_string(**i);
    if (auto* n = std::get_if<int32_t*>(&field)) text = std::to_string(**n);
    values[std::string(key)] = text;
  }
  return values;
}

// Every field changed, so a field that a writer leaves out shows.
inline void ScrambleProfile(int format) {
  for (std::string_view key : ProfileKeys(format)) {
    TProfileFieldRef field = ProfileField(format, key);
    if (auto* s = std::get_if<std::string*>(&field)) (*s)->assign(3, '?');
    if (auto* b = std::get_if<bool*>(&field)) **b = !**b;
    if (auto* i = std::get_if<uint8_t*>(&field)) **i = 201;
    if (auto* n = std::get_if<int32_t*>(&field)) **n = 12345;
  }
}

// The defaults an editor cannot show: preset bitrates on no ladder entry load
// at the ladder's default position and are saved as its value.
inline TProfileValues DefaultsAsAnEditorSavesThem(int format) {
  DefaultProfile(format);
  TProfileValues values = ProfileSnapshot(format);
  if (format == of3GP) {
    values["VideoBitRatePresetDivX"] = "128";  // 144
    values["VideoBitRatePresetXviD"] = "128";  // 96
    values["VideoBitRatePresetH263"] = "128";  // 144
  }
  if (format == ofMPEG) {
    values["DVDVideoBitRatePreset"] = "4600";  // 6000, beyond the DVD track bar
    values["DVDAudioBitRatePreset"] = "160";   // 384, on no entry
  }
  return values;
}
