// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Suggestions for a mistyped name: a profile, a preset, a command, an option.

// The number of single-byte insertions, deletions, substitutions and swaps of
// two neighbours that turn a into b, ASCII letter case ignored.
size_t EditDistance(std::string_view a, std::string_view b);

// The candidate the user most likely meant by name, "" when none is close:
// the nearest by EditDistance, allowing one edit per four bytes of the name
// (so a short name only matches in another letter case), or any candidate
// that begins with a name of three bytes or more. Ties go to the earlier
// candidate, so a list in display order suggests what the user sees first.
std::string NearestName(std::string_view name, const std::vector<std::string>& candidates);
