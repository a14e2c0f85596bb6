// SPDX-License-Identifier: GPL-3.0-or-later
// Adding many files must not be slow: the sixteen media strings of N small
// files read in-process, against running the `mediainfo` command once per file.
//
//   media_bench [--files N] [--tool PROGRAM]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/MediaStrings.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

// Runs a program found on PATH with stdin and stdout on /dev/null; its exit code.
int Spawn(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::runtime_error("cannot run " + args[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Ffmpeg(std::vector<std::string> args) {
  args.insert(args.begin(), {"ffmpeg", "-nostdin", "-v", "error", "-y"});
  if (Spawn(args) != 0) throw std::runtime_error("ffmpeg failed");
}

// A few tiny clips of different kinds, copied round-robin to `count` files.
std::vector<std::string> MakeFiles(const fs::path& dir, int count) {
  const std::string src = "testsrc=size=160x120:rate=25:duration=1";
  const std::string tone = "sine=frequency=440:duration=1";
  std::vector<fs::path> clips = {dir / "seed.avi", dir / "seed.mp4", dir / "seed.mp3",
                                 dir / "seed.mkv"};
  Ffmpeg({"-f", "lavfi", "-i", src, "-f", "lavfi", "-i", tone, "-c:v", "mpeg4", "-c:a", "mp2",
          "-shortest", clips[0].string()});
  Ffmpeg({"-f", "lavfi", "-i", src, "-f", "lavfi", "-i", tone, "-c:v", "libx264", "-c:a", "aac",
          "-shortest", clips[1].string()});
  Ffmpeg({"-f", "lavfi", "-i", tone, "-c:a", "libmp3lame", clips[2].string()});
  Ffmpeg({"-f", "lavfi", "-i", src, "-f", "lavfi", "-i", tone, "-c:v", "mpeg4", "-c:a", "libvorbis",
          "-shortest", clips[3].string()});
  std::vector<std::string> files;
  for (int i = 0; i < count; ++i) {
    const fs::path& seed = clips[static_cast<size_t>(i) % clips.size()];
    fs::path file = dir / ("file " + std::to_string(i) + seed.extension().string());
    fs::copy_file(seed, file);
    files.push_back(file.string());
  }
  return files;
}

double Seconds(TClock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  int count = 1000;
  std::string tool = "mediainfo";
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--files")
      count = std::max(1, std::atoi(argv[i + 1]));
    else if (a == "--tool")
      tool = argv[i + 1];
  }
  std::string tmpl = (fs::temp_directory_path() / "kinovert-bench-XXXXXX").string();
  if (mkdtemp(tmpl.data()) == nullptr) return 2;
  fs::path dir = tmpl;
  int result = 0;
  try {
    std::printf("generating %d files in %s\n", count, dir.c_str());
    std::vector<std::string> files = MakeFiles(dir, count);

    auto t0 = TClock::now();
    int unreadable = 0;
    for (const std::string& f : files)
      if (!IsMediaReadable(QueryMediaStrings(f))) ++unreadable;
    double inProcess = Seconds(TClock::now() - t0);

    auto t1 = TClock::now();
    int failed = 0;
    for (const std::string& f : files)
      if (Spawn({tool, f}) != 0) ++failed;
    double perCommand = Seconds(TClock::now() - t1);

    std::printf("in-process QueryMediaStrings: %8.3f s  %7.3f ms/file  (%d unreadable)\n",
                inProcess, 1000 * inProcess / count, unreadable);
    std::printf("`%s` once per file:     %8.3f s  %7.3f ms/file  (%d failed)\n", tool.c_str(),
                perCommand, 1000 * perCommand / count, failed);
    double ratio = perCommand / inProcess;
    std::printf("in-process is %.1fx faster (target: at least 5x) - %s\n", ratio,
                ratio >= 5 ? "met" : "NOT met");
    result = unreadable == 0 && failed == 0 && ratio >= 5 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "media_bench: %s\n", e.what());
    result = 2;
  }
  std::error_code ec;
  fs::remove_all(dir, ec);
  return result;
}
