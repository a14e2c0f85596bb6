// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/MainThread.h"

struct TRedirectorThread;

// Runs one console program at a time with its standard input, output and
// error on pipes, and reports on the main thread every chunk the child writes
// (OnData, OnErrorData) and, after the last chunk, its end (OnTerminated).
// The child leads its own process group, so Terminate ends the grandchildren
// too. The command line is split as SplitCommandLine says; a "*.sh" program
// runs through /bin/sh. An exception from an event handler goes to the main
// loop's error handling, and the watch goes on: the end is still reported.
// All members are for the main thread only; failures raise EKinovertError.
class TRedirector final {
 public:
  // The buffer is valid only during the call and not zero-terminated.
  using TDataEvent = std::function<void(TRedirector& sender, const char* buffer, int32_t size)>;
  using TNotifyEvent = std::function<void(TRedirector& sender)>;

  // `mainThread` must outlive the runner; the runner is used on that thread.
  explicit TRedirector(TMainThread& mainThread);
  // Kills a running child when TerminateOnDestroy is set (without reporting
  // its end); otherwise the child runs on, unwatched, and its output is
  // discarded. No event arrives after destruction.
  ~TRedirector();
  TRedirector(const TRedirector&) = delete;
  TRedirector& operator=(const TRedirector&) = delete;

  // Program run with the arguments of Commandline instead of the command
  // line's own first word; blank = none.
  std::string ApplicationName;
  std::string CurrentDirectory;  // blank = the caller's
  // "NAME=value" entries of the child's whole environment; none = the caller's.
  std::optional<std::vector<std::string>> Environment;
  uint16_t ShowWindowState = 0;  // kept for callers; no effect here
  bool TerminateOnDestroy = false;
  TDataEvent OnData;
  TDataEvent OnErrorData;
  TNotifyEvent OnTerminated;

  const std::string& Commandline() const { return Commandline_; }
  void SetCommandline(const std::string& value);
  bool DefaultErrorMode() const { return DefaultErrorMode_; }  // no effect here
  void SetDefaultErrorMode(bool value);
  // 1 idle, 2 normal, 3 high, 4 realtime (nice 19, 0, -10, -20); other
  // values leave the child at the caller's level, as does a level the user
  // may not take.
  uint8_t InitialPriority() const { return InitialPriority_; }
  void SetInitialPriority(uint8_t value);

  bool Active() const { return Pid_ != 0; }
  // Set once the child has exited, before its last output is delivered; the
  // chunks that follow are complete. Stays set until the next Start.
  bool ProcessEnded() const;
  // How the last child ended: its exit status, 128 + the signal that killed
  // it, or -1 before any end was reported.
  int32_t ExitCode() const { return ExitCode_; }
  // The signal that ended the last child, 0 when it exited by itself.
  int32_t TermSignal() const { return TermSignal_; }
  // Whether Terminate was called for the last child: a signal that ended
  // it was then ours.
  bool TerminateRequested() const { return TerminateRequested_; }
  // ApplicationName + " " + Commandline, or Commandline alone.
  std::string FullCommandLine() const;

  void Start();
  // Kills the child's whole process group; the end is reported through
  // OnTerminated as any other. The exit code cannot be chosen on this
  // platform: the child ends by SIGKILL.
  void Terminate(uint32_t exitCode);

 private:
  friend struct TRedirectorThread;
  void ProcessTerminated();

  TMainThread& MainThread_;
  std::string Commandline_;
  bool DefaultErrorMode_ = false;
  uint8_t InitialPriority_ = 0;
  bool LastProcessEnded_ = false;
  pid_t Pid_ = 0;
  int32_t ExitCode_ = -1;
  int32_t TermSignal_ = 0;
  bool TerminateRequested_ = false;
  int StdInWrite_ = -1;  // never written: the child's input stays open and empty
  std::shared_ptr<TRedirectorThread> Watch_;  // the watch over the running child
};
