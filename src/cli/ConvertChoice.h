// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What --profile, --device and --item name, as the files a batch converts
// with. Each throws TUsageError (or EKinovertError for a file that cannot be
// read as a data file) saying what there is to choose from, and the nearest
// name when the given one is a near miss.

// A profile of the target's folder by its exact listed name, or a profile
// file by path (a value with a "/", or a file that is there when no profile
// has that name). A file by path must hold a key of the target's profiles.
// Returns the absolute path.
std::string ResolveProfile(int outputFormat, const std::string& profile);

// A device preset by path, or by its file name in the preset folder.
std::string ResolveDevicePreset(int outputFormat, const std::string& device);

// Throws unless the preset file has an "Item" section of that name.
void CheckPresetItem(const std::string& presetFile, const std::string& section);

// The absolute, normalised form of a path; the path itself when it has none.
std::string AbsolutePath(const std::string& path);
