// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileFolders.h"

#include <filesystem>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/UserFolders.h"
#include "store/ShippedProfiles.h"

void SetProfileFolders() {
  TGlobalVars& g = GlobalVars;
  g.ProfileRoot = UserDataFolder() + ProfileFolderName(g.LanguageFile) + "/";
  for (size_t i = 0; i < ProfileDirNames.size(); ++i)
    g.ProfileDirs[i] = g.ProfileRoot + std::string(ProfileDirNames[i]) + "/";
  g.DefaultSettingDir = g.ProfileRoot + "default_setting/";
}

std::string ShippedProfilesManifest() {
  return UserDataFolder() + "shipped.ini";
}

void PrepareProfileFolders() {
  SetProfileFolders();
  if (!ProgramFolderIsShared()) return;
  std::string tree = ProfileFolderName(GlobalVars.LanguageFile);
  SeedProfileTree(ProgramFolder() + tree, GlobalVars.ProfileRoot, ShippedProfilesManifest(), tree);
}

bool CreateProfileFolders() {
  PrepareProfileFolders();
  for (const std::string& dir : GlobalVars.ProfileDirs) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir, ec)) return false;
  }
  return true;
}

std::string ProfileFilePath(int outputFormat, const std::string& profileName) {
  int dir = ProfileDirIndex(outputFormat);
  if (dir < 0) return {};
  return GlobalVars.ProfileDirs[static_cast<size_t>(dir)] + profileName + "." +
         ProfileExtension(outputFormat);
}
