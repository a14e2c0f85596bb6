// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Redirector.h"

#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "base/Error.h"
#include "engine/CommandLine.h"
#include "engine/EventLoop.h"
#include "support/RunProgram.h"

using namespace std::chrono_literals;

namespace {

// Generous: the tests share two cores with several builds.
constexpr auto kPatience = 60s;

std::string Sh(const std::string& script) {
  return "/bin/sh -c " + QuoteArgument(script);
}

int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
    ++count;
  return count;
}

// True once the process is gone or only a zombie waiting for its reaper.
bool ProcessGone(pid_t pid) {
  if (::kill(pid, 0) != 0) return errno == ESRCH;
  std::string stat = ReadFileText("/proc/" + std::to_string(pid) + "/stat");
  size_t paren = stat.rfind(')');
  return paren != std::string::npos && paren + 2 < stat.size() && stat[paren + 2] == 'Z';
}

bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

void MakeExecutable(const std::string& fileName, const std::string& text) {
  WriteFileText(fileName, text);
  ::chmod(fileName.c_str(), 0755);
}

template <typename F>
std::string ErrorOf(F action) {
  try {
    action();
  } catch (const EKinovertError& e) {
    return e.what();
  }
  return "";
}

class RedirectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Runner.OnData = [this](TRedirector& sender, const char* buffer, int32_t size) {
      EXPECT_EQ(&sender, &Runner);
      EXPECT_GT(size, 0);
      Out.append(buffer, static_cast<size_t>(size));
      Note('o');
    };
    Runner.OnErrorData = [this](TRedirector&, const char* buffer, int32_t size) {
      Err.append(buffer, static_cast<size_t>(size));
      Note('e');
    };
    Runner.OnTerminated = [this](TRedirector& sender) {
      EXPECT_FALSE(sender.Active());
      EXPECT_TRUE(sender.ProcessEnded());
      ++Ends;
      Note('t');
    };
  }

  // Order of events, runs of the same kind written once: "oet" = output,
  // then error output, then the end.
  void Note(char kind) {
    if (Order.empty() || Order.back() != kind) Order += kind;
  }

  void Run(const std::string& commandLine) {
    const int endsBefore = Ends;
    Runner.SetCommandline(commandLine);
    Runner.Start();
    WaitForEnd(endsBefore + 1);
  }

  void WaitForEnd(int ends = 1) {
    ASSERT_TRUE(Loop.RunUntil([&] { return Ends >= ends; }, kPatience)) << "no end reported";
    EXPECT_FALSE(Runner.Active());
  }

  TEventLoop Loop;
  TRedirector Runner{Loop};
  std::string Out, Err, Order;
  int Ends = 0;
};

TEST_F(RedirectorTest, StartRefusesBlankOrSecondCommandLine) {
  for (const char* blank : {"", "   ", " \t\r\n "}) {
    Runner.SetCommandline(blank);
    EXPECT_EQ(ErrorOf([&] { Runner.Start(); }), "No commandline to run") << blank;
    EXPECT_FALSE(Runner.Active());
  }
  Runner.ApplicationName = "/bin/echo";  // a program alone is something to run
  Runner.SetCommandline("");
  EXPECT_EQ(Runner.FullCommandLine(), "/bin/echo ");
  Run(Runner.Commandline());
  EXPECT_EQ(Out, "\n");

  Runner.ApplicationName.clear();
  Out.clear();
  Runner.SetCommandline(Sh("read line; echo never"));  // waits on its never-written input
  Runner.Start();
  EXPECT_TRUE(Runner.Active());
  EXPECT_EQ(ErrorOf([&] { Runner.Start(); }), "Process is already active");
  EXPECT_TRUE(Runner.Active());
  Runner.Terminate(0);
  WaitForEnd(2);
  EXPECT_EQ(Out, "");
}

