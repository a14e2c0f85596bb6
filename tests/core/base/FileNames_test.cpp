// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/FileNames.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunProgram.h"

TEST(FileNames, PathParts) {
  struct TCase {
    const char* Path;
    const char* Folder;
    const char* Name;
    const char* Ext;
    const char* WithoutExt;
  };
  const TCase cases[] = {
      {"/v/clip.avi", "/v/", "clip.avi", ".avi", "/v/clip"},
      {"/v.d/clip", "/v.d/", "clip", "", "/v.d/clip"},  // a dot in the folder is not an extension
      {"/v/a.tar.gz", "/v/", "a.tar.gz", ".gz", "/v/a.tar"},
      {"clip.", "", "clip.", ".", "clip"},
      {"/v/", "/v/", "", "", "/v/"},
      {"", "", "", "", ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FolderPart(c.Path), c.Folder) << c.Path;
    EXPECT_EQ(FileNamePart(c.Path), c.Name) << c.Path;
    EXPECT_EQ(FileExtension(c.Path), c.Ext) << c.Path;
    EXPECT_EQ(PathWithoutExtension(c.Path), c.WithoutExt) << c.Path;
  }
  EXPECT_EQ(ReplaceFileName("/p/old name.ini", "new"), "/p/new.ini");
  EXPECT_EQ(ReplaceFileName("old", "new"), "new");
  EXPECT_EQ(ChangeFileExtension("type_English.ini", ".dat"), "type_English.dat");
  EXPECT_EQ(ChangeFileExtension("type_english", ".dat"), "type_english.dat");
}

TEST(FileNames, TrailingSlash) {
  EXPECT_EQ(IncludeBackslash("/a"), "/a/");
  EXPECT_EQ(IncludeBackslash("/a/"), "/a/");
  EXPECT_EQ(IncludeBackslash(""), "");  // never the root folder by accident
  EXPECT_EQ(ExcludeBackslash("/a/"), "/a");
  EXPECT_EQ(ExcludeBackslash("/a"), "/a");
  EXPECT_EQ(ExcludeBackslash("/"), "/");
}

TEST(FileNames, ValidFileNames) {
  for (const char* bad : {"", "a/b", "a\\b", "c:", "*", "what?", "\"q\"", "<", ">", "a|b"})
    EXPECT_FALSE(IsValidFileName(bad)) << bad;
  for (const char* good : {"My Profile 2", "x", "100% quality", "$HOME `x`", "-leading", "été"})
    EXPECT_TRUE(IsValidFileName(good)) << good;
}

TEST(FileNames, UniqueFileName) {
  TTempDir dir;
  EXPECT_EQ(UniqueFileName("clip.avi", dir.Path()), "clip.avi");
  WriteFileText(dir / "clip.avi", "x");
  WriteFileText(dir / "clip(1).avi", "x");
  EXPECT_EQ(UniqueFileName("clip.avi", dir.Path()), "clip(2).avi");
  // The folder may come without its slash.
  EXPECT_EQ(UniqueFileName("clip.avi", dir.Path().substr(0, dir.Path().size() - 1)), "clip(2).avi");

  // Characters of the name are taken as they stand.
  for (const char* name : {"100% %s %d.avi", "it's $(x) `y`.mp4", "-x.3gp", "noext"}) {
    WriteFileText(dir / name, "x");
    std::string expected = PathWithoutExtension(name) + "(1)" + FileExtension(name);
    EXPECT_EQ(UniqueFileName(name, dir.Path()), expected) << name;
  }
  // A folder of that name is taken too: the output could not be written there.
  std::filesystem::create_directory(dir / "out.mp4");
  EXPECT_EQ(UniqueFileName("out.mp4", dir.Path()), "out(1).mp4");
}

// Two batches writing into one folder: the second never gets the name the
// first took, even before the first has written a byte.
TEST(FileNames, ReserveUniqueFileName) {
  TTempDir dir;
  WriteFileText(dir / "clip.mp3", "older");
  EXPECT_EQ(ReserveUniqueFileName("clip.mp3", dir.Path()), "clip(1).mp3");
  EXPECT_EQ(FileSize64(dir / "clip(1).mp3"), 0);
  EXPECT_EQ(ReserveUniqueFileName("clip.mp3", dir.Path()), "clip(2).mp3");
  EXPECT_EQ(ReadFileText(dir / "clip.mp3"), "older");
  // A folder that cannot take the file still gives the name; nothing is made.
  EXPECT_EQ(ReserveUniqueFileName("clip.mp3", dir / "missing"), "clip.mp3");
  EXPECT_FALSE(FileExists(dir / "missing"));
}

TEST(FileNames, SizeAndDeleteIfEmpty) {
  TTempDir dir;
  WriteFileText(dir / "full", "12345");
  WriteFileText(dir / "empty", "");
  EXPECT_EQ(FileSize64(dir / "full"), 5);
  EXPECT_EQ(FileSize64(dir / "empty"), 0);
  EXPECT_EQ(FileSize64(dir / "missing"), -1);
  EXPECT_EQ(FileSize64(dir.Path()), -1);

  EXPECT_FALSE(DeleteIfEmpty(dir / "full"));
  EXPECT_TRUE(FileExists(dir / "full"));
  EXPECT_FALSE(DeleteIfEmpty(dir / "missing"));
  std::filesystem::create_directory(dir / "folder");
  EXPECT_FALSE(DeleteIfEmpty(dir / "folder"));
  EXPECT_TRUE(DeleteIfEmpty(dir / "empty"));
  EXPECT_FALSE(FileExists(dir / "empty"));
}

TEST(FileNames, FindFileIgnoringCase) {
  TTempDir dir;
  WriteFileText(dir / "type_english.dat", "");
  EXPECT_EQ(FindFileIgnoringCase(dir.Path(), "type_English.dat"), dir / "type_english.dat");
  EXPECT_EQ(FindFileIgnoringCase(dir.Path(), "type_english.dat"), dir / "type_english.dat");
  // Missing in every case: the name as asked, for the error message.
  EXPECT_EQ(FindFileIgnoringCase(dir.Path(), "Type_Klingon.dat"), dir / "Type_Klingon.dat");
  EXPECT_EQ(FindFileIgnoringCase(dir / "nofolder", "x"), dir / "nofolder/x");
}

TEST(FileNames, RenameNeverReplaces) {
  TTempDir dir;
  WriteFileText(dir / "a", "first");
  WriteFileText(dir / "b", "second");
  std::filesystem::create_directory(dir / "folder");
  struct TCase {
    const char* From;
    const char* To;
    bool Renamed;
  } cases[] = {
      {"a", "b", false},       // taken by a file
      {"a", "folder", false},  // taken by a folder
      {"missing", "c", false},
      {"a", "c", true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.From) + " -> " + c.To);
    EXPECT_EQ(RenameFileNoReplace(dir / c.From, dir / c.To), c.Renamed);
  }
  EXPECT_FALSE(FileExists(dir / "a"));
  EXPECT_EQ(ReadFileText(dir / "c"), "first");
  EXPECT_EQ(ReadFileText(dir / "b"), "second");
}

TEST(FileNames, DeleteFile) {
  TTempDir dir;
  WriteFileText(dir / "a", "x");
  std::filesystem::create_directory(dir / "folder");
  EXPECT_TRUE(DeleteFile(dir / "a"));
  EXPECT_FALSE(FileExists(dir / "a"));
  EXPECT_TRUE(DeleteFile(dir / "a"));  // gone already
  EXPECT_FALSE(DeleteFile(dir / "folder"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
}
