// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesktopBatchHost.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cstdio>
#include <exception>

#include "app/DialogPlacement.h"
#include "app/Dialogs.h"
#include "app/Guarded.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "base/Error.h"
#include "base/FormatText.h"
#include "engine/Progress.h"
#include "engine/Shutdown.h"
#include "engine/Tray.h"
#include "lang/ResStr.h"

namespace {

std::string TrayTitle() {
  return FormatText(ResStr(MSG_TRAY_INFO), {ResStr(MSG_APPLICATION_TITLE)});
}

void ShowAgain(QWidget* w) {
  w->show();
  w->activateWindow();
}

}  // namespace

TDesktopBatchHost::TDesktopBatchHost(QWidget* mainWindow, TMainThread& mainThread,
                                     TPlacementWindow& placement)
    : TDesktopBatchHost(mainWindow, mainThread, placement,
                        QSystemTrayIcon::isSystemTrayAvailable()) {}

TDesktopBatchHost::TDesktopBatchHost(QWidget* mainWindow, TMainThread& mainThread,
                                     TPlacementWindow& placement, bool trayAvailable)
    : MainWindow_(mainWindow),
      MainThread_(mainThread),
      Placement_(placement),
      Tray_(new TTray(this, trayAvailable)) {
  Tray_->BatchRunning = [this] { return Running(); };
  connect(Tray_, &TTray::ShowWindowRequested, this,
          [this] { Guarded([this] { RestoreFromTray(); }); });
  connect(Tray_, &TTray::ExitRequested, this, [this] { Guarded([this] { ExitFromTray(); }); });
}

TDesktopBatchHost::~TDesktopBatchHost() = default;

TfrmProgress* TDesktopBatchHost::Progress() const {
  return Progress_;
}

void TDesktopBatchHost::SendToTray() {
  if (!Tray_->Available()) {
    // Told before the program goes, so the message is not minimised with it.
    if (!ToldNoTray_) {
      ToldNoTray_ = true;
      MessageBoxText(ResStr(MSG_NO_TRAY), TrayTitle(), MB_OK | MB_ICONINFORMATION);
    }
    MainWindow_->showMinimized();
    return;
  }
  if (Progress_) Progress_->hide();
  MainWindow_->hide();
  Tray_->Show();
  Tray_->ShowBalloon(TrayTitle(), ResStr(MSG_TRAY_MIN));
}

void TDesktopBatchHost::RestoreFromTray() {
  if (MainWindow_->isMinimized()) MainWindow_->showNormal();
  ShowAgain(MainWindow_);
  if (Progress_ && !Progress_->Closing()) ShowAgain(Progress_);
  Tray_->Hide();
}

void TDesktopBatchHost::ExitFromTray() {
  if (Progress_) {
    Progress_->RequestClose();
    return;
  }
  CloseProgram();
}

void TDesktopBatchHost::CloseProgram() {
  // A hidden main window (the program in the tray) is no last window whose
  // closing ends the program by itself.
  if (MainWindow_->close()) QCoreApplication::quit();
}

void TDesktopBatchHost::SetFileState(const std::string& path, TFileState state) {
  if (FileStateChanged) FileStateChanged(path, state);
}

void TDesktopBatchHost::SetTrayHint(const std::string& text) {
  Tray_->SetHint(text);
}

void TDesktopBatchHost::ShowBalloon(const std::string& title, const std::string& text) {
  Tray_->ShowBalloon(title, text);
}

std::unique_ptr<TProgressView> TDesktopBatchHost::CreateProgressView() {
  auto progress = std::make_unique<TfrmProgress>(MainWindow_);
  progress->OnSendToTray = [this] { SendToTray(); };
  progress->OnMinimiseProgram = [this] { MainWindow_->showMinimized(); };
  CentreOverOwner(progress.get(), MainWindow_);
  Progress_ = progress.get();
  emit ProgressOpened(progress.get());
  return progress;
}

bool TDesktopBatchHost::RunCountdown() {
  TfrmShutdown countdown(MainWindow_, CountdownTick);
  CentreOverOwner(&countdown, MainWindow_);
  emit CountdownOpened(&countdown);
  return countdown.exec() == QDialog::Accepted;
}

// Nobody may be there to answer a message box now: a failure goes to the
// console, and the power action goes ahead as the user asked.
void TDesktopBatchHost::BeforePowerAction() {
  const std::function<void()> saves[] = {[] { SaveSettings(); },
                                         [this] { SaveWindowPlacement("Form", Placement_); }};
  for (const auto& save : saves) {
    try {
      save();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "kinovert: %s\n", e.what());
    }
  }
}

void TDesktopBatchHost::ShowStartError(const std::string& message) {
  ShowFailure(std::make_exception_ptr(EKinovertError(message)));
}

// The batch goes on while the note waits for the user: a modal box here
// would hold an unattended batch (and its power action) at this file. The
// main window keeps the note when the progress window goes.
void TDesktopBatchHost::ReportSourceKept(const std::string& path, const std::string& reason) {
  auto* box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(ResStr(MSG_HINT)),
                              QString::fromStdString(FormatText(ResStr(MSG_SOURCE_KEPT), {path, reason})),
                              QMessageBox::Ok, MainWindow_);
  box->setObjectName("SourceKeptNote");
  box->setTextFormat(Qt::PlainText);  // a name, never markup
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
}
