// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "LayoutChecks.h"
#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "base/IniFile.h"
#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace {

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

class SettingsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetLanguage();
    SetProgramFolder(Home.Path());
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
    ResetLanguage();
  }
  // Runs ActionSettings's dialog with `user` acting on it once it is open.
  bool Run(const std::function<void(TfrmSettings&)>& user) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<TfrmSettings*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      user(*dialog);
    });
    return TfrmSettings::Run(nullptr);
  }
  std::string Stored(const char* key) {
    return TIniFile(SettingsFilePath()).ReadString("System", key, "-");
  }

  TTempDir Home;
  TRecordingDialogs Dialogs;
};

}  // namespace

TEST_F(SettingsDialog, ListsFromTheTextTableInEveryLanguage) {
  for (const char* language : kShippedLanguages) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(LoadLanguage(ShippedLanguagePath(language)));
    TfrmSettings dialog(nullptr);
    EXPECT_EQ(Items(dialog.ComboBoxPriority),
              (QStringList{QString::fromStdString(ResStr(MSG_IDLE)),
                           QString::fromStdString(ResStr(MSG_NORMAL)),
                           QString::fromStdString(ResStr(MSG_HIGH)),
                           QString::fromStdString(ResStr(MSG_REALTIME))}));
    QStringList shutdown = Items(dialog.ComboBoxShutdownFlag);
    ASSERT_EQ(shutdown.size(), 6);
    const QString title = QString::fromStdString(ProductTitle());
    EXPECT_TRUE(shutdown[0].endsWith(" " + title) || shutdown[0].startsWith(title + " "))
        << shutdown[0].toStdString();
    EXPECT_EQ(shutdown[5], QString::fromStdString(ResStr(MSG_SUSPEMD)));
    // The longest the dialog gets: the priority note shown.
    dialog.Rights = {};
    dialog.ComboBoxPriority->setCurrentIndex(3);
    dialog.show();
    EXPECT_TRUE(dialog.LabelPriorityNote->isVisible());
    EXPECT_GE(dialog.width(), 356);
    EXPECT_GE(dialog.height(), 249);
    ExpectNothingClipped(&dialog);
  }
}

TEST_F(SettingsDialog, OkStoresAndSavesAtOnce) {
  GlobalVars.Priority = 1;
  GlobalVars.ShutdownFlag = 1;
  EXPECT_TRUE(Run([](TfrmSettings& d) {
    EXPECT_EQ(d.ComboBoxPriority->currentIndex(), 1);
    d.ComboBoxPriority->setCurrentIndex(3);
    d.ComboBoxShutdownFlag->setCurrentIndex(0);
    d.CheckBoxDirectShow->setChecked(true);
    QTest::keyClick(d.ComboBoxPriority, Qt::Key_Return);
  }));
  EXPECT_EQ(GlobalVars.Priority, 3);
  EXPECT_EQ(GlobalVars.ShutdownFlag, 0);
  EXPECT_TRUE(GlobalVars.UseDirectShow);
  EXPECT_EQ(Stored("Priority"), "3");
  EXPECT_EQ(Stored("ShutdownFlag"), "0");
  EXPECT_EQ(Stored("UseDirectShow"), "1");
}

TEST_F(SettingsDialog, EscapeAndCancelChangeNothing) {
  for (int way = 0; way < 2; ++way) {
    GlobalVars.Priority = 2;
    GlobalVars.ShutdownFlag = 4;
    EXPECT_FALSE(Run([way](TfrmSettings& d) {
      d.ComboBoxPriority->setCurrentIndex(0);
      d.ComboBoxShutdownFlag->setCurrentIndex(5);
      d.CheckBoxDirectShow->setChecked(true);
      if (way == 0) QTest::keyClick(d.CheckBoxDirectShow, Qt::Key_Escape);
      if (way == 1) d.ButtonCancel->click();
    }));
    EXPECT_EQ(GlobalVars.Priority, 2);
    EXPECT_EQ(GlobalVars.ShutdownFlag, 4);
    EXPECT_FALSE(GlobalVars.UseDirectShow);
    EXPECT_FALSE(FileExists(SettingsFilePath()));
  }
}

