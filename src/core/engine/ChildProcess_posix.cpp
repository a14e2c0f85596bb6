// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

#include "base/Error.h"
#include "engine/ChildProcess.h"
#include "engine/PriorityRights.h"

extern char** environ;

namespace {

std::string Message(const char* text, int error) {
  return text + std::to_string(error);
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
      CloseDescriptor(pair[0]);
      CloseDescriptor(pair[1]);
    }
  }
};

// Everything the child needs, prepared before fork: after fork only
// async-signal-safe calls are allowed, so no allocation happens there.
struct TChildSetup {
  pid_t Parent;
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
  // The child must not outlive us, however we end (SIGKILL, a crash): it is
  // asked to stop then, as a stop of ours would (avcore ends FFmpeg and
  // removes its unfinished output). Started before this was set, if we are
  // gone already.
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (::getppid() != s.Parent) ::_exit(127);
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

}  // namespace

void CloseDescriptor(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

int ReapChild(pid_t pid, int* signal) {
  int status = 0;
  pid_t got;
  while ((got = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
  }
  if (signal != nullptr) *signal = got == pid && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  if (got != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void KillChildGroup(pid_t pid) {
  ::kill(-pid, SIGKILL);
  ::kill(pid, SIGKILL);
}

TStartedChild StartChild(const TLaunchPlan& plan, const std::string& directory,
                         const std::optional<std::vector<std::string>>& environment,
                         uint8_t priority) {
  std::vector<std::string> argStore = plan.Argv;
  std::vector<std::string> envStore = environment.value_or(std::vector<std::string>{});

  TStartFds fds;
  if (::pipe2(fds.In, O_CLOEXEC) != 0)
    throw EKinovertError(Message("Error on STDIN pipe creation : ", errno));
  if (::pipe2(fds.Out, O_CLOEXEC) != 0)
    throw EKinovertError(Message("Error on STDOUT pipe creation : ", errno));
  if (::pipe2(fds.Err, O_CLOEXEC) != 0)
    throw EKinovertError(Message("Error on STDERR pipe creation : ", errno));
  if (::pipe2(fds.Report, O_CLOEXEC) != 0)
    throw EKinovertError(Message("Error creating process : ", errno));
  ::fcntl(fds.Out[0], F_SETFL, O_NONBLOCK);
  ::fcntl(fds.Err[0], F_SETFL, O_NONBLOCK);

  TChildSetup setup{};
  setup.Parent = ::getpid();
  setup.In = fds.In[0];
  setup.Out = fds.Out[1];
  setup.Err = fds.Err[1];
  setup.Report = fds.Report[1];
  setup.Directory = IsBlankText(directory) ? nullptr : directory.c_str();
  setup.Script = plan.Script.empty() ? nullptr : plan.Script.c_str();
  setup.Nice = RunnerNice(priority);
  setup.SetNice = setup.Nice != INT_MIN;
  for (const std::string& c : plan.Candidates) setup.Candidates.push_back(c.c_str());
  for (std::string& a : argStore) setup.Argv.push_back(a.data());
  setup.Argv.push_back(nullptr);
  std::vector<char*> envp;
  if (environment) {
    for (std::string& e : envStore) envp.push_back(e.data());
    envp.push_back(nullptr);
    setup.Envp = envp.data();
  } else {
    setup.Envp = environ;
  }

  pid_t pid = ::fork();
  if (pid < 0) throw EKinovertError(Message("Error creating process : ", errno));
  if (pid == 0) RunChild(setup);

  for (int* end : {&fds.In[0], &fds.Out[1], &fds.Err[1], &fds.Report[1]}) CloseDescriptor(*end);
  // The report pipe closes at exec; a number on it is the errno of a failed start.
  int childError = 0;
  ssize_t got;
  while ((got = ::read(fds.Report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
  }
  if (got == static_cast<ssize_t>(sizeof childError)) {
    ReapChild(pid);
    throw EKinovertError(Message("Error creating process : ", childError));
  }

  TStartedChild child;
  child.Pid = pid;
  std::swap(child.InWrite, fds.In[1]);
  std::swap(child.OutRead, fds.Out[0]);
  std::swap(child.ErrRead, fds.Err[0]);
  return child;
}
