// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RunProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& env) {
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
    throw std::runtime_error("pipe failed");
  std::vector<std::string> envStore;
  for (char** e = environ; *e != nullptr; ++e) envStore.emplace_back(*e);
  for (const std::string& e : env) envStore.push_back(e);
  std::vector<char*> envp;
  for (auto& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> argStore{program};
  argStore.insert(argStore.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    int devnull = ::open("/dev/null", O_RDONLY);
    ::dup2(devnull, 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out[1]);
  ::close(err[1]);
  TRunResult r;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  int open = 2;
  char buf[65536];
  while (open > 0) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        (i == 0 ? r.Out : r.Err).append(buf, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  r.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return r;
}

TTempDir::TTempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "kinovert-test-XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  Path_ = tmpl + "/";
}

TTempDir::~TTempDir() {
  std::error_code ec;
  // A test may leave a read-only folder behind; make it removable first.
  for (auto it = std::filesystem::recursive_directory_iterator(Path_, ec);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    if (it->is_directory(ec)) std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(Path_, ec);
}

std::string ReadFileText(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFileText(const std::string& fileName, const std::string& text) {
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + fileName);
}

bool FileExists(const std::string& fileName) {
  struct stat st {};
  return ::stat(fileName.c_str(), &st) == 0;
}
