// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "profiles/ProfileSettings.h"

// The fields of a target's global settings record by key, so one editor block
// serves every codec block: a block's fields are its role names followed by
// the block's suffix. A key the record lacks is a fault of the editor tables
// and throws std::logic_error.
class TRecordFields {
 public:
  explicit TRecordFields(int outputFormat) : Format_(outputFormat) {}

  bool Has(std::string_view key) const;

  // Flags read as 0 or 1, index fields as 0..255.
  int32_t Int(std::string_view key) const;
  bool Flag(std::string_view key) const { return Int(key) != 0; }
  const std::string& Text(std::string_view key) const;

  // An index field keeps the low 8 bits, as a profile file does.
  void SetInt(std::string_view key, int32_t value) const;
  void SetFlag(std::string_view key, bool value) const { SetInt(key, value ? 1 : 0); }
  void SetText(std::string_view key, const std::string& value) const;

 private:
  TProfileFieldRef Field(std::string_view key) const;
  int Format_;
};

// Role + suffix: Key("VideoWidth", "DivX") is "VideoWidthDivX".
std::string Key(std::string_view role, std::string_view suffix);
