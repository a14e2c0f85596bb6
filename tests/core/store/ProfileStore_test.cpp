// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProfileStore.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

#include "app/ProgramFolder.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace fs = std::filesystem;

namespace {

// The editor and the name dialog as a user answers them. The name dialog
// stays open on an invalid name, as the real one does, and takes the next
// typed text.
class TScriptUi final : public TProfileUi {
 public:
  std::deque<bool> EditorOk;                     // empty: OK
  std::deque<std::optional<std::string>> Typed;  // nullopt: Cancel
  std::string Description = "edited";            // what the editor types
  std::vector<std::string> Log;

  bool EditProfile(int outputFormat) override {
    Log.push_back("editor, record says " + DescriptionOf(outputFormat));
    bool ok = EditorOk.empty() || EditorOk.front();
    if (!EditorOk.empty()) EditorOk.pop_front();
    if (ok) SetDescription(outputFormat, Description);
    return ok;
  }
  bool AskProfileName(std::string& name) override {
    Log.push_back("name dialog with '" + name + "'");
    while (!Typed.empty()) {
      std::optional<std::string> typed = Typed.front();
      Typed.pop_front();
      if (!typed) return false;
      if (AcceptProfileName(*typed, name)) return true;
    }
    return false;
  }

  static std::string DescriptionOf(int f) {
    return f == ofAVI ? AVISettings.Description : Mp3Settings.Description;
  }
  static void SetDescription(int f, const std::string& d) {
    (f == ofAVI ? AVISettings.Description : Mp3Settings.Description) = d;
  }
};

class ProfileStoreTest : public ::testing::Test {
 protected:
  TTempDir Home;
  TRecordingDialogs Dialogs;
  TProfileStore Store;
  TScriptUi Ui;

  void SetUp() override {
    ResetGlobalVars();
    ResetAllProfileSettings();
    ResetLanguage();
    SetProgramFolder(Home.Path());
    GlobalVars.LanguageFile = "english.ini";
    ASSERT_TRUE(Store.Start());
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
    ResetAllProfileSettings();
  }

  static std::string Dir(int f) {
    return GlobalVars.ProfileDirs[static_cast<size_t>(ProfileDirIndex(f))];
  }
  // Writes profile files of a format and lists them again.
  void Seed(int f, std::initializer_list<std::pair<const char*, const char*>> files) {
    for (auto& [name, text] : files) WriteFileText(Dir(f) + name, text);
    Store.FillProfileList(f);
  }
  std::vector<std::string> Names(int f) const {
    std::vector<std::string> out;
    for (const TProfileEntry& e : Store.Profiles(f)) out.push_back(e.Name);
    return out;
  }
  std::string Selected(int f) const {
    const TProfileEntry* e = Store.CurrentProfile(f);
    return e ? e->Name : "<none>";
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (auto& m : Dialogs.Messages) out.push_back(m.Caption);
    for (auto& d : Dialogs.Dialogs) out.push_back(d.Caption);
    return out;
  }
};

const char* const kStandard = "[General]\nDescription=standard\nVideoCodec=3\n";
const char* const kOther = "[General]\nDescription=other\n";

}  // namespace

TEST_F(ProfileStoreTest, RootFollowsTheLanguageFileInAnyCase) {
  struct TCase {
    const char* LanguageFile;
    const char* Root;
  } cases[] = {{"French.ini", "profile_fr/"}, {"spanish.ini", "profile/"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.LanguageFile);
    GlobalVars.LanguageFile = c.LanguageFile;
    TProfileStore store;
    ASSERT_TRUE(store.Start());
    EXPECT_EQ(GlobalVars.ProfileRoot, Home / c.Root);
    EXPECT_TRUE(fs::is_directory(Home / c.Root + "wav"));
    EXPECT_EQ(GlobalVars.DefaultSettingDir, Home / c.Root + "default_setting/");
  }
}

TEST_F(ProfileStoreTest, StartFailsWithTheMessageWhenAFolderCannotBeMade) {
  fs::remove_all(Home / "profile_en");
  WriteFileText(Home / "profile_en", "a file where the tree should be");
  TProfileStore store;
  EXPECT_FALSE(store.Start());
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "The profile folder could not be created!");
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
  EXPECT_EQ(Dialogs.Messages[0].Flags, MB_OK | MB_ICONEXCLAMATION);
}

