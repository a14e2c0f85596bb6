// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/WindowProfileUi.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/ProgramFolder.h"
#include "lang/ResStr.h"
#include "main/Name.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileStore.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

// Add through the real name dialog: the editor's OK, a name typed with
// blanks around, the file written under the trimmed name and selected.
TEST(WindowProfileUi, AddThroughTheNameDialog) {
  TTempDir home;
  TRecordingDialogs dialogs;
  ResetGlobalVars();
  ResetAllProfileSettings();
  SetProgramFolder(home.Path());
  GlobalVars.LanguageFile = "english.ini";
  TProfileStore store;
  ASSERT_TRUE(store.Start());
  QWidget owner;
  std::vector<int> edited;
  TWindowProfileUi ui(&owner, [&](QWidget* o, int f) {
    EXPECT_EQ(o, &owner);
    edited.push_back(f);
    Mp3Settings.Description = "typed in the editor";
    return true;
  });
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TfrmName*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->EditFileName->setText("  Mine  ");
    dialog->btnOK->click();
  });
  store.AddProfile(ofMP3, ui);
  EXPECT_EQ(edited, (std::vector<int>{ofMP3}));
  ASSERT_NE(store.CurrentProfile(ofMP3), nullptr);
  EXPECT_EQ(store.CurrentProfile(ofMP3)->Name, "Mine");
  std::string file =
      GlobalVars.ProfileDirs[static_cast<size_t>(ProfileDirIndex(ofMP3))] + "Mine.mpo";
  EXPECT_NE(ReadFileText(file).find("Description=typed in the editor"), std::string::npos);

  // Without an editor nothing opens and nothing is written.
  TWindowProfileUi none(&owner, nullptr);
  store.AddProfile(ofWAV, none);
  EXPECT_TRUE(store.Profiles(ofWAV).empty());

  SetProgramFolder("");
  ResetGlobalVars();
  ResetAllProfileSettings();
}
