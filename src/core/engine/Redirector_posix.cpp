// SPDX-License-Identifier: GPL-3.0-or-later
// Child processes on POSIX: fork/exec with three pipes, a reader thread per
// child that polls both output pipes and a pidfd of the child.
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <string>
#include <thread>
#include <vector>

#include "app/Error.h"
#include "engine/CommandLine.h"
#include "engine/Redirector.h"

extern char** environ;

namespace {

using TClock = std::chrono::steady_clock;

// After the child's end, output still arriving from a grandchild that holds
// the pipes open is taken for this long without a pause, and never longer
// than the ceiling, so such a grandchild cannot hold back the end report.
constexpr auto kDrainPause = std::chrono::milliseconds(200);
constexpr auto kDrainCeiling = std::chrono::seconds(2);
// Without a pidfd (old kernels) the end is looked for this often.
constexpr int kExitCheckMs = 10;
// How long a destructor that killed its child waits for the reader to finish.
constexpr auto kReaderFinishWait = std::chrono::seconds(2);
constexpr size_t kFirstReadSize = 64 * 1024;
constexpr size_t kMaxChunkSize = 1024 * 1024;

std::string Message(const char* text, int error) { return text + std::to_string(error); }

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Descriptors of a start in progress; whatever is still held when a start
// fails is closed on the way out.
struct TStartFds {
  int In[2] = {-1, -1};
  int Out[2] = {-1, -1};
  int Err[2] = {-1, -1};
  int Report[2] = {-1, -1};
  ~TStartFds() {
    for (int* pair : {In, Out, Err, Report}) {
      CloseFd(pair[0]);
      CloseFd(pair[1]);
    }
  }
};

// Everything the child needs, prepared before fork: after fork only
// async-signal-safe calls are allowed, so no allocation happens there.
struct TChildSetup {
  int In, Out, Err, Report;
  const char* Directory;  // null = stay
  const char* Script;     // null = none
  bool SetNice;
  int Nice;
  std::vector<const char*> Candidates;
  std::vector<char*> Argv;
  char** Envp;
};

[[noreturn]] void ChildFail(int report, int error) {
  ssize_t ignored = ::write(report, &error, sizeof error);
  (void)ignored;
  ::_exit(127);
}

[[noreturn]] void RunChild(const TChildSetup& s) {
  ::setpgid(0, 0);
  // A caller that ignores SIGPIPE or blocks signals must not pass that on.
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (int sig = 1; sig < NSIG; ++sig)
    if (sig != SIGKILL && sig != SIGSTOP) ::sigaction(sig, &byDefault, nullptr);
  // A level the user may not take fails here and leaves the inherited one.
  if (s.SetNice) ::setpriority(PRIO_PROCESS, 0, s.Nice);
  // Copies above 2 first, so one pipe end sitting on 0..2 cannot be clobbered.
  int in = ::fcntl(s.In, F_DUPFD_CLOEXEC, 3);
  int out = ::fcntl(s.Out, F_DUPFD_CLOEXEC, 3);
  int err = ::fcntl(s.Err, F_DUPFD_CLOEXEC, 3);
  if (in < 0 || out < 0 || err < 0) ChildFail(s.Report, errno);
  if (::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ChildFail(s.Report, errno);
  if (s.Directory != nullptr && ::chdir(s.Directory) != 0) ChildFail(s.Report, errno);
  if (s.Script != nullptr && ::access(s.Script, R_OK) != 0) ChildFail(s.Report, errno);
  // Descriptors the caller opened without close-on-exec stay with the caller.
  ::syscall(SYS_close_range, 3U, ~0U, 4U /* CLOSE_RANGE_CLOEXEC */);
  int error = ENOENT;
  bool denied = false;
  for (const char* candidate : s.Candidates) {
    ::execve(candidate, s.Argv.data(), s.Envp);
    error = errno;
    if (error == EACCES)
      denied = true;
    else if (error != ENOENT && error != ENOTDIR)
      break;
  }
  if (denied && (error == ENOENT || error == ENOTDIR)) error = EACCES;
  ChildFail(s.Report, error);
}

int NiceOf(uint8_t priority) {
  switch (priority) {
    case 1: return 19;
    case 2: return 0;
    case 3: return -10;
    case 4: return -20;
    default: return INT_MIN;
  }
}

void Reap(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

// What a reader thread shares with its runner. The thread holds it, never the
// runner: once the runner is gone (Detached) the thread only discards output
// and reaps the child.
struct TRedirectorLink {
  TRedirectorLink(TMainThread& mainThread, TRedirector& owner, pid_t pid, int outRead,
                  int errRead, int pidFd)
      : MainThread(mainThread), Owner(&owner), Pid(pid), OutRead(outRead), ErrRead(errRead),
        PidFd(pidFd) {}

  TMainThread& MainThread;
  TRedirector* Owner;  // main thread only
  const pid_t Pid;
  int OutRead, ErrRead, PidFd;  // reader thread only
  std::atomic<bool> Ended{false};

  std::mutex Mutex;
  std::condition_variable Changed;
  uint64_t Posted = 0;     // hand-overs posted
  uint64_t Started = 0;    // hand-overs the main thread has begun
  uint64_t Completed = 0;  // hand-overs the main thread has finished
  bool Detached = false;   // the runner is gone
  bool Reaped = false;     // the runner has collected the child
  bool Finished = false;   // the reader has let go of the child

  static void Watch(std::shared_ptr<TRedirectorLink> self);
  bool HandOver(const std::shared_ptr<TRedirectorLink>& self,
                std::function<void(TRedirector&)> call);
  bool IsDetached() {
    std::lock_guard<std::mutex> lock(Mutex);
    return Detached;
  }
  bool ChildHasExited(bool pidFdReady) const;
  size_t ReadAvailable(int& fd, std::vector<char>& buffer);
};

// Runs `call` on the main thread and waits for it, as long as the runner
// lives. Posting under the lock means no post can follow the runner's
// destructor, which takes the same lock to set Detached.
bool TRedirectorLink::HandOver(const std::shared_ptr<TRedirectorLink>& self,
                               std::function<void(TRedirector&)> call) {
  std::unique_lock<std::mutex> lock(Mutex);
  if (Detached) return false;
  const uint64_t ticket = ++Posted;
  MainThread.Post([self, ticket, call = std::move(call)] {
    {
      std::lock_guard<std::mutex> guard(self->Mutex);
      self->Started = ticket;
    }
    struct TDone {
      TRedirectorLink& Link;
      uint64_t Ticket;
      ~TDone() {
        std::lock_guard<std::mutex> guard(Link.Mutex);
        Link.Completed = Ticket;
        Link.Changed.notify_all();
      }
    } done{*self, ticket};
    if (self->Owner != nullptr) call(*self->Owner);
  });
  // A call already begun is waited for even when the runner goes meanwhile
  // (a handler may destroy it): it still uses the buffer.
  Changed.wait(lock, [&] { return Completed >= ticket || (Detached && Started < ticket); });
  return Completed >= ticket && !Detached;
}

bool TRedirectorLink::ChildHasExited(bool pidFdReady) const {
  if (PidFd >= 0 && !pidFdReady) return false;
  siginfo_t info{};
  // WNOWAIT leaves the child unreaped, so its process group id stays taken
  // and a late Terminate cannot hit a stranger.
  if (::waitid(P_PID, static_cast<id_t>(Pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
    return errno == ECHILD;  // collected by someone else: gone all the same
  return info.si_pid != 0;
}

// Reads what the pipe holds now (up to one chunk); closes it at its end.
size_t TRedirectorLink::ReadAvailable(int& fd, std::vector<char>& buffer) {
  size_t used = 0;
  for (;;) {
    if (used == buffer.size()) {
      if (buffer.size() >= kMaxChunkSize) break;
      buffer.resize(buffer.size() * 2);
    }
    ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
    if (n > 0) {
      used += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // A read error other than "empty for now" ends the pipe like its end does.
      if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) CloseFd(fd);
      break;
    }
  }
  return used;
}

void TRedirectorLink::Watch(std::shared_ptr<TRedirectorLink> self) {
  TRedirectorLink& link = *self;
  std::vector<char> buffer(kFirstReadSize);
  bool exited = false;
  bool detached = false;
  TClock::time_point endTime, lastData;

  auto pass = [&](int& fd, bool ready, bool standardError) {
    if (fd < 0 || !(ready || exited)) return;
    size_t size = link.ReadAvailable(fd, buffer);
    if (size == 0) return;
    lastData = TClock::now();
    if (detached) return;
    const char* data = buffer.data();
    auto call = [data, size, standardError](TRedirector& runner) {
      // A copy: the handler may replace itself or destroy the runner.
      TRedirector::TDataEvent handler = standardError ? runner.OnErrorData : runner.OnData;
      if (handler) handler(runner, data, static_cast<int32_t>(size));
    };
    if (!link.HandOver(self, call)) detached = true;
  };

  while (link.OutRead >= 0 || link.ErrRead >= 0 || !exited) {
    pollfd fds[3];
    nfds_t count = 0;
    int outIndex = -1, errIndex = -1, pidIndex = -1;
    if (link.OutRead >= 0) {
      outIndex = static_cast<int>(count);
      fds[count++] = {link.OutRead, POLLIN, 0};
    }
    if (link.ErrRead >= 0) {
      errIndex = static_cast<int>(count);
      fds[count++] = {link.ErrRead, POLLIN, 0};
    }
    if (!exited && link.PidFd >= 0) {
      pidIndex = static_cast<int>(count);
      fds[count++] = {link.PidFd, POLLIN, 0};
    }
    int timeout = -1;
    if (!exited) {
      if (link.PidFd < 0) timeout = kExitCheckMs;
    } else {
      if (detached || link.IsDetached()) break;
      const TClock::time_point now = TClock::now();
      const TClock::time_point limit = std::min(lastData + kDrainPause, endTime + kDrainCeiling);
      if (now >= limit) break;
      timeout = static_cast<int>(
          std::chrono::ceil<std::chrono::milliseconds>(limit - now).count());
    }
    int ready = ::poll(fds, count, timeout);
    if (ready < 0 && errno != EINTR) ::poll(nullptr, 0, kExitCheckMs);  // never spin
    auto isReady = [&](int index) { return ready > 0 && index >= 0 && fds[index].revents != 0; };

    // The end is noted before the reads, so the reads that follow are known
    // to carry the child's last output.
    if (!exited && link.ChildHasExited(isReady(pidIndex))) {
      exited = true;
      link.Ended = true;
      endTime = lastData = TClock::now();
    }
    pass(link.OutRead, isReady(outIndex), false);
    pass(link.ErrRead, isReady(errIndex), true);
  }
  CloseFd(link.OutRead);
  CloseFd(link.ErrRead);
  CloseFd(link.PidFd);

  if (!detached) link.HandOver(self, [](TRedirector& runner) { runner.ProcessTerminated(); });
  std::unique_lock<std::mutex> lock(link.Mutex);
  if (!link.Reaped) {
    lock.unlock();
    Reap(link.Pid);
    lock.lock();
  }
  link.Finished = true;
  link.Changed.notify_all();
}

TRedirector::TRedirector(TMainThread& mainThread) : MainThread_(mainThread) {}

TRedirector::~TRedirector() {
  if (!Link_) return;
  std::shared_ptr<TRedirectorLink> link = std::move(Link_);
  const bool kill = TerminateOnDestroy;
  if (kill) {
    OnTerminated = nullptr;
    ::kill(-Pid_, SIGKILL);
    ::kill(Pid_, SIGKILL);
  }
  std::unique_lock<std::mutex> lock(link->Mutex);
  link->Detached = true;
  link->Owner = nullptr;
  link->Changed.notify_all();
  ::close(StdInWrite_);
  // A killed child ends at once; waiting for the reader to collect it leaves
  // neither a zombie nor a busy thread behind the runner. Not from inside one
  // of the runner's own events, though: the reader waits for that to return.
  const bool insideEvent = link->Started > link->Completed;
  if (kill && !insideEvent)
    link->Changed.wait_for(lock, kReaderFinishWait, [&] { return link->Finished; });
}

bool TRedirector::ProcessEnded() const { return Link_ ? Link_->Ended.load() : LastProcessEnded_; }

void TRedirector::Terminate(uint32_t /*exitCode*/) {
  if (!Active()) throw EKinovertError("Cannot Terminate an inactive process");
  // The child is not collected before ProcessTerminated, so its id (and its
  // group's) cannot have been reused. It is signalled on its own as well in
  // case it has left the group.
  ::kill(-Pid_, SIGKILL);
  ::kill(Pid_, SIGKILL);
}

void TRedirector::ProcessTerminated() {
  std::shared_ptr<TRedirectorLink> link = std::move(Link_);
  Reap(Pid_);
  {
    std::lock_guard<std::mutex> lock(link->Mutex);
    link->Reaped = true;
  }
  link->Owner = nullptr;
  LastProcessEnded_ = link->Ended;
  CloseFd(StdInWrite_);
  Pid_ = 0;
  TNotifyEvent handler = OnTerminated;
  if (handler) handler(*this);
}

void TRedirector::Start() {
  if (Active()) throw EKinovertError("Process is already active");
  if (IsBlankText(FullCommandLine())) throw EKinovertError("No commandline to run");
  LastProcessEnded_ = false;

  std::string currentDir;
  if (char* cwd = ::getcwd(nullptr, 0)) {
    currentDir = cwd;
    std::free(cwd);
  }
  const char* searchPath = std::getenv("PATH");
  TLaunchPlan plan = PlanLaunch(ApplicationName, Commandline_,
                                searchPath != nullptr ? searchPath : "/usr/local/bin:/usr/bin:/bin",
                                currentDir);
  std::vector<std::string> envStore = Environment.value_or(std::vector<std::string>{});

  TStartFds fds;
  if (::pipe2(fds.In, O_CLOEXEC) != 0) throw EKinovertError(Message("Error on STDIN pipe creation : ", errno));
  if (::pipe2(fds.Out, O_CLOEXEC) != 0) throw EKinovertError(Message("Error on STDOUT pipe creation : ", errno));
  if (::pipe2(fds.Err, O_CLOEXEC) != 0) throw EKinovertError(Message("Error on STDERR pipe creation : ", errno));
  if (::pipe2(fds.Report, O_CLOEXEC) != 0) throw EKinovertError(Message("Error creating process : ", errno));
  ::fcntl(fds.Out[0], F_SETFL, O_NONBLOCK);
  ::fcntl(fds.Err[0], F_SETFL, O_NONBLOCK);

  TChildSetup setup{};
  setup.In = fds.In[0];
  setup.Out = fds.Out[1];
  setup.Err = fds.Err[1];
  setup.Report = fds.Report[1];
  setup.Directory = IsBlankText(CurrentDirectory) ? nullptr : CurrentDirectory.c_str();
  setup.Script = plan.Script.empty() ? nullptr : plan.Script.c_str();
  setup.Nice = NiceOf(InitialPriority_);
  setup.SetNice = setup.Nice != INT_MIN;
  for (const std::string& c : plan.Candidates) setup.Candidates.push_back(c.c_str());
  for (std::string& a : plan.Argv) setup.Argv.push_back(a.data());
  setup.Argv.push_back(nullptr);
  std::vector<char*> envp;
  if (Environment) {
    for (std::string& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);
    setup.Envp = envp.data();
  } else {
    setup.Envp = environ;
  }

  pid_t pid = ::fork();
  if (pid < 0) throw EKinovertError(Message("Error creating process : ", errno));
  if (pid == 0) RunChild(setup);

  for (int* end : {&fds.In[0], &fds.Out[1], &fds.Err[1], &fds.Report[1]}) CloseFd(*end);
  // The report pipe closes at exec; a number on it is the errno of a failed start.
  int childError = 0;
  ssize_t got;
  while ((got = ::read(fds.Report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof childError)) {
    Reap(pid);
    throw EKinovertError(Message("Error creating process : ", childError));
  }

  int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  auto link = std::make_shared<TRedirectorLink>(MainThread_, *this, pid, fds.Out[0], fds.Err[0],
                                                pidFd < 0 ? -1 : pidFd);
  try {
    std::thread(&TRedirectorLink::Watch, link).detach();
  } catch (const std::system_error& e) {
    CloseFd(link->PidFd);
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
    Reap(pid);
    throw EKinovertError(Message("Error creating process : ", e.code().value()));
  }
  // The thread owns the read ends now; the runner keeps the unwritten input.
  fds.Out[0] = fds.Err[0] = -1;
  StdInWrite_ = fds.In[1];
  fds.In[1] = -1;
  Pid_ = pid;
  Link_ = std::move(link);
}
