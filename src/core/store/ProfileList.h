// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One named profile: what a profile box shows and the file it stands for.
// The file keeps the extension's letter case as found, so "Loud.MPO" is
// edited, renamed and converted with under its own name.
struct TProfileEntry {
  std::string Name;      // the file name without its extension
  std::string FileName;  // full path
  bool operator==(const TProfileEntry&) const = default;
};

// The profiles of a folder: every file (not folder) whose extension is
// "." + extension in any letter case, hidden ones too, sorted by name without
// regard to ASCII case. A missing folder has none.
std::vector<TProfileEntry> ListProfiles(const std::string& folder, std::string_view extension);

// The profiles of a target format's folder (GlobalVars.ProfileDirs); none for
// an index above 15. kinovert-cli and the profile boxes list through here.
std::vector<TProfileEntry> ListProfiles(int outputFormat);

// The entry a freshly filled box selects: the one whose name equals name
// exactly (letter case too), or none (-1) when no entry does; the first when
// no name is given; -1 for an empty list.
int SelectedAfterFill(const std::vector<TProfileEntry>& entries,
                      const std::optional<std::string>& name);

// The index of the entry named exactly name, -1 when there is none.
int FindProfile(const std::vector<TProfileEntry>& entries, std::string_view name);

// The names of the entries, in their order.
std::vector<std::string> ProfileNames(const std::vector<TProfileEntry>& entries);

// The Description a profile file holds; "" when it has none or is no file
// that can be read as a profile (a folder, a FIFO, a huge file).
std::string ProfileDescription(const std::string& profileFile);
