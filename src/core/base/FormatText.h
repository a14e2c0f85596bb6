// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>

// Fills the directives of a language text in order: %s and %d take the next
// argument (already formatted), %% is a percent sign. Missing arguments leave
// their directives as they stand, so a translated text can never read past
// what it was given.
std::string FormatText(const std::string& format, std::initializer_list<std::string> args);
