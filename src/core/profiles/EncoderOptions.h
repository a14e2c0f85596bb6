// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Loads the profile file into the settings record of the current target
// (GlobalVars.OutputFormat) and returns the encoder options it stands for, in
// the encoder's legacy grammar. Every piece ends with a blank, so the result
// ends with one; a target above 15 gives "". A missing or unreadable profile
// is not an error: the record keeps its values and the options follow them.
std::string BuildEncoderOptions(const std::string& profileFileName);
