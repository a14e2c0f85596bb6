// SPDX-License-Identifier: GPL-3.0-or-later
// The window's socket: only this user reaches it, only a well-formed
// hand-over is taken, and no client can wear it out.
#include "app/SingleInstance.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QTest>
#include <atomic>
#include <csignal>
#include <cstring>
#include <memory>
#include <thread>

#include "app/HandOver.h"
#include "support/EnvVar.h"
#include "support/RunProgram.h"

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

struct TOtherUser {
  uid_t Uid = 65534;
  gid_t Gid = 65534;
  TOtherUser() {
    if (const passwd* pw = ::getpwnam("nobody")) {
      Uid = pw->pw_uid;
      Gid = pw->pw_gid;
    }
  }
  // In a forked child only: from here on it is another local user.
  bool Become() const {
    return ::setgroups(0, nullptr) == 0 && ::setgid(Gid) == 0 && ::setuid(Uid) == 0;
  }
};

sockaddr_un AddressOf(const std::string& path) {
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, path.c_str(), sizeof a.sun_path - 1);
  return a;
}

// The child's end: waits for it while the test's event loop runs.
int WaitForChild(pid_t child) {
  int status = -1;
  EXPECT_TRUE(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 30000));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A folder any user may enter: the other user's end must reach the socket
// for the checks on the ends themselves to show.
struct TOpenFolder {
  TTempDir Dir;
  TOpenFolder() { ::chmod(Dir.Path().c_str(), 0777); }
};

}  // namespace

// Without a session runtime folder (su, cron, some ssh logins) the socket
// goes into a folder of the user's own in the temporary folder, never
// straight into the folder every user shares.
TEST(SingleInstance, SocketLivesInAFolderOfTheUsersOwn) {
  TTempDir tmp;
  ::chmod(tmp.Path().c_str(), 01777);
  TEnvVar tmpdir("TMPDIR", tmp.Path().c_str());
  TEnvVar noRuntime("XDG_RUNTIME_DIR", nullptr);
  const std::string own = tmp / ("kinovert-runtime-" + std::to_string(::geteuid())) + "/";
  const QString name = TSingleInstance::SocketName();
  EXPECT_TRUE(name.startsWith(Q(own))) << name.toStdString();
  struct stat st {};
  ASSERT_EQ(::lstat(own.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(st.st_uid, ::geteuid());
  if (::geteuid() != 0) return;
  // Another user made the folder first: it is not used at all.
  const TOtherUser other;
  ASSERT_EQ(::chown(own.c_str(), other.Uid, other.Gid), 0);
  EXPECT_EQ(TSingleInstance::SocketName(), QString());
  EXPECT_FALSE(TSingleInstance::HandToRunning(QString(), {"/videos/a.avi"}));
  TSingleInstance none(QString(), nullptr);
  EXPECT_FALSE(none.Listening());
}

// Another user listening on the name hears nothing: a start hands its files
// only to a program of its own user, else it opens its own window.
TEST(SingleInstance, FilesAreNotHandedToAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "switching to another user needs root";
  TOpenFolder open;
  const std::string path = open.Dir / "socket";
  const sockaddr_un address = AddressOf(path);
  const TOtherUser other;
  int ready[2], heard[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(heard), 0);
  pid_t child = ::fork();
  if (child == 0) {
    if (!other.Become()) ::_exit(2);
    int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, 0777) != 0 || ::listen(server, 4) != 0)
      ::_exit(3);
    char go = 1;
    if (::write(ready[1], &go, 1) != 1) ::_exit(4);
    int client = ::accept(server, nullptr, nullptr);
    // Says "ok" at once, as the program would (to whoever is still there),
    // and counts what it is told.
    ::signal(SIGPIPE, SIG_IGN);
    ssize_t said = ::write(client, "ok", 2);
    (void)said;
    long total = 0;
    char buffer[4096];
    for (ssize_t n; (n = ::read(client, buffer, sizeof buffer)) > 0;) total += n;
    if (::write(heard[1], &total, sizeof total) != sizeof total) ::_exit(6);
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(heard[1]);
  char go = 0;
  ASSERT_EQ(::read(ready[0], &go, 1), 1);
  EXPECT_FALSE(TSingleInstance::HandToRunning(Q(path), {"/home/me/private.avi"}));
  long total = -1;
  EXPECT_EQ(::read(heard[0], &total, sizeof total), static_cast<ssize_t>(sizeof total));
  EXPECT_EQ(total, 0);
  EXPECT_EQ(WaitForChild(child), 0);
  ::close(ready[0]);
  ::close(heard[0]);
}

// Nor does the window take files from another user who reaches its socket.
TEST(SingleInstance, AnotherUsersHandOverIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "switching to another user needs root";
  TOpenFolder open;
  const std::string path = open.Dir / "socket";
  int received = 0;
  TSingleInstance instance(Q(path), [&](std::vector<std::string>) { ++received; });
  ASSERT_TRUE(instance.Listening());
  ASSERT_EQ(::chmod(path.c_str(), 0777), 0);
  const sockaddr_un address = AddressOf(path);
  const std::string message = PackHandOver({"/tmp/planted.avi"});
  const TOtherUser other;
  pid_t child = ::fork();
  if (child == 0) {
    if (!other.Become()) ::_exit(2);
    int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) ::_exit(3);
    if (::write(s, message.data(), message.size()) != static_cast<ssize_t>(message.size()))
      ::_exit(0);
    char answer[2] = {};
    ::_exit(::read(s, answer, 2) == 2 && std::memcmp(answer, "ok", 2) == 0 ? 1 : 0);
  }
  EXPECT_EQ(WaitForChild(child), 0) << "the other user's files were taken";
  EXPECT_EQ(received, 0);
  EXPECT_TRUE(instance.Listening());
}

