// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's life cycle on POSIX: fork/exec (ChildProcess_posix.cpp), a
// reader thread per child polling both output pipes and a pidfd of the child
// (RedirectorThread_posix.cpp).
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "base/Error.h"
#include "engine/ChildProcess.h"
#include "engine/CommandLine.h"
#include "engine/Redirector.h"
#include "engine/RedirectorThread.h"

namespace {

// How long a destructor that killed its child waits for the reader to finish.
constexpr auto kReaderFinishWait = std::chrono::seconds(2);

}  // namespace

TRedirector::TRedirector(TMainThread& mainThread) : MainThread_(mainThread) {}

TRedirector::~TRedirector() {
  if (!Watch_) return;
  std::shared_ptr<TRedirectorThread> watch = std::move(Watch_);
  const bool kill = TerminateOnDestroy;
  if (kill) {
    OnTerminated = nullptr;
    KillChildGroup(Pid_);
  }
  std::unique_lock<std::mutex> lock(watch->Mutex);
  watch->Detached = true;
  watch->Owner = nullptr;
  watch->Changed.notify_all();
  CloseDescriptor(StdInWrite_);
  // A killed child ends at once; waiting for the reader to collect it leaves
  // neither a zombie nor a busy thread behind the runner. Not from inside one
  // of the runner's own events, though: the reader waits for that to return.
  const bool insideEvent = watch->Started > watch->Completed;
  if (kill && !insideEvent)
    watch->Changed.wait_for(lock, kReaderFinishWait, [&] { return watch->Finished; });
}

bool TRedirector::ProcessEnded() const {
  return Watch_ ? Watch_->Ended.load() : LastProcessEnded_;
}

void TRedirector::Terminate(uint32_t /*exitCode*/) {
  if (!Active()) throw EKinovertError("Cannot Terminate an inactive process");
  // The child is collected only in ProcessTerminated, so until then its id,
  // and its group's, cannot have been reused by another process.
  TerminateRequested_ = true;
  KillChildGroup(Pid_);
}

void TRedirector::ProcessTerminated() {
  std::shared_ptr<TRedirectorThread> watch = std::move(Watch_);
  ExitCode_ = ReapChild(Pid_, &TermSignal_);  // the reader has seen it exit: this does not wait
  {
    std::lock_guard<std::mutex> lock(watch->Mutex);
    watch->Reaped = true;
  }
  watch->Owner = nullptr;
  LastProcessEnded_ = watch->Ended;
  CloseDescriptor(StdInWrite_);
  Pid_ = 0;
  // A copy: the handler may replace itself or destroy the runner.
  TNotifyEvent handler = OnTerminated;
  if (handler) handler(*this);
}

void TRedirector::Start() {
  if (Active()) throw EKinovertError("Process is already active");
  if (IsBlankText(FullCommandLine())) throw EKinovertError("No commandline to run");
  LastProcessEnded_ = false;
  TerminateRequested_ = false;

  std::string currentDir;
  if (char* cwd = ::getcwd(nullptr, 0)) {
    currentDir = cwd;
    std::free(cwd);
  }
  const char* searchPath = std::getenv("PATH");
  TLaunchPlan plan =
      PlanLaunch(ApplicationName, Commandline_,
                 searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin", currentDir);
  TStartedChild child = StartChild(plan, CurrentDirectory, Environment, InitialPriority_);

  // Without a pidfd (kernels before 5.3) the reader looks for the end often.
  int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, child.Pid, 0));
  auto watch = std::make_shared<TRedirectorThread>(MainThread_, *this, child.Pid, child.OutRead,
                                                   child.ErrRead, pidFd < 0 ? -1 : pidFd);
  try {
    std::thread(&TRedirectorThread::Execute, watch).detach();
  } catch (const std::system_error& e) {
    for (int* fd : {&watch->PidFd, &child.InWrite, &child.OutRead, &child.ErrRead})
      CloseDescriptor(*fd);
    KillChildGroup(child.Pid);
    ReapChild(child.Pid);
    throw EKinovertError("Error creating process : " + std::to_string(e.code().value()));
  }
  Pid_ = child.Pid;
  StdInWrite_ = child.InWrite;
  Watch_ = std::move(watch);
}
