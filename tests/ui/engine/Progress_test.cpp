// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Progress.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "LayoutChecks.h"
#include "app/GlobalVars.h"
#include "base/FormatText.h"
#include "engine/ConvertAnimation.h"
#include "lang/ResStr.h"
#include "support/RecordingDialogs.h"

namespace {

class ProgressWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetLanguage();
  }
  void TearDown() override {
    ResetGlobalVars();
    ResetLanguage();
  }
};

}  // namespace

TEST_F(ProgressWindow, EveryLanguageFitsAndTrayButtonKeepsItsRightEdge) {
  for (const char* language : kShippedLanguages) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(LoadLanguage(ShippedLanguagePath(language)));
    TfrmProgress progress(nullptr);
    progress.SetStopLabel(ResStr(MSG_ID_STOP_ENC));
    progress.ResetProgress();
    progress.ShowFileStatus(ResStr(MSG_ID_STATUS) + "100%", 100);
    progress.ShowBatchStatus(ResStr(MSG_ID_BATCH) + "100%", 100);
    progress.LabelStopWhenDone->show();
    progress.ShowFailure(
        FormatText(ResStr(MSG_FILE_FAILED), {"clip.avi", ResStr(MSG_REASON_NO_OUTPUT)}));
    progress.StartAnimation(ResStr(MSG_CONVERTING));
    progress.show();
    // Deleting the sources is offered, not hidden away in the settings file.
    EXPECT_TRUE(progress.CheckBoxDelSource->isVisible());
    EXPECT_EQ(progress.size(), QSize(524, 370));
    ExpectNothingClipped(&progress, {"LabelWorking", "LabelOutput", "LabelFailed"});
    // English builds place it at 270, 110 wide; a longer caption grows it
    // to the left, never under Cancel.
    const QRect tray = progress.ButtonTray->geometry();
    EXPECT_EQ(tray.left() + tray.width(), 380);
    EXPECT_LE(tray.left(), 270);
    if (std::string(language) == "english.ini") {
      EXPECT_EQ(tray.width(), 110);
    }
  }
}

TEST_F(ProgressWindow, ResetShowsTheStateBeforeTheFirstOutput) {
  TfrmProgress progress(nullptr);
  progress.ShowFileStatus("Status=40%", 40);
  progress.ShowWorking("Working on file 1 of 2: a.avi");
  progress.StartAnimation("Converting");
  progress.ResetProgress();
  for (QLabel* clock : {progress.LabelStatusRemaining, progress.LabelBatchRemaining,
                        progress.LabelBatchElapsed, progress.LabelBatchEstimated})
    EXPECT_EQ(clock->text(), "0:00:00") << clock->objectName().toStdString();
  EXPECT_EQ(progress.LabelStatus->text(), "Status=0%");
  EXPECT_EQ(progress.LabelBatch->text(), "Batch=0%");
  EXPECT_EQ(progress.ProgressBarStatus->value(), 0);
  EXPECT_EQ(progress.LabelWorking->text(), "Please wait...");
  EXPECT_EQ(progress.LabelOutput->text(), "");
  EXPECT_EQ(progress.LabelCovnerting->text(), "Preparing");
  EXPECT_FALSE(progress.AnimationRunning());
  EXPECT_TRUE(progress.Animate_Convert->isHidden());
  EXPECT_EQ(progress.Animate_Convert->Frame(), 0);
}

TEST_F(ProgressWindow, FileNamesShowAsTheyAre) {
  TfrmProgress progress(nullptr);
  const std::string odd = "Working on file 1 of 1: a&b <b>bold</b>.avi";
  progress.ShowWorking(odd);
  EXPECT_EQ(progress.LabelWorking->text().toStdString(), odd);
  EXPECT_EQ(progress.LabelWorking->textFormat(), Qt::PlainText);
  // Too long for the window: the middle goes, the whole name is the tip.
  const std::string longName = "Output file: " + std::string(300, 'x') + "-end.avi";
  progress.ShowOutput(longName);
  EXPECT_TRUE(progress.LabelOutput->text().endsWith("-end.avi"));
  EXPECT_LE(progress.LabelOutput->sizeHint().width(), progress.LabelOutput->width());
  EXPECT_EQ(progress.LabelOutput->toolTip().toStdString(), longName);
}

