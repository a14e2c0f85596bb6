// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesktopBatchHost.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
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
#include "base/FileNames.h"
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

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The note lists this many failures; the rest wait behind its details.
constexpr size_t kFailuresShown = 10;

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
  // Sent to the tray, the program shows no window; a message box, the
  // countdown or a note that closes then is no last window whose closing
  // ends the program. It ends by its main window's close (CloseProgram),
  // Exit, or a signal.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  Tray_->BatchRunning = [this] { return Running(); };
  connect(Tray_, &TTray::ShowWindowRequested, this,
          [this] { Guarded([this] { RestoreFromTray(); }); });
  connect(Tray_, &TTray::ExitRequested, this, [this] { Guarded([this] { ExitFromTray(); }); });
}

TDesktopBatchHost::~TDesktopBatchHost() = default;

TfrmProgress* TDesktopBatchHost::Progress() const {
  return Progress_;
}

QMessageBox* TDesktopBatchHost::SummaryNote() const {
  return SummaryNote_;
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
  // The end of a batch that came while the program was away.
  if (SummaryNote_) SummaryNote_->show();
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

void TDesktopBatchHost::FileFailed(const std::string& path, const std::string& reason) {
  if (FileReasonChanged) FileReasonChanged(path, reason);
  if (Progress_)
    Progress_->ShowFailure(FormatText(ResStr(MSG_FILE_FAILED), {FileNamePart(path), reason}));
}

void TDesktopBatchHost::SetTrayHint(const std::string& text) {
  Tray_->SetHint(text);
}

void TDesktopBatchHost::BatchEnded(const TBatchOutcome& outcome) {
  const std::string summary = BatchSummaryText(outcome);
  Tray_->SetHint(summary);
  Tray_->ShowBalloon(TrayTitle(), summary);
  ShowSummaryNote(outcome);
}

// Without a tray or a notification service the note is all the user gets;
// with them it keeps what a balloon shows only for seconds, failures with
// their reasons included. It never waits for an answer: the countdown and
// the power action come while it stands.
void TDesktopBatchHost::ShowSummaryNote(const TBatchOutcome& outcome) {
  if (SummaryNote_) SummaryNote_->deleteLater();
  const bool clean = outcome.Failed == 0 && !outcome.Stopped;
  std::string text = BatchSummaryText(outcome), details;
  for (size_t i = 0; i < outcome.Failures.size(); ++i) {
    if (i < kFailuresShown) text += (i == 0 ? "\n\n" : "\n") + outcome.Failures[i];
    if (i == kFailuresShown) text += "\n\u2026";
    details += outcome.Failures[i] + "\n";
  }
  if (outcome.Failures.size() <= kFailuresShown) details.clear();
  auto* box = new QMessageBox(clean ? QMessageBox::Information : QMessageBox::Warning,
                              Q(TrayTitle()), QString(), QMessageBox::Ok, MainWindow_);
  box->setObjectName("BatchSummaryNote");
  box->setTextFormat(Qt::PlainText);
  box->setText(Q(text));
  if (!details.empty()) box->setDetailedText(Q(details));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  // Wide enough for its title: a short summary would leave it cut off.
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    const int titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle()) + 120;
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  SummaryNote_ = box;
  if (MainWindow_->isVisible()) box->show();
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

void TDesktopBatchHost::ReportSourceKept(const std::string& path, const std::string& reason) {
  ShowNote("SourceKeptNote", FormatText(ResStr(MSG_SOURCE_KEPT), {path, reason}));
}

void TDesktopBatchHost::ReportIncompleteOutput(const std::string&, const std::string& text) {
  ShowNote("IncompleteOutputNote", text);
}

// The batch goes on while the note waits for the user: a modal box here
// would hold an unattended batch (and its power action) at this file. The
// main window keeps the note when the progress window goes.
void TDesktopBatchHost::ShowNote(const char* name, const std::string& text) {
  auto* box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(ResStr(MSG_HINT)),
                              QString::fromStdString(text), QMessageBox::Ok, MainWindow_);
  box->setObjectName(name);
  box->setTextFormat(Qt::PlainText);  // a name, never markup
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::NonModal);
  box->show();
}
