// SPDX-License-Identifier: GPL-3.0-or-later
// Whole batches through the desktop's windows: the engine's driver, a fake
// encoder, the progress window, the tray and the countdown.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "app/BuildConstants.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "app/QtMainThread.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "base/IniFile.h"
#include "engine/BatchDriver.h"
#include "engine/ConvertAnimation.h"
#include "engine/DesktopBatchHost.h"
#include "engine/PowerActions.h"
#include "engine/Progress.h"
#include "engine/Redirector.h"
#include "engine/Shutdown.h"
#include "engine/Tray.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileFolders.h"
#include "support/RecordingDialogs.h"
#include "support/RunProgram.h"

namespace {

using namespace std::chrono_literals;

// Stands in for the encoder; its input's first word says what to do. "hold"
// waits for INPUT.go before its first line and for INPUT.end before it ends.
const char* const FakeEncoder = R"(#!/bin/sh
in="$4"; for a; do out="$a"; done
wait_for() { i=0; while [ ! -e "$1" ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done; }
case "$in" in *early*) echo "Error opening input: no such codec" >&2; exit 1;; esac
read mode < "$in"
[ "$mode" = hold ] && wait_for "$in.go"
echo "Input #0, avi, from '$in':" >&2
echo "  Duration: 00:00:02.00, start: 0.000000, bitrate: 100 kb/s" >&2
echo "Output #0, avi, to '$out':" >&2
case "$mode" in
  fail) echo "Error while opening encoder for output stream #0:0" >&2; printf partial > "$out"; exit 1;;
  sleep) echo $$ > "$in.pid"; printf partial > "$out"
         echo "size=       1kB time=0.50 bitrate=   8.0kbits/s" >&2; exec sleep 30;;
  hold) echo "size=       1kB time=0.50 bitrate=   8.0kbits/s" >&2; wait_for "$in.end";;
  vanish) rm -f "$in";;
esac
echo "size=       2kB time=2.00 bitrate=   8.0kbits/s" >&2
printf data > "$out"
)";

// The main window as the host sees it; its close is the program's normal
// close, which saves the settings and the placement.
class TTestMainWindow final : public QWidget, public TPlacementWindow {
 public:
  int Closes = 0;
  TWindowPlacement Placement() const override { return {x(), y(), width(), height(), false}; }
  void ApplyPlacement(const TWindowPlacement&) override {}
  int ScreenWidth() const override { return 1280; }
  int ScreenHeight() const override { return 1024; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++Closes;
    SaveSettings();
    SaveWindowPlacement("Form", *this);
    event->accept();
  }
};

// Records each request with the settings file as it stood at that moment.
class TRecordingPower final : public TPowerControl {
 public:
  std::string Calls;
  std::string SettingsThen;
  void PowerOff() override { Record("poweroff"); }
  void Reboot() override { Record("reboot"); }
  void Hibernate() override { Record("hibernate"); }
  void Suspend() override { Record("suspend"); }
  void EndSession() override { Record("endsession"); }
  std::unique_ptr<TInhibitor> InhibitSleep(const std::string&) override { return nullptr; }

 private:
  void Record(const char* call) {
    Calls += std::string(call) + ";";
    SettingsThen = FileExists(SettingsFilePath()) ? ReadFileText(SettingsFilePath()) : "";
  }
};

class BatchWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobalVars();
    ResetAllProfileSettings();
    ResetLanguage();
    SetProgramFolder(Home.Path());
    // The skin's pictures, so the window looks as it does for a user.
    std::filesystem::create_directory_symlink(KINOVERT_PROGRAM_DIR "/skin", Home / "skin");
    WriteFileText(Home / "avcore", FakeEncoder);
    ::chmod((Home / "avcore").c_str(), 0755);
    GlobalVars.EncoderPath = "avcore";
    GlobalVars.LanguageFile = "english.ini";
    ASSERT_TRUE(CreateProfileFolders());
    DefaultAVISettings();
    SaveAVISettings(ProfileFilePath(ofAVI, "Test"));
    Choice.OutputFolder = Out.Path();
    Choice.ProfileFile = ProfileFilePath(ofAVI, "Test");
    Main.setGeometry(100, 100, 801, 600);
    Main.show();
    MakeHost(false);
  }
  void TearDown() override {
    SetProgramFolder("");
    ResetGlobalVars();
    ResetAllProfileSettings();
  }

  void MakeHost(bool trayAvailable) {
    Host = std::make_unique<TDesktopBatchHost>(&Main, Thread, Main, trayAvailable);
    Host->CountdownTick = 1ms;
    Host->Tray().Notify = [this](const QString& title, const QString& text) {
      Notified.push_back((title + "|" + text).toStdString());
      return true;
    };
    Host->FileStateChanged = [this](const std::string& path, TFileState s) {
      if (States.empty() || States.back() != std::make_pair(path, s)) States.emplace_back(path, s);
    };
    Host->FileReasonChanged = [this](const std::string& path, const std::string& reason) {
      Reasons.push_back(std::filesystem::path(path).filename().string() + ": " + reason);
    };
    QObject::connect(Host.get(), &TDesktopBatchHost::CountdownOpened, [this] { ++Countdowns; });
  }

  TBatchInput Input(const std::string& name, const std::string& mode) {
    WriteFileText(In / name, mode + "\n");
    return {In / name, "100"};
  }
  static void Release(const TBatchInput& file, const char* step) {
    WriteFileText(file.FileName + step, "");
  }

  // Runs the batch; `user` acts on the progress window once it is open.
  int Run(const std::vector<TBatchInput>& files, std::function<void(TfrmProgress&)> user = {},
          bool convertAction = false) {
    TRedirector runner(Thread);
    TBatchDriver driver(*Host, runner, Power);
    auto opened =
        QObject::connect(Host.get(), &TDesktopBatchHost::ProgressOpened, [&](TfrmProgress* p) {
          if (user) QTimer::singleShot(0, p, [&user, p] { user(*p); });
        });
    int result = -1;
    if (convertAction)
      result = driver.ActionConvertExecute(files, Choice) ? mrOk : -1;
    else
      result = driver.StartBatch(files, Choice);
    QObject::disconnect(opened);
    return result;
  }

  static void WaitFor(const std::function<bool()>& condition) {
    EXPECT_TRUE(QTest::qWaitFor(condition, 60000));
  }
  static bool Working(TfrmProgress& p, const char* what) {
    return p.LabelWorking->text().contains(what);
  }

  TTempDir Home, In, Out;
  TRecordingDialogs Dialogs;
  TTestMainWindow Main;
  TQtMainThread Thread;
  std::unique_ptr<TDesktopBatchHost> Host;
  TRecordingPower Power;
  TBatchChoice Choice;
  std::vector<std::string> Notified;
  std::vector<std::pair<std::string, TFileState>> States;
  std::vector<std::string> Reasons;  // "name: reason" of each failed row
  int Countdowns = 0;
};

// A balloon (or notification) as the tray tells it.
std::string Balloon(const std::string& text) {
  return ProductTitle() + " Information|" + text;
}

// Clicks the button captioned `caption` of the next real message box.
void AnswerNextBox(const QString& caption) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, caption] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    for (QAbstractButton* button : box->buttons())
      if (button->text() == caption) {
        poll->stop();
        poll->deleteLater();
        button->click();
        return;
      }
  });
  poll->start(10);
}

}  // namespace

