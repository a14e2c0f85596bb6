// SPDX-License-Identifier: GPL-3.0-or-later
#include "FfmpegRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

// The signals that stop avcore, and FFmpeg with it, in an orderly way.
constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

volatile sig_atomic_t gStopSignal = 0;
volatile pid_t gChild = 0;

// FFmpeg run without a terminal leaves SIGQUIT at its default action, which
// would end it without closing its file and may dump core: it gets the
// plain request to stop instead.
int ForwardedSignal(int sig) {
  return sig == SIGQUIT ? SIGTERM : sig;
}

void OnStopSignal(int sig) {
  gStopSignal = sig;
  if (gChild > 0) ::kill(gChild, ForwardedSignal(sig));
}

// The progress descriptor FFmpeg writes its key=value blocks to.
constexpr int kProgressFd = 3;

bool IsExecutable(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

[[noreturn]] void ChildExec(const std::string& ffmpeg, const std::vector<std::string>& args,
                            pid_t parent, int errWrite, int progressWrite, int statusWrite) {
  // FFmpeg must not outlive avcore, even when avcore is killed outright.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(127);
  // Until exec, a stop signal must reach FFmpeg's default action, not our handler.
  for (int sig : kStopSignals) ::signal(sig, SIG_DFL);
  ::signal(SIGPIPE, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  int devnull = ::open("/dev/null", O_RDWR);
  ::dup2(devnull, 0);
  ::dup2(devnull, 1);
  ::dup2(errWrite, 2);
  if (progressWrite == kProgressFd)
    ::fcntl(kProgressFd, F_SETFD, 0);
  else
    ::dup2(progressWrite, kProgressFd);
  // Descriptors avcore inherited (the batch's pipes among them) are none of FFmpeg's business.
  // The status pipe closes itself on exec.
  const unsigned status = static_cast<unsigned>(statusWrite);
  if (status > kProgressFd + 1) ::close_range(kProgressFd + 1, status - 1, 0);
  ::close_range(status + 1, ~0U, 0);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(ffmpeg.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  ::execv(ffmpeg.c_str(), argv.data());
  int err = errno;
  ssize_t ignored = ::write(statusWrite, &err, sizeof err);
  (void)ignored;
  ::_exit(127);
}

}  // namespace

void EmitLine(const std::string& line) {
  std::string text = line + "\n";
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0) {
    ssize_t n = ::write(2, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
}

namespace {

std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(start, end - start);
    std::string candidate = dir.empty() ? std::string(".") : dir;
    candidate.append("/").append(name);
    if (IsExecutable(candidate)) return candidate;
    start = end + 1;
  }
  return "";
}

}  // namespace

std::string FindFfmpeg() {
  const char* forced = std::getenv("KINOVERT_FFMPEG");
  if (forced != nullptr && *forced != '\0') return IsExecutable(forced) ? forced : "";
  return FindOnPath("ffmpeg");
}

std::string FindFfprobe(const std::string& ffmpeg) {
  size_t slash = ffmpeg.find_last_of('/');
  if (slash != std::string::npos) {
    std::string beside = ffmpeg.substr(0, slash + 1) + "ffprobe";
    if (IsExecutable(beside)) return beside;
  }
  return FindOnPath("ffprobe");
}

int StopSignal() {
  return gStopSignal;
}

void InstallStopHandlers() {
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = 0;  // no SA_RESTART: poll() must wake up
  for (int sig : kStopSignals) ::sigaction(sig, &sa, nullptr);
}

TRunResult RunFfmpeg(const std::string& ffmpeg, const std::vector<std::string>& args,
                     const TConsoleNames& names) {
  TRunResult result;
  int errPipe[2], progressPipe[2], statusPipe[2];
  if (::pipe2(errPipe, O_CLOEXEC) != 0 || ::pipe2(progressPipe, O_CLOEXEC) != 0 ||
      ::pipe2(statusPipe, O_CLOEXEC) != 0) {
    result.ExitCode = 1;
    result.Report.Lines.push_back(
        {"error", std::string("cannot create pipes: ") + std::strerror(errno)});
    return result;
  }
  // A stop signal between fork and exec must not run our handler in the child.
  sigset_t stopSet, oldSet;
  sigemptyset(&stopSet);
  for (int sig : kStopSignals) sigaddset(&stopSet, sig);
  ::sigprocmask(SIG_BLOCK, &stopSet, &oldSet);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) ChildExec(ffmpeg, args, parent, errPipe[1], progressPipe[1], statusPipe[1]);
  if (pid > 0) gChild = pid;
  ::sigprocmask(SIG_SETMASK, &oldSet, nullptr);
  ::close(errPipe[1]);
  ::close(progressPipe[1]);
  ::close(statusPipe[1]);
  if (pid < 0) {
    result.ExitCode = 1;
    result.Report.Lines.push_back(
        {"error", std::string("cannot start FFmpeg: ") + std::strerror(errno)});
    ::close(errPipe[0]);
    ::close(progressPipe[0]);
    ::close(statusPipe[0]);
    return result;
  }
  if (gStopSignal != 0) ::kill(pid, ForwardedSignal(gStopSignal));

  using TClock = std::chrono::steady_clock;
  TConsoleRelay relay(names, EmitLine);
  TClock::time_point lastShown{};
  TClock::time_point killAt{};
  bool forwarded = false;

  pollfd fds[2] = {{errPipe[0], POLLIN, 0}, {progressPipe[0], POLLIN, 0}};
  int open = 2;
  char buf[16384];
  while (open > 0) {
    if (gStopSignal != 0 && !forwarded) {
      forwarded = true;
      killAt = TClock::now() + std::chrono::seconds(5);
    }
    if (forwarded && TClock::now() >= killAt) ::kill(pid, SIGKILL);
    int ready = ::poll(fds, 2, 250);
    if (ready < 0 && errno != EINTR) break;
    // Console lines go first, so the header is out before the first progress.
    for (int i = 0; i < 2 && ready > 0; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        const size_t shown = relay.ProgressLines();
        if (i == 0)
          relay.FeedConsole(buf, static_cast<size_t>(n));
        else
          relay.FeedProgress(buf, static_cast<size_t>(n));
        if (relay.ProgressLines() != shown) lastShown = TClock::now();
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
    // A slow encoder still shows that it works, twice a second.
    if (!relay.LastProgressLine().empty() &&
        TClock::now() - lastShown >= std::chrono::milliseconds(500)) {
      EmitLine(relay.LastProgressLine());
      lastShown = TClock::now();
    }
  }
  relay.Finish();
  for (int fd : {fds[0].fd, fds[1].fd})
    if (fd >= 0) ::close(fd);

  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  gChild = 0;
  result.Report = relay.Report();
  int execErr = 0;
  if (::read(statusPipe[0], &execErr, sizeof execErr) == static_cast<ssize_t>(sizeof execErr))
    result.Report.Lines.push_back(
        {"error", "cannot run " + ffmpeg + ": " + std::strerror(execErr)});
  ::close(statusPipe[0]);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.KilledBy = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  result.StopSignal = gStopSignal;
  return result;
}

int RunReading(const std::string& program, const std::vector<std::string>& args,
               const std::function<void(const char*, size_t)>& onOutput) {
  int outPipe[2];
  if (::pipe2(outPipe, O_CLOEXEC) != 0) return -1;
  sigset_t stopSet, oldSet;
  sigemptyset(&stopSet);
  for (int sig : kStopSignals) sigaddset(&stopSet, sig);
  ::sigprocmask(SIG_BLOCK, &stopSet, &oldSet);
  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    for (int sig : kStopSignals) ::signal(sig, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    int devnull = ::open("/dev/null", O_RDWR);
    ::dup2(devnull, 0);
    ::dup2(outPipe[1], 1);
    ::dup2(devnull, 2);
    ::close_range(3, ~0U, 0);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  if (pid > 0) gChild = pid;
  ::sigprocmask(SIG_SETMASK, &oldSet, nullptr);
  ::close(outPipe[1]);
  if (pid < 0) {
    ::close(outPipe[0]);
    return -1;
  }
  if (gStopSignal != 0) ::kill(pid, ForwardedSignal(gStopSignal));
  char buf[16384];
  while (true) {
    ssize_t n = ::read(outPipe[0], buf, sizeof buf);
    if (n > 0) {
      onOutput(buf, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(outPipe[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  gChild = 0;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
