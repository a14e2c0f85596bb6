// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShippedProfiles.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/UserFolders.h"
#include "base/AtomicFile.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/IniFile.h"

namespace fs = std::filesystem;

namespace {

// Tells versions of one small file apart; nobody is trying to fool it.
std::string Fingerprint(const std::string& bytes) {
  uint64_t h = 14695981039346656037ULL;
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
  return text;
}

std::optional<std::string> FingerprintOf(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return std::nullopt;
  return Fingerprint(bytes);
}

std::vector<std::string> ShippedFiles(const std::string& root) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec),
       end;
       !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec))
      files.push_back(it->path().lexically_relative(root).generic_string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TIniFile ReadManifest(const std::string& manifestFile) {
  try {
    return TIniFile(manifestFile);
  } catch (const EKinovertError&) {
    return TIniFile::FromText(manifestFile, "");
  }
}

void WriteManifest(TIniFile& manifest) {
  try {
    if (manifest.Modified() && MakeFolder(FolderPart(manifest.FileName()))) manifest.UpdateFile();
  } catch (const EKinovertError&) {
    // Unrecorded files are looked at again next time; none is lost meanwhile.
  }
}

bool CopyShipped(const std::string& from, const std::string& to) {
  std::string bytes;
  return ReadWholeFile(from, bytes) && MakeFolder(FolderPart(to)) && WriteFileAtomically(to, bytes);
}

}  // namespace

TSeedResult SeedProfileTree(const std::string& shippedRoot, const std::string& userRoot,
                            const std::string& manifestFile, const std::string& tree) {
  TSeedResult result;
  TIniFile manifest = ReadManifest(manifestFile);
  std::string shippedDir = IncludeBackslash(shippedRoot), userDir = IncludeBackslash(userRoot);
  for (const std::string& name : ShippedFiles(shippedDir)) {
    std::optional<std::string> shipped = FingerprintOf(shippedDir + name);
    if (!shipped) continue;
    std::string user = userDir + name;
    std::string given = manifest.ReadString(tree, name, "");
    bool exists = PathExists(user);
    std::vector<std::string>* outcome = nullptr;
    bool record = false;
    std::optional<std::string> now = exists ? FingerprintOf(user) : std::nullopt;
    if (given.empty()) {
      if (now != shipped) outcome = exists ? &result.Kept : &result.Added;
      record = true;
    } else if (exists) {
      if (now == shipped) {
        record = true;  // already the shipped version; only the record may be behind
      } else if (now == given) {
        outcome = &result.Updated;
        record = true;
      } else {
        outcome = &result.Kept;
      }
    }
    bool copy = outcome == &result.Added || outcome == &result.Updated;
    if (copy && !CopyShipped(shippedDir + name, user)) {
      result.Failed.push_back(name);
      continue;
    }
    if (outcome != nullptr) outcome->push_back(name);
    if (record && given != *shipped) manifest.WriteString(tree, name, *shipped);
  }
  WriteManifest(manifest);
  return result;
}