TEST_F(BatchWindows, LabelsAndBarsFollowTheOutput) {
  auto a = Input("a.avi", "hold"), b = Input("b.avi", "hold");
  EXPECT_EQ(Run({a, b},
                [&](TfrmProgress& p) {
                  EXPECT_TRUE(p.isVisible());
                  EXPECT_EQ(p.focusWidget(), p.ButtonCancel);
                  EXPECT_EQ(p.windowTitle(), "Encoding in progress");
                  EXPECT_EQ(p.LabelWorking->text(), "Please wait...");
                  EXPECT_TRUE(p.Animate_Convert->isHidden());
                  EXPECT_EQ(p.LabelCovnerting->text(), "Preparing");
                  EXPECT_EQ(Host->Tray().Hint(), "Starting...");
                  Release(a, ".go");
                  WaitFor([&] { return p.LabelStatus->text() == "Status=25%"; });
                  EXPECT_EQ(p.ProgressBarStatus->value(), 25);
                  // 25 of 100 bytes done of 200: 12.5 goes to the even 12.
                  EXPECT_EQ(p.LabelBatch->text(), "Batch=12%");
                  EXPECT_EQ(p.ProgressBarBatch->value(), 12);
                  EXPECT_EQ(p.LabelWorking->text(), "Working on file 1 of 2: a.avi");
                  EXPECT_EQ(p.LabelOutput->text(), "Output file: a.avi");
                  EXPECT_FALSE(p.Animate_Convert->isHidden());
                  EXPECT_TRUE(p.AnimationRunning());
                  EXPECT_EQ(p.LabelCovnerting->text(), "Converting");
                  EXPECT_EQ(Host->Tray().Hint().toStdString(), a.FileName + ": 25%");
                  Release(a, ".end");
                  WaitFor([&] { return States.size() == 2; });
                  EXPECT_EQ(p.LabelBatch->text(), "Batch=50%");
                  Release(b, ".go");
                  WaitFor([&] { return Working(p, "file 2 of 2"); });
                  Release(b, ".end");
                }),
            mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  EXPECT_TRUE(FileExists(Out / "a.avi") && FileExists(Out / "b.avi"));
  EXPECT_EQ(States,
            (std::vector<std::pair<std::string, TFileState>>{{a.FileName, TFileState::Converting},
                                                             {a.FileName, TFileState::Done},
                                                             {b.FileName, TFileState::Converting},
                                                             {b.FileName, TFileState::Done}}));
  EXPECT_EQ(Notified, std::vector<std::string>{Balloon("All files converted (2 of 2).")});
  EXPECT_EQ(Host->Tray().Hint(), "All files converted (2 of 2).");
  EXPECT_FALSE(Host->Running());
}

TEST_F(BatchWindows, WhenDoneThenCancelConvertsEveryFile) {
  auto a = Input("a.avi", "hold"), b = Input("b.avi", "ok"), c = Input("c.avi", "ok");
  Dialogs.DialogAnswers = {mrNo, mrCancel};
  EXPECT_EQ(Run({a, b, c},
                [&](TfrmProgress& p) {
                  Release(a, ".go");
                  WaitFor([&] { return Working(p, "file 1 of 3"); });
                  p.ButtonCancel->click();
                  EXPECT_FALSE(p.LabelStopWhenDone->isHidden());
                  EXPECT_EQ(p.LabelStopWhenDone->text(),
                            "Encoding will stop when the current file is done...");
                  EXPECT_TRUE(GlobalVars.StopWhenDone);
                  p.ButtonCancel->click();
                  EXPECT_TRUE(p.LabelStopWhenDone->isHidden());
                  EXPECT_FALSE(GlobalVars.StopWhenDone);
                  Release(a, ".end");
                }),
            mrOk);
  ASSERT_EQ(Dialogs.Dialogs.size(), 2u);
  EXPECT_EQ(Dialogs.Dialogs[0].Caption, "Question");
  EXPECT_EQ(GlobalVars.DoneCount, 3);
  EXPECT_TRUE(FileExists(Out / "c.avi"));
}

TEST_F(BatchWindows, WhenDoneRunsTheCountdownWhenEnabled) {
  for (bool shutdown : {true, false}) {
    SCOPED_TRACE(shutdown);
    GlobalVars.ShutdownWindowsWhenDone = shutdown;
    GlobalVars.ShutdownFlag = 1;
    Power.Calls.clear();
    Countdowns = 0;
    std::filesystem::remove_all(In.Path());
    std::filesystem::create_directories(In.Path());
    auto a = Input("a.avi", "hold"), b = Input("b.avi", "ok");
    Dialogs.DialogAnswers = {mrNo};
    EXPECT_EQ(Run({a, b},
                  [&](TfrmProgress& p) {
                    Release(a, ".go");
                    WaitFor([&] { return Working(p, "file 1 of 2"); });
                    p.ButtonCancel->click();
                    Release(a, ".end");
                  }),
              mrOk);
    EXPECT_EQ(GlobalVars.DoneCount, 1);
    EXPECT_FALSE(FileExists(Out / "b.avi"));
    EXPECT_EQ(Countdowns, shutdown ? 1 : 0);
    EXPECT_EQ(Power.Calls, shutdown ? "poweroff;" : "");
    std::filesystem::remove(Out / "a.avi");
  }
}

TEST_F(BatchWindows, CancellingTheCountdownLeavesTheMachineAlone) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  GlobalVars.ShutdownFlag = 3;
  Host->CountdownTick = 50ms;
  QObject::connect(Host.get(), &TDesktopBatchHost::CountdownOpened, [](TfrmShutdown* countdown) {
    QTimer::singleShot(0, countdown, [countdown] { countdown->ButtonCancel->click(); });
  });
  EXPECT_EQ(Run({Input("a.avi", "ok")}), mrOk);
  EXPECT_EQ(Countdowns, 1);
  EXPECT_EQ(Power.Calls, "");
  EXPECT_EQ(Main.Closes, 0);
}

