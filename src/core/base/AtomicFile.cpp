// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <vector>

#include "base/Error.h"

namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

mode_t CurrentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

bool WriteFileAtomically(const std::string& fileName, std::string_view contents) {
  std::string target = fileName;
  struct stat st {};
  if (::lstat(fileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(fileName.c_str(), resolved) != nullptr) target = resolved;
  }
  bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return false;

  std::vector<char> tmpl(target.begin(), target.end());
  tmpl.insert(tmpl.end(), kAtomicTempSuffix,
              kAtomicTempSuffix + sizeof(kAtomicTempSuffix));  // includes the NUL
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) return false;
  std::string tmpName(tmpl.data());

  mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~CurrentUmask());
  bool ok = WriteAll(fd, contents);
  // The new file is ours; an existing one stays its owner's (root rewriting a
  // user's settings must not take them away from the user). Only root may
  // give a file away, and a user keeps the file as before. The mode comes
  // after, since a change of owner may clear set-id bits.
  if (ok && exists && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
    (void)!::fchown(fd, st.st_uid, st.st_gid);
  ok = ok && ::fchmod(fd, mode) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(tmpName.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) ::unlink(tmpName.c_str());
  return ok;
}

bool ReadWholeFile(const std::string& fileName, std::string& contents, std::string* problem,
                   long long maxBytes) {
  contents.clear();
  auto refuse = [&](const std::string& why) {
    contents.clear();
    if (problem != nullptr) *problem = why.empty() ? why : "\"" + fileName + "\" " + why;
    return false;
  };
  int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return refuse(errno == ENOENT ? "" : std::string("cannot be read: ") + std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return refuse(S_ISDIR(st.st_mode) ? "is a folder, not a file" : "is not a regular file");
  }
  auto tooLarge = [&] {
    ::close(fd);
    return refuse("is larger than " + std::to_string(maxBytes >> 20) + " MB, too large for a data file");
  };
  if (st.st_size > maxBytes) return tooLarge();
  if (st.st_size > 0) contents.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      int err = errno;
      ::close(fd);
      return refuse(std::string("cannot be read: ") + std::strerror(err));
    }
    if (n == 0) break;
    contents.append(buf, static_cast<size_t>(n));
    // A file that grows while it is read is held to the same limit.
    if (static_cast<long long>(contents.size()) > maxBytes) return tooLarge();
  }
  ::close(fd);
  if (problem != nullptr) problem->clear();
  return true;
}

void WriteCrLfText(const std::string& fileName, std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0)) out += "\r\n";
  if (!WriteFileAtomically(fileName, out)) throw EKinovertError("Unable to write to " + fileName);
}