// Whatever is not one well-formed hand-over is dropped unanswered, and the
// window goes on taking the next start's files.
TEST(SingleInstance, MalformedMessagesAreIgnored) {
  TTempDir dir;
  const QString name = Q(dir / "socket");
  std::vector<std::vector<std::string>> received;
  TSingleInstance instance(
      name, [&](std::vector<std::string> files) { received.push_back(std::move(files)); });
  instance.IdleLimitMs = 1000;  // a message cut short waits no longer
  ASSERT_TRUE(instance.Listening());
  const std::string relative = std::string("\0\0\0\x0d\0\0\0\x01\0\0\0\x05a.avi", 17);
  const std::string counted = std::string("\0\0\0\x04\0\0\0\x03", 8);
  for (const std::string& bad :
       {relative, counted, PackHandOver({"/a.avi"}).substr(2) + "xxxxxxxxxx"}) {
    QLocalSocket client;
    client.connectToServer(name);
    ASSERT_TRUE(client.waitForConnected(10000));
    client.write(bad.data(), static_cast<qint64>(bad.size()));
    client.flush();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 20000));
    EXPECT_FALSE(client.readAll().contains("ok"));
  }
  EXPECT_TRUE(received.empty());
  std::atomic<int> answer{-1};
  std::thread second([&] { answer = TSingleInstance::HandToRunning(name, {"/v/a.avi"}) ? 1 : 0; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return answer >= 0; }, 20000));
  second.join();
  EXPECT_EQ(answer, 1);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0], std::vector<std::string>{"/v/a.avi"});
}

// A message that claims more than any command line holds is refused before
// it is waited for; connections that say nothing are dropped after a while,
// and only a few are served at once, so silent clients can neither freeze
// the window nor use up its descriptors.
TEST(SingleInstance, HugeAndSilentClientsAreDropped) {
  TTempDir dir;
  const QString name = Q(dir / "socket");
  int received = 0;
  TSingleInstance instance(name, [&](std::vector<std::string>) { ++received; });
  instance.IdleLimitMs = 300;
  ASSERT_TRUE(instance.Listening());

  QLocalSocket huge;
  huge.connectToServer(name);
  ASSERT_TRUE(huge.waitForConnected(10000));
  const char claim[4] = {4, 0, 0, 0};  // 64 MB to come
  huge.write(claim, 4);
  huge.write(std::string(4096, 'x').c_str(), 4096);
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return huge.state() == QLocalSocket::UnconnectedState; }, 20000));

  std::vector<std::unique_ptr<QLocalSocket>> silent;
  for (int i = 0; i < 2 * TSingleInstance::kMaxConnections; ++i) {
    silent.push_back(std::make_unique<QLocalSocket>());
    silent.back()->connectToServer(name);
  }
  QTest::qWait(50);
  EXPECT_LE(instance.OpenConnections(), TSingleInstance::kMaxConnections);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        for (const auto& s : silent)
          if (s->state() != QLocalSocket::UnconnectedState) return false;
        return true;
      },
      30000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return instance.OpenConnections() == 0; }, 30000));
  EXPECT_TRUE(instance.Listening());
  std::atomic<int> answer{-1};
  std::thread second([&] { answer = TSingleInstance::HandToRunning(name, {"/v/a.avi"}) ? 1 : 0; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return answer >= 0; }, 20000));
  second.join();
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(received, 1);
}
