// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/EncoderStreams.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

bool IsExecutable(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string FfmpegPath() {
  const char* forced = std::getenv("KINOVERT_FFMPEG");
  if (forced != nullptr && *forced != '\0') return IsExecutable(forced) ? forced : "";
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string candidate = (end == start ? std::string(".") : dirs.substr(start, end - start)) + "/ffmpeg";
    if (IsExecutable(candidate)) return candidate;
    start = end + 1;
  }
  return "";
}

// What FFmpeg says about its input: "  Stream #0:1(eng): Audio: …".
TStreamCount CountStreamLines(const std::string& text) {
  TStreamCount count;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (line.find("Stream #0:") != std::string_view::npos) {
      if (line.find(": Video: ") != std::string_view::npos) ++count.Video;
      if (line.find(": Audio: ") != std::string_view::npos) ++count.Audio;
    }
    start = end + 1;
  }
  return count;
}

}  // namespace

TStreamCount CountStreamsWithFfmpeg(const std::string& fileName) {
  const std::string ffmpeg = FfmpegPath();
  if (ffmpeg.empty() || fileName.empty()) return {};
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return {};
  // "file:" keeps a name that starts with a dash or holds a colon a name.
  std::vector<std::string> args = {ffmpeg, "-nostdin", "-hide_banner", "-i", "file:" + fileName};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 2);
  pid_t pid = -1;
  const bool started = ::posix_spawn(&pid, ffmpeg.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string text;
  if (started) {
    char buf[8192];
    for (;;) {
      ssize_t n = ::read(out[0], buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      // The header comes first; a file that makes FFmpeg talk on is cut short.
      if (text.size() < (1u << 20)) text.append(buf, static_cast<size_t>(n));
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  ::close(out[0]);
  return CountStreamLines(text);
}
