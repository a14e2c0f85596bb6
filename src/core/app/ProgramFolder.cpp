// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFolder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "base/TextUtil.h"

namespace {

std::string Override;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string AbsoluteFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(folder, ec);
  return WithSlash(ec ? folder : p.lexically_normal().string());
}

std::string ExecutableFolder() {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<size_t>(n));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

}  // namespace

std::string ProgramFolder() {
  if (!Override.empty()) return Override;
  if (const char* home = std::getenv("KINOVERT_HOME"); home != nullptr && *home != '\0') {
    // Resolved once per value: later changes of our working folder do not move it.
    static std::string resolvedFrom, resolved;
    if (resolvedFrom != home) {
      resolvedFrom = home;
      resolved = AbsoluteFolder(home);
    }
    return resolved;
  }
  return ExecutableFolder();
}

void SetProgramFolder(const std::string& folder) {
  Override = folder.empty() ? std::string() : AbsoluteFolder(folder);
}

std::string LanguageFolder() {
  return ProgramFolder() + "skin/kvo/lang/";
}

std::string SkinFilePath() {
  return ProgramFolder() + "skin/kvo/skin/skin.ini";
}

std::string ProfileFolderName(const std::string& languageFile) {
  std::string lower = LowerCaseAscii(languageFile);
  if (lower == "english.ini") return "profile_en";
  if (lower == "french.ini") return "profile_fr";
  if (lower == "deutsch.ini") return "profile_de";
  if (lower == "italian.ini") return "profile_it";
  return "profile";
}

std::string DirectShowTemplatePath() {
  return ProgramFolder() + "profile_en/DirectShow.avs";
}

std::string DeviceDirectShowTemplatePath() {
  return ProgramFolder() + "cores/DirectShow.avs";
}

