// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IniFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "base/Error.h"
#include "support/RunProgram.h"

namespace {

TIniFile IniWith(const TTempDir& dir, const std::string& text) {
  std::string file = dir / "t.ini";
  WriteFileText(file, text);
  return TIniFile(file);
}

}  // namespace

TEST(IniFile, ReadsWithPrivateProfileConventions) {
  TTempDir dir;
  TIniFile ini = IniWith(dir,
                         "\xEF\xBB\xBF; leading comment\r\n"
                         "[General]\r\n"
                         "  Name  =  two  words  \r\n"
                         "Url=a=b=c\r\n"
                         "Number=-42\r\n"
                         "Plus=+7\r\n"
                         "Bad=12abc\r\n"
                         "Huge=99999999999\r\n"
                         "Flag=2\r\n"
                         "Empty=\r\n"
                         "Name=second one is ignored\r\n"
                         "; Hidden=1\r\n"
                         "[ Other ]\r\n"
                         "k=v\r\n");
  EXPECT_EQ(ini.ReadString("general", "NAME", "d"), "two  words");
  EXPECT_EQ(ini.ReadString("General", "Url", "d"), "a=b=c");
  EXPECT_EQ(ini.ReadString("General", "Missing", "d"), "d");
  EXPECT_EQ(ini.ReadString("General", "Empty", "d"), "");
  EXPECT_EQ(ini.ReadString("General", "Hidden", "d"), "d");
  EXPECT_EQ(ini.ReadString("OTHER", "K", "d"), "v");
  EXPECT_EQ(ini.ReadInteger("General", "Number", 5), -42);
  EXPECT_EQ(ini.ReadInteger("General", "Plus", 5), 7);
  EXPECT_EQ(ini.ReadInteger("General", "Bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "Huge", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "Empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("General", "Name", 5), 5);
  EXPECT_TRUE(ini.ReadBool("General", "Flag", false));
  EXPECT_TRUE(ini.ReadBool("General", "Missing", true));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"General", "Other"}));
  EXPECT_EQ(ini.ReadSectionKeys("general"),
            (std::vector<std::string>{"Name", "Url", "Number", "Plus", "Bad", "Huge", "Flag",
                                      "Empty"}));
  EXPECT_TRUE(ini.ReadSectionKeys("nowhere").empty());
}

TEST(IniFile, WritesInPlaceAndKeepsEverythingElse) {
  TTempDir dir;
  std::string file = dir / "t.ini";
  WriteFileText(file,
                "; top comment\n"
                "[A]\n"
                "x=1\n"
                "; note about y\n"
                "y = 2\n"
                "\n"
                "[B]\n"
                "z=3\n");
  TIniFile ini(file);
  ini.WriteString("a", "Y", "20");
  ini.WriteInteger("A", "new", -5);
  ini.WriteBool("C", "flag", true);
  ini.UpdateFile();
  EXPECT_EQ(ReadFileText(file),
            "; top comment\n"
            "[A]\n"
            "x=1\n"
            "; note about y\n"
            "Y=20\n"
            "new=-5\n"
            "\n"
            "[B]\n"
            "z=3\n"
            "[C]\n"
            "flag=1\n");
}

TEST(IniFile, KeepsCrLfLineEndsAndCreatesNewFiles) {
  TTempDir dir;
  std::string file = dir / "crlf.ini";
  WriteFileText(file, "[S]\r\na=1\r\n");
  TIniFile ini(file);
  ini.WriteString("S", "b", "line\nbreak");  // a value can never split a line
  ini.UpdateFile();
  EXPECT_EQ(ReadFileText(file), "[S]\r\na=1\r\nb=line break\r\n");

  std::string fresh = dir / "new.ini";
  TIniFile created(fresh);
  created.WriteString("General", "k", "v");
  created.UpdateFile();
  EXPECT_EQ(ReadFileText(fresh), "[General]\nk=v\n");
}

// A failed save must leave the old file exactly as it was and no temporary
// file behind: a missing folder, a full disk (a file size limit stands in for
// it, which also binds root), and a read-only folder where permissions apply.
TEST(IniFile, FailedWriteRaisesAndKeepsOldFile) {
  TTempDir dir;
  {
    TIniFile ini(dir / "missing/t.ini");
    ini.WriteString("S", "k", "v");
    try {
      ini.UpdateFile();
      FAIL() << "no error";
    } catch (const EKinovertError& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to write to " + (dir / "missing/t.ini"));
    }
  }

  std::string file = dir / "full.ini";
  const std::string old = "[S]\nk=old\n";
  WriteFileText(file, old);
  TIniFile ini(file);
  ini.WriteString("S", "k", std::string(4096, 'x'));
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 1024;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(ini.UpdateFile(), EKinovertError);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(ReadFileText(file), old);
  size_t entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1u);

  if (geteuid() != 0) {
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    EXPECT_THROW(ini.UpdateFile(), EKinovertError);
    EXPECT_EQ(ReadFileText(file), old);
  }
}

