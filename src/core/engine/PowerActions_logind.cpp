// SPDX-License-Identifier: GPL-3.0-or-later
// Power actions through systemd-logind's command-line clients. A missing
// client or a refused request leaves everything as it was.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "engine/PowerActions.h"

extern char** environ;

namespace {

// Starts args[0] from PATH, its output gone; its input is `input`, or
// nothing when that is -1.
pid_t Spawn(std::vector<std::string> args, int input = -1) {
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (input >= 0)
    posix_spawn_file_actions_adddup2(&actions, input, 0);
  else
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

void RunAndWait(std::vector<std::string> args) {
  pid_t pid = Spawn(std::move(args));
  if (pid <= 0) return;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

// Holds a "systemd-inhibit … cat" child whose cat reads a pipe of ours. The
// lock lasts as long as cat runs, and cat ends when the pipe's write end
// closes: when the lock is given back, and also when this program ends in
// any way at all (a crash, SIGKILL), since the system closes the write end
// then. No lock can outlive the program, and no child of it either. (The
// write end is close-on-exec: no other child holds it open.)
class TLogindInhibitor final : public TPowerControl::TInhibitor {
 public:
  TLogindInhibitor(pid_t pid, int lifeline) : Pid_(pid), Lifeline_(lifeline) {}
  ~TLogindInhibitor() override {
    ::close(Lifeline_);
    ::kill(Pid_, SIGTERM);
    int status = 0;
    while (::waitpid(Pid_, &status, 0) < 0 && errno == EINTR) {
    }
  }

 private:
  pid_t Pid_;
  int Lifeline_;
};

class TLogindPower final : public TPowerControl {
 public:
  void PowerOff() override { RunAndWait({"systemctl", "poweroff"}); }
  void Reboot() override { RunAndWait({"systemctl", "reboot"}); }
  void Hibernate() override { RunAndWait({"systemctl", "hibernate"}); }
  void Suspend() override { RunAndWait({"systemctl", "suspend"}); }
  void EndSession() override {
    const char* session = std::getenv("XDG_SESSION_ID");
    if (session != nullptr && *session != '\0')
      RunAndWait({"loginctl", "terminate-session", session});
    else
      RunAndWait({"loginctl", "terminate-user", std::to_string(::getuid())});
  }
  std::unique_ptr<TInhibitor> InhibitSleep(const std::string& why) override {
    int lifeline[2];
    if (::pipe2(lifeline, O_CLOEXEC) != 0) return nullptr;
    pid_t pid = Spawn({"systemd-inhibit", "--what=sleep:idle", "--who=Kinovert", "--why=" + why,
                       "--mode=block", "cat"},
                      lifeline[0]);
    ::close(lifeline[0]);
    if (pid <= 0) {
      ::close(lifeline[1]);
      return nullptr;
    }
    return std::make_unique<TLogindInhibitor>(pid, lifeline[1]);
  }
};

}  // namespace

std::unique_ptr<TPowerControl> CreateSystemPowerControl() { return std::make_unique<TLogindPower>(); }
