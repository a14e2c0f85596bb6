// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Sets ProfileRoot, ProfileDirs and DefaultSettingDir of GlobalVars from the
// program folder and LanguageFile.
void SetProfileFolders();

// SetProfileFolders, then creates the sixteen format folders (with any
// missing parents) in ProfileDirs order; false at the first that cannot be
// made. The device preset folder is not created.
bool CreateProfileFolders();

// The profile file of a format: its folder + name + "." + its extension.
std::string ProfileFilePath(int outputFormat, const std::string& profileName);