TEST_F(SettingsDialog, HandEditedValuesShowNothingAndSurviveOk) {
  GlobalVars.Priority = 7;
  GlobalVars.ShutdownFlag = 9;
  EXPECT_TRUE(Run([](TfrmSettings& d) {
    EXPECT_EQ(d.ComboBoxPriority->currentIndex(), -1);
    EXPECT_EQ(d.ComboBoxShutdownFlag->currentIndex(), -1);
    EXPECT_EQ(d.ComboBoxShutdownFlag->currentText(), "");
    d.ButtonOK->click();
  }));
  EXPECT_EQ(GlobalVars.Priority, 7);
  EXPECT_EQ(GlobalVars.ShutdownFlag, 9);
  EXPECT_EQ(Stored("Priority"), "7");
}

// Deleting the sources after a good conversion is a setting of the dialog,
// stored and saved like the others.
TEST_F(SettingsDialog, DeletingTheSourcesIsOffered) {
  for (bool on : {true, false}) {
    SCOPED_TRACE(on);
    GlobalVars.DeleteFileAfterProcessing = !on;
    EXPECT_TRUE(Run([on](TfrmSettings& d) {
      EXPECT_EQ(d.CheckBoxDelSource->isChecked(), !on);
      EXPECT_TRUE(d.CheckBoxDelSource->isVisible());
      EXPECT_EQ(d.CheckBoxDelSource->text().toStdString(), ResStr(MSG_DEL_AFTER));
      d.CheckBoxDelSource->click();
      d.ButtonOK->click();
    }));
    EXPECT_EQ(GlobalVars.DeleteFileAfterProcessing, on);
    EXPECT_EQ(Stored("DeleteFileAfterProcessing"), on ? "1" : "0");
  }
}

// A priority above what the user may take falls back to the inherited one:
// the dialog says so under the list, for the choice shown.
TEST_F(SettingsDialog, APriorityTheUserMayNotTakeIsSaidToFallBack) {
  struct TCase {
    TNiceRights Rights;
    int Priority;
    bool Note;
  } cases[] = {
      {{0, 0, false}, 0, false}, {{0, 0, false}, 1, false},  {{0, 0, false}, 2, true},
      {{0, 0, false}, 3, true},  {{0, 0, true}, 3, false},   {{0, 30, false}, 2, false},
      {{0, 30, false}, 3, true}, {{0, -1, false}, 3, false}, {{5, 0, false}, 1, true},
  };
  TfrmSettings dialog(nullptr);
  dialog.show();
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Rights.CurrentNice << " " << c.Rights.NiceLimit << " "
                                    << c.Rights.SysNice << " " << c.Priority);
    dialog.Rights = c.Rights;
    dialog.ComboBoxPriority->setCurrentIndex(c.Priority);
    dialog.UpdatePriorityNote();
    EXPECT_EQ(dialog.LabelPriorityNote->isVisible(), c.Note);
  }
  EXPECT_EQ(dialog.LabelPriorityNote->text().toStdString(), ResStr(MSG_PRIORITY_NOT_ALLOWED));
}

TEST_F(SettingsDialog, OpensCentredOverItsOwner) {
  QWidget owner;
  owner.setGeometry(100, 80, 801, 600);
  owner.show();
  QRect frame;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    frame = dialog->frameGeometry();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  TfrmSettings::Run(&owner);
  const QRect area = owner.frameGeometry();
  EXPECT_EQ(frame.left(), area.left() + (area.width() - frame.width()) / 2);
  EXPECT_EQ(frame.top(), area.top() + (area.height() - frame.height()) / 2);
}
