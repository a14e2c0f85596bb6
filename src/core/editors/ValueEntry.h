// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// The check behind the value entry dialog.

// A signed decimal integer that fills the whole text and fits 32 bits. When
// it does not, ErrorPosition is the 1-based position of the first character
// that stops the conversion (one past the end when the text stops short, so
// an empty text gives 1).
struct TIntegerEntry {
  bool Ok = false;
  int32_t Value = 0;
  int ErrorPosition = 0;
};
TIntegerEntry ParseIntegerEntry(std::string_view text);

// Whether the dialog may close with this text: a number within min..max
// (both included). Otherwise the message saying why is shown (an OK box with
// the exclamation icon) and the answer is false.
bool AcceptEnteredValue(std::string_view text, int32_t min, int32_t max, int32_t& value);
