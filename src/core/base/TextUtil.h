// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text helpers shared by every layer; no text table, no global state.

// True when some character of chars occurs in text.
bool HasAnyChar(std::string_view text, std::string_view chars);

// Case-sensitive substring test.
bool Contains(std::string_view sub, std::string_view text);

// Occurrences of sub in text, overlapping ones counted ("aa" in "aaa" is 2);
// 0 for an empty sub.
int CountOccurrences(std::string_view text, std::string_view sub);

// The pieces between single-character separators, empty pieces kept; the last
// piece is always added, so "" gives one empty piece and "a," gives "a", "".
std::vector<std::string> SplitText(std::string_view text, char separator);

// The text after the first a, up to the first b that starts at least one
// character after that, trimmed of blanks; empty when a or such a b is missing.
// This is how values are picked out of the encoder's console lines.
std::string TextBetween(std::string_view line, std::string_view a, std::string_view b);

// ASCII letters in lower case; other bytes (UTF-8 included) as they are.
std::string LowerCaseAscii(std::string_view text);
// Equal when ASCII letter case is ignored, as file names on the systems our
// data files come from compare.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

// Blanks and tabs off both ends.
std::string_view TrimBlanks(std::string_view text);

// count decimal digits, each uniform in 0..9.
std::string RandomDigits(int count);
