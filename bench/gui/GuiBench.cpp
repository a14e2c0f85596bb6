// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's own costs, measured the way a user meets them:
//   gui_bench startup          time from the process's start to the main
//                              window shown, and the resident memory then
//   gui_bench add N CLIP       N copies of CLIP added to the file list: time
//                              per file until the last row is in, and the
//                              longest stretch the event loop was kept busy
// Run on the offscreen platform (QT_QPA_PLATFORM=offscreen) or under xvfb-run.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/Dialogs.h"
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

std::string ProgramCopy() {
  fs::path home = fs::temp_directory_path() / ("kinovert-bench-" + std::to_string(::getpid()));
  fs::remove_all(home);
  fs::copy(KINOVERT_PROGRAM_DIR, home, fs::copy_options::recursive);
  std::ofstream(home / "info.ini") << "[System]\nLastOutputOpenDir=/tmp\n";
  return home.string() + "/";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TQtDialogProvider dialogs;
  TScopedDialogProvider use(dialogs);
  std::string mode = argc > 1 ? argv[1] : "startup";
  std::string home = ProgramCopy();
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
  } else {
    std::fprintf(stderr, "usage: gui_bench startup | add N CLIP\n");
    result = 2;
  }
  fs::remove_all(home);
  return result;
}
