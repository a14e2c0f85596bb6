// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/EventLoop.h"

#include <memory>
#include <utility>

namespace {

struct TWaitSlot {
  std::mutex Mutex;
  std::condition_variable Finished;
  bool Done = false;
};

// Releases the waiter when the queued call is gone, whether it ran, threw or
// was dropped unrun; tying the release to the call's lifetime covers all three.
struct TReleaser {
  std::shared_ptr<TWaitSlot> Slot;
  explicit TReleaser(std::shared_ptr<TWaitSlot> slot) : Slot(std::move(slot)) {}
  TReleaser(const TReleaser&) = delete;
  TReleaser& operator=(const TReleaser&) = delete;
  ~TReleaser() {
    std::lock_guard<std::mutex> lock(Slot->Mutex);
    Slot->Done = true;
    Slot->Finished.notify_all();
  }
};

}  // namespace

TEventLoop::TEventLoop() : MainId_(std::this_thread::get_id()) {}

TEventLoop::~TEventLoop() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard<std::mutex> lock(Mutex_);
    dropped.swap(Queue_);
  }
}

void TEventLoop::Post(std::function<void()> call) {
  std::lock_guard<std::mutex> lock(Mutex_);
  Queue_.push_back(std::move(call));
  Arrived_.notify_one();
}

void TEventLoop::RunAndWait(std::function<void()> call) {
  if (std::this_thread::get_id() == MainId_) {
    call();
    return;
  }
  auto slot = std::make_shared<TWaitSlot>();
  Post([call = std::move(call), releaser = std::make_shared<TReleaser>(slot)] { call(); });
  std::unique_lock<std::mutex> lock(slot->Mutex);
  slot->Finished.wait(lock, [&] { return slot->Done; });
}

bool TEventLoop::RunOne(std::unique_lock<std::mutex>& lock) {
  if (Queue_.empty()) return false;
  std::function<void()> call = std::move(Queue_.front());
  Queue_.pop_front();
  lock.unlock();
  // The call object is destroyed before the lock is taken again, also when
  // it throws, so a waiter never outlives its release.
  struct TRelock {
    std::unique_lock<std::mutex>& Lock;
    std::function<void()>& Call;
    ~TRelock() {
      Call = nullptr;
      Lock.lock();
    }
  } relock{lock, call};
  call();
  return true;
}

int TEventLoop::ProcessEvents() {
  std::unique_lock<std::mutex> lock(Mutex_);
  size_t pending = Queue_.size();
  int ran = 0;
  while (pending-- > 0 && RunOne(lock)) ++ran;
  return ran;
}

bool TEventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  // A timeout of a year or more means no deadline (and keeps the sum in range).
  const bool bounded = timeout < std::chrono::hours(24 * 365);
  const Clock::time_point deadline = bounded ? Clock::now() + timeout : Clock::time_point::max();
  std::unique_lock<std::mutex> lock(Mutex_);
  for (;;) {
    lock.unlock();
    bool finished = done();
    lock.lock();
    if (finished) return true;
    if (Queue_.empty()) {
      if (bounded) {
        if (!Arrived_.wait_until(lock, deadline, [&] { return !Queue_.empty(); })) break;
      } else {
        Arrived_.wait(lock, [&] { return !Queue_.empty(); });
      }
    }
    RunOne(lock);
  }
  lock.unlock();
  return done();
}