TEST_F(BatchWindows, StopNowKillsTheEncoderAndRunsNoCountdown) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  auto a = Input("a.avi", "sleep"), b = Input("b.avi", "ok");
  Dialogs.DialogAnswers = {mrYes};
  EXPECT_EQ(Run({a, b},
                [&](TfrmProgress& p) {
                  WaitFor([&] { return Working(p, "file 1 of 2"); });
                  // The encoder is running (on a busy machine it may not be
                  // yet when the window says so).
                  WaitFor([&] {
                    return FileExists(a.FileName + ".pid") && !ReadFileText(a.FileName + ".pid").empty();
                  });
                  p.ButtonCancel->click();
                }),
            mrCancel);
  pid_t pid = std::stoi(ReadFileText(a.FileName + ".pid"));
  WaitFor([pid] { return ::kill(pid, 0) != 0; });
  EXPECT_FALSE(FileExists(Out / "a.avi"));
  EXPECT_FALSE(FileExists(Out / "b.avi"));
  EXPECT_TRUE(FileExists(a.FileName));
  EXPECT_EQ(Countdowns, 0);
  EXPECT_EQ(Power.Calls, "");
  // Stopped is not complete: the end says so, in the tray and the window.
  EXPECT_EQ(Notified, std::vector<std::string>{Balloon("Stopped: 0 of 2 files converted.")});
  EXPECT_EQ(Host->Tray().Hint(), "Stopped: 0 of 2 files converted.");
  auto* note = Main.findChild<QMessageBox*>("BatchSummaryNote");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(), "Stopped: 0 of 2 files converted.");
  note->close();
}

// A failed file holds nothing: no box waits for a click, the next file
// converts, the row and the window's status line tell why, and the end
// collects it. Without a clean batch no countdown follows.
TEST_F(BatchWindows, AFailedFileHoldsNothingAndRunsNoCountdown) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  auto a = Input("a.avi", "fail"), b = Input("b.avi", "hold");
  QString status;
  EXPECT_EQ(Run({a, b},
                [&](TfrmProgress& p) {
                  Release(b, ".go");
                  WaitFor([&] { return Working(p, "file 2 of 2"); });
                  EXPECT_FALSE(p.LabelFailed->isHidden());
                  status = p.LabelFailed->text();
                  Release(b, ".end");
                }),
            mrOk);
  EXPECT_TRUE(Dialogs.Messages.empty());
  EXPECT_EQ(status, "a.avi failed: Error while opening encoder for output stream #0:0");
  EXPECT_EQ(Reasons,
            std::vector<std::string>{"a.avi: Error while opening encoder for output stream #0:0"});
  EXPECT_EQ(GlobalVars.FailedCount, 1);
  EXPECT_EQ(GlobalVars.DoneCount, 1);
  EXPECT_FALSE(FileExists(Out / "a.avi"));
  EXPECT_EQ(Notified, std::vector<std::string>{Balloon("1 of 2 files converted, 1 failed.")});
  auto* note = Main.findChild<QMessageBox*>("BatchSummaryNote");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text(),
            "1 of 2 files converted, 1 failed.\n\n"
            "a.avi failed: Error while opening encoder for output stream #0:0");
  EXPECT_FALSE(note->isModal());
  note->close();
  EXPECT_EQ(Countdowns, 0);
  EXPECT_EQ(Power.Calls, "");
}

