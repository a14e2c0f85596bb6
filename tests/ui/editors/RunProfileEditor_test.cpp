// SPDX-License-Identifier: GPL-3.0-or-later
// The editor as the profile store opens it: modal, centred, OK only on Save.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "app/GlobalVars.h"
#include "editors/EditorTesting.h"
#include "editors/EnterValue.h"
#include "profiles/ProfileSettings.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace {

// Acts on the modal dialog as soon as it runs.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}

TEST(RunProfileEditor, EscLeavesTheRecordAndSaveWritesIt) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.Description = "kept";
  WhenModal([](QWidget* editor) {
    auto* description = Child<QLineEdit>(editor, "EditDescription");
    description->setFocus();
    QTest::keyClicks(description, " and changed");
    QTest::keyClick(editor, Qt::Key_Escape);
  });
  EXPECT_FALSE(RunProfileEditor(nullptr, of3GP));
  EXPECT_EQ(TGPSettings.Description, "kept");

  WhenModal([](QWidget* editor) {
    auto* description = Child<QLineEdit>(editor, "EditDescription");
    description->setFocus();
    description->selectAll();
    QTest::keyClicks(description, "changed");
    Child<QPushButton>(editor, "btnSave")->click();
  });
  EXPECT_TRUE(RunProfileEditor(nullptr, of3GP));
  EXPECT_EQ(TGPSettings.Description, "changed");
}

TEST(RunProfileEditor, EnterOnTheFocusedCloseButtonCloses) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  WhenModal([](QWidget* editor) {
    auto* close = Child<QPushButton>(editor, "btnClose");
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
  });
  EXPECT_FALSE(RunProfileEditor(nullptr, of3GP));
}

TEST(RunProfileEditor, SitsCentredOverItsOwner) {
  // Also over an owner smaller than the dialog: the halves go negative and
  // truncate toward zero, nothing pulls the dialog back onto the screen.
  for (QRect ownerGeometry : {QRect(100, 80, 900, 700), QRect(50, 40, 301, 201)}) {
    ResetAllProfileSettings();
    DefaultAVISettings();
    QWidget owner;
    owner.setGeometry(ownerGeometry);
    owner.show();
    QRect seen;
    WhenModal([&seen](QWidget* editor) {
      seen = editor->frameGeometry();
      QTest::keyClick(editor, Qt::Key_Escape);
    });
    RunProfileEditor(&owner, ofAVI);
    const QRect area = owner.frameGeometry();
    EXPECT_EQ(seen.left(), area.left() + (area.width() - seen.width()) / 2);
    EXPECT_EQ(seen.top(), area.top() + (area.height() - seen.height()) / 2);
  }
}

TEST(EditProfileFromEnvironment, OpensAFileAndWritesItOnlyOnSave) {
  TTempDir dir;
  const std::string file = dir / "Phone.3go";
  ResetAllProfileSettings();
  DefaultTGPSettings();
  SaveTGPSettings(file);
  const std::string before = ReadFileText(file);
  ::setenv("KINOVERT_EDIT_PROFILE", ("3gp:" + file).c_str(), 1);

  WhenModal([](QWidget* editor) { QTest::keyClick(editor, Qt::Key_Escape); });
  EXPECT_TRUE(EditProfileFromEnvironment(nullptr));
  EXPECT_EQ(ReadFileText(file), before);

  WhenModal([](QWidget* editor) {
    auto* description = Child<QLineEdit>(editor, "EditDescription");
    description->setFocus();
    description->selectAll();
    QTest::keyClicks(description, "saved");
    Child<QPushButton>(editor, "btnSave")->click();
  });
  EXPECT_TRUE(EditProfileFromEnvironment(nullptr));
  EXPECT_NE(ReadFileText(file).find("Description=saved"), std::string::npos);
  // What was not edited is written back as it was.
  EXPECT_NE(ReadFileText(file).find("VideoBitRatePresetDivX=144"), std::string::npos);

  ::unsetenv("KINOVERT_EDIT_PROFILE");
  EXPECT_FALSE(EditProfileFromEnvironment(nullptr));
}

// The value entry dialog behind Configure: both messages keep it open;
// Cancel keeps the old value.
TEST(EnterIntegerValue, ExplainsUntilAValueFitsAndCancelKeepsTheOldOne) {
  ResetAllProfileSettings();
  DefaultTGPSettings();
  TGPSettings.VideoCodecNokia = 1;
  TGPSettings.VideoBitRateUsePresertDivX = false;
  TGPSettings.VideoBitRateSpecifyDivX = 300;
  TRecordingDialogs dialogs;
  std::unique_ptr<TProfileEditor> editor = OpenEditor(of3GP);
  auto* configure = Child<QPushButton>(editor.get(), "ButtonVideoBitrateConfigureDivX");
  auto* shown = Child<QLabel>(editor.get(), "LabelBitrateSpecifyDivX");
  EXPECT_EQ(shown->text(), "300");

  std::vector<bool> stayedOpen;
  WhenModal([&stayedOpen](QWidget* entry) {
    EXPECT_EQ(entry->objectName(), "TfrmEnterValue");
    EXPECT_EQ(entry->windowTitle(), "Enter value");
    auto* edit = Child<QLineEdit>(entry, "EditValue");
    auto* ok = Child<QPushButton>(entry, "btnOK");
    for (const char* typed : {"abc", "12a", "50", "9601", "9600"}) {
      edit->selectAll();
      QTest::keyClicks(edit, typed);
      ok->click();
      stayedOpen.push_back(entry->isVisible());
      if (entry->isVisible()) {
        EXPECT_EQ(edit->selectedText(), typed);
      }
    }
  });
  configure->click();
  EXPECT_EQ(stayedOpen, (std::vector<bool>{true, true, true, true, false}));
  ASSERT_EQ(dialogs.Messages.size(), 4u);
  EXPECT_EQ(dialogs.Messages[0].Text, "The value you entered is not valid. Error at position 1.");
  EXPECT_EQ(dialogs.Messages[1].Text, "The value you entered is not valid. Error at position 3.");
  EXPECT_EQ(dialogs.Messages[2].Text,
            "The value you entered is not valid. Please make sure the value is between 64 and "
            "9600!");
  EXPECT_EQ(shown->text(), "9600");

  WhenModal([](QWidget* entry) {
    QTest::keyClicks(Child<QLineEdit>(entry, "EditValue"), "64");
    QTest::keyClick(entry, Qt::Key_Escape);
  });
  configure->click();
  EXPECT_EQ(shown->text(), "9600");
  editor->SaveControls();
  EXPECT_EQ(TGPSettings.VideoBitRateSpecifyDivX, 9600);
}

}  // namespace
