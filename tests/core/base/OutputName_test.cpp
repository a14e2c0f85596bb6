// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/OutputName.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/FileNames.h"
#include "support/RunProgram.h"

TEST(OutputName, PartNamesKeepTheExtensionLast) {
  struct TCase {
    const char *Name, *Ext, *Part;
  } cases[] = {
      {"clip.mp3", ".mp3", "clip.kinovert-part.mp3"},
      {"a.b.wmv", ".wmv", "a.b.kinovert-part.wmv"},
      {"clip", "", "clip.kinovert-part"},
      {"my.clip", "", "my.clip.kinovert-part"},  // no extension of the item's: the dot is the name's
      {"clip(1).3gp", ".3gp", "clip(1).kinovert-part.3gp"},
  };
  for (const TCase& c : cases) EXPECT_EQ(PartFileName(c.Name, c.Ext), c.Part) << c.Name;
  // A name at the file system's limit still gets a part name within it,
  // its own for each name.
  const std::string longA = std::string(200, 'a') + "\xC3\xA9" + std::string(49, 'a') + ".mp3";
  const std::string longB = std::string(200, 'a') + "\xC3\xA9" + std::string(48, 'a') + "b.mp3";
  for (const std::string& name : {longA, longB}) {
    const std::string part = PartFileName(name, ".mp3");
    EXPECT_LE(part.size(), 255u);
    EXPECT_EQ(part.substr(part.size() - 18), ".kinovert-part.mp3");
  }
  EXPECT_NE(PartFileName(longA, ".mp3"), PartFileName(longB, ".mp3"));
  TTempDir dir;
  WriteFileText(dir / PartFileName(longA, ".mp3"), "fits");
}

// Two programs converting into one folder: each takes its name by creating
// the part file, so neither picks the other's name, and the final name
// stays free until the output is complete.
TEST(OutputName, ReservedByThePartFile) {
  TTempDir dir;
  WriteFileText(dir / "clip.mp3", "older");
  EXPECT_EQ(ReserveOutputName("clip.mp3", ".mp3", dir.Path()), "clip(1).mp3");
  EXPECT_FALSE(FileExists(dir / "clip(1).mp3"));
  EXPECT_EQ(FileSize64(dir / "clip(1).kinovert-part.mp3"), 0);
  EXPECT_EQ(ReserveOutputName("clip.mp3", ".mp3", dir.Path()), "clip(2).mp3");
  EXPECT_EQ(ReserveOutputName("other.mp3", ".mp3", dir.Path()), "other.mp3");
  EXPECT_EQ(ReadFileText(dir / "clip.mp3"), "older");
  // A folder that cannot take the file still gives the name; nothing is made.
  EXPECT_EQ(ReserveOutputName("clip.mp3", ".mp3", dir / "missing"), "clip.mp3");
  EXPECT_FALSE(FileExists(dir / "missing"));
}

TEST(OutputName, FinishingNeverReplacesAFile) {
  TTempDir dir;
  ASSERT_EQ(ReserveOutputName("a.avi", ".avi", dir.Path()), "a.avi");
  WriteFileText(dir / "a.kinovert-part.avi", "one");
  EXPECT_EQ(FinishOutputName("a.avi", ".avi", dir.Path()), "a.avi");
  EXPECT_EQ(ReadFileText(dir / "a.avi"), "one");
  EXPECT_FALSE(FileExists(dir / "a.kinovert-part.avi"));

  // Taken while the encoder wrote: by a file, and the next name by another
  // program's part file. The output gets the first name free of both.
  ASSERT_EQ(ReserveOutputName("b.avi", ".avi", dir.Path()), "b.avi");
  WriteFileText(dir / "b.kinovert-part.avi", "two");
  WriteFileText(dir / "b.avi", "the user's");
  WriteFileText(dir / "b(1).kinovert-part.avi", "");
  EXPECT_EQ(FinishOutputName("b.avi", ".avi", dir.Path()), "b(2).avi");
  EXPECT_EQ(ReadFileText(dir / "b.avi"), "the user's");
  EXPECT_EQ(ReadFileText(dir / "b(2).avi"), "two");

  // No part file: nothing to name.
  EXPECT_EQ(FinishOutputName("c.avi", ".avi", dir.Path()), "");
}
