// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP};
int Pipe[2] = {-1, -1};

void OnSignal(int sig) {
  const int saved = errno;
  const char number = static_cast<char>(sig);
  // A full pipe already holds a signal to act on.
  ssize_t ignored = ::write(Pipe[1], &number, 1);
  (void)ignored;
  errno = saved;
}

}  // namespace

TQuitSignals::TQuitSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  Notifier_ = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
  connect(Notifier_, &QSocketNotifier::activated, this, [this] { ReadPipe(); });
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (int sig : kQuitSignals) {
    // A signal ignored when we started stays ignored ("nohup kinovert &"
    // must outlive the terminal it was started from).
    struct sigaction before {};
    if (::sigaction(sig, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(sig, &sa, nullptr);
  }
}

TQuitSignals::~TQuitSignals() {
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  for (int sig : kQuitSignals) {
    struct sigaction now {};
    if (::sigaction(sig, nullptr, &now) == 0 && now.sa_handler == OnSignal)
      ::sigaction(sig, &byDefault, nullptr);
  }
  for (int& fd : Pipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void TQuitSignals::ReadPipe() {
  char numbers[16];
  ssize_t n = 0;
  int first = 0;
  while ((n = ::read(Pipe[0], numbers, sizeof numbers)) > 0)
    if (first == 0) first = numbers[0];
  if (first == 0 || Caught_ != 0) return;
  Caught_ = first;
  emit Received(first);
}

void TQuitSignals::EndBySignal() const {
  if (Caught_ == 0) return;
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  ::sigaction(Caught_, &byDefault, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, Caught_);
  ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(Caught_);
}
