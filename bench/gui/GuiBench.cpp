// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own costs, measured the way a user meets them:
//   gui_bench startup          time from the process's start to the main
//                              window shown, and the resident memory then
//   gui_bench add N CLIP       N copies of CLIP added to the file list: time
//                              per file until the last row is in, and the
//                              longest stretch the event loop was kept busy
//   gui_bench convert N CLIP   N copies of CLIP converted to AVI with the
//                              Standard profile, once from the window and
//                              once by kinovert-cli, side by side: the wall
//                              times and their ratio (the window's overhead)
// Run on the offscreen platform (QT_QPA_PLATFORM=offscreen) or under xvfb-run.
#include <unistd.h>

#include <fcntl.h>
#include <spawn.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/Dialogs.h"
#include "app/GlobalVars.h"
#include "app/ProgramFolder.h"
#include "app/QtDialogProvider.h"
#include "main/Main.h"

namespace fs = std::filesystem;

namespace {

// Milliseconds since this process was started, as the kernel counts them.
double MsSinceProcessStart() {
  std::ifstream statFile("/proc/self/stat");
  std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
  std::istringstream fields(stat.substr(stat.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks
  double startTicks = std::stod(field);
  double uptime = 0;
  std::ifstream("/proc/uptime") >> uptime;
  return (uptime - startTicks / static_cast<double>(::sysconf(_SC_CLK_TCK))) * 1000.0;
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// A copy of the program folder for the bench to run in, with settings of its
// own. It goes when the bench ends, however that ends: by return here, and
// after an exception, a crash or a signal through a watcher process, made
// before the copy, which waits for this process's end (its pipe closes then)
// and removes the copy. The watcher ignores the signals a terminal sends the
// whole process group (Ctrl-C, a closed window), so it outlasts them.
class TProgramCopy {
 public:
  TProgramCopy()
      : Home_(fs::temp_directory_path() / ("kinovert-bench-" + std::to_string(::getpid()))) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("no pipe for the watcher");
    Watcher_ = ::fork();
    if (Watcher_ == 0) Watch(fds[0], fds[1]);
    ::close(fds[0]);
    Pipe_ = fds[1];
    fs::remove_all(Home_);
    fs::copy(KINOVERT_PROGRAM_DIR, Home_, fs::copy_options::recursive);
    std::ofstream(Home_ / "info.ini") << "[System]\nLastOutputOpenDir=/tmp\n";
  }
  ~TProgramCopy() {
    std::error_code ec;
    fs::remove_all(Home_, ec);
    ::close(Pipe_);
    if (Watcher_ > 0) ::waitpid(Watcher_, nullptr, 0);
  }
  TProgramCopy(const TProgramCopy&) = delete;
  TProgramCopy& operator=(const TProgramCopy&) = delete;
  std::string Home() const { return Home_.string() + "/"; }

 private:
  [[noreturn]] void Watch(int readEnd, int writeEnd) {
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) ::signal(sig, SIG_IGN);
    ::close(writeEnd);
    int null = ::open("/dev/null", O_RDWR);
    for (int fd : {0, 1, 2}) ::dup2(null, fd);
    char byte;
    ssize_t n;
    do n = ::read(readEnd, &byte, 1);
    while (n < 0 && errno == EINTR);
    std::error_code ec;
    fs::remove_all(Home_, ec);
    ::_exit(0);
  }

  fs::path Home_;
  pid_t Watcher_ = -1;
  int Pipe_ = -1;
};

std::vector<std::string> CopiesOf(const std::string& clip, int count, const fs::path& folder) {
  fs::create_directories(folder);
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back((folder / ("clip" + std::to_string(i) + fs::path(clip).extension().string())).string());
    fs::copy_file(clip, paths.back());
  }
  return paths;
}

// What the window's process itself used, without its encoders.
double OwnCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e9; }

