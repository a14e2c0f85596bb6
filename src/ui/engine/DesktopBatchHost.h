// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <functional>

#include "engine/BatchView.h"

class QMessageBox;
class QWidget;
class TPlacementWindow;
class TTray;
class TfrmProgress;
class TfrmShutdown;

// The desktop program's side of a batch: the progress window as the
// driver's view, the countdown, the tray with its hint, balloons and menu,
// Send to tray and back, and saving before a power action. The main window
// owns one for its whole life (the tray serves outside batches too) and
// keeps only the file list's part:
//
//   // TfrmMain's start-up (Host_ and Power_ are members it owns)
//   Host_ = std::make_unique<TDesktopBatchHost>(this, *MainThread_, *this);
//   Power_ = CreateSystemPowerControl();
//   Host_->FileStateChanged = [this](const std::string& path, TFileState s) {
//     SetFileState(path, s);  // the row's state picture
//   };
//   // ActionConvertExecute (F9, the Convert button)
//   TBatchDriver driver(*Host_, *Runner_, *Power_);
//   driver.ActionConvertExecute(files, choice);  // returns after the batch
//   // ActionSettings (F12, the Settings... entries)
//   TfrmSettings::Run(this);
//
// SetFileState comes with every chunk of encoder output (state Converting),
// so the row's update should be cheap when nothing changes.
//
// The main window's normal close (closeEvent) must save the settings and
// its placement, as it does, and end the program: QuitProgram and the
// tray's "Exit program" take that path. Closing any other window never ends
// the program, not even when it was the only one shown (a message box while
// the program sits in the tray). While a batch runs, a close of the main
// window belongs to the progress window (it is modal to the main window; the
// tray's menu asks the close question).
//
// A failed file is told in its row (FileReasonChanged) and the progress
// window's status line, never by a box that would hold the batch; the end
// of a batch is told in the tray's hint, a balloon (or a desktop
// notification) and a note in the main window that waits beside it.
class TDesktopBatchHost final : public QObject, public TBatchHost {
  Q_OBJECT
 public:
  // `mainWindow` owns the dialogs and is what Send to tray hides;
  // `placement` is its placement, saved before a power action. The tray
  // follows the desktop unless `trayAvailable` says otherwise (tests).
  TDesktopBatchHost(QWidget* mainWindow, TMainThread& mainThread, TPlacementWindow& placement);
  TDesktopBatchHost(QWidget* mainWindow, TMainThread& mainThread, TPlacementWindow& placement,
                    bool trayAvailable);
  ~TDesktopBatchHost() override;

  TTray& Tray() const { return *Tray_; }
  // The progress window of the running batch; nullptr between batches.
  TfrmProgress* Progress() const;
  // The note that tells how the last batch ended; nullptr when there is
  // none (or the user closed it).
  QMessageBox* SummaryNote() const;
  bool Running() const { return Progress() != nullptr; }

  // The rows' state pictures belong to the main window's file list.
  std::function<void(const std::string& path, TFileState state)> FileStateChanged;
  // Why a row's file failed (its row shows it).
  std::function<void(const std::string& path, const std::string& reason)> FileReasonChanged;
  // One tick of the countdown: a second, shorter in tests.
  std::chrono::milliseconds CountdownTick{1000};

  // The progress window's Send to tray; without a notification area the
  // program is minimised instead, and the user is told so once.
  void SendToTray();
  // The tray's "Show window": the program comes back with its batch window.
  void RestoreFromTray();
  // The normal close of the main window, which ends the program.
  void CloseProgram();

  // TBatchHost
  void SetFileState(const std::string& path, TFileState state) override;
  void FileFailed(const std::string& path, const std::string& reason) override;
  void SetTrayHint(const std::string& text) override;
  void BatchEnded(const TBatchOutcome& outcome) override;
  std::unique_ptr<TProgressView> CreateProgressView() override;
  bool RunCountdown() override;
  void QuitProgram() override { CloseProgram(); }
  void BeforePowerAction() override;
  void ShowStartError(const std::string& message) override;
  void ReportSourceKept(const std::string& path, const std::string& reason) override;
  void ReportIncompleteOutput(const std::string& path, const std::string& text) override;
  TMainThread& MainThread() override { return MainThread_; }

 signals:
  // Each window as it opens, before it is shown (tests act through these).
  void ProgressOpened(TfrmProgress* progress);
  void CountdownOpened(TfrmShutdown* countdown);

 private:
  void ExitFromTray();
  // A note that leaves the batch running (see the .cpp), named for tests.
  void ShowNote(const char* name, const std::string& text);
  void ShowSummaryNote(const TBatchOutcome& outcome);

  QWidget* MainWindow_;
  TMainThread& MainThread_;
  TPlacementWindow& Placement_;
  TTray* Tray_;
  QPointer<TfrmProgress> Progress_;
  QPointer<QMessageBox> SummaryNote_;
  bool ToldNoTray_ = false;
};
