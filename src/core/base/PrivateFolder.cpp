// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// Takes the folder's lock, held for as long as the descriptor is open;
// -1 when another holds it (or the folder cannot be opened).
int LockFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Folders of ours with this prefix whose makers ended without removing them
// (killed outright, a power cut): nobody holds their lock any more.
void RemoveAbandonedIn(const std::string& base, const std::string& prefix) {
  DIR* dir = ::opendir(base.c_str());
  if (dir == nullptr) return;
  const std::string start = prefix + "-";
  std::vector<std::string> abandoned;
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name.size() != start.size() + 6 || name.compare(0, start.size(), start) != 0) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
      continue;
    int lock = LockFolder(base + name);
    if (lock < 0) continue;
    abandoned.push_back(base + name);
    ::close(lock);
  }
  ::closedir(dir);
  for (const std::string& folder : abandoned) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
}

// A rename that never replaces what is there; on a file system without
// that kind of rename, a look first (the names are random enough).
bool RenameNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  struct stat st {};
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
}

// $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp; with a trailing "/".
std::string BaseFolder() {
  std::string base = "/tmp";
  for (const char* candidate : {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR")}) {
    if (UsableBase(candidate)) {
      base = candidate;
      break;
    }
  }
  if (base.back() != '/') base += '/';
  return base;
}

}  // namespace

void TPrivateFolder::RemoveAbandoned(const std::string& prefix) {
  RemoveAbandonedIn(BaseFolder(), prefix);
}

// The folder is made under a name no sweep looks at, locked, and only then
// given its name, so no other program ever sees it unlocked.
TPrivateFolder::TPrivateFolder(const std::string& prefix) {
  const std::string base = BaseFolder();
  RemoveAbandonedIn(base, prefix);
  for (int attempt = 0; attempt < 100 && Path_.empty(); ++attempt) {
    std::string pattern = base + "." + prefix + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    // mkdtemp makes the folder with mode 0700 whatever the umask says.
    if (::mkdtemp(name.data()) == nullptr)
      throw EKinovertError("Cannot make a private folder in " + base + ": " + std::strerror(errno));
    const std::string making = name.data();
    Lock_ = LockFolder(making);
    const std::string final = base + making.substr(base.size() + 1);
    if (Lock_ >= 0 && RenameNoReplace(making, final)) {
      Path_ = final + "/";
      break;
    }
    const int error = errno;
    if (Lock_ >= 0) ::close(Lock_);
    Lock_ = -1;
    ::rmdir(making.c_str());
    if (error != EEXIST)
      throw EKinovertError("Cannot make a private folder in " + base + ": " + std::strerror(error));
  }
  if (Path_.empty()) throw EKinovertError("Cannot make a private folder in " + base);
}

TPrivateFolder::~TPrivateFolder() {
  std::error_code ec;
  std::filesystem::remove_all(Path_, ec);
  if (Lock_ >= 0) ::close(Lock_);
}
