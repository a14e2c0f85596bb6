// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "engine/MainThread.h"

// A plain main-thread loop for programs without a GUI toolkit: a queue of
// calls that the thread which created the loop runs when it asks to. Calls
// still queued when the loop goes are dropped, and their waiters released.
class TEventLoop final : public TMainThread {
 public:
  TEventLoop();  // the calling thread becomes the main thread
  ~TEventLoop() override;
  TEventLoop(const TEventLoop&) = delete;
  TEventLoop& operator=(const TEventLoop&) = delete;

  void RunAndWait(std::function<void()> call) override;
  void Post(std::function<void()> call) override;

  // Runs the calls queued at the moment (not those they queue); returns how
  // many ran. Main thread only.
  int ProcessEvents();

  // Runs calls as they arrive until `done` holds (tested before every wait
  // and after every call) or `timeout` has passed; returns `done()`. Main
  // thread only.
  bool RunUntil(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::milliseconds::max());

 private:
  bool RunOne(std::unique_lock<std::mutex>& lock);

  std::mutex Mutex_;
  std::condition_variable Arrived_;
  std::deque<std::function<void()>> Queue_;
  std::thread::id MainId_;
};
