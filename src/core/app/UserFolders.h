// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Where a user's own files live. A portable program folder (the build's, or
// one unpacked wherever the user may write) keeps info.ini and the profile
// trees itself. An installed program folder is shared by every user and not
// theirs to write, so each user gets $XDG_CONFIG_HOME/kinovert/ for info.ini
// and $XDG_DATA_HOME/kinovert/ for the profile trees, seeded from the shipped
// trees (ShippedProfiles.h). Every folder path ends with "/".

// The file an install puts into the program folder. It alone makes the
// folder shared: root passes every writability check, yet an installed
// program must never fill /usr with one user's settings.
inline constexpr const char* kInstalledMarker = "installed";

// True when the program folder holds the marker or is not writable for us.
bool ProgramFolderIsShared();

// The writability check: access() for writing with the effective ids, so a
// read-only mount or a folder of another user counts as not writable (a
// missing folder does not: it is no installed program either). Tests
// set their own, since as root every folder of a writable mount passes;
// nullptr puts the real one back.
using TFolderWritable = bool (*)(const std::string& folder);
void SetFolderWritableCheck(TFolderWritable check);

// $HOME, else the home folder of the user's account; no trailing "/".
std::string HomeFolder();
// $XDG_CONFIG_HOME and $XDG_DATA_HOME when set to an absolute path, else
// home + "/.config/" and home + "/.local/share/".
std::string XdgConfigHome();
std::string XdgDataHome();

// The folder of info.ini: the program folder, or XdgConfigHome() + "kinovert/".
std::string UserConfigFolder();
// The folder of the profile trees: the program folder, or XdgDataHome() + "kinovert/".
std::string UserDataFolder();

// Makes folder with any missing parents; true when it is there afterwards.
bool MakeFolder(const std::string& folder);