// Add: defaults, editor, name, the overwrite question, the file, the selection.
TEST_F(ProfileStoreTest, Add) {
  struct TCase {
    const char* Title;
    bool EditorOk;
    std::vector<std::optional<std::string>> Typed;
    std::deque<TModalResult> Answers;  // to the overwrite question
    const char* Written;               // file that must hold the editor's text, "" for none
    std::vector<std::string> Listed;
    const char* Selected;
    std::vector<std::string> Asked;  // captions of the messages and questions
  } cases[] = {
      {"new name", true, {"Loud"}, {}, "Loud.avo", {"Loud", "Other", "Standard"}, "Loud", {}},
      {"editor cancelled", false, {"Loud"}, {}, "", {"Other", "Standard"}, "Other", {}},
      {"name cancelled", true, {std::nullopt}, {}, "", {"Other", "Standard"}, "Other", {}},
      {"existing, No",
       true,
       {"Standard"},
       {mrNo},
       "",
       {"Other", "Standard"},
       "Other",
       {"Overwrite file?"}},
      {"existing, closed",
       true,
       {"Standard"},
       {mrCancel},
       "",
       {"Other", "Standard"},
       "Other",
       {"Overwrite file?"}},
      {"existing, Yes",
       true,
       {"Standard"},
       {mrYes},
       "Standard.avo",
       {"Other", "Standard"},
       "Standard",
       {"Overwrite file?"}},
      {"blanks around",
       true,
       {"  Spaced out  "},
       {},
       "Spaced out.avo",
       {"Other", "Spaced out", "Standard"},
       "Spaced out",
       {}},
      // Too long for a file: refused in the dialog, and the editor's values
      // go into the file of the shorter name.
      {"too long, then shorter",
       true,
       {std::string(250, 'x'), "Short"},
       {},
       "Short.avo",
       {"Other", "Short", "Standard"},
       "Short",
       {"Invalid File Name"}},
      {"invalid, then valid",
       true,
       {"a/b", "   ", "ok"},
       {},
       "ok.avo",
       {"ok", "Other", "Standard"},
       "ok",
       {"Invalid File Name", "Invalid File Name"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Title);
    fs::remove_all(Dir(ofAVI));
    fs::create_directories(Dir(ofAVI));
    Seed(ofAVI, {{"Standard.avo", kStandard}, {"Other.avo", kOther}});
    Dialogs.Messages.clear();
    Dialogs.Dialogs.clear();
    Dialogs.DialogAnswers = c.Answers;
    Ui.Log.clear();
    Ui.EditorOk = {c.EditorOk};
    Ui.Typed = {c.Typed.begin(), c.Typed.end()};
    Store.SelectProfile(ofAVI, 0);

    Store.AddProfile(ofAVI, Ui);

    // The editor starts from the defaults, whatever was selected.
    ASSERT_FALSE(Ui.Log.empty());
    EXPECT_EQ(Ui.Log[0], "editor, record says No Description");
    EXPECT_EQ(Ui.Log.size(), c.EditorOk ? 2u : 1u);
    EXPECT_EQ(Names(ofAVI), c.Listed);
    EXPECT_EQ(Selected(ofAVI), c.Selected);
    EXPECT_EQ(Captions(), c.Asked);
    // Enter never overwrites a profile.
    for (const TMessageDialogRequest& d : Dialogs.Dialogs)
      if (d.Caption == "Overwrite file?") {
        EXPECT_EQ(d.DefaultButton, mbNo);
      }
    for (const std::string& name : c.Listed) {
      std::string file = Dir(ofAVI) + name + ".avo";
      std::string text = ReadFileText(file);
      if (name + ".avo" == c.Written) {
        EXPECT_NE(text.find("Description=edited\n"), std::string::npos) << text;
        EXPECT_NE(text.find("VideoCodec=0\n"), std::string::npos) << text;  // the defaults'
      } else if (name == "Standard") {
        EXPECT_EQ(text, kStandard);
      } else if (name == "Other") {
        EXPECT_EQ(text, kOther);
      }
    }
  }
  ASSERT_FALSE(Dialogs.Dialogs.empty());
  EXPECT_EQ(Dialogs.Dialogs[0].Text,
            "The name you entered is not valid. Please note that a file name cannot contain any "
            "of the following characters:\n\r\n\r\\ / : * ? \" < > |");
  EXPECT_EQ(Dialogs.Dialogs[0].Kind, mdWarning);
}

TEST_F(ProfileStoreTest, AddOntoAnExtensionInCapitalsOverwritesThatFile) {
  Seed(ofAVI, {{"Loud.AVO", kOther}});
  Dialogs.DialogAnswers = {mrYes};
  Ui.Typed = {"Loud"};
  Store.AddProfile(ofAVI, Ui);
  ASSERT_EQ(Dialogs.Dialogs.size(), 1u);
  EXPECT_EQ(Dialogs.Dialogs[0].Text, "File \"" + Dir(ofAVI) +
                                         "Loud.AVO\" already exists.\r\n\r\n"
                                         "Are you sure you want to overwrite it?");
  EXPECT_EQ(Names(ofAVI), (std::vector<std::string>{"Loud"}));
  EXPECT_FALSE(FileExists(Dir(ofAVI) + "Loud.avo"));
  EXPECT_NE(ReadFileText(Dir(ofAVI) + "Loud.AVO").find("Description=edited"), std::string::npos);
}

TEST_F(ProfileStoreTest, EditLoadsTheSelectedFileAndSavesOnlyOnOk) {
  Seed(ofAVI, {{"Standard.avo", kStandard}, {"Other.avo", kOther}});
  Store.SelectProfile(ofAVI, 1);
  Ui.EditorOk = {false};
  Store.EditProfile(ofAVI, Ui);
  EXPECT_EQ(Ui.Log, (std::vector<std::string>{"editor, record says standard"}));
  EXPECT_EQ(ReadFileText(Dir(ofAVI) + "Standard.avo"), kStandard);
  // The AVI editor runs under the wait cursor.
  EXPECT_EQ(Dialogs.Cursor, (std::vector<bool>{true, false}));

  Store.EditProfile(ofAVI, Ui);
  std::string text = ReadFileText(Dir(ofAVI) + "Standard.avo");
  EXPECT_NE(text.find("Description=edited\n"), std::string::npos) << text;
  EXPECT_NE(text.find("VideoCodec=3\n"), std::string::npos) << text;
  EXPECT_EQ(Selected(ofAVI), "Standard");
  EXPECT_EQ(ReadFileText(Dir(ofAVI) + "Other.avo"), kOther);
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(ProfileStoreTest, EditOfAnEmptyBoxOffersAdd) {
  struct TListener final : TProfileStoreListener {
    std::vector<int> Changed;
    void ProfileBoxChanged(int f) override { Changed.push_back(f); }
  } listener;
  Store.SetListener(&listener);
  ASSERT_TRUE(Store.Profiles(ofMP3).empty());
  Ui.Typed = {"First"};
  Store.EditProfile(ofMP3, Ui);
  EXPECT_EQ(listener.Changed, (std::vector<int>{ofMP3}));
  EXPECT_EQ(Ui.Log, (std::vector<std::string>{"editor, record says No Description",
                                              "name dialog with ''"}));
  EXPECT_EQ(Names(ofMP3), (std::vector<std::string>{"First"}));
  EXPECT_TRUE(FileExists(Dir(ofMP3) + "First.mpo"));
  EXPECT_TRUE(Dialogs.Cursor.empty());
}

TEST_F(ProfileStoreTest, Rename) {
  struct TCase {
    const char* Title;
    std::optional<std::string> Typed;
    std::vector<std::string> Listed;
    const char* Selected;
    bool Failed;
  } cases[] = {
      {"onto another profile", "Other", {"Caps", "Other", "Standard"}, "Standard", true},
      {"onto one in capitals", "Caps", {"Caps", "Other", "Standard"}, "Standard", true},
      {"cancelled", std::nullopt, {"Caps", "Other", "Standard"}, "Standard", false},
      {"unchanged", "Standard", {"Caps", "Other", "Standard"}, "Standard", false},
      {"new name, blanks around", " Fine ", {"Caps", "Fine", "Other"}, "Fine", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Title);
    fs::remove_all(Dir(ofAVI));
    fs::create_directories(Dir(ofAVI));
    Seed(ofAVI, {{"Standard.avo", kStandard}, {"Other.avo", kOther}, {"Caps.AVO", kOther}});
    Store.SelectProfile(ofAVI, 2);
    Dialogs.Messages.clear();
    Ui.Log.clear();
    Ui.Typed = {c.Typed};

    Store.RenameProfile(ofAVI, Ui);

    EXPECT_EQ(Ui.Log, (std::vector<std::string>{"name dialog with 'Standard'"}));
    EXPECT_EQ(Names(ofAVI), c.Listed);
    EXPECT_EQ(Selected(ofAVI), c.Selected);
    // Nothing is ever lost: every file keeps its bytes under one name or the other.
    EXPECT_EQ(ReadFileText(Dir(ofAVI) + "Other.avo"), kOther);
    EXPECT_EQ(ReadFileText(Dir(ofAVI) + "Caps.AVO"), kOther);
    EXPECT_EQ(ReadFileText(Dir(ofAVI) + c.Selected + ".avo"), kStandard);
    if (c.Failed) {
      ASSERT_EQ(Dialogs.Messages.size(), 1u);
      EXPECT_EQ(Dialogs.Messages[0].Text,
                "Rename failed! Please check whether a profile with this name already exists.");
      EXPECT_EQ(Dialogs.Messages[0].Caption, "Rename Failed");
      EXPECT_EQ(Dialogs.Messages[0].Flags, MB_ICONINFORMATION);
    } else {
      EXPECT_TRUE(Dialogs.Messages.empty());
    }
  }
}

TEST_F(ProfileStoreTest, DeleteDownToTheLastProfile) {
  Seed(ofMP3, {{"a.mpo", "a"}, {"b.mpo", "b"}, {"c.mpo", "c"}});
  Store.SelectProfile(ofMP3, 1);
  Dialogs.DialogAnswers = {mrNo, mrYes, mrYes};
  Store.DeleteProfile(ofMP3);  // No
  EXPECT_EQ(Names(ofMP3), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Dialogs.Dialogs.back().Text, "Are you sure you want to delete the profile \"b\"?");
  EXPECT_EQ(Dialogs.Dialogs.back().Caption, "Delete Profile");
  EXPECT_EQ(Dialogs.Dialogs.back().DefaultButton, mbNo);  // Enter keeps the profile
  EXPECT_EQ(Dialogs.Dialogs.back().Kind, mdConfirmation);

  Store.DeleteProfile(ofMP3);  // Yes: the first remaining one is selected
  EXPECT_EQ(Names(ofMP3), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(Selected(ofMP3), "a");
  EXPECT_FALSE(FileExists(Dir(ofMP3) + "b.mpo"));

  Store.DeleteProfile(ofMP3);  // Yes
  EXPECT_EQ(Names(ofMP3), (std::vector<std::string>{"c"}));
  EXPECT_EQ(Selected(ofMP3), "c");

  Store.DeleteProfile(ofMP3);  // the last one: not even asked
  EXPECT_EQ(Dialogs.Dialogs.size(), 3u);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, "This is the last profile; it cannot be deleted!");
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Cannot Be Deleted");
  EXPECT_EQ(ReadFileText(Dir(ofMP3) + "c.mpo"), "c");
}

TEST_F(ProfileStoreTest, AFailedDeletionIsReportedAndStaysListed) {
  Seed(ofMP3, {{"a.mpo", "a"}, {"b.mpo", "b"}});
  // Something that cannot be unlinked now stands where the file was.
  fs::remove(Dir(ofMP3) + "a.mpo");
  fs::create_directories(Dir(ofMP3) + "a.mpo/inside");
  Dialogs.DialogAnswers = {mrYes};
  Store.DeleteProfile(ofMP3);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text,
            "The profile file \"" + Dir(ofMP3) + "a.mpo\" could not be deleted.");
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
  EXPECT_EQ(Names(ofMP3), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Selected(ofMP3), "a");
}

TEST_F(ProfileStoreTest, AnEmptyBoxHasNothingToRenameOrDelete) {
  ASSERT_TRUE(Store.Profiles(ofWAV).empty());
  Store.RenameProfile(ofWAV, Ui);
  Store.DeleteProfile(ofWAV);
  EXPECT_TRUE(Ui.Log.empty());
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_TRUE(Dialogs.Dialogs.empty());
}

TEST_F(ProfileStoreTest, CurrentChoice) {
  Seed(ofAVI, {{"Loud.AVO", kOther}, {"Standard.avo", kStandard}});
  EXPECT_EQ(Store.CurrentChoice(ofAVI).ProfileFile, Dir(ofAVI) + "Loud.AVO");
  Store.SelectProfile(ofAVI, 1);
  EXPECT_EQ(Store.CurrentChoice(ofAVI).ProfileFile, Dir(ofAVI) + "Standard.avo");
  Store.SelectProfile(ofAVI, 5);
  EXPECT_EQ(Store.CurrentChoice(ofAVI).ProfileFile, "");

  std::string preset = GlobalVars.DefaultSettingDir + "phone.ini";
  fs::create_directories(GlobalVars.DefaultSettingDir);
  WriteFileText(preset, "[Info]\nTitleE=3GPP phone\n[Item1]\nTitleE=Low\n[Item2]\nTitleE=High\n");
  EXPECT_EQ(Store.CurrentChoice(of3GP).DevicePresetFile, "");  // nothing applied yet
  Store.Devices().ApplyDevicePreset(preset);
  Store.Devices().SelectItem(1);
  TProfileChoice c = Store.CurrentChoice(of3GP);
  EXPECT_EQ(c.DevicePresetFile, preset);
  EXPECT_EQ(c.DeviceSection, "Item2");
  EXPECT_EQ(c.ProfileFile, "");
}