// Every label belongs to the file at hand: a file that fails before its
// encoder reads it leaves no name of the file before, and the next one
// starts at 0 %, not at the 100 % of the last.
TEST_F(BatchWindows, LabelsBelongToTheCurrentFile) {
  auto a = Input("a.avi", "ok"), b = Input("b early.avi", "ok"), c = Input("c.avi", "hold");
  EXPECT_EQ(Run({a, b, c},
                [&](TfrmProgress& p) {
                  WaitFor([&] { return !p.LabelFailed->isHidden() && FileExists(Out / "c.kinovert-part.avi"); });
                  EXPECT_EQ(p.LabelWorking->text(), "Please wait...");
                  EXPECT_EQ(p.LabelStatus->text(), "Status=0%");
                  EXPECT_EQ(p.ProgressBarStatus->value(), 0);
                  EXPECT_EQ(p.LabelOutput->text(), "Output file: c.avi");
                  EXPECT_EQ(p.LabelFailed->text(),
                            "b early.avi failed: Error opening input: no such codec");
                  Release(c, ".go");
                  Release(c, ".end");
                }),
            mrOk);
}

// The batch that ends while the stop question is open closes with no power
// action, yet it stopped nothing: every file is converted, and the end says so.
TEST_F(BatchWindows, ABatchEndingUnderTheQuestionIsNoStop) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  auto a = Input("a.avi", "hold");
  Dialogs.OnDialog = [&](const TMessageDialogRequest&) {
    Release(a, ".end");
    WaitFor([&] { return !States.empty() && States.back().second == TFileState::Done; });
  };
  Dialogs.DialogAnswers = {mrCancel};
  EXPECT_EQ(Run({a},
                [&](TfrmProgress& p) {
                  Release(a, ".go");
                  WaitFor([&] { return Working(p, "file 1 of 1"); });
                  p.ButtonCancel->click();
                }),
            mrCancel);
  EXPECT_EQ(Notified, std::vector<std::string>{Balloon("All files converted (1 of 1).")});
  EXPECT_EQ(Countdowns, 0);
}

// Nowhere to show a balloon (no tray, no notification service): the main
// window still tells how the batch ended.
TEST_F(BatchWindows, WithoutTrayOrNotificationsTheWindowTellsTheEnd) {
  Host->Tray().Notify = [](const QString&, const QString&) { return false; };
  EXPECT_EQ(Run({Input("a.avi", "ok")}), mrOk);
  auto* note = Main.findChild<QMessageBox*>("BatchSummaryNote");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text(), "All files converted (1 of 1).");
  note->close();
}

// The countdown names the action that follows it.
TEST_F(BatchWindows, TheCountdownNamesTheAction) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  Host->CountdownTick = 50ms;
  struct TCase {
    uint8_t Flag;
    const char* Says;
    const char* Calls;
  } cases[] = {{5, "will suspend the computer", "suspend;"},
               {3, "will restart the computer", "reboot;"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(+c.Flag);
    GlobalVars.ShutdownFlag = c.Flag;
    Power.Calls.clear();
    std::filesystem::remove(Out / "a.avi");
    QString said;
    auto opened = QObject::connect(
        Host.get(), &TDesktopBatchHost::CountdownOpened,
        [&](TfrmShutdown* countdown) { said = countdown->LabelWarningDetail->text(); });
    EXPECT_EQ(Run({Input("a.avi", "ok")}), mrOk);
    QObject::disconnect(opened);
    EXPECT_TRUE(said.contains(c.Says)) << said.toStdString();
    EXPECT_FALSE(said.contains("shut")) << said.toStdString();
    EXPECT_EQ(Power.Calls, c.Calls);
  }
}

// Sent to the tray the program shows no window at all; a real message box
// that closes then (the tray's stop question answered Cancel or When done)
// must not end the program, which would stop the batch underneath.
TEST_F(BatchWindows, MessageBoxesInTheTrayNeverEndTheProgram) {
  MakeHost(true);
  TQtDialogProvider real;
  TScopedDialogProvider use(real);
  struct TCase {
    QString Answer;
    int Converted;
  } cases[] = {{"Cancel", 2}, {"When done", 1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Answer.toStdString());
    std::filesystem::remove_all(Out.Path());
    std::filesystem::create_directories(Out.Path());
    Main.show();
    auto a = Input("a.avi", "hold"), b = Input("b.avi", "ok");
    int result = -1;
    // In the application's own loop, where closing the last window quits.
    QTimer::singleShot(0, [&] {
      result = Run({a, b}, [&](TfrmProgress& p) {
        Release(a, ".go");
        WaitFor([&] { return Working(p, "file 1 of 2"); });
        p.ButtonTray->click();
        EXPECT_FALSE(p.isVisible());
        EXPECT_FALSE(Main.isVisible());
        AnswerNextBox(c.Answer);
        Host->Tray().MenuItemTrayExit->trigger();
        Release(a, ".end");
      });
      QCoreApplication::exit(0);
    });
    QApplication::exec();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(GlobalVars.DoneCount, c.Converted);
    EXPECT_TRUE(FileExists(Out / "a.avi"));
    EXPECT_EQ(FileExists(Out / "b.avi"), c.Converted == 2);
    Host->RestoreFromTray();
    if (auto* note = Main.findChild<QMessageBox*>("BatchSummaryNote")) note->close();
    std::filesystem::remove_all(In.Path());
    std::filesystem::create_directories(In.Path());
  }
}

