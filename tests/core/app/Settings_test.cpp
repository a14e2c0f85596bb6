// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/BuildConstants.h"
#include "base/Error.h"
#include "base/IniFile.h"
#include "app/ProgramFolder.h"
#include "app/GlobalVars.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace {

// A program folder and a home folder of our own, with a documents folder.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    SetProgramFolder(Program.Path());
    std::filesystem::create_directories(Home / "Documents");
    std::filesystem::create_directories(Home / ".config");
    WriteFileText(Home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
  }
  std::string Docs() const { return Home.Path() + "Documents"; }

  TTempDir Program;
  TTempDir Home;
  TEnvVar HomeVar{"HOME", Home.Path().c_str()};
  TEnvVar ConfigVar{"XDG_CONFIG_HOME", nullptr};
  TEnvVar DocsVar{"XDG_DOCUMENTS_DIR", nullptr};
};

}  // namespace

TEST_F(SettingsTest, DocumentsFolder) {
  EXPECT_EQ(DocumentsFolder(), Docs());

  // user-dirs.dirs names a folder that is not there: the home folder.
  WriteFileText(Home / ".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(DocumentsFolder(), Home.Path().substr(0, Home.Path().size() - 1));
  std::filesystem::create_directory(Home / "Dokumente");
  EXPECT_EQ(DocumentsFolder(), Home / "Dokumente");

  // The environment comes first.
  TTempDir other;
  TEnvVar docs("XDG_DOCUMENTS_DIR", other.Path().c_str());
  EXPECT_EQ(DocumentsFolder(), other.Path().substr(0, other.Path().size() - 1));
}

TEST_F(SettingsTest, StartValues) {
  GlobalVars.OutputFormat = ofWAV;
  GlobalVars.Priority = 3;
  GlobalVars.TgpiPodPSPProfileFileName = "x.ini";
  GlobalVars.MP4MenuIndex = 4;
  ApplySettingDefaults();
  const TGlobalVars& g = GlobalVars;
  // The target the window shows from the first start on.
  EXPECT_EQ(g.OutputFormat, of3GP);
  EXPECT_EQ(g.EncoderPath, "avcore");
  EXPECT_EQ(g.Priority, 1);
  EXPECT_EQ(g.ShutdownFlag, 1);
  EXPECT_FALSE(g.DeleteFileAfterProcessing);
  EXPECT_FALSE(g.ShutdownWindowsWhenDone);
  EXPECT_FALSE(g.UseDirectShow);
  EXPECT_EQ(g.LanguageFile, DefaultLanguageFile());
  EXPECT_EQ(g.LastInputOpenDir, Docs());
  EXPECT_EQ(g.LastOutputOpenDir, Docs());
  EXPECT_EQ(g.TgpiPodPSPProfileFileName, "");
  EXPECT_EQ(g.MP4MenuIndex, 0);
  EXPECT_EQ(g.TGPMenuIndex, 0);
}

TEST_F(SettingsTest, FirstStartWritesTheDefaults) {
  ApplySettingDefaults();
  EXPECT_FALSE(LoadSettings());
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
  EXPECT_EQ(ReadFileText(Program / "info.ini"),
            "[System]\n"
            "LanguageFile=" +
                DefaultLanguageFile() +
                "\n"
                "LastInputOpenDir=" +
                Docs() +
                "\n"
                "LastOutputOpenDir=" +
                Docs() +
                "\n"
                "Priority=1\n"
                "ShutdownFlag=1\n"
                "DeleteFileAfterProcessing=0\n"
                "ShutdownWindowsWhenDone=0\n"
                "UseDirectShow=0\n"
                "TgpiPodPSPProfileFileName=\n"
                "TGPMenuIndex=0\n");

  // Every later start is a 3GP start, whatever the user chose before.
  ApplySettingDefaults();
  EXPECT_TRUE(LoadSettings());
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
}

TEST_F(SettingsTest, LaterStartReadsEveryKey) {
  WriteFileText(Program / "info.ini",
                "; kept\r\n[System]\r\nLanguageFile=French.ini\r\nLastInputOpenDir=/in dir/\r\n"
                "LastOutputOpenDir=/out $x `y`\r\nPriority=3\r\nShutdownFlag=7\r\n"
                "DeleteFileAfterProcessing=1\r\nShutdownWindowsWhenDone=5\r\nUseDirectShow=1\r\n"
                "TgpiPodPSPProfileFileName=Nokia N95.ini\r\nTGPMenuIndex=70000\r\n"
                "[Form]\r\nx=5\r\n");
  ApplySettingDefaults();
  EXPECT_TRUE(LoadSettings());
  const TGlobalVars& g = GlobalVars;
  EXPECT_EQ(g.OutputFormat, of3GP);
  EXPECT_EQ(g.LanguageFile, "French.ini");
  EXPECT_EQ(g.LastInputOpenDir, "/in dir/");
  EXPECT_EQ(g.LastOutputOpenDir, "/out $x `y`");
  EXPECT_EQ(g.Priority, 3);
  EXPECT_EQ(g.ShutdownFlag, 7);  // no power action, but kept as stored
  EXPECT_TRUE(g.DeleteFileAfterProcessing);
  EXPECT_TRUE(g.ShutdownWindowsWhenDone);
  EXPECT_TRUE(g.UseDirectShow);
  EXPECT_EQ(g.TgpiPodPSPProfileFileName, "Nokia N95.ini");
  EXPECT_EQ(g.TGPMenuIndex, 70000);

  // Saving rewrites the values in place and leaves the rest of the file alone.
  std::string before = ReadFileText(Program / "info.ini");
  SaveSettings();
  std::string after = ReadFileText(Program / "info.ini");
  std::string expected = before;
  expected.replace(expected.find("ShutdownWindowsWhenDone=5"), 25, "ShutdownWindowsWhenDone=1");
  EXPECT_EQ(after, expected);
}

TEST_F(SettingsTest, StoredValuesAreFittedToTheirFields) {
  struct TCase {
    const char* Stored;
    int Priority;
    int ShutdownFlag;
  };
  const TCase cases[] = {
      {"Priority=257\nShutdownFlag=7", 1, 7},     // 8 bits: 257 keeps its low byte
      {"Priority=258\nShutdownFlag=-1", 2, 255},  //
      {"Priority=high\nShutdownFlag=", 1, 1},     // unreadable: the start value
      {"Priority=99999999999\nShutdownFlag=0", 1, 0},
      {"", 1, 1},  // missing keys keep the start values
  };
  for (const TCase& c : cases) {
    WriteFileText(Program / "info.ini", std::string("[System]\n") + c.Stored + "\n");
    ApplySettingDefaults();
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(GlobalVars.Priority, c.Priority) << c.Stored;
    EXPECT_EQ(GlobalVars.ShutdownFlag, c.ShutdownFlag) << c.Stored;
    EXPECT_EQ(GlobalVars.LastInputOpenDir, Docs()) << c.Stored;
  }
}

TEST_F(SettingsTest, LanguageFileMustBeABareName) {
  for (const char* stored : {"LanguageFile=", "LanguageFile=../../etc/passwd", "LanguageFile=.."}) {
    WriteFileText(Program / "info.ini", std::string("[System]\n") + stored + "\n");
    ApplySettingDefaults();
    EXPECT_TRUE(LoadSettings());
    EXPECT_EQ(GlobalVars.LanguageFile, DefaultLanguageFile()) << stored;
  }
}

TEST_F(SettingsTest, ReadSettingsNeverWrites) {
  ApplySettingDefaults();
  EXPECT_FALSE(ReadSettings());
  EXPECT_FALSE(FileExists(Program / "info.ini"));
  EXPECT_EQ(GlobalVars.OutputFormat, of3GP);
}

TEST_F(SettingsTest, SingleValues) {
  WriteSettingText("System", "LastInputOpenDir", "/videos/new");
  WriteSettingInteger("Form", "x", -12);
  TIniFile ini(Program / "info.ini");
  EXPECT_EQ(ini.ReadString("System", "LastInputOpenDir", ""), "/videos/new");
  EXPECT_EQ(ini.ReadInteger("Form", "x", 0), -12);
}

TEST_F(SettingsTest, UnwritableFolderReachesTheCaller) {
  SetProgramFolder(Program / "missing");
  ApplySettingDefaults();
  EXPECT_THROW(LoadSettings(), EKinovertError);
  EXPECT_THROW(WriteSettingText("System", "LanguageFile", "x.ini"), EKinovertError);
  try {
    SaveSettings();
    FAIL() << "no exception";
  } catch (const EKinovertError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + Program / "missing/info.ini");
  }
}
