// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/ValueEntry.h"

#include <string>

#include "app/Dialogs.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"

TIntegerEntry ParseIntegerEntry(std::string_view text) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const size_t firstDigit = i;
  int64_t magnitude = 0;
  const int64_t limit = negative ? 2147483648LL : 2147483647LL;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return {false, 0, static_cast<int>(i) + 1};
  }
  if (i == firstDigit || i < text.size()) return {false, 0, static_cast<int>(i) + 1};
  return {true, static_cast<int32_t>(negative ? -magnitude : magnitude), 0};
}

bool AcceptEnteredValue(std::string_view text, int32_t min, int32_t max, int32_t& value) {
  const TIntegerEntry entry = ParseIntegerEntry(text);
  if (!entry.Ok) {
    MessageBoxText(FormatText(ResStr(MSG_INVAILD_VALUE), {std::to_string(entry.ErrorPosition)}),
                   ResStr(MSG_INVAILD_VALUE_TITLE), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (entry.Value < min || entry.Value > max) {
    MessageBoxText(
        FormatText(ResStr(MSG_INVAILD_VALUE_BETWEEN), {std::to_string(min), std::to_string(max)}),
        ResStr(MSG_INVAILD_VALUE_BETWEEN_TITLE), MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  value = entry.Value;
  return true;
}