// A file that cannot even start leaves the window open for the user, who
// stops the batch.
TEST_F(BatchWindows, AFileThatCannotStartWaitsForTheUser) {
  GlobalVars.AVSExt = {".rm"};  // through the script, whose template is missing
  auto a = Input("a.avi", "ok"), b = Input("b.rm", "ok");
  Dialogs.DialogAnswers = {mrYes};
  EXPECT_EQ(Run({a, b},
                [&](TfrmProgress& p) {
                  WaitFor([&] { return !Dialogs.Messages.empty(); });
                  EXPECT_FALSE(p.Closing());
                  p.ButtonCancel->click();
                }),
            mrCancel);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Caption, "Error");
  EXPECT_NE(Dialogs.Messages[0].Text.find("DirectShow.avs"), std::string::npos);
  EXPECT_EQ(GlobalVars.DoneCount, 1);
}

TEST_F(BatchWindows, SendToTrayAndBack) {
  MakeHost(true);
  auto a = Input("a.avi", "hold");
  Dialogs.DialogAnswers = {mrCancel};
  EXPECT_EQ(Run({a},
                [&](TfrmProgress& p) {
                  TTray& tray = Host->Tray();
                  Release(a, ".go");
                  WaitFor([&] { return Working(p, "file 1 of 1"); });
                  p.ButtonTray->click();
                  EXPECT_FALSE(p.isVisible());
                  EXPECT_FALSE(Main.isVisible());
                  EXPECT_TRUE(tray.IconVisible());
                  EXPECT_EQ(tray.LastBalloonTitle.toStdString(), ProductTitle() + " Information");
                  EXPECT_EQ(tray.LastBalloonText.toStdString(), ResStr(MSG_TRAY_MIN));
                  emit tray.PopupMenuTray->aboutToShow();
                  EXPECT_EQ(tray.MenuItemTrayExit->text(), "Stop converting...");
                  // Stop converting... asks; Cancel goes on.
                  tray.MenuItemTrayExit->trigger();
                  EXPECT_EQ(Dialogs.Dialogs.size(), 1u);
                  EXPECT_FALSE(p.Closing());
                  tray.MenuItemTrayShowWindow->trigger();
                  EXPECT_TRUE(Main.isVisible());
                  EXPECT_TRUE(p.isVisible());
                  EXPECT_FALSE(tray.IconVisible());
                  Release(a, ".end");
                }),
            mrOk);
  EXPECT_EQ(Notified, std::vector<std::string>{Balloon("All files converted (1 of 1).")});
  emit Host->Tray().PopupMenuTray->aboutToShow();
  EXPECT_EQ(Host->Tray().MenuItemTrayExit->text(), "Exit program");
}

TEST_F(BatchWindows, WithoutATraySendToTrayMinimisesAndSaysSoOnce) {
  auto a = Input("a.avi", "hold");
  EXPECT_EQ(Run({a},
                [&](TfrmProgress& p) {
                  for (int i = 0; i < 2; ++i) {
                    Main.showNormal();
                    p.ButtonTray->click();
                    EXPECT_TRUE(Main.isMinimized());
                    EXPECT_FALSE(Host->Tray().IconVisible());
                  }
                  Release(a, ".go");
                  Release(a, ".end");
                }),
            mrOk);
  ASSERT_EQ(Dialogs.Messages.size(), 1u);
  EXPECT_EQ(Dialogs.Messages[0].Text, ResStr(MSG_NO_TRAY));
}

