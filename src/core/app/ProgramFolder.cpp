// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramFolder.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace {

std::string Override;

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
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
  if (const char* home = std::getenv("KINOVERT_HOME"); home != nullptr && *home != '\0')
    return WithSlash(home);
  return ExecutableFolder();
}

void SetProgramFolder(const std::string& folder) {
  Override = folder.empty() ? std::string() : WithSlash(folder);
}