TEST_F(RedirectorTest, FailedStartReportsErrnoAndLeavesNothingOpen) {
  TTempDir dir;
  MakeExecutable(dir / "not-runnable", "#!/bin/sh\necho hi\n");
  ::chmod((dir / "not-runnable").c_str(), 0644);
  struct TCase {
    std::string CommandLine;
    std::string CurrentDirectory;
    std::string Message;
  } cases[] = {
      {"/no/such/program -v", "", "Error creating process : 2"},
      {"kinovert-no-such-program", "", "Error creating process : 2"},
      {QuoteArgument(dir / "missing script.sh"), "", "Error creating process : 2"},
      {"/bin/true", dir / "no such folder", "Error creating process : 2"},
      {QuoteArgument(dir.Path()), "", "Error creating process : 13"},
      {QuoteArgument(dir / "not-runnable"), "", "Error creating process : 13"},
  };
  const int before = OpenDescriptorCount();
  for (const TCase& c : cases) {
    Runner.SetCommandline(c.CommandLine);
    Runner.CurrentDirectory = c.CurrentDirectory;
    EXPECT_EQ(ErrorOf([&] { Runner.Start(); }), c.Message) << c.CommandLine;
    EXPECT_FALSE(Runner.Active());
    EXPECT_EQ(OpenDescriptorCount(), before) << c.CommandLine;
  }
  EXPECT_EQ(Loop.ProcessEvents(), 0);
  EXPECT_EQ(Ends, 0);

  // The runner is idle, not wedged: the next start works.
  Runner.CurrentDirectory.clear();
  Run(Sh("echo ok"));
  EXPECT_EQ(Out, "ok\n");
  EXPECT_EQ(OpenDescriptorCount(), before);
}

TEST_F(RedirectorTest, OutputArrivesBeforeTheEnd) {
  struct TCase {
    const char* Script;
    const char* Out;
    const char* Err;
    const char* Order;
  } cases[] = {
      {"printf 'last line'", "last line", "", "ot"},  // no line end, exits at once
      {"echo oops >&2; echo again >&2", "", "oops\nagain\n", "et"},
      {"echo out; sleep 0.2; echo err >&2; exit 3", "out\n", "err\n", "oet"},
      {"exit 0", "", "", "t"},
      {"kill -9 $$", "", "", "t"},  // killed, not exited
  };
  for (const TCase& c : cases) {
    Out.clear(), Err.clear(), Order.clear(), Ends = 0;
    Run(Sh(c.Script));
    EXPECT_EQ(Out, c.Out) << c.Script;
    EXPECT_EQ(Err, c.Err) << c.Script;
    EXPECT_EQ(Order, c.Order) << c.Script;
    EXPECT_EQ(Ends, 1);
  }
}

TEST_F(RedirectorTest, ProcessEndedMarksOutputWrittenAfterTheEnd) {
  std::vector<std::pair<std::string, bool>> chunks;
  Runner.OnData = [&](TRedirector& sender, const char* buffer, int32_t size) {
    chunks.emplace_back(std::string(buffer, static_cast<size_t>(size)), sender.ProcessEnded());
  };
  // Still running (it waits on its input): not ended.
  Runner.SetCommandline(Sh("echo early; read never"));
  Runner.Start();
  ASSERT_TRUE(Loop.RunUntil([&] { return !chunks.empty(); }, kPatience));
  EXPECT_EQ(chunks[0], std::make_pair(std::string("early\n"), false));
  Runner.Terminate(0);
  WaitForEnd();

  // A grandchild writes once the shell has become a zombie, so its line
  // comes after the end; it is delivered, flagged as final output, unless a
  // very slow machine lets the drain pause run out first.
  chunks.clear();
  Run(
      Sh("p=$$; (while [ \"$(cut -d' ' -f3 /proc/$p/stat)\" != Z ]; do sleep 0.01; done; "
         "echo late) & exit 0"));
  for (const auto& [text, ended] : chunks) {
    EXPECT_EQ(text, "late\n");
    EXPECT_TRUE(ended);
  }
  EXPECT_LE(chunks.size(), 1u);
}

TEST_F(RedirectorTest, TerminateEndsTheChildLikeAnyOtherEnd) {
  EXPECT_EQ(ErrorOf([&] { Runner.Terminate(0); }), "Cannot Terminate an inactive process");
  Runner.SetCommandline(Sh("echo started; exec sleep 300"));
  Runner.Start();
  ASSERT_TRUE(Loop.RunUntil([&] { return Out == "started\n"; }, kPatience));
  Runner.Terminate(0);
  WaitForEnd();
  EXPECT_EQ(Order, "ot");
  EXPECT_EQ(Runner.ExitCode(), 128 + SIGKILL);
  EXPECT_EQ(ErrorOf([&] { Runner.Terminate(0); }), "Cannot Terminate an inactive process");
}