TEST_F(BatchWindows, UntickingShutdownDuringTheBatchHolds) {
  GlobalVars.ShutdownWindowsWhenDone = true;
  auto a = Input("a.avi", "hold");
  EXPECT_EQ(Run({a},
                [&](TfrmProgress& p) {
                  p.CheckBoxShutdown->click();
                  Release(a, ".go");
                  Release(a, ".end");
                }),
            mrOk);
  EXPECT_EQ(Countdowns, 0);
  EXPECT_EQ(Power.Calls, "");
  Main.close();
  ResetGlobalVars();
  ReadSettings();
  EXPECT_FALSE(GlobalVars.ShutdownWindowsWhenDone);
}

// What the batch changed in memory is on disk before the machine goes; the
// program's own end takes its normal close.
// A source that cannot be deleted is noted in a box that waits beside the
// batch: the next file and the power action come without anyone there.
TEST_F(BatchWindows, AKeptSourceHoldsNeitherTheBatchNorThePowerAction) {
  GlobalVars.DeleteFileAfterProcessing = true;
  GlobalVars.ShutdownWindowsWhenDone = true;
  GlobalVars.ShutdownFlag = 3;
  auto a = Input("a.avi", "vanish"), b = Input("b.avi", "ok");
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_TRUE(FileExists(Out / "b.avi"));
  EXPECT_FALSE(FileExists(b.FileName));
  EXPECT_EQ(Power.Calls, "reboot;");
  EXPECT_TRUE(Dialogs.Messages.empty());
  auto* note = Main.findChild<QMessageBox*>("SourceKeptNote");
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->isModal());
  EXPECT_TRUE(note->text().contains(QString::fromStdString(a.FileName))) << note->text().toStdString();
  note->close();
}

// A source shorter than it states (a copy still running) is converted, and
// noted in a box beside the batch that names the shortfall; it is not
// deleted, and the next file goes on without anyone there.
TEST_F(BatchWindows, AnIncompleteSourceIsNotedAndKept) {
  GlobalVars.DeleteFileAfterProcessing = true;
  TBatchInput a = Input("a.avi", "ok"), b = Input("b.avi", "ok");
  a.PlayTime = "00:00:30.000";
  EXPECT_EQ(Run({a, b}), mrOk);
  EXPECT_EQ(GlobalVars.DoneCount, 2);
  EXPECT_TRUE(FileExists(a.FileName));
  EXPECT_FALSE(FileExists(b.FileName));
  EXPECT_TRUE(Dialogs.Messages.empty());
  auto* note = Main.findChild<QMessageBox*>("IncompleteOutputNote");
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->isModal());
  EXPECT_TRUE(note->text().contains(QString::fromStdString(a.FileName))) << note->text().toStdString();
  EXPECT_TRUE(note->text().contains("0:00:02.000 of the 0:00:30.000")) << note->text().toStdString();
  note->close();
}

TEST_F(BatchWindows, SettingsAreSavedBeforeThePowerAction) {
  struct TCase {
    uint8_t Flag;
    const char* Calls;
    int Closes;
  } cases[] = {{3, "reboot;", 0}, {5, "suspend;", 0}, {0, "", 1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(+c.Flag);
    GlobalVars.ShutdownWindowsWhenDone = false;
    GlobalVars.ShutdownFlag = c.Flag;
    GlobalVars.LastOutputOpenDir = "/before";
    SaveSettings();
    Power.Calls.clear();
    Power.SettingsThen.clear();
    Main.Closes = 0;
    std::filesystem::remove(Out / "a.avi");
    auto a = Input("a.avi", "hold");
    EXPECT_EQ(Run(
                  {a},
                  [&](TfrmProgress& p) {
                    p.CheckBoxShutdown->click();
                    Release(a, ".go");
                    Release(a, ".end");
                  },
                  true),
              mrOk);
    EXPECT_EQ(Power.Calls, c.Calls);
    EXPECT_EQ(Main.Closes, c.Closes);
    const std::string saved = c.Closes ? ReadFileText(SettingsFilePath()) : Power.SettingsThen;
    EXPECT_NE(saved.find("ShutdownWindowsWhenDone=1"), std::string::npos) << saved;
    EXPECT_NE(saved.find("LastOutputOpenDir=" + Out.Path()), std::string::npos) << saved;
    EXPECT_NE(saved.find("[Form]"), std::string::npos) << saved;
    std::filesystem::remove(SettingsFilePath());
    Main.show();
  }
}
