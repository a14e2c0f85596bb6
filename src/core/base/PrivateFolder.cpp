// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/Error.h"

namespace {

// A base folder that exists and is ours to write in.
bool UsableBase(const char* folder) {
  if (folder == nullptr || folder[0] != '/') return false;
  struct stat st {};
  return ::stat(folder, &st) == 0 && S_ISDIR(st.st_mode) && ::access(folder, W_OK | X_OK) == 0;
}

}  // namespace

TPrivateFolder::TPrivateFolder(const std::string& prefix) {
  std::string base = "/tmp";
  for (const char* candidate : {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR")}) {
    if (UsableBase(candidate)) {
      base = candidate;
      break;
    }
  }
  if (base.back() != '/') base += '/';
  std::string pattern = base + prefix + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  // mkdtemp makes the folder with mode 0700 whatever the umask says.
  if (::mkdtemp(name.data()) == nullptr)
    throw EKinovertError("Cannot make a private folder in " + base + ": " + std::strerror(errno));
  Path_ = std::string(name.data()) + "/";
}

TPrivateFolder::~TPrivateFolder() {
  std::error_code ec;
  std::filesystem::remove_all(Path_, ec);
}
