// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TMainThread;
class TFileListModel;

// Adds files to the file list without freezing the window: the cheap checks
// run at once on the main thread, media information is asked on a worker
// thread, and the rows are appended on the main thread in the order the
// paths were given, one rejection message at a time. While files are being
// added the list must not change under the adder, so edits that come in
// meanwhile wait (WhenIdle) and run in order once the last file is in.
class TFileAdder final {
 public:
  TFileAdder(TMainThread& mainThread, TFileListModel& list);
  // Stops asking for more media information and waits for the worker.
  ~TFileAdder();
  TFileAdder(const TFileAdder&) = delete;
  TFileAdder& operator=(const TFileAdder&) = delete;

  // Queues the paths after any that are still being added; `done` runs on
  // the main thread once these paths are all handled. Main thread only.
  void Add(std::vector<std::string> paths, std::function<void()> done = nullptr);
  bool Busy() const { return Pending_ > 0; }
  // Runs `call` now when no add is running, else after the adds end.
  void WhenIdle(std::function<void()> call);
  // Told when the adder starts and stops being busy (the wait cursor).
  std::function<void(bool busy)> OnBusyChanged;

 private:
  struct TJob {
    std::string Path;
    bool Query = false;  // false: the path was refused by the quick checks
    std::function<void()> Done;  // set on the last job of an Add
  };
  struct TResult;
  void Work();
  void Deliver();
  void FinishOne(const std::function<void()>& done, std::exception_ptr& failure);

  TMainThread& Main_;
  TFileListModel& List_;
  int Pending_ = 0;  // jobs queued and not yet appended (main thread)
  bool Delivering_ = false;
  std::vector<std::function<void()>> WhenIdle_;

  std::mutex Mutex_;
  std::condition_variable Wake_;
  std::deque<TJob> Jobs_;                 // for the worker
  std::deque<std::shared_ptr<TResult>> Results_;  // for the main thread
  bool Stopping_ = false;
  std::shared_ptr<bool> Alive_ = std::make_shared<bool>(true);
  std::thread Worker_;
};
