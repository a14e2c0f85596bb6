// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/PrivateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

// A folder as a killed program leaves it, with its files.
std::string Leftover(const TTempDir& base, const std::string& name, mode_t mode) {
  const std::string folder = base / name;
  fs::create_directory(folder);
  ::chmod(folder.c_str(), mode);
  WriteFileText(folder + "/~ConvertCore.sh", "x");
  return folder;
}

}  // namespace

TEST(PrivateFolder, MadePrivateLockedAndRemoved) {
  TTempDir base;
  TEnvVar runtime("XDG_RUNTIME_DIR", base.Path().c_str());
  std::string path;
  {
    TPrivateFolder folder("kinovert");
    path = folder.Path();
    EXPECT_EQ(path.rfind(base / "kinovert-", 0), 0u) << path;
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // Another batch meanwhile leaves it alone.
    TPrivateFolder other("kinovert");
    TPrivateFolder::RemoveAbandoned("kinovert");
    EXPECT_TRUE(fs::exists(path));
  }
  EXPECT_FALSE(fs::exists(path));
}

// A program killed outright (kill -9) cannot remove its folder: the next
// start, or the next batch, removes it. Only folders of this prefix and of
// this user's own are taken, and never one whose maker still runs.
TEST(PrivateFolder, AbandonedFoldersGoAtTheNextStart) {
  TTempDir base;
  TEnvVar runtime("XDG_RUNTIME_DIR", base.Path().c_str());
  const std::string abandoned = Leftover(base, "kinovert-AbC123", 0700);
  const std::string another = Leftover(base, "kinovert-XyZ789", 0700);
  const std::string making = Leftover(base, ".kinovert-mAking", 0700);
  const std::string open = Leftover(base, "kinovert-Open00", 0755);
  const std::string otherPrefix = Leftover(base, "kinovertx-abcdef", 0700);
  const std::string longer = Leftover(base, "kinovert-runtime-1000", 0700);
  TPrivateFolder::RemoveAbandoned("kinovert");
  EXPECT_FALSE(fs::exists(abandoned));
  EXPECT_FALSE(fs::exists(another));
  for (const std::string& kept : {making, open, otherPrefix, longer})
    EXPECT_TRUE(fs::exists(kept)) << kept;
  // The next batch does the same.
  const std::string later = Leftover(base, "kinovert-Zz9999", 0700);
  TPrivateFolder next("kinovert");
  EXPECT_FALSE(fs::exists(later));
}
