// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the batch windows in a language, as a user sees them: a fake
// batch through the real windows (progress mid-batch, the close question, a
// failure told on the progress window, Send to tray without a tray, the note
// that tells how the batch ended, the countdown) and the settings dialog.
// Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/kinovert_batch_shots french.ini /tmp/shots
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>

#include "app/DialogPlacement.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "app/QtMainThread.h"
#include "app/SettingsDialog.h"
#include "app/WindowPlacement.h"
#include "engine/BatchDriver.h"
#include "engine/DesktopBatchHost.h"
#include "engine/PowerActions.h"
#include "engine/Progress.h"
#include "engine/Redirector.h"
#include "engine/Shutdown.h"
#include "lang/ResStr.h"
#include "profiles/ProfileSettings.h"
#include "store/ProfileFolders.h"
#include "support/RunProgram.h"
#include "toolkit/ColorScheme.h"

namespace {

// "hold" waits for INPUT.go before it starts and for INPUT.end before it ends.
const char* const FakeEncoder = R"(#!/bin/sh
in="$4"; for a; do out="$a"; done
wait_for() { i=0; while [ ! -e "$1" ] && [ $i -lt 1200 ]; do sleep 0.05; i=$((i+1)); done; }
read mode < "$in"
[ "$mode" = hold ] && wait_for "$in.go"
echo "Input #0, avi, from '$in':" >&2
echo "  Duration: 00:01:20.00, start: 0.000000, bitrate: 100 kb/s" >&2
echo "Output #0, avi, to '$out':" >&2
case "$mode" in
  fail) echo "Error while opening encoder for output stream #0:0" >&2; exit 1;;
  hold) echo "size=     812kB time=26.00 bitrate= 255.8kbits/s" >&2; wait_for "$in.end";;
esac
echo "size=    2436kB time=80.00 bitrate= 249.4kbits/s" >&2
printf data > "$out"
)";

class TShotWindow final : public QWidget, public TPlacementWindow {
 public:
  TWindowPlacement Placement() const override { return {x(), y(), width(), height(), false}; }
  void ApplyPlacement(const TWindowPlacement&) override {}
  int ScreenWidth() const override { return 1280; }
  int ScreenHeight() const override { return 1024; }
};

class TNoPower final : public TPowerControl {
 public:
  void PowerOff() override { std::puts("power off asked (and ignored)"); }
  void Reboot() override {}
  void Hibernate() override {}
  void Suspend() override {}
  void EndSession() override {}
  std::unique_ptr<TInhibitor> InhibitSleep(const std::string&) override { return nullptr; }
};

// Steps run in order, each once its condition holds; checked every 100 ms,
// in whatever modal loop is running.
class TScript {
 public:
  void Then(std::function<bool()> when, std::function<void()> act) {
    Steps_.push_back({when, act});
  }
  void Start() {
    Timer_.setInterval(100);
    QObject::connect(&Timer_, &QTimer::timeout, [this] {
      if (Steps_.empty() || Busy_ || !Steps_.front().first()) return;
      auto act = Steps_.front().second;
      Steps_.pop_front();
      Busy_ = true;  // an action may open a modal loop of its own
      QTimer::singleShot(0, [this, act] {
        Busy_ = false;
        act();
      });
    });
    Timer_.start();
  }

 private:
  std::deque<std::pair<std::function<bool()>, std::function<void()>>> Steps_;
  QTimer Timer_;
  bool Busy_ = false;
};

std::string Out;
QWidget* Backdrop = nullptr;  // the stand-in main window, left out of NAME-windows.png
// The whole screen as NAME.png, and the part the batch's own windows cover as
// NAME-windows.png (what the help pages show).
void Shot(const char* name) {
  QScreen* screen = QGuiApplication::primaryScreen();
  QString file = QString::fromStdString(Out + "/" + name + ".png");
  screen->grabWindow(0).save(file);
  QRect covered;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != Backdrop && w->isVisible() && !w->isMinimized()) covered |= w->frameGeometry();
  covered = covered.adjusted(-6, -6, 6, 6) & screen->geometry();
  if (!covered.isEmpty())
    screen->grabWindow(0, covered.x(), covered.y(), covered.width(), covered.height())
        .save(QString::fromStdString(Out + "/" + name + "-windows.png"));
  std::printf("%s\n", file.toUtf8().constData());
}

template <class T>
T* Modal() {
  return qobject_cast<T*>(QApplication::activeModalWidget());
}

