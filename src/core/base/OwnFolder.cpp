// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/OwnFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool Fail(std::string* problem, const std::string& why) {
  if (problem != nullptr) *problem = why;
  return false;
}

// A folder of its own: ours, not a link, closed to group and others.
bool IsOwnFolder(const std::string& folder, std::string* problem) {
  struct stat st {};
  if (::lstat(folder.c_str(), &st) != 0) return Fail(problem, folder + ": " + std::strerror(errno));
  if (!S_ISDIR(st.st_mode)) return Fail(problem, folder + " is not a folder");
  if (st.st_uid != ::geteuid()) return Fail(problem, folder + " belongs to another user");
  if ((st.st_mode & 077) != 0) return Fail(problem, folder + " is open to other users");
  return true;
}

}  // namespace

bool EnsureOwnFolder(const std::string& folder, std::string* problem) {
  if (folder.empty() || folder[0] != '/')
    return Fail(problem, "\"" + folder + "\" is no full path");
  // mkdir's mode is the most the umask can leave; an existing folder is
  // left as it is and merely checked.
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
    return Fail(problem, folder + ": " + std::strerror(errno));
  return IsOwnFolder(folder, problem);
}

std::string UserRuntimeFolder(std::string* problem) {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && IsOwnFolder(runtime, nullptr)) {
    std::string folder = runtime;
    return folder.back() == '/' ? folder : folder + "/";
  }
  const char* tmp = std::getenv("TMPDIR");
  std::string base = tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp";
  if (base.back() != '/') base += '/';
  std::string folder = base + "kinovert-runtime-" + std::to_string(::geteuid());
  if (!EnsureOwnFolder(folder, problem)) return {};
  return folder + "/";
}
