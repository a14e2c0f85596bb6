// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ShippedProfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/UserFolders.h"
#include "store/ProfileFolders.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

using TNames = std::vector<std::string>;

// A shipped tree, the user's copy and its manifest, all our own.
class ShippedProfilesTest : public ::testing::Test {
 protected:
  void Ship(const std::string& name, const std::string& text) {
    fs::create_directories(fs::path(Shipped / name).parent_path());
    WriteFileText(Shipped / name, text);
  }
  void UserWrites(const std::string& name, const std::string& text) {
    fs::create_directories(fs::path(User / name).parent_path());
    WriteFileText(User / name, text);
  }
  TSeedResult Seed() {
    return SeedProfileTree(Shipped.Path(), User.Path(), Manifest, "profile_en");
  }

  TTempDir Shipped, User, Data;
  std::string Manifest = Data / "shipped.ini";
};

}  // namespace

TEST_F(ShippedProfilesTest, FirstStartCopiesEverything) {
  Ship("avi/Standard.avo", "[General]\nVideoBitrate=800\n");
  Ship("default_setting/ipod.ini", "[Info]\n");
  Ship("DirectShow.avs", "DirectShowSource(\"<%InputFile%>\")\n");
  TSeedResult r = Seed();
  EXPECT_EQ(r.Added, (TNames{"DirectShow.avs", "avi/Standard.avo", "default_setting/ipod.ini"}));
  EXPECT_TRUE(r.Kept.empty() && r.Updated.empty() && r.Failed.empty());
  EXPECT_EQ(ReadFileText(User / "avi/Standard.avo"), "[General]\nVideoBitrate=800\n");
  EXPECT_EQ(ReadFileText(User / "default_setting/ipod.ini"), "[Info]\n");

  // A second start finds nothing to do and leaves the manifest alone.
  std::string manifest = ReadFileText(Manifest);
  r = Seed();
  EXPECT_TRUE(r.Added.empty() && r.Kept.empty() && r.Updated.empty());
  EXPECT_EQ(ReadFileText(Manifest), manifest);
}

// What a later version does with each kind of file the user has.
TEST_F(ShippedProfilesTest, UpgradeKeepsWhatTheUserMade) {
  Ship("avi/Standard.avo", "v1 standard");
  Ship("avi/Top quality.avo", "v1 top");
  Ship("mp3/Standard.mpo", "v1 mp3");
  Ship("wav/Standard.wvo", "v1 wav");
  Seed();
  UserWrites("avi/Top quality.avo", "changed by the user");
  fs::remove(User / "mp3/Standard.mpo");
  UserWrites("aac/Mine.aco", "the user's own");
  UserWrites("amr/Phone.amo", "named so before we shipped one");

  // The new version changes every file it shipped and adds two.
  Ship("avi/Standard.avo", "v2 standard");
  Ship("avi/Top quality.avo", "v2 top");
  Ship("mp3/Standard.mpo", "v2 mp3");
  Ship("mov/Standard.mvo", "v2 mov");
  Ship("amr/Phone.amo", "v2 phone");
  TSeedResult r = Seed();

  EXPECT_EQ(r.Added, (TNames{"mov/Standard.mvo"}));
  EXPECT_EQ(r.Updated, (TNames{"avi/Standard.avo"}));
  EXPECT_EQ(r.Kept, (TNames{"amr/Phone.amo", "avi/Top quality.avo"}));
  EXPECT_EQ(ReadFileText(User / "avi/Standard.avo"), "v2 standard");
  EXPECT_EQ(ReadFileText(User / "avi/Top quality.avo"), "changed by the user");
  EXPECT_EQ(ReadFileText(User / "mov/Standard.mvo"), "v2 mov");
  EXPECT_EQ(ReadFileText(User / "aac/Mine.aco"), "the user's own");
  EXPECT_EQ(ReadFileText(User / "amr/Phone.amo"), "named so before we shipped one");
  // Deleted by the user: not brought back, not by a newer version either.
  EXPECT_FALSE(FileExists(User / "mp3/Standard.mpo"));
  EXPECT_EQ(ReadFileText(User / "wav/Standard.wvo"), "v1 wav");

  // The version after that still tells the user's files from ours.
  Ship("avi/Top quality.avo", "v3 top");
  Ship("amr/Phone.amo", "v3 phone");
  Ship("mov/Standard.mvo", "v3 mov");
  r = Seed();
  EXPECT_EQ(r.Updated, (TNames{"mov/Standard.mvo"}));
  EXPECT_EQ(ReadFileText(User / "avi/Top quality.avo"), "changed by the user");
  EXPECT_EQ(ReadFileText(User / "amr/Phone.amo"), "named so before we shipped one");
}

