// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Loads the profile file into the settings record of the current target
// (GlobalVars.OutputFormat) and returns the encoder options it stands for, in
// the encoder's legacy grammar. Every piece ends with a blank, so the result
// ends with one; a target above 15 gives "". A missing profile is not an
// error: the record keeps its values and the options follow them. A file that
// is there but is no profile (a folder, a FIFO, a huge file) raises
// EKinovertError.
std::string BuildEncoderOptions(const std::string& profileFileName);

// The options of the format's settings record as it stands in memory (no file
// is read); "" for a format outside 0..15.
std::string OptionsOfRecord(int outputFormat);