TEST_F(RedirectorTest, ExitStatusOfTheLastChild) {
  EXPECT_EQ(Runner.ExitCode(), -1);
  Run(Sh("exit 3"));
  EXPECT_EQ(Runner.ExitCode(), 3);
  Run(Sh("true"));
  EXPECT_EQ(Runner.ExitCode(), 0);
}

TEST_F(RedirectorTest, TerminateKillsTheWholeProcessGroup) {
  TTempDir dir;
  // A shell whose own child (and grandchild) sleep: the encoder chain shape.
  WriteFileText(dir / "chain.sh",
                "sh -c 'sleep 300 & echo $!; wait' &\n"
                "echo $!\n"
                "wait\n");
  Runner.SetCommandline(QuoteArgument(dir / "chain.sh"));
  Runner.Start();
  ASSERT_TRUE(
      Loop.RunUntil([&] { return std::count(Out.begin(), Out.end(), '\n') == 2; }, kPatience));
  std::vector<pid_t> pids;
  for (size_t start = 0, end; (end = Out.find('\n', start)) != std::string::npos; start = end + 1)
    pids.push_back(std::stoi(Out.substr(start, end - start)));
  for (pid_t pid : pids) EXPECT_FALSE(ProcessGone(pid));
  Runner.Terminate(0);
  WaitForEnd();
  for (pid_t pid : pids) EXPECT_TRUE(Eventually([&] { return ProcessGone(pid); })) << pid;
}

TEST_F(RedirectorTest, GrandchildHoldingThePipeDoesNotHoldBackTheEnd) {
  TTempDir dir;
  // The grandchild leaves the group, so nothing of the runner's kills it.
  Runner.SetCommandline(Sh("setsid sh -c 'echo $$ > " + dir.Path() +
                           "pid; exec sleep 300' & "
                           "while [ ! -s " +
                           dir.Path() + "pid ]; do sleep 0.01; done; echo done"));
  Runner.Start();
  WaitForEnd();
  EXPECT_EQ(Out, "done\n");
  pid_t grandchild = std::stoi(ReadFileText(dir / "pid"));
  EXPECT_FALSE(ProcessGone(grandchild));
  ::kill(grandchild, SIGKILL);
}

TEST_F(RedirectorTest, SettersWhileActive) {
  // Idle: everything may change.
  Runner.SetInitialPriority(2);
  Runner.SetDefaultErrorMode(true);
  Runner.SetCommandline(Sh("exec sleep 300"));
  EXPECT_EQ(Runner.InitialPriority(), 2);
  EXPECT_TRUE(Runner.DefaultErrorMode());
  Runner.Start();

  const char* priorityMessage = "Cannot change InititalPriority while process is active";
  EXPECT_EQ(ErrorOf([&] { Runner.SetInitialPriority(2); }), priorityMessage);
  EXPECT_EQ(ErrorOf([&] { Runner.SetInitialPriority(3); }), priorityMessage);
  EXPECT_EQ(Runner.InitialPriority(), 2);
  EXPECT_EQ(ErrorOf([&] { Runner.SetDefaultErrorMode(true); }), "");
  EXPECT_EQ(ErrorOf([&] { Runner.SetDefaultErrorMode(false); }),
            "Cannot change DefaultErrorMode while process is active");
  EXPECT_TRUE(Runner.DefaultErrorMode());
  const std::string running = Runner.Commandline();
  EXPECT_EQ(ErrorOf([&] { Runner.SetCommandline("/bin/true"); }),
            "Cannot change Commandline while process is active");
  EXPECT_EQ(Runner.Commandline(), running);
  std::string shouted = running;
  for (char& ch : shouted) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(ErrorOf([&] { Runner.SetCommandline(shouted); }), "");  // the same, in other case
  EXPECT_EQ(Runner.Commandline(), shouted);

  Runner.Terminate(0);
  WaitForEnd();
  Runner.SetInitialPriority(3);
  Runner.SetDefaultErrorMode(false);
  Runner.SetCommandline("/bin/true");
  EXPECT_EQ(Runner.InitialPriority(), 3);
}

