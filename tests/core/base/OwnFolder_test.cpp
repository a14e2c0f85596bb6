// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/OwnFolder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "base/SocketPeer.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Another user's id to hand things to (root only can).
uid_t Nobody() {
  const passwd* pw = ::getpwnam("nobody");
  return pw != nullptr ? pw->pw_uid : 65534;
}

}  // namespace

TEST(OwnFolder, OnlyAFolderOfThisUserAloneIsTaken) {
  TTempDir dir;
  std::string problem;
  EXPECT_TRUE(EnsureOwnFolder(dir / "made", &problem)) << problem;
  EXPECT_EQ(ModeOf(dir / "made"), 0700u);
  EXPECT_TRUE(EnsureOwnFolder(dir / "made"));  // there already: fine

  ::mkdir((dir / "open").c_str(), 0700);
  ::chmod((dir / "open").c_str(), 0755);
  ASSERT_EQ(::symlink((dir / "made").c_str(), (dir / "link").c_str()), 0);
  WriteFileText(dir / "file", "x");
  for (const char* refused : {"open", "link", "file", "missing/deeper"}) {
    problem.clear();
    EXPECT_FALSE(EnsureOwnFolder(dir / refused, &problem)) << refused;
    EXPECT_FALSE(problem.empty()) << refused;
  }
  EXPECT_EQ(ModeOf(dir / "open"), 0755u);  // refused, not changed
  EXPECT_FALSE(EnsureOwnFolder("relative"));
  if (::geteuid() == 0) {
    ::mkdir((dir / "theirs").c_str(), 0700);
    ASSERT_EQ(::chown((dir / "theirs").c_str(), Nobody(), Nobody()), 0);
    EXPECT_FALSE(EnsureOwnFolder(dir / "theirs", &problem));
    EXPECT_NE(problem.find("another user"), std::string::npos) << problem;
  }
}

// Without a runtime folder of the session (su, cron, some logins) the socket
// folder's name in the shared temporary folder is predictable: another user
// may have made it first, and then it is refused rather than used.
TEST(OwnFolder, RuntimeFolderOfTheUserAlone) {
  TTempDir tmp, runtime;
  ::chmod(tmp.Path().c_str(), 01777);
  TEnvVar tmpdir("TMPDIR", tmp.Path().c_str());
  const std::string fallback = tmp / ("kinovert-runtime-" + std::to_string(::geteuid()));
  {
    TEnvVar xdg("XDG_RUNTIME_DIR", runtime.Path().c_str());
    ::chmod(runtime.Path().c_str(), 0700);
    EXPECT_EQ(UserRuntimeFolder(), runtime.Path());
    ::chmod(runtime.Path().c_str(), 0777);  // open to all: not the session's own
    EXPECT_EQ(UserRuntimeFolder(), fallback + "/");
  }
  ASSERT_EQ(::rmdir(fallback.c_str()), 0);
  TEnvVar noXdg("XDG_RUNTIME_DIR", nullptr);
  EXPECT_EQ(UserRuntimeFolder(), fallback + "/");
  EXPECT_EQ(ModeOf(fallback), 0700u);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(fallback.c_str(), Nobody(), Nobody()), 0);
    std::string problem;
    EXPECT_EQ(UserRuntimeFolder(&problem), "");
    EXPECT_FALSE(problem.empty());
  }
}

TEST(SocketPeer, OnlyThisUserOnTheOtherEnd) {
  int pair[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_TRUE(PeerIsThisUser(pair[0]));
  ::close(pair[0]);
  ::close(pair[1]);
  EXPECT_FALSE(PeerIsThisUser(-1));
  int unconnected = ::socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_FALSE(PeerIsThisUser(unconnected));
  ::close(unconnected);
  if (::geteuid() != 0) GTEST_SKIP() << "another user's end needs root to switch users";

  TTempDir dir;
  ::chmod(dir.Path().c_str(), 0777);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string name = dir / "s";
  std::strncpy(address.sun_path, name.c_str(), sizeof address.sun_path - 1);
  int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::chmod(name.c_str(), 0777);
  ASSERT_EQ(::listen(server, 1), 0);
  pid_t child = ::fork();
  if (child == 0) {
    // Another local user connects.
    if (::setgid(Nobody()) != 0 || ::setuid(Nobody()) != 0) ::_exit(2);
    int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(3);
    char byte = 0;
    ssize_t ignored = ::read(s, &byte, 1);  // until the test closes its end
    (void)ignored;
    ::_exit(0);
  }
  int accepted = ::accept(server, nullptr, nullptr);
  ASSERT_GE(accepted, 0);
  EXPECT_FALSE(PeerIsThisUser(accepted));
  ::close(accepted);
  ::close(server);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
