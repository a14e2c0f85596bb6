// SPDX-License-Identifier: GPL-3.0-or-later
// Time texts of any content: a text that is a time reads back the same from
// the form the program writes, and the encoder's rule never overflows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/TimeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  int64_t ms = ParseTimeText(text);
  if (ms < -1) std::abort();
  if (ms >= 0 && ParseTimeText(FormatTimeText(ms)) != ms) std::abort();
  (void)TimeTextToMs(text);
  int64_t seconds = 0;
  (void)SecondsTextToMs(text, seconds);
  return 0;
}
