// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "engine/BatchOutcome.h"

class TMainThread;

// State pictures of the file list's rows.
enum class TFileState { Idle = 0, Failed = 1, Done = 2, Converting = 3 };

// The progress window of one batch, as the driver and the output parser see
// it. The desktop program shows a modal window; kinovert-cli draws a progress
// bar; tests record the calls.
class TProgressView {
 public:
  virtual ~TProgressView() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetStopLabel(const std::string& text) = 0;
  virtual void ResetLabels() = 0;
  virtual void ShowBatchElapsed(const std::string& clock) = 0;
  virtual void ShowFileStatus(const std::string& label, int percent) = 0;
  virtual void ShowFileRemaining(const std::string& clock) = 0;
  virtual void ShowBatchStatus(const std::string& label, int percent) = 0;
  virtual void ShowBatchEstimated(const std::string& clock) = 0;
  virtual void ShowBatchRemaining(const std::string& clock) = 0;
  virtual void ShowWorking(const std::string& text) = 0;
  virtual void ShowOutput(const std::string& text) = 0;
  virtual bool AnimationRunning() const = 0;
  virtual void StartAnimation(const std::string& convertingText) = 0;
  // Set just before the driver closes the window at the end of a batch.
  virtual void SetFinished() = 0;
  // Shows the window and runs the main thread's events until it closes;
  // returns its modal result: mrOk when the batch ended (all files booked, or
  // "When done" at a file's end), mrCancel for "Stop now".
  virtual int RunModal() = 0;
  // The driver's own close: the batch finished (SetFinished came first), or
  // the driver stops now. It never asks the user anything. Only a close the
  // user asks for (the window's Cancel button, its close box, Escape, the
  // tray menu) asks "Stop now / When done / Cancel" (AskToClose). When this
  // comes while that question is open, the window closes as soon as the
  // question is answered, with mrCancel whatever the answer. A Close before
  // RunModal makes RunModal return at once.
  virtual void Close(int modalResult) = 0;
};

// The main window's side of a batch.
class TBatchHost {
 public:
  virtual ~TBatchHost() = default;
  // The state picture of the first row whose caption is exactly `path`.
  virtual void SetFileState(const std::string& path, TFileState state) = 0;
  // A file of the batch failed; `reason` says why in one line (the
  // encoder's failure line, or what the batch saw). The file's Failed state
  // follows. The batch goes on: nothing here may wait for the user.
  virtual void FileFailed(const std::string& path, const std::string& reason) = 0;
  virtual void SetTrayHint(const std::string& text) = 0;
  // The batch is over, its window closed: the views tell how it ended.
  // The countdown and the power action, when they run, come after.
  virtual void BatchEnded(const TBatchOutcome& outcome) = 0;
  virtual std::unique_ptr<TProgressView> CreateProgressView() = 0;
  // The 30-second countdown before the power action; true to go ahead.
  virtual bool RunCountdown() = 0;
  // Ends the program (power action 0) through its normal close path, which
  // saves the settings and the window placement.
  virtual void QuitProgram() = 0;
  // Called after the countdown, just before a power action that may end the
  // program without its normal close (power off, log off, restart, hibernate,
  // suspend): write what the program keeps in memory (the settings, changed
  // during the batch by the progress window's check boxes and the Convert
  // action's output folder, and the window placement) now.
  virtual void BeforePowerAction() = 0;
  // A file of a running batch could not be started (a template is missing, a
  // file cannot be written, the encoder cannot be run). The desktop program
  // shows the message and leaves the batch window open for the user to stop;
  // a program without a user stops the batch.
  virtual void ShowStartError(const std::string& message) = 0;
  // The file converted, but its source could not be deleted as asked; the
  // source stays, the user is told why, and the requested work counts as not
  // fully done.
  virtual void ReportSourceKept(const std::string& path, const std::string& reason) = 0;
  // The file converted, but its output may be incomplete (`text`, a whole
  // message, names the shortfall): the source was shorter than it states,
  // or changed while it was read, as a file still being copied does. Such a
  // source is never deleted; the file counts as converted, with a warning.
  virtual void ReportIncompleteOutput(const std::string& path, const std::string& text) = 0;
  virtual TMainThread& MainThread() = 0;
};
