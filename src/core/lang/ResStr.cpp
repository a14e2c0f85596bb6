// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/ResStr.h"

#include <array>

namespace {
// Only the texts core needs so far; the full English table replaces this.
std::array<std::string, kMsgKeyCount> MakeTexts() {
  std::array<std::string, kMsgKeyCount> t;
  t[MSG_NO_DESCRIPTION] = "No Description";
  t[MSG_EMPTY_STR] = "...";
  return t;
}
std::array<std::string, kMsgKeyCount> Texts = MakeTexts();
}  // namespace

const std::string& ResStr(TMsgKey key) { return Texts[static_cast<size_t>(key)]; }
