// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Sets ProfileRoot, ProfileDirs and DefaultSettingDir of GlobalVars from
// LanguageFile: the language's tree in the program folder, or in the user's
// data folder when the program is installed (UserFolders.h).
void SetProfileFolders();

// SetProfileFolders; for an installed program the user's tree is then
// brought up to date with the shipped one (ShippedProfiles.h), so profiles
// new in this version appear and the user's own stay as they are.
void PrepareProfileFolders();

// Where an installed program records what it gave the user of each shipped tree.
std::string ShippedProfilesManifest();

// PrepareProfileFolders, then creates the sixteen format folders (with any
// missing parents) in ProfileDirs order; false at the first that cannot be
// made. The device preset folder is not created.
bool CreateProfileFolders();

// The profile file of a format: its folder + name + "." + its extension.
std::string ProfileFilePath(int outputFormat, const std::string& profileName);
