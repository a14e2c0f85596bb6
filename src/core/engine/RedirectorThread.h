// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/MainThread.h"

class TRedirector;

// The watch over one child: the state its reader thread shares with the
// runner. The thread holds this, never the runner itself, and lets go of it
// when its loop ends. Once the runner is gone (Detached) the thread only
// discards output, collects the child and ends; it never calls the main
// thread again.
struct TRedirectorThread {
  TRedirectorThread(TMainThread& mainThread, TRedirector& owner, pid_t pid, int outRead,
                    int errRead, int pidFd)
      : MainThread(mainThread),
        Owner(&owner),
        Pid(pid),
        OutRead(outRead),
        ErrRead(errRead),
        PidFd(pidFd) {}

  // The thread body: delivers every chunk, then the end, on the main thread.
  static void Execute(std::shared_ptr<TRedirectorThread> self);

  TMainThread& MainThread;
  TRedirector* Owner;  // main thread only
  const pid_t Pid;
  int OutRead, ErrRead, PidFd;  // reader thread only (-1 = closed)
  std::atomic<bool> Ended{false};

  std::mutex Mutex;
  std::condition_variable Changed;
  uint64_t Posted = 0;     // hand-overs posted
  uint64_t Started = 0;    // hand-overs the main thread has begun
  uint64_t Completed = 0;  // hand-overs the main thread has finished
  bool Detached = false;   // the runner is gone
  bool Reaped = false;     // the runner has collected the child
  bool Finished = false;   // the reader has let go of the child

 private:
  bool HandOver(const std::shared_ptr<TRedirectorThread>& self,
                std::function<void(TRedirector&)> call);
  bool IsDetached();
  bool ChildHasExited(bool pidFdReady) const;
  size_t ReadAvailable(int& fd, std::vector<char>& buffer);
};
