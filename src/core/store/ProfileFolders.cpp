// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileFolders.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/UserFolders.h"
#include "base/FormatText.h"
#include "lang/ResStr.h"
#include "store/ShippedProfiles.h"

namespace {

void SetProfileRoot(const std::string& root) {
  TGlobalVars& g = GlobalVars;
  g.ProfileRoot = root;
  for (size_t i = 0; i < ProfileDirNames.size(); ++i)
    g.ProfileDirs[i] = g.ProfileRoot + std::string(ProfileDirNames[i]) + "/";
  g.DefaultSettingDir = g.ProfileRoot + "default_setting/";
}

bool HoldsAnyFile(const std::string& folder) {
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec))
    if (it->is_regular_file(ec)) return true;
  return false;
}

// Why nothing could be written into the user's tree, in the system's words.
std::string WhyNotWritable(const std::string& root, size_t failed) {
  std::error_code ec;
  std::filesystem::create_directories(root, ec);
  if (ec) return ec.message();
  if (::access(root.c_str(), W_OK) != 0) return std::strerror(errno);
  return std::to_string(failed) + " of the shipped files could not be copied into it";
}

}  // namespace

void SetProfileFolders() {
  SetProfileRoot(UserDataFolder() + ProfileFolderName(GlobalVars.LanguageFile) + "/");
}

std::string ShippedProfilesManifest() {
  return UserDataFolder() + "shipped.ini";
}

std::string PrepareProfileFolders() {
  SetProfileFolders();
  if (!ProgramFolderIsShared()) return {};
  const std::string tree = ProfileFolderName(GlobalVars.LanguageFile);
  const std::string root = GlobalVars.ProfileRoot;
  TSeedResult seeded = SeedProfileTree(ProgramFolder() + tree, root, ShippedProfilesManifest(), tree);
  if (seeded.Failed.empty()) return {};
  std::string problem = FormatText(ResStr(MSG_PROFILES_READ_ONLY),
                                   {root, WhyNotWritable(root, seeded.Failed.size())});
  // A tree that holds nothing (a home or data folder that cannot be written)
  // would leave every format without a profile: the shipped tree is read
  // where it lies instead. A tree of the user's own stays, short of what
  // could not be copied this time.
  if (!HoldsAnyFile(root)) SetProfileRoot(ProgramFolder() + tree + "/");
  return problem;
}

void ViewProfileFolders() {
  SetProfileFolders();
  if (ProgramFolderIsShared() && !HoldsAnyFile(GlobalVars.ProfileRoot))
    SetProfileRoot(ProgramFolder() + ProfileFolderName(GlobalVars.LanguageFile) + "/");
}

bool CreateProfileFolders(std::string* problem) {
  std::string told = PrepareProfileFolders();
  if (problem != nullptr) *problem = told;
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