TEST_F(RedirectorTest, ShellScriptOutputOfItsChildrenArrives) {
  TTempDir dir;
  const std::string script = dir / "~Convert Core.sh";  // not executable: run through /bin/sh
  WriteFileText(script,
                "echo \"script $1\"\n"
                "sh -c 'echo child; echo child-error >&2'\n"
                "/bin/echo grandchild\n");
  Run(QuoteArgument(script) + " \"an arg\"");
  EXPECT_EQ(Out, "script an arg\nchild\ngrandchild\n");
  EXPECT_EQ(Err, "child-error\n");
}

TEST_F(RedirectorTest, TenMegabytesArriveCompleteAndInOrder) {
  std::string expected;
  for (int i = 1; i <= 1500000; ++i) expected += std::to_string(i) + '\n';
  ASSERT_GT(expected.size(), 10u * 1024 * 1024);
  Run(Sh("seq 1 1500000; seq 1 1000 >&2"));
  EXPECT_EQ(Out.size(), expected.size());
  EXPECT_TRUE(Out == expected);
  std::string expectedErr;
  for (int i = 1; i <= 1000; ++i) expectedErr += std::to_string(i) + '\n';
  EXPECT_EQ(Err, expectedErr);
}

TEST_F(RedirectorTest, OddPathsAndArgumentsReachTheChildUnchanged) {
  TTempDir dir;
  const std::string folder = dir / "my \"odd\" $dir `x`";
  std::filesystem::create_directory(folder);
  const std::string program = folder + "/print args";
  MakeExecutable(program, "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done\n");
  const std::vector<std::string> args = {"two words", "$HOME",  "`id`", "-n",
                                         "Grüße.mp4", "a\\\"b", "",     "end\\"};
  std::string commandLine = QuoteArgument(program);
  std::string expected;
  for (const std::string& a : args) {
    commandLine += ' ';
    commandLine += QuoteArgument(a);
    expected += "[" + a + "]";
  }
  Run(commandLine);
  EXPECT_EQ(Out, expected);
  EXPECT_EQ(Err, "");
}

TEST_F(RedirectorTest, ApplicationNameDirectoryEnvironmentAndInput) {
  TTempDir dir;
  Runner.ApplicationName = "/bin/sh";
  Runner.CurrentDirectory = dir.Path();
  Runner.Environment = std::vector<std::string>{"ONLY=this one"};
  const std::string commandLine =
      "-c " +
      QuoteArgument(
          "pwd; echo \"$ONLY|${HOME-no home}\"; test -p /dev/stdin && echo input-is-a-pipe");
  Run(commandLine);
  EXPECT_EQ(Runner.FullCommandLine(), "/bin/sh " + commandLine);
  const std::string realDir = std::filesystem::canonical(dir.Path()).string();
  EXPECT_EQ(Out, realDir + "\nthis one|no home\ninput-is-a-pipe\n");
}

TEST_F(RedirectorTest, PriorityBecomesTheChildsNiceLevel) {
  const int inherited = ::getpriority(PRIO_PROCESS, 0);
  // Whether this user may raise priority: nice(1) itself says so (it adds
  // to the level it inherits, which need not be 0).
  const std::string raised = RunProgram("/usr/bin/nice", {"-n", "-20", "nice"}).Out;
  const bool mayRaise = !raised.empty() && std::stoi(raised) < inherited;
  struct TCase {
    uint8_t Priority;
    int Nice;
  } cases[] = {{0, inherited},
               {1, 19},
               {2, mayRaise || inherited <= 0 ? 0 : inherited},
               {3, mayRaise ? -10 : inherited},
               {4, mayRaise ? -20 : inherited},
               {5, inherited}};
  for (const TCase& c : cases) {
    Out.clear();
    Ends = 0;
    Runner.SetInitialPriority(c.Priority);
    Run("nice");
    EXPECT_EQ(Out, std::to_string(c.Nice) + "\n") << int{c.Priority};
  }
}

