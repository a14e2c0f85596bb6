// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Sets ProfileRoot, ProfileDirs and DefaultSettingDir of GlobalVars from
// LanguageFile: the language's tree in the program folder, or in the user's
// data folder when the program is installed (UserFolders.h).
void SetProfileFolders();

// SetProfileFolders; for an installed program the user's tree is then
// brought up to date with the shipped one (ShippedProfiles.h), so profiles
// new in this version appear and the user's own stay as they are. When
// shipped files cannot be written there (a read-only home, a data folder
// that cannot be made), the returned text says what and why, and if the
// user's tree holds nothing at all, the shipped tree of the program folder
// is used instead, read-only. "" when all went well.
std::string PrepareProfileFolders();

// The folders PrepareProfileFolders would leave, found without writing
// anything (for listing and completing): for an installed program whose user
// has no profile yet, the shipped tree of the program folder, read where it
// lies, which is what the user's tree would be seeded with. Profiles new in
// a later version join a user's tree once a conversion or the desktop
// program has brought it up to date.
void ViewProfileFolders();

// Where an installed program records what it gave the user of each shipped tree.
std::string ShippedProfilesManifest();

// PrepareProfileFolders (its text goes to `problem`), then creates the
// sixteen format folders (with any missing parents) in ProfileDirs order;
// false at the first that cannot be made. The device preset folder is not
// created.
bool CreateProfileFolders(std::string* problem = nullptr);

// The profile file of a format: its folder + name + "." + its extension.
std::string ProfileFilePath(int outputFormat, const std::string& profileName);
