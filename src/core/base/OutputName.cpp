// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/OutputName.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>

#include "base/FileNames.h"

namespace {

constexpr const char* kPartMark = ".kinovert-part";
constexpr size_t kLongestName = 255;  // NAME_MAX of the common file systems

std::string Hash32(const std::string& text) {
  uint32_t h = 2166136261u;
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  char out[9];
  std::snprintf(out, sizeof out, "%08x", h);
  return out;
}

// Cut at a byte that starts a UTF-8 sequence, so the name stays readable.
std::string Cut(const std::string& text, size_t bytes) {
  while (bytes > 0 && bytes < text.size() && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
    --bytes;
  return text.substr(0, bytes);
}

// name, name(1), name(2), … as UniqueFileName counts them.
std::string Candidate(const std::string& name, int n) {
  if (n == 0) return name;
  return PathWithoutExtension(name) + "(" + std::to_string(n) + ")" + FileExtension(name);
}

bool Free(const std::string& dir, const std::string& name, const std::string& extension) {
  return !PathExists(dir + name) && !PathExists(dir + PartFileName(name, extension));
}

constexpr int kMaxNumber = 32767;

}  // namespace

std::string PartFileName(const std::string& name, const std::string& extension) {
  const bool ends = name.size() >= extension.size() &&
                    name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
  const std::string base = ends ? name.substr(0, name.size() - extension.size()) : name;
  const std::string ext = ends ? extension : std::string();
  std::string part = base + kPartMark + ext;
  if (part.size() <= kLongestName) return part;
  const std::string tail = "~" + Hash32(name) + kPartMark + ext;
  return Cut(base, kLongestName > tail.size() ? kLongestName - tail.size() : 0) + tail;
}

std::string ReserveOutputName(const std::string& name, const std::string& extension,
                              const std::string& folder) {
  const std::string dir = IncludeBackslash(folder);
  int n = 0;
  // Another program may take a name between the look and the creation; the
  // next one is tried then.
  for (int tries = 0; tries < kMaxNumber + 100; ++tries) {
    while (n < kMaxNumber && !Free(dir, Candidate(name, n), extension)) ++n;
    const std::string candidate = Candidate(name, n);
    const std::string part = dir + PartFileName(candidate, extension);
    int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno != EEXIST || n >= kMaxNumber) return candidate;
      continue;
    }
    ::close(fd);
    // The final name itself came into being meanwhile: not ours to use.
    if (!PathExists(dir + candidate) || n >= kMaxNumber) return candidate;
    ::unlink(part.c_str());
  }
  return Candidate(name, n);
}

std::string FinishOutputName(const std::string& name, const std::string& extension,
                             const std::string& folder) {
  const std::string dir = IncludeBackslash(folder);
  const std::string part = dir + PartFileName(name, extension);
  if (RenameFileNoReplace(part, dir + name)) return name;
  if (errno != EEXIST) return {};
  // Something took the name while the encoder wrote: the next name that is
  // free, part file included (another program may be writing that one).
  for (int n = 1; n <= kMaxNumber; ++n) {
    const std::string candidate = Candidate(name, n);
    if (!Free(dir, candidate, extension)) continue;
    if (RenameFileNoReplace(part, dir + candidate)) return candidate;
    if (errno != EEXIST) return {};
  }
  errno = EEXIST;
  return {};
}