TEST_F(RedirectorTest, BatchOfChildrenStartedFromPostedCalls) {
  // The batch pattern: the end handler posts the next start, so it runs
  // after the runner has finished its own end handling.
  const int before = OpenDescriptorCount();
  int started = 0;
  auto startNext = [&] {
    ++started;
    Runner.SetCommandline(Sh("echo run " + std::to_string(started)));
    Runner.Start();
  };
  Runner.OnTerminated = [&](TRedirector& sender) {
    ++Ends;
    EXPECT_FALSE(sender.Active());
    if (started < 5) Loop.Post(startNext);
  };
  startNext();
  WaitForEnd(5);
  EXPECT_EQ(Out, "run 1\nrun 2\nrun 3\nrun 4\nrun 5\n");
  EXPECT_EQ(OpenDescriptorCount(), before);
}

TEST_F(RedirectorTest, ThrowingHandlerDoesNotStopTheWatch) {
  Runner.OnData = [](TRedirector&, const char*, int32_t) { throw EKinovertError("parser failed"); };
  Runner.SetCommandline(Sh("echo one"));
  Runner.Start();
  EXPECT_THROW(Loop.RunUntil([&] { return Ends > 0; }, kPatience), EKinovertError);
  WaitForEnd();
}

TEST(RedirectorLifetime, DestructorKillsOrLetsGo) {
  TTempDir dir;
  for (bool terminate : {true, false}) {
    TEventLoop loop;
    bool ended = false;
    const std::string pidFile = dir / (terminate ? "kill" : "keep");
    {
      TRedirector runner(loop);
      runner.TerminateOnDestroy = terminate;
      runner.OnTerminated = [&](TRedirector&) { ended = true; };
      runner.SetCommandline(
          Sh("echo $$ > '" + pidFile + "'; while :; do echo busy; sleep 0.01; done"));
      runner.Start();
      ASSERT_TRUE(Eventually([&] { return ReadFileText(pidFile).size() > 1; }));
      loop.ProcessEvents();
    }
    const pid_t child = std::stoi(ReadFileText(pidFile));
    if (terminate) {
      EXPECT_TRUE(Eventually([&] { return ProcessGone(child); }));
    } else {
      std::this_thread::sleep_for(100ms);
      EXPECT_FALSE(ProcessGone(child));  // still writing, into a pipe nobody delivers
      ::kill(child, SIGKILL);
      EXPECT_TRUE(Eventually([&] { return ProcessGone(child); }));
    }
    loop.RunUntil([] { return false; }, 100ms);
    EXPECT_FALSE(ended);
  }
}

TEST(RedirectorLifetime, DestroyedFromItsOwnEvent) {
  TEventLoop loop;
  auto runner = std::make_unique<TRedirector>(loop);
  runner->TerminateOnDestroy = true;
  runner->SetCommandline(Sh("echo $$; exec sleep 300"));
  std::string pidText;
  runner->OnData = [&](TRedirector&, const char* buffer, int32_t size) {
    pidText.assign(buffer, static_cast<size_t>(size));
    runner.reset();
  };
  runner->Start();
  ASSERT_TRUE(loop.RunUntil([&] { return runner == nullptr; }, kPatience));
  const pid_t child = std::stoi(pidText);
  EXPECT_TRUE(Eventually([&] { return ProcessGone(child); }));
  loop.RunUntil([] { return false; }, 50ms);
}

// Kernels or sandboxes without pidfd_open: the end is still found, by
// looking for it often. A seccomp filter takes the call away in a child
// process of the test.
void RunWithoutPidFd() {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_pidfd_open, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
  if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
      ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
    std::_Exit(2);
  if (::syscall(SYS_pidfd_open, ::getpid(), 0) >= 0 || errno != ENOSYS) std::_Exit(3);
  TEventLoop loop;
  TRedirector runner(loop);
  std::string out;
  bool ended = false;
  runner.OnData = [&](TRedirector&, const char* buffer, int32_t size) {
    out.append(buffer, static_cast<size_t>(size));
  };
  runner.OnTerminated = [&](TRedirector&) { ended = true; };
  runner.SetCommandline(Sh("echo one; sleep 0.1; printf two"));
  runner.Start();
  if (!loop.RunUntil([&] { return ended; }, kPatience)) std::_Exit(4);
  std::_Exit(out == "one\ntwo" ? 0 : 5);
}

TEST(RedirectorWithoutPidFd, EndIsStillReported) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunWithoutPidFd(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