// kinovert-cli over the same files with the same profile; false when it failed.
bool ConvertByCli(const std::string& home, const std::vector<std::string>& paths, const std::string& out) {
  std::vector<std::string> args{home + "kinovert-cli", "convert", "--target", "avi", "--profile", "Standard",
                                "--output", out, "--"};
  args.insert(args.end(), paths.begin(), paths.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return failed == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

size_t FilesIn(const fs::path& folder) {
  size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

int RunBench(int argc, char** argv, const std::string& home) {
  QApplication app(argc, argv);
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  std::string mode = argc > 1 ? argv[1] : "startup";
  SetProgramFolder(home);
  int result = 0;
  if (mode == "startup") {
    TfrmMain main;
    if (!main.Start()) return 1;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return 1;
    QApplication::processEvents();
    std::printf("startup_ms %.1f\nresident_mb %.1f\n", MsSinceProcessStart(), ResidentKb() / 1024.0);
  } else if (mode == "add" && argc == 4) {
    int count = std::stoi(argv[2]);
    fs::path folder = fs::path(home) / "clips";
    fs::create_directories(folder);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      paths.push_back((folder / ("clip" + std::to_string(i) + fs::path(argv[3]).extension().string())).string());
      fs::copy_file(argv[3], paths.back());
    }
    TfrmMain main;
    if (!main.Start()) return 1;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return 1;
    // A timer that should fire every 5 ms: its longest gap is the longest
    // time the window could not answer.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
      longestGap = std::max(longestGap, sinceTick.restart());
    });
    bool done = false;
    QElapsedTimer clock;
    clock.start();
    sinceTick.start();
    tick.start(5);
    main.AddInputFiles(paths, [&] { done = true; });
    while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();  // the last row drawn
    double total = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("files %d\nrows %d\nms_per_file %.2f\nlongest_blocked_ms %lld\n", count, main.FileList().Count(),
                total / count, static_cast<long long>(longestGap));
  } else if (mode == "convert" && argc == 4) {
    int count = std::stoi(argv[2]);
    std::vector<std::string> paths = CopiesOf(argv[3], count, fs::path(home) / "clips");
    TfrmMain main;
    if (!main.Start()) return 1;
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return 1;
    main.SelectTarget(ofAVI);
    main.AddInputFiles(paths);
    while (main.AddingFiles()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // Rounds taken in turn, so a load that comes and goes weighs on both.
    std::vector<double> ratios;
    std::printf("files %d\n", count);
    for (int round = 1; round <= 3; ++round) {
      const fs::path byCli = fs::path(home) / ("by-cli-" + std::to_string(round));
      const fs::path byWindow = fs::path(home) / ("by-window-" + std::to_string(round));
      fs::create_directories(byCli);
      fs::create_directories(byWindow);
      QElapsedTimer clock;
      clock.start();
      bool cliOk = ConvertByCli(home, paths, byCli.string());
      double cli = Seconds(clock);
      main.findChild<QLineEdit*>("editOutputFileName")->setText(QString::fromStdString(byWindow.string()));
      // From the press of Convert to the batch's end (adding is the add bench's).
      clock.restart();
      double cpuBefore = OwnCpuSeconds();
      main.Action("ActionConvert")->trigger();
      double window = Seconds(clock);
      double ownCpu = OwnCpuSeconds() - cpuBefore;
      ratios.push_back(window / cli);
      std::printf("round %d: cli_s %.2f (%zu outputs%s) window_s %.2f (%zu outputs, window's own cpu %.2f s) ratio %.3f\n",
                  round, cli, FilesIn(byCli), cliOk ? "" : ", failed", window, FilesIn(byWindow), ownCpu,
                  ratios.back());
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("median_ratio %.3f\n", ratios[1]);
  } else {
    std::fprintf(stderr, "usage: gui_bench startup | add N CLIP | convert N CLIP\n");
    result = 2;
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    TProgramCopy copy;
    return RunBench(argc, argv, copy.Home());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "gui_bench: %s\n", e.what());
    return 1;
  }
}