TEST_F(ProgressWindow, CheckBoxesWriteStraightIntoTheSettings) {
  for (bool start : {false, true}) {
    GlobalVars.DeleteFileAfterProcessing = start;
    GlobalVars.ShutdownWindowsWhenDone = !start;
    TfrmProgress progress(nullptr);
    EXPECT_EQ(progress.CheckBoxDelSource->isChecked(), start);
    EXPECT_EQ(progress.CheckBoxShutdown->isChecked(), !start);
    progress.show();
    progress.CheckBoxShutdown->click();
    EXPECT_EQ(GlobalVars.ShutdownWindowsWhenDone, start);
    progress.CheckBoxDelSource->click();
    EXPECT_EQ(GlobalVars.DeleteFileAfterProcessing, !start);
  }
}

// How each way of closing ends: the driver's own closes never ask; the
// user's ask, and a batch that ends during the question closes with mrCancel.
TEST_F(ProgressWindow, CloseContract) {
  enum TWay {
    DriverBeforeRun,
    DriverFinished,
    DriverStopNow,
    UserButton,
    UserEscape,
    UserCloseBox
  };
  struct TCase {
    TWay Way;
    TModalResult Answer;
    bool FinishUnderQuestion;
    int Result;  // 0: still open
    int Questions;
    bool StopWhenDone;
  } cases[] = {
      {DriverBeforeRun, mrYes, false, mrOk, 0, false},
      {DriverFinished, mrYes, false, mrOk, 0, false},
      {DriverStopNow, mrYes, false, mrCancel, 0, false},
      {UserButton, mrYes, false, mrCancel, 1, false},
      {UserEscape, mrYes, false, mrCancel, 1, false},
      {UserCloseBox, mrYes, false, mrCancel, 1, false},
      {UserButton, mrNo, false, 0, 1, true},
      {UserEscape, mrCancel, false, 0, 1, false},
      {UserButton, mrNo, true, mrCancel, 1, false},
      {UserButton, mrCancel, true, mrCancel, 1, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Way << " " << c.Answer << " " << c.FinishUnderQuestion);
    GlobalVars.StopWhenDone = false;
    TRecordingDialogs dialogs;
    dialogs.DialogAnswers = {c.Answer};
    TfrmProgress progress(nullptr);
    dialogs.OnDialog = [&](const TMessageDialogRequest&) {
      if (!c.FinishUnderQuestion) return;
      progress.SetFinished();
      progress.Close(mrOk);
      // Still open until the question is answered.
      EXPECT_FALSE(progress.Closing());
    };
    if (c.Way == DriverBeforeRun)
      progress.Close(mrOk);
    else
      QTimer::singleShot(0, &progress, [&] {
        switch (c.Way) {
          case DriverBeforeRun:
            break;
          case DriverFinished:
            progress.SetFinished();
            progress.Close(mrOk);
            break;
          case DriverStopNow:
            progress.Close(mrCancel);
            break;
          case UserButton:
            progress.ButtonCancel->click();
            break;
          case UserEscape:
            QTest::keyClick(&progress, Qt::Key_Escape);
            break;
          case UserCloseBox:
            progress.close();
            break;
        }
        EXPECT_EQ(!progress.LabelStopWhenDone->isHidden(), c.StopWhenDone);
        EXPECT_EQ(GlobalVars.StopWhenDone, c.StopWhenDone);
        if (!progress.Closing()) progress.Close(mrOk);  // the batch goes on to its end
      });
    EXPECT_EQ(progress.RunModal(), c.Result != 0 ? c.Result : mrOk);
    EXPECT_EQ(static_cast<int>(dialogs.Dialogs.size()), c.Questions);
    EXPECT_FALSE(progress.isVisible());
  }
}

TEST_F(ProgressWindow, MinimisingMinimisesTheProgram) {
  QWidget owner;
  owner.show();
  TfrmProgress progress(&owner);
  int programMinimised = 0;
  progress.OnMinimiseProgram = [&] {
    ++programMinimised;
    owner.showMinimized();
  };
  progress.show();
  progress.setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(programMinimised, 1);
  EXPECT_TRUE(owner.isMinimized());
  EXPECT_FALSE(progress.isMinimized());
  // Going down with its owner is no new request.
  progress.setWindowState(Qt::WindowMinimized);
  EXPECT_EQ(programMinimised, 1);
}
