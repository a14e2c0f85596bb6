// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

class TRecordingWindow final : public TStartupWindow {
 public:
  std::vector<std::string> Steps;
  bool StoreStarts = true;
  void LoadSkinLayout() override { Steps.push_back("skin"); }
  void CreateRunner() override { Steps.push_back("runner"); }
  void CentreOnScreen() override { Steps.push_back("centre"); }
  bool StartProfileStore() override {
    Steps.push_back("store");
    return StoreStarts;
  }
  void RestoreTarget() override { Steps.push_back("target " + std::to_string(GlobalVars.OutputFormat)); }
  void AcceptDroppedFiles() override { Steps.push_back("drops"); }
  void RestorePlacement() override { Steps.push_back("placement"); }
  bool ApplyLanguage() override {
    Steps.push_back("language " + ResStr(MSG_CANCEL));
    return LoadLanguageTypeFile();
  }
  void BuildLanguageMenu() override { Steps.push_back("menu"); }
  void UpdateSummary() override { Steps.push_back("summary"); }
  void HideToolbar() override { Steps.push_back("toolbar"); }
  void ShiftControls() override { Steps.push_back("shift"); }
};

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetLanguage();
    fs::create_directories(Home / "skin/kvo/lang");
    WriteFileText(Home / "skin/kvo/lang/english.ini", "[LANGRES]\nMSG_CANCEL=Cancel here\n");
    WriteFileText(Home / "skin/kvo/lang/type_english.dat", "[InputFileTypes]\nVideo=*.avi\n");
    SetProgramFolder(Home.Path());
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
    ResetLanguage();
  }
  TTempDir Home;
  TRecordingDialogs Dialogs;
};

}  // namespace

TEST_F(Startup, FirstStartWritesTheDefaultsAndCentres) {
  TRecordingWindow w;
  EXPECT_TRUE(RunStartup(w));
  EXPECT_EQ(w.Steps, (std::vector<std::string>{"skin", "runner", "centre", "store", "target 2", "drops",
                                               "placement", "language Cancel here", "menu", "summary",
                                               "toolbar", "shift"}));
  EXPECT_TRUE(FileExists(Home / "info.ini"));
  EXPECT_EQ(GlobalVars.InputFileTypes, (std::vector<std::string>{"Video=*.avi"}));
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(Startup, LaterStartsTarget3gpAndKeepThePlace) {
  WriteFileText(Home / "info.ini", "[System]\nPriority=2\n");
  TRecordingWindow w;
  EXPECT_TRUE(RunStartup(w));
  EXPECT_EQ(w.Steps[2], "store");
  EXPECT_EQ(w.Steps[3], "target 2");
  EXPECT_EQ(GlobalVars.Priority, 2);
}

TEST_F(Startup, WhatEndsTheProgramAndWhatDoesNot) {
  {  // the profile store cannot start: nothing after it runs
    TRecordingWindow w;
    w.StoreStarts = false;
    EXPECT_FALSE(RunStartup(w));
    EXPECT_EQ(w.Steps.back(), "store");
  }
  {  // no type file for the language: its message, and the end
    fs::remove(Home / "skin/kvo/lang/type_english.dat");
    TRecordingWindow w;
    EXPECT_FALSE(RunStartup(w));
    EXPECT_EQ(w.Steps.back(), "language Cancel here");
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_EQ(Dialogs.Messages[0].Caption, "File Not Found");
    EXPECT_NE(Dialogs.Messages[0].Text.find("type_english.dat"), std::string::npos);
  }
  {  // settings that cannot be read: said, and the program goes on with defaults
    WriteFileText(Home / "skin/kvo/lang/type_english.dat", "[InputFileTypes]\nVideo=*.avi\n");
    fs::remove(Home / "info.ini");
    fs::create_directory(Home / "info.ini");
    Dialogs.Messages.clear();
    TRecordingWindow w;
    EXPECT_TRUE(RunStartup(w));
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_NE(Dialogs.Messages[0].Text.find("info.ini"), std::string::npos);
    EXPECT_EQ(w.Steps.back(), "shift");
  }
}

// The language of the settings is the user's: when its file or its type
// file is gone, the program starts in the build language and says so once
// (the settings keep the build language from then on).
TEST_F(Startup, AChosenLanguageThatIsGoneGivesWayToTheBuildLanguage) {
  WriteFileText(Home / "skin/kvo/lang/deutsch.ini", "[LANGRES]\nMSG_CANCEL=Abbrechen\n");
  struct TCase {
    const char* Chosen;
    const char* Missing;  // named in the message
  } cases[] = {
      {"klingon.ini", "skin/kvo/lang/klingon.ini"},
      {"deutsch.ini", "skin/kvo/lang/type_deutsch.dat"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Chosen);
    WriteFileText(Home / "info.ini", std::string("[System]\nLanguageFile=") + c.Chosen + "\n");
    Dialogs.Messages.clear();
    TRecordingWindow w;
    EXPECT_TRUE(RunStartup(w));
    EXPECT_EQ(GlobalVars.LanguageFile, "english.ini");
    EXPECT_EQ(w.Steps.back(), "shift");
    EXPECT_NE(std::find(w.Steps.begin(), w.Steps.end(), "language Cancel here"), w.Steps.end());
    ASSERT_EQ(Dialogs.Messages.size(), 1u);
    EXPECT_NE(Dialogs.Messages[0].Text.find(Home / c.Missing), std::string::npos)
        << Dialogs.Messages[0].Text;
    EXPECT_NE(Dialogs.Messages[0].Text.find("\"english.ini\""), std::string::npos);
  }
  // The build language itself is never replaced: without its type file the
  // program cannot start, as before.
  fs::remove(Home / "skin/kvo/lang/type_english.dat");
  GlobalVars.LanguageFile = "English.ini";
  EXPECT_EQ(FallBackToBuildLanguage(), "");
  EXPECT_EQ(GlobalVars.LanguageFile, "English.ini");
}
