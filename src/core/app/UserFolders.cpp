// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserFolders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "app/ProgramFolder.h"
#include "base/FileNames.h"

namespace {

constexpr const char* kOwnFolder = "kinovert/";

// Only a definite "no" counts: a folder that is missing altogether is no
// installed program, and writing there fails as it always did.
bool AccessForWriting(const std::string& folder) {
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0) return true;
  return errno != EACCES && errno != EROFS && errno != EPERM;
}

TFolderWritable WritableCheck = AccessForWriting;

// An XDG base folder: the variable when it holds an absolute path (the
// rules say a relative one is to be ignored), else the home's default.
std::string XdgFolder(const char* variable, const char* underHome) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return IncludeBackslash(value);
  return HomeFolder() + "/" + underHome;
}

}  // namespace

bool ProgramFolderIsShared() {
  std::string folder = ProgramFolder();
  return PathExists(folder + kInstalledMarker) || !WritableCheck(folder);
}

void SetFolderWritableCheck(TFolderWritable check) {
  WritableCheck = check != nullptr ? check : AccessForWriting;
}

std::string HomeFolder() {
  const char* env = std::getenv("HOME");
  std::string home = env != nullptr ? env : "";
  if (home.empty()) {
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
      home = pw->pw_dir;
  }
  return ExcludeBackslash(home);
}

std::string XdgConfigHome() {
  return XdgFolder("XDG_CONFIG_HOME", ".config/");
}

std::string XdgDataHome() {
  return XdgFolder("XDG_DATA_HOME", ".local/share/");
}

std::string UserConfigFolder() {
  return ProgramFolderIsShared() ? XdgConfigHome() + kOwnFolder : ProgramFolder();
}

std::string UserDataFolder() {
  return ProgramFolderIsShared() ? XdgDataHome() + kOwnFolder : ProgramFolder();
}

bool MakeFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  return FolderExists(folder);
}
