// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileNames.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "base/TextUtil.h"

std::string IncludeBackslash(const std::string& path) {
  if (path.empty() || path.back() == '/') return path;
  return path + '/';
}

std::string ExcludeBackslash(const std::string& path) {
  if (path.size() <= 1 || path.back() != '/') return path;
  return path.substr(0, path.size() - 1);
}

std::string FileNamePart(std::string_view path) {
  size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPart(std::string_view path) {
  size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

namespace {
// Where the extension starts in path, or path.size() when there is none.
size_t ExtensionPos(std::string_view path) {
  size_t slash = path.rfind('/');
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return path.size();
  return dot;
}
}  // namespace

std::string FileExtension(std::string_view path) {
  return std::string(path.substr(ExtensionPos(path)));
}

std::string PathWithoutExtension(std::string_view path) {
  return std::string(path.substr(0, ExtensionPos(path)));
}

std::string ChangeFileExtension(std::string_view path, std::string_view ext) {
  return PathWithoutExtension(path) + std::string(ext);
}

std::string ReplaceFileName(std::string_view path, std::string_view newBase) {
  return FolderPart(path) + std::string(newBase) + FileExtension(path);
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool FolderExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string UniqueFileName(const std::string& name, const std::string& folder) {
  std::string dir = IncludeBackslash(folder);
  // Anything of that name counts as taken, a folder or a dangling link too:
  // the encoder could not write its output there either.
  if (!PathExists(dir + name)) return name;
  std::string base = PathWithoutExtension(name);
  std::string ext = FileExtension(name);
  constexpr int kMaxTries = 32767;
  for (int n = 1; n <= kMaxTries; ++n) {
    std::string candidate = base + "(" + std::to_string(n) + ")" + ext;
    if (!PathExists(dir + candidate)) return candidate;
  }
  return base + "(" + std::to_string(kMaxTries + 1) + ")" + ext;
}

std::string ReserveUniqueFileName(const std::string& name, const std::string& folder) {
  std::string dir = IncludeBackslash(folder);
  // Another program may take the name between the look and the creation;
  // then the next free one is tried.
  constexpr int kMaxRaces = 100;
  for (int race = 0; race < kMaxRaces; ++race) {
    std::string candidate = UniqueFileName(name, dir);
    int fd = ::open((dir + candidate).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return candidate;
    }
    if (errno != EEXIST) return candidate;
  }
  return UniqueFileName(name, dir);
}

bool IsValidFileName(std::string_view text) {
  return !text.empty() && text.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

int64_t FileSize64(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

bool DeleteIfEmpty(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0)
    return false;
  return ::unlink(path.c_str()) == 0;
}

bool RenameFileNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without the flag: a hard link fails on an existing name just
  // the same, and the old name goes once the new one is there.
  struct stat st {};
  if (::lstat(from.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  return ::unlink(from.c_str()) == 0;
}

bool DeleteFile(const std::string& path) {
  if (path.empty()) return false;
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::string FindFileIgnoringCase(const std::string& folder, const std::string& name) {
  std::string dir = IncludeBackslash(folder);
  if (PathExists(dir + name)) return dir + name;
  std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(dir.empty() ? "." : dir.c_str()), ::closedir);
  if (d) {
    // The smallest matching name, so the choice does not depend on the
    // order the file system lists its entries in.
    std::string best;
    while (const dirent* e = ::readdir(d.get())) {
      std::string_view entry(e->d_name);
      if (SameTextIgnoringCase(entry, name) && (best.empty() || entry < best)) best = entry;
    }
    if (!best.empty()) return dir + best;
  }
  return dir + name;
}
