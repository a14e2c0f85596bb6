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

// The defaults as an editor saves them: all of them, also the preset
// bitrates on no ladder entry or beyond a track bar's end, which the editor
// shows at the nearest position and keeps.
inline TProfileValues DefaultsAsAnEditorSavesThem(int format) {
  DefaultProfile(format);
  return ProfileSnapshot(format);
}