// Without a usable record nothing can be told apart: nothing is overwritten.
TEST_F(ShippedProfilesTest, LostManifestOverwritesNothing) {
  Ship("avi/Standard.avo", "v1");
  Seed();
  UserWrites("avi/Standard.avo", "changed by the user");
  for (bool folder : {false, true}) {
    fs::remove_all(Manifest);
    if (folder) fs::create_directory(Manifest);
    Ship("avi/Standard.avo", folder ? "v3" : "v2");
    Ship("avi/New.avo", "new");
    TSeedResult r = Seed();
    EXPECT_EQ(r.Kept, (TNames{"avi/Standard.avo"})) << folder;
    EXPECT_EQ(ReadFileText(User / "avi/Standard.avo"), "changed by the user");
    EXPECT_EQ(ReadFileText(User / "avi/New.avo"), "new");
    fs::remove(User / "avi/New.avo");
  }
}

TEST_F(ShippedProfilesTest, FailedCopyIsTriedAgain) {
  Ship("avi/Standard.avo", "v1");
  // A folder where the format folder should be: nothing can be copied into it.
  WriteFileText(User / "avi", "not a folder");
  TSeedResult r = Seed();
  EXPECT_EQ(r.Failed, (TNames{"avi/Standard.avo"}));
  fs::remove(User / "avi");
  r = Seed();
  EXPECT_EQ(r.Added, (TNames{"avi/Standard.avo"}));
}

// The store's start: an installed program works in the user's seeded tree,
// a portable one in its own folder, which it never copies.
TEST(ProfileFoldersTest, InstalledProgramSeedsTheUsersTree) {
  TTempDir program, home;
  TEnvVar homeVar("HOME", home.Path().c_str());
  TEnvVar dataVar("XDG_DATA_HOME", nullptr);
  ResetGlobalVars();
  SetProgramFolder(program.Path());
  GlobalVars.LanguageFile = "Deutsch.ini";
  fs::create_directories(program / "profile_de/avi");
  WriteFileText(program / "profile_de/avi/Standard.avo", "shipped");

  ASSERT_TRUE(CreateProfileFolders());
  EXPECT_EQ(GlobalVars.ProfileRoot, program / "profile_de/");
  EXPECT_FALSE(FileExists(home / ".local/share/kinovert"));

  WriteFileText(program / kInstalledMarker, "");
  ASSERT_TRUE(CreateProfileFolders());
  std::string root = home / ".local/share/kinovert/profile_de/";
  EXPECT_EQ(GlobalVars.ProfileRoot, root);
  EXPECT_EQ(GlobalVars.ProfileDirs[0], root + "avi/");
  EXPECT_EQ(GlobalVars.DefaultSettingDir, root + "default_setting/");
  EXPECT_EQ(ReadFileText(root + "avi/Standard.avo"), "shipped");
  EXPECT_TRUE(FileExists(root + "wav"));
  EXPECT_EQ(ShippedProfilesManifest(), home / ".local/share/kinovert/shipped.ini");
  EXPECT_TRUE(FileExists(ShippedProfilesManifest()));
  SetProgramFolder("");
  ResetGlobalVars();
}

// A data folder that cannot be written (here it would lie below a plain
// file, which stops root too): the shipped tree is read where it lies, and
// the text says which folder could not be written and why.
TEST(ProfileFoldersTest, UnwritableDataFolderUsesTheShippedTree) {
  TTempDir program, home;
  WriteFileText(home / "file", "");
  const std::string data = home / "file/data";
  TEnvVar homeVar("HOME", home.Path().c_str());
  TEnvVar dataVar("XDG_DATA_HOME", data.c_str());
  ResetGlobalVars();
  SetProgramFolder(program.Path());
  GlobalVars.LanguageFile = "english.ini";
  for (const char* format : {"avi", "mp3", "wav"})
    fs::create_directories(program / ("profile_en/" + std::string(format)));
  WriteFileText(program / "profile_en/mp3/Standard.mpo", "shipped");
  WriteFileText(program / kInstalledMarker, "");

  std::string problem;
  EXPECT_TRUE(CreateProfileFolders(&problem));
  EXPECT_EQ(GlobalVars.ProfileRoot, program / "profile_en/");
  EXPECT_EQ(GlobalVars.ProfileDirs[12], program / "profile_en/mp3/");
  EXPECT_NE(problem.find("\"" + data + "/kinovert/profile_en/\" could not be written (Not a directory)"),
            std::string::npos)
      << problem;
  EXPECT_EQ(ReadFileText(program / "profile_en/mp3/Standard.mpo"), "shipped");
  SetProgramFolder("");
  ResetGlobalVars();
}