void Press(QMessageBox* box, int index) {
  const auto buttons = box->buttons();
  if (index < buttons.size()) buttons[index]->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kinovert_batch_shots LANGUAGE_FILE OUT_FOLDER\n");
    return 2;
  }
  if (!LoadLanguage(std::string(KINOVERT_PROGRAM_DIR "/skin/kvo/lang/") + argv[1])) return 2;
  Out = argv[2];
  std::filesystem::create_directories(Out);
  TQtDialogProvider dialogs;
  TScopedDialogProvider useDialogs(dialogs);

  TTempDir home, in, out;
  SetProgramFolder(home.Path());
  std::filesystem::create_directory_symlink(KINOVERT_PROGRAM_DIR "/skin", home / "skin");
  WriteFileText(home / "avcore", FakeEncoder);
  ::chmod((home / "avcore").c_str(), 0755);
  GlobalVars.EncoderPath = "avcore";
  GlobalVars.LanguageFile = argv[1];
  CreateProfileFolders();
  DefaultAVISettings();
  SaveAVISettings(ProfileFilePath(ofAVI, "Standard"));
  TBatchChoice choice;
  choice.OutputFolder = out.Path();
  choice.ProfileFile = ProfileFilePath(ofAVI, "Standard");

  TShotWindow main;
  main.setWindowTitle("Kinovert");
  main.setGeometry(240, 200, 801, 600);
  ApplyColorScheme(&main, TColorScheme::Light);
  main.show();
  Backdrop = &main;
  TQtMainThread thread;
  TDesktopBatchHost host(&main, thread, main);
  TNoPower power;
  TRedirector runner(thread);
  TBatchDriver driver(host, runner, power);

  auto input = [&](const char* name, const char* mode) {
    WriteFileText(in / name, std::string(mode) + "\n");
    return TBatchInput{in / name, "1000000"};
  };
  TBatchInput holiday = input("Holiday in Provence (2019).avi", "hold");
  TBatchInput broken = input("broken clip.mov", "fail");
  TBatchInput concert = input("concert.mp4", "hold");
  auto release = [](const TBatchInput& f, const char* step) {
    WriteFileText(f.FileName + step, "");
  };

  TScript script;
  TfrmProgress* progress = nullptr;
  QObject::connect(&host, &TDesktopBatchHost::ProgressOpened,
                   [&](TfrmProgress* p) { progress = p; });
  auto shown = [&] { return progress != nullptr && progress->isVisible(); };
  script.Then(shown, [&] { release(holiday, ".go"); });
  script.Then([&] { return progress->ProgressBarStatus->value() > 0; }, [] {});
  // Let the clocks and the animation run a little.
  script.Then([&, t = std::make_shared<int>(0)] { return ++*t > 15; }, [] { Shot("1-progress"); });
  script.Then([] { return true; }, [&] { progress->ButtonCancel->click(); });
  script.Then([] { return Modal<QMessageBox>() != nullptr; },
              [] {
                Shot("2-question");
                Press(Modal<QMessageBox>(), 2);  // Cancel: go on
              });
  script.Then([] { return Modal<QMessageBox>() == nullptr; }, [&] { release(holiday, ".end"); });
  // The failure holds nothing: it is told on the window, and the next file goes on.
  script.Then([&] { return progress->LabelFailed->isVisible(); }, [&] { release(concert, ".go"); });
  script.Then([&] { return progress->LabelWorking->text().contains("concert"); },
              [&] {
                Shot("4-after-failure");
                progress->ButtonTray->click();
              });
  script.Then([] { return Modal<QMessageBox>() != nullptr; },
              [] {
                Shot("5-no-tray");
                Press(Modal<QMessageBox>(), 0);
              });
  script.Then([] { return Modal<QMessageBox>() == nullptr; },
              [&] {
                main.showNormal();
                release(concert, ".end");
              });
  script.Start();
  driver.ActionConvertExecute({holiday, broken, concert}, choice);
  progress = nullptr;
  // How the batch ended, in the main window.
  if (QMessageBox* note = host.SummaryNote()) {
    QTimer::singleShot(300, [] { Shot("3-summary"); });
    QEventLoop wait;
    QTimer::singleShot(600, &wait, &QEventLoop::quit);
    wait.exec();
    note->close();
  }

  // A batch without failures and with the shutdown ticked: the countdown.
  GlobalVars.ShutdownWindowsWhenDone = true;
  GlobalVars.ShutdownFlag = 1;
  TBatchInput short1 = input("short.avi", "ok");
  TScript countdown;
  // The note of this batch's end stands behind the countdown; the picture is of the countdown.
  countdown.Then([] { return Modal<TfrmShutdown>() != nullptr; },
                 [&] {
                   if (QMessageBox* note = host.SummaryNote()) note->close();
                 });
  countdown.Then(
      [] { return Modal<TfrmShutdown>() != nullptr && Modal<TfrmShutdown>()->SecondsLeft() <= 27; },
      [] {
        Shot("6-countdown");
        Modal<TfrmShutdown>()->ButtonCancel->click();
      });
  countdown.Then([] { return Modal<QDialog>() == nullptr; }, [] {});
  countdown.Start();
  driver.ActionConvertExecute({short1}, choice);

  TScript settings;
  settings.Then([] { return Modal<TfrmSettings>() != nullptr; },
                [] {
                  Shot("7-settings");
                  Modal<TfrmSettings>()->reject();
                });
  // And as a user without the right to raise priorities sees it after
  // choosing Realtime.
  settings.Then([] { return Modal<TfrmSettings>() != nullptr; },
                [] {
                  TfrmSettings* dialog = Modal<TfrmSettings>();
                  dialog->Rights = {};
                  dialog->ComboBoxPriority->setCurrentIndex(3);
                });
  settings.Then([] { return true; },
                [] {
                  Shot("8-settings-priority-note");
                  Modal<TfrmSettings>()->reject();
                });
  settings.Start();
  TfrmSettings::Run(&main);
  TfrmSettings::Run(&main);
  SetProgramFolder("");
  return 0;
}
