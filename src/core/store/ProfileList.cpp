// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileList.h"

#include <algorithm>
#include <filesystem>

#include "app/GlobalVars.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "base/TextUtil.h"
#include "profiles/ProfileSettings.h"

namespace fs = std::filesystem;

std::vector<TProfileEntry> ListProfiles(const std::string& folder, std::string_view extension) {
  std::vector<TProfileEntry> out;
  std::string dotted(1, '.');
  dotted.append(extension);
  std::error_code ec;
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::string file = it->path().filename().string();
    if (!SameTextIgnoringCase(FileExtension(file), dotted)) continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    out.push_back({PathWithoutExtension(file), IncludeBackslash(folder) + file});
  }
  // Names equal but for letter case keep a fixed order too.
  std::sort(out.begin(), out.end(), [](const TProfileEntry& a, const TProfileEntry& b) {
    std::string la = LowerCaseAscii(a.Name), lb = LowerCaseAscii(b.Name);
    return la != lb ? la < lb : a.FileName < b.FileName;
  });
  return out;
}

std::vector<TProfileEntry> ListProfiles(int outputFormat) {
  int dir = ProfileDirIndex(outputFormat);
  if (dir < 0) return {};
  return ListProfiles(GlobalVars.ProfileDirs[static_cast<size_t>(dir)],
                      ProfileExtension(outputFormat));
}

int SelectedAfterFill(const std::vector<TProfileEntry>& entries,
                      const std::optional<std::string>& name) {
  if (entries.empty()) return -1;
  return name ? FindProfile(entries, *name) : 0;
}

int FindProfile(const std::vector<TProfileEntry>& entries, std::string_view name) {
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].Name == name) return static_cast<int>(i);
  return -1;
}

std::vector<std::string> ProfileNames(const std::vector<TProfileEntry>& entries) {
  std::vector<std::string> out;
  for (const TProfileEntry& e : entries) out.push_back(e.Name);
  return out;
}

std::string ProfileDescription(const std::string& profileFile) {
  try {
    return TIniFile(profileFile).ReadString(kProfileSection, "Description", "");
  } catch (const EKinovertError&) {
    return {};
  }
}
