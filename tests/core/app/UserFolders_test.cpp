// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace {

bool NeverWritable(const std::string&) {
  return false;
}

class UserFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    SetProgramFolder(Program.Path());
  }
  void TearDown() override {
    SetFolderWritableCheck(nullptr);
    SetProgramFolder("");
    ResetGlobalVars();
  }

  TTempDir Program;
  TTempDir Home;
  TEnvVar HomeVar{"HOME", Home.Path().c_str()};
  TEnvVar ConfigVar{"XDG_CONFIG_HOME", nullptr};
  TEnvVar DataVar{"XDG_DATA_HOME", nullptr};
};

}  // namespace

TEST_F(UserFoldersTest, PortableOrShared) {
  struct TCase {
    const char* Name;
    bool Marker;
    bool Writable;
    bool Shared;
  } cases[] = {
      {"writable folder of a build", false, true, false},
      {"read-only folder", false, false, true},
      {"installed, writable as root", true, true, true},
      {"installed and read-only", true, false, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::filesystem::remove(Program / kInstalledMarker);
    if (c.Marker) WriteFileText(Program / kInstalledMarker, "");
    SetFolderWritableCheck(c.Writable ? nullptr : NeverWritable);
    EXPECT_EQ(ProgramFolderIsShared(), c.Shared);
    std::string config = c.Shared ? Home / ".config/kinovert/" : Program.Path();
    std::string data = c.Shared ? Home / ".local/share/kinovert/" : Program.Path();
    EXPECT_EQ(UserConfigFolder(), config);
    EXPECT_EQ(SettingsFilePath(), config + "info.ini");
    EXPECT_EQ(UserDataFolder(), data);
  }
}

TEST_F(UserFoldersTest, XdgVariables) {
  WriteFileText(Program / kInstalledMarker, "");
  TTempDir config, data;
  {
    TEnvVar c("XDG_CONFIG_HOME", config.Path().c_str());
    TEnvVar d("XDG_DATA_HOME", (data.Path() + "sub").c_str());
    EXPECT_EQ(UserConfigFolder(), config / "kinovert/");
    EXPECT_EQ(UserDataFolder(), data / "sub/kinovert/");
  }
  // Relative values are to be ignored.
  TEnvVar c("XDG_CONFIG_HOME", "relative");
  TEnvVar d("XDG_DATA_HOME", "");
  EXPECT_EQ(UserConfigFolder(), Home / ".config/kinovert/");
  EXPECT_EQ(UserDataFolder(), Home / ".local/share/kinovert/");
}

// The first start of an installed program writes its settings into a config
// folder that does not exist yet, and never into the program folder.
TEST_F(UserFoldersTest, SettingsOfAnInstalledProgram) {
  WriteFileText(Program / kInstalledMarker, "");
  ApplySettingDefaults();
  EXPECT_FALSE(LoadSettings());
  EXPECT_TRUE(FileExists(Home / ".config/kinovert/info.ini"));
  EXPECT_FALSE(FileExists(Program / "info.ini"));
  WriteSettingInteger("Form", "x", 7);
  EXPECT_NE(ReadFileText(Home / ".config/kinovert/info.ini").find("x=7"), std::string::npos);
}
