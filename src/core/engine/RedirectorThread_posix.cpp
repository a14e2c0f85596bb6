// SPDX-License-Identifier: GPL-3.0-or-later
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "engine/ChildProcess.h"
#include "engine/Redirector.h"
#include "engine/RedirectorThread.h"

namespace {

using TClock = std::chrono::steady_clock;

// After the child's end, output still arriving from a grandchild that holds
// the pipes open is taken for this long without a pause, and never longer
// than the ceiling, so such a grandchild cannot hold back the end report.
constexpr auto kDrainPause = std::chrono::milliseconds(200);
constexpr auto kDrainCeiling = std::chrono::seconds(2);
// Without a pidfd (old kernels) the end is looked for this often.
constexpr int kExitCheckMs = 10;
constexpr size_t kFirstReadSize = 64 * 1024;
constexpr size_t kMaxChunkSize = 1024 * 1024;

}  // namespace

bool TRedirectorThread::IsDetached() {
  std::lock_guard<std::mutex> lock(Mutex);
  return Detached;
}

// Runs `call` on the main thread and waits for it, as long as the runner
// lives. Posting under the lock means no post can follow the runner's
// destructor, which takes the same lock to set Detached.
bool TRedirectorThread::HandOver(const std::shared_ptr<TRedirectorThread>& self,
                                 std::function<void(TRedirector&)> call) {
  std::unique_lock<std::mutex> lock(Mutex);
  if (Detached) return false;
  const uint64_t ticket = ++Posted;
  MainThread.Post([self, ticket, call = std::move(call)] {
    {
      std::lock_guard<std::mutex> guard(self->Mutex);
      self->Started = ticket;
    }
    struct TDone {
      TRedirectorThread& Watch;
      uint64_t Ticket;
      ~TDone() {
        std::lock_guard<std::mutex> guard(Watch.Mutex);
        Watch.Completed = Ticket;
        Watch.Changed.notify_all();
      }
    } done{*self, ticket};
    if (self->Owner != nullptr) call(*self->Owner);
  });
  // A call already begun is waited for even when the runner goes meanwhile
  // (a handler may destroy it): it still uses the buffer.
  Changed.wait(lock, [&] { return Completed >= ticket || (Detached && Started < ticket); });
  return Completed >= ticket && !Detached;
}

bool TRedirectorThread::ChildHasExited(bool pidFdReady) const {
  if (PidFd >= 0 && !pidFdReady) return false;
  siginfo_t info{};
  // WNOWAIT leaves the child unreaped, so its process group id stays taken
  // and a late Terminate cannot hit a stranger.
  if (::waitid(P_PID, static_cast<id_t>(Pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
    return errno == ECHILD;  // collected by someone else: gone all the same
  return info.si_pid != 0;
}

// Reads what the pipe holds now (up to one chunk); closes it at its end.
size_t TRedirectorThread::ReadAvailable(int& fd, std::vector<char>& buffer) {
  size_t used = 0;
  for (;;) {
    if (used == buffer.size()) {
      if (buffer.size() >= kMaxChunkSize) break;
      buffer.resize(buffer.size() * 2);
    }
    ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
    if (n > 0) {
      used += static_cast<size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      // A read error other than "empty for now" ends the pipe like its end does.
      if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) CloseDescriptor(fd);
      break;
    }
  }
  return used;
}

void TRedirectorThread::Execute(std::shared_ptr<TRedirectorThread> self) {
  TRedirectorThread& watch = *self;
  std::vector<char> buffer(kFirstReadSize);
  bool exited = false;
  bool detached = false;
  TClock::time_point endTime, lastData;

  auto pass = [&](int& fd, bool ready, bool standardError) {
    if (fd < 0 || !(ready || exited)) return;
    size_t size = watch.ReadAvailable(fd, buffer);
    if (size == 0) return;
    lastData = TClock::now();
    if (detached) return;
    const char* data = buffer.data();
    auto call = [data, size, standardError](TRedirector& runner) {
      // A copy: the handler may replace itself or destroy the runner.
      TRedirector::TDataEvent handler = standardError ? runner.OnErrorData : runner.OnData;
      if (handler) handler(runner, data, static_cast<int32_t>(size));
    };
    if (!watch.HandOver(self, call)) detached = true;
  };

  while (watch.OutRead >= 0 || watch.ErrRead >= 0 || !exited) {
    pollfd fds[3];
    nfds_t count = 0;
    int outIndex = -1, errIndex = -1, pidIndex = -1;
    if (watch.OutRead >= 0) {
      outIndex = static_cast<int>(count);
      fds[count++] = {watch.OutRead, POLLIN, 0};
    }
    if (watch.ErrRead >= 0) {
      errIndex = static_cast<int>(count);
      fds[count++] = {watch.ErrRead, POLLIN, 0};
    }
    if (!exited && watch.PidFd >= 0) {
      pidIndex = static_cast<int>(count);
      fds[count++] = {watch.PidFd, POLLIN, 0};
    }
    int timeout = -1;
    if (!exited) {
      if (watch.PidFd < 0) timeout = kExitCheckMs;
    } else {
      if (detached || watch.IsDetached()) break;
      const TClock::time_point now = TClock::now();
      const TClock::time_point limit = std::min(lastData + kDrainPause, endTime + kDrainCeiling);
      if (now >= limit) break;
      timeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(limit - now).count());
    }
    int ready = ::poll(fds, count, timeout);
    if (ready < 0 && errno != EINTR) ::poll(nullptr, 0, kExitCheckMs);  // never spin
    auto isReady = [&](int index) { return ready > 0 && index >= 0 && fds[index].revents != 0; };

    // The end is noted before the reads, so the reads that follow are known
    // to carry the child's last output.
    if (!exited && watch.ChildHasExited(isReady(pidIndex))) {
      exited = true;
      watch.Ended = true;
      endTime = lastData = TClock::now();
    }
    pass(watch.OutRead, isReady(outIndex), false);
    pass(watch.ErrRead, isReady(errIndex), true);
  }
  CloseDescriptor(watch.OutRead);
  CloseDescriptor(watch.ErrRead);
  CloseDescriptor(watch.PidFd);

  if (!detached) watch.HandOver(self, [](TRedirector& runner) { runner.ProcessTerminated(); });
  std::unique_lock<std::mutex> lock(watch.Mutex);
  if (!watch.Reaped) {
    lock.unlock();
    ReapChild(watch.Pid);
    lock.lock();
  }
  watch.Finished = true;
  watch.Changed.notify_all();
}
