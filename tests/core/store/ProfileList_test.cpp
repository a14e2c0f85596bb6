// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunProgram.h"

namespace {

std::vector<std::string> Names(const std::vector<TProfileEntry>& entries) {
  std::vector<std::string> out;
  for (const TProfileEntry& e : entries) out.push_back(e.Name);
  return out;
}

}  // namespace

TEST(ProfileList, EveryLetterCaseHiddenTooSortedWithoutCase) {
  TTempDir dir;
  for (const char* f : {"b.avo", "A.AVO", ".hidden.avo", "c.Avo", "Z.avo", "x.tar.avo", "d.avi",
                        "e.avo.bak", "avo", "f.avoo"})
    WriteFileText(dir / f, "[General]\n");
  std::filesystem::create_directory(dir / "folder.avo");
  auto entries = ListProfiles(dir.Path(), "avo");
  EXPECT_EQ(Names(entries), (std::vector<std::string>{".hidden", "A", "b", "c", "x.tar", "Z"}));
  // The file keeps the letters it has on disk.
  EXPECT_EQ(entries[1].FileName, dir / "A.AVO");
  EXPECT_EQ(entries[3].FileName, dir / "c.Avo");
  EXPECT_TRUE(ListProfiles(dir / "missing", "avo").empty());
}

TEST(ProfileList, SelectionAfterFill) {
  std::vector<TProfileEntry> entries = {{"High", "/p/High.avo"}, {"Standard", "/p/Standard.avo"}};
  struct TCase {
    std::optional<std::string> Name;
    int Selected;
  } cases[] = {
      {std::nullopt, 0},
      {"Standard", 1},
      {"standard", -1},  // exactly, letter case too
      {"Missing", -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name.value_or("<no name>"));
    EXPECT_EQ(SelectedAfterFill(entries, c.Name), c.Selected);
  }
  EXPECT_EQ(SelectedAfterFill({}, std::nullopt), -1);
}