TEST(IniFile, KeepsPermissionsAndWritesThroughLinks) {
  TTempDir dir;
  std::string real = dir / "real.ini";
  std::string link = dir / "link.ini";
  WriteFileText(real, "[S]\nk=1\n");
  std::filesystem::permissions(real, std::filesystem::perms(0640));
  std::filesystem::create_symlink(real, link);
  TIniFile ini(link);
  ini.WriteString("S", "k", "2");
  ini.UpdateFile();
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadFileText(real), "[S]\nk=2\n");
  EXPECT_EQ(std::filesystem::status(real).permissions(), std::filesystem::perms(0640));
}

// A file saved by editors that each put a BOM in front: every one of them
// goes, so the first section is found and a save reads back as written.
TEST(IniFile, EveryLeadingBomIsSkipped) {
  const std::string bom = "\xEF\xBB\xBF";
  for (int boms = 0; boms <= 3; ++boms) {
    SCOPED_TRACE(boms);
    std::string text;
    for (int i = 0; i < boms; ++i) text += bom;
    TIniFile ini = TIniFile::FromText("t.ini", text + "[General]\nKey=old\n");
    EXPECT_EQ(ini.ReadString("General", "Key", ""), "old");
    ini.WriteString("General", "Key", "new");
    EXPECT_EQ(ini.Text(), "[General]\nKey=new\n");
    EXPECT_EQ(TIniFile::FromText("t.ini", ini.Text()).ReadString("General", "Key", ""), "new");
  }
}

// Root rewriting a user's file (a sudo that keeps HOME) leaves it the
// user's: owner, group and mode stay.
TEST(IniFile, RewriteKeepsOwnerGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  TTempDir dir;
  std::string file = dir / "info.ini";
  WriteFileText(file, "[S]\nk=1\n");
  ASSERT_EQ(::chown(file.c_str(), 4242, 4343), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
  TIniFile ini(file);
  ini.WriteString("S", "k", "2");
  ini.UpdateFile();
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(ReadFileText(file), "[S]\nk=2\n");
  EXPECT_EQ(st.st_uid, 4242u);
  EXPECT_EQ(st.st_gid, 4343u);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST(IniFile, NumbersAreReadByValue) {
  const std::pair<const char*, int32_t> cases[] = {
      {"00000000128", 128},   {"-00000000000000042", -42}, {"+0002147483647", 2147483647},
      {"-2147483648", INT32_MIN}, {"2147483648", 5},       {"000000000099999999999", 5},
      {"1 2", 5},             {"", 5},                     {"-", 5},
  };
  for (auto [text, expected] : cases) {
    TIniFile ini = TIniFile::FromText("t.ini", std::string("[a]\nk=") + text + "\n");
    EXPECT_EQ(ini.ReadInteger("a", "k", 5), expected) << text;
  }
}

TEST(IniFile, EveryCarriageReturnBeforeTheLineEndGoes) {
  // A file converted to CR LF twice: CR CR LF.
  TTempDir dir;
  WriteFileText(dir / "t.ini", "[General]\r\r\nVideoBitrate=1080\r\r\nName=Std\r\r\r\n");
  TIniFile ini(dir / "t.ini");
  EXPECT_EQ(ini.ReadInteger("General", "VideoBitrate", 0), 1080);
  EXPECT_EQ(ini.ReadString("General", "Name", ""), "Std");
  ini.WriteInteger("General", "VideoBitrate", 2000);
  ini.UpdateFile();
  EXPECT_EQ(ReadFileText(dir / "t.ini"), "[General]\r\nVideoBitrate=2000\r\nName=Std\r\n");
}

TEST(IniFile, FilesThatAreNoDataFilesAreRefusedQuickly) {
  TTempDir dir;
  ASSERT_EQ(::mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  {  // larger than any data file: sparse, so the test writes nothing
    std::filesystem::path big = dir / "big.ini";
    WriteFileText(big, "[a]\n");
    std::filesystem::resize_file(big, 17u << 20);
  }
  const std::pair<std::string, const char*> cases[] = {
      {dir / "fifo.ini", "is not a regular file"},
      {"/dev/zero", "is not a regular file"},
      {dir.Path(), "is a folder, not a file"},
      {dir / "big.ini", "too large for a data file"},
  };
  for (const auto& [path, why] : cases) {
    try {
      TIniFile ini(path);
      ADD_FAILURE() << path << " was read";
    } catch (const EKinovertError& e) {
      EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
  // A missing file is no problem: it starts empty.
  TIniFile missing(dir / "none.ini");
  EXPECT_EQ(missing.ReadString("a", "b", "d"), "d");
}
